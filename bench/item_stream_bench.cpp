// Copying a folder of a million nodes to the clipboard and reading it back:
// the item stream written by two walks (measure, then write) and read into
// a collection again, beside a plain copy of as many bytes (the floor).

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/collection.h"
#include "exchange/item_stream.h"
#include "import/item_insertion.h"

namespace {
// One top folder holding 90,910 folders of ten links: a million nodes.
Folder* build(Collection& c) {
    Folder* top = c.appendFolder(&c).node()->asFolder();
    c.setTitle(top, "Everything");
    for (int f = 0; f < 90910; ++f) {
        Folder* folder = c.appendFolder(top).node()->asFolder();
        c.setTitle(folder, "Folder number " + std::to_string(f));
        for (int l = 0; l < 10; ++l) {
            Link* link = c.appendLink(folder).node()->asLink();
            c.setTitle(link, "A page about subject number " + std::to_string(f * 10 + l));
            c.setUrl(link, "https://www.example.com/articles/" + std::to_string(f * 10 + l));
            c.setDescription(link, l % 3 ? "" : "Read it later, with the comments");
        }
    }
    return top;
}

}  // namespace

int main() {
    Collection original;
    const Folder* top = build(original);

    Stopwatch writeWatch;
    std::vector<char> block(measureNodeStream(original, *top));
    writeNodeStream(original, *top, block.data());
    const double write = writeWatch.seconds();

    Collection copy;
    Stopwatch readWatch;
    ItemStreamSource source(block.data(), block.size());
    const InsertedCounts counts = insertItems(copy, &copy, source);
    const std::size_t nodes = counts.folders + counts.links;
    const double read = readWatch.seconds();

    std::vector<char> plain(block.size());
    Stopwatch floorWatch;
    std::memcpy(plain.data(), block.data(), block.size());
    const double floor = floorWatch.seconds();

    const double mb = block.size() / 1e6;
    std::printf("item stream of %zu nodes, %.1f MB\n", nodes, mb);
    std::printf("write (measure and write) %.3f s  %6.0f MB/s\n", write, mb / write);
    std::printf("read into a collection    %.3f s  %6.0f MB/s\n", read, mb / read);
    std::printf("floor: plain copy         %.3f s  %6.0f MB/s\n", floor, mb / floor);
    std::printf("peak memory %.1f MB\n", megabytes(peakMemoryBytes()));
    return nodes == 1000011 ? 0 : 1;
}

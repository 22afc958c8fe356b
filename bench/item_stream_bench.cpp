// Copying a folder of a million nodes to the clipboard and reading it back:
// the item stream written by two walks (measure, then write) and read into
// a collection again, beside a plain copy of as many bytes (the floor).

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/collection.h"
#include "core/collection_walker.h"
#include "exchange/item_stream.h"

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

// Reads a stream into the collection, as pasting does, and counts the nodes.
std::size_t readInto(Collection& c, ItemSource& source) {
    std::size_t nodes = 0;
    std::vector<Folder*> open{&c};
    for (;;) {
        ItemFields fields;
        switch (source.next()) {
        case ItemCode::EndOfFolder:
            open.pop_back();
            if (open.empty()) return nodes;
            break;
        case ItemCode::FolderItem: {
            source.folder(fields);
            Folder* folder = c.appendFolder(open.back()).node()->asFolder();
            c.setTitle(folder, fields.title);
            c.setDescription(folder, fields.description);
            open.push_back(folder);
            ++nodes;
            break;
        }
        case ItemCode::LinkItem: {
            source.link(fields);
            Link* link = c.appendLink(open.back()).node()->asLink();
            c.setTitle(link, fields.title);
            c.setUrl(link, fields.url);
            c.setDescription(link, fields.description);
            ++nodes;
            break;
        }
        }
    }
}
}  // namespace

int main() {
    Collection original;
    const Folder* top = build(original);
    const ChildPosition first = Collection::positionOf(top);

    Stopwatch writeWatch;
    CollectionWalker measuring(original, first, first.next());
    std::vector<char> block(measureItemStream(measuring));
    CollectionWalker writing(original, first, first.next());
    writeItemStream(writing, block.data());
    const double write = writeWatch.seconds();

    Collection copy;
    Stopwatch readWatch;
    ItemStreamSource source(block.data(), block.size());
    const std::size_t nodes = readInto(copy, source);
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
    return nodes == 1000011 ? 0 : 1;
}

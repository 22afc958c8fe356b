// Runs arbitrary bytes as an export template over a small collection: the
// reader and the engine never crash or hang on a bad template, every failure
// is an error code from 1 to 7, and an export run twice gives the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/collection.h"
#include "export/template_exporter.h"
#include "export/template_output.h"
#include "export/url_export_error.h"

namespace {
const Collection& sampleCollection() {
    static Collection* collection = [] {
        auto* c = new Collection;
        c->setTitle(c, "Home & <garden>");
        c->setDescription(c, "first\r\nsecond\rthird\n");
        Link* link = c->appendLink(c).node()->asLink();
        c->setTitle(link, "Caf\xC3\xA9 \"quoted\" \xE4\xB8\xAD\xF0\x9F\x94\xA5");
        c->setUrl(link, "http://example.com/?a=1&b=2");
        c->setDescription(link, "a\r\n\r\nb");
        Folder* folder = c->appendFolder(c).node()->asFolder();
        c->setTitle(folder, "con");
        Folder* inner = c->appendFolder(folder).node()->asFolder();
        c->setTitle(c->appendLink(inner).node(), "x.y:z");
        c->appendLink(folder);
        c->appendFolder(c);
        return c;
    }();
    return *collection;
}

// The expansion, or "error N" when the template is refused.
std::string expand(std::string_view templateText) {
    std::string text;
    TemplateOutput out(text);
    const Result result = TemplateExporter(templateText, sampleCollection()).run(out);
    if (!result) {
        // The engine in memory never fails otherwise.
        if (result.status != ResultStatus::TemplateMistake || result.code < 3 || result.code > 6) std::abort();
        return "error " + std::to_string(result.code);
    }
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view templateText(reinterpret_cast<const char*>(data), size);
    if (expand(templateText) != expand(templateText)) std::abort();
    return 0;
}

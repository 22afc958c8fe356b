#include "export_test_trees.h"

#include "tree_text.h"

namespace {
Link* addLink(Collection& c, Folder* folder, const char* title, const char* url, const char* description = "") {
    Link* link = c.appendLink(folder).node()->asLink();
    c.setTitle(link, title);
    c.setUrl(link, url);
    c.setDescription(link, description);
    return link;
}

Folder* addFolder(Collection& c, Folder* parent, const char* title, const char* description = "") {
    Folder* folder = c.appendFolder(parent).node()->asFolder();
    c.setTitle(folder, title);
    c.setDescription(folder, description);
    return folder;
}
}  // namespace

void buildExampleTree(Collection& c) { buildTree(c, "Home{Alpha <a.html>, Beta{Gamma <g.html>}}"); }

void buildSampleTree(Collection& c) {
    c.setTitle(&c, "Anna's bookmarks");
    c.setDescription(&c, "Collected since 2019");
    Folder* news = addFolder(c, &c, "News & weather", "Read every morning\r\nbefore work");
    addLink(c, news, "The Daily <Planet>", "http://planet.example/news?id=1&lang=en",
            "Local \"news\"\r\n\r\n  and   sport");
    addLink(c, news, "Caf\xC3\xA9 m\xC3\xA9t\xC3\xA9o", "http://meteo.example/", "");
    Folder* tools = addFolder(c, news, "Tools");
    addLink(c, tools, "Search", "http://search.example/", "Line one\rLine two\nLine three");
    addFolder(c, news, "Empty folder");
    addLink(c, &c, "Recipes", "http://recipes.example/cakes.html", "Cakes, bread and more");
    // Chinese, an emoji outside the BMP, Cyrillic; an address in another script.
    addLink(c, &c, "\xE5\xBE\xAE\xE5\x8D\x9A \xF0\x9F\x94\xA5 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
            "https://\xE4\xBE\x8B\xE3\x81\x88.jp/\xE3\x83\x91\xE3\x82\xB9", "\xE2\x80\x94 \xC3\xA0 & \xE2\x82\xAC");
}

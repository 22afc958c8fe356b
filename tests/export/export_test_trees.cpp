#include "export_test_trees.h"

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

void buildExampleTree(Collection& c) {
    c.setTitle(&c, "Home");
    addLink(c, &c, "Alpha", "a.html");
    Folder* beta = addFolder(c, &c, "Beta");
    addLink(c, beta, "Gamma", "g.html");
}

void buildSampleTree(Collection& c) {
    c.setTitle(&c, "Anna's bookmarks");
    c.setDescription(&c, "Collected since 2019");
    Folder* news = addFolder(c, &c, "News & weather", "Read every morning\r\nbefore work");
    addLink(c, news, "The Daily <Planet>", "http://planet.example/news?id=1&lang=en",
            "Local \"news\"\r\n\r\n  and   sport");
    addLink(c, news, "Caf\xE9 m\xE9t\xE9o", "http://meteo.example/", "");
    Folder* tools = addFolder(c, news, "Tools");
    addLink(c, tools, "Search", "http://search.example/", "Line one\rLine two\nLine three");
    addFolder(c, news, "Empty folder");
    addLink(c, &c, "Recipes", "http://recipes.example/cakes.html", "Cakes, bread and more");
}

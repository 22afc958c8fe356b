#include "export_test_trees.h"

#include "tree_text.h"

void buildExampleTree(Collection& c) { buildTree(c, "Home{Alpha <a.html>, Beta{Gamma <g.html>}}"); }

void buildSampleTree(Collection& c) {
    // Chinese, an emoji outside the BMP and Cyrillic, and an address in another script.
    buildTree(c, R"(Anna's bookmarks "Collected since 2019"{News & weather "Read every morning\x0D\x0Abefore work"{)"
                 R"(The Daily \x3CPlanet\x3E "Local \x22news\x22\x0D\x0A\x0D\x0A  and   sport" )"
                 R"(<http://planet.example/news?id=1&lang=en>, )"
                 "Caf\xC3\xA9 m\xC3\xA9t\xC3\xA9o <http://meteo.example/>, "
                 R"(Tools{Search "Line one\x0DLine two\x0ALine three" <http://search.example/>}, Empty folder{}}, )"
                 R"(Recipes "Cakes\x2C bread and more" <http://recipes.example/cakes.html>, )"
                 "\xE5\xBE\xAE\xE5\x8D\x9A \xF0\x9F\x94\xA5 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
                 "\"\xE2\x80\x94 \xC3\xA0 & \xE2\x82\xAC\" <https://\xE4\xBE\x8B\xE3\x81\x88.jp/\xE3\x83\x91\xE3\x82\xB9>}");
}

#include "ui/tree/description_text.h"

#include <gtest/gtest.h>

#include "core/collection.h"

TEST(DescriptionText, DescriptionElseTheLinksAddress) {
    Collection collection;
    Folder* root = &collection;
    Link* bare = collection.appendLink(root).node()->asLink();
    collection.setUrl(bare, "http://bare.example/");
    Link* described = collection.appendLink(root).node()->asLink();
    collection.setUrl(described, "http://described.example/");
    collection.setDescription(described, "Read this\r\nfirst");
    Folder* folder = collection.appendFolder(root).node()->asFolder();

    EXPECT_EQ("http://bare.example/", descriptionText(bare));
    EXPECT_EQ("Read this\r\nfirst", descriptionText(described));
    EXPECT_EQ("", descriptionText(folder));
    EXPECT_EQ("", descriptionText(nullptr));
}

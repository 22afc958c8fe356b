#include "ui/dialogs/version_text.h"

#include <cstdio>

std::string productVersionText(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
    const unsigned major = mostSignificant >> 16;
    const unsigned minor = mostSignificant & 0xFFFF;
    const unsigned build = leastSignificant >> 16;
    char text[32];
    int length = minor % 10 != 0 ? std::snprintf(text, sizeof text, "%u.%02u", major, minor)
                                 : std::snprintf(text, sizeof text, "%u.%01u", major, minor / 10);
    if (build != 0) length += std::snprintf(text + length, sizeof text - length, "-%02u", build);
    return std::string(text, length);
}

int chooseTranslation(const std::vector<VersionTranslation>& translations, std::uint16_t language) {
    if (translations.empty()) return -1;
    for (int i = static_cast<int>(translations.size()) - 1; i >= 1; --i)
        if ((translations[i].language & 0x3FF) == (language & 0x3FF)) return i;
    return 0;
}

std::string translationBlockName(VersionTranslation translation) {
    char name[16];
    std::snprintf(name, sizeof name, "%04x%04x", translation.language, translation.codePage);
    return name;
}

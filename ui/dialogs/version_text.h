#pragma once

// The About box's version line, built from a version resource's numbers.

#include <cstdint>
#include <string>
#include <vector>

// "1.3" for 1.30, "1.05" for 1.05, "2.1-07" for 2.10 build 7: the major
// number, the minor number without a trailing zero, and the build when not 0.
// `mostSignificant` and `leastSignificant` are the product version's halves.
std::string productVersionText(std::uint32_t mostSignificant, std::uint32_t leastSignificant);

struct VersionTranslation {
    std::uint16_t language;
    std::uint16_t codePage;
};

// The translation to show for a user interface in `language`: the last one,
// down to the second, whose primary language matches, else the first. -1
// when there is none.
int chooseTranslation(const std::vector<VersionTranslation>& translations, std::uint16_t language);

// The string block of a translation: "040904e4".
std::string translationBlockName(VersionTranslation translation);

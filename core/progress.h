#pragma once

// Told now and then how far a long piece of work has come, so that the user
// sees it move and may stop it.

#include <cstdint>

class Progress {
public:
    virtual ~Progress() = default;
    // `done` of `total` units so far (a total of 0: not known); false when
    // the work is to stop.
    virtual bool advance(std::uint64_t done, std::uint64_t total) = 0;
};

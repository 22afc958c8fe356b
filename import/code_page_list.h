#pragma once

// Which code page a web charset name stands for: on Windows MLang's list of
// the code pages a browser offers, natively a built-in copy of it.

#include <memory>
#include <string>

// The list of code pages a browser offers, each with its web charset name.
class CodePageList {
public:
    CodePageList();
    ~CodePageList();
    CodePageList(const CodePageList&) = delete;
    CodePageList& operator=(const CodePageList&) = delete;

    // False when the list could not be had (no MLang): nothing is found then.
    bool available() const;
    // The first code page whose web charset name equals `name` without
    // regard to the case of ASCII letters; 0 when there is none.
    unsigned find(const std::string& name);

private:
    struct Platform;
    std::unique_ptr<Platform> platform_;
};

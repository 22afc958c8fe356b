#pragma once

// The platform's side of charset conversion: which code page a web charset
// name stands for, and converting text from a code page to the ANSI code
// page. On Windows these are MLang's code-page list and the system's
// code-page conversion; natively a built-in copy of the same list, iconv,
// and code page 1252 as the ANSI code page.

#include <memory>
#include <string>

#include "core/code_page.h"


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

// Converts text from one code page to the ANSI code page. A character the
// ANSI code page cannot hold becomes one '?'.
class CodePageConversion {
public:
    explicit CodePageConversion(unsigned codePage);
    ~CodePageConversion();
    CodePageConversion(const CodePageConversion&) = delete;
    CodePageConversion& operator=(const CodePageConversion&) = delete;

    // False when the system cannot convert from that code page.
    bool available() const;
    // Replaces `text` by its conversion; false (text unchanged) on failure.
    bool convert(std::string& text);

private:
    struct Platform;
    std::unique_ptr<Platform> platform_;
};

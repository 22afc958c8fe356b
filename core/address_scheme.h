#pragma once

// The scheme that makes an address absolute: "http" of "http://x/".

#include <string>
#include <string_view>

// The scheme of `address`: a letter, then letters, digits, '+', '-' or '.',
// up to the first ':'. At least two characters, so that the drive letter of
// "C:\x" is none. Empty when the address has none: a relative name, a path,
// an address after a blank.
std::string_view addressScheme(std::string_view address);

// Whether the address has the scheme http, https, ftp or mailto, at its very
// start and in any case: what opens without asking and what a published page
// may make a link of. Any other scheme (javascript:, data:, file:), an address
// without one, or one with anything before its scheme is not a web address.
bool isWebAddress(std::string_view address);

// Whether the text is a host name, with a port and a path perhaps, that was
// meant as a web address: "example.org/page", "www.example.org:8080".
bool looksLikeHostAddress(std::string_view text);

// The address as typed, with "https://" in front when it is a host name
// without a scheme (looksLikeHostAddress); anything else stays as it is.
std::string withAssumedScheme(std::string_view typed);

#pragma once

#include <string_view>

// Whether the address starts with the scheme http, https, ftp or mailto, in
// any case: the addresses a published page may make links of. Any other
// scheme (javascript:, data:, vbscript:, file:), an address without one, or
// one with anything before its scheme is not a web address.
bool isWebAddress(std::string_view address);

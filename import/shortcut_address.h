#pragma once

// The address of an Internet shortcut (.url) file from the values of its key
// URL. The section [InternetShortcut] holds it in the ANSI code page, where
// characters the code page lacks are lost; Windows writes such an address
// again in [InternetShortcut.W], UTF-7 encoded, and that one is taken when
// the file has it.

#include <cstddef>
#include <string>
#include <string_view>

// The longest address taken, in characters.
inline constexpr std::size_t kShortcutUrlLength = 255;
// The most of a value read: enough for the UTF-7 of kShortcutUrlLength
// characters outside the basic plane.
inline constexpr std::size_t kShortcutValueCapacity = 6 * kShortcutUrlLength;

// `wideUrl` is the value in [InternetShortcut.W] (empty when missing), `url`
// the one in [InternetShortcut] in UTF-8; the answer is cut to
// kShortcutUrlLength characters, and empty when the address has no scheme of
// two or more characters.
std::string shortcutAddress(std::string_view wideUrl, std::string_view url);

// UTF-7 (RFC 2152) to UTF-8; anything that is not UTF-7 becomes U+FFFD.
std::string utf7ToUtf8(std::string_view text);

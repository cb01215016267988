#pragma once
// Text between the program's UTF-8 and the UTF-16 of the Windows calls.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace marvoten::windows {

// None when a byte sequence is not text of the code page.
std::optional<std::wstring> wideOf(UINT codePage, std::string_view bytes);

// None when a character has no place in the code page: never a "?" or a look-alike.
std::optional<std::string> bytesOf(UINT codePage, std::wstring_view text);

// The system's UTF-16 text as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8FromWide(std::wstring_view text);

}  // namespace marvoten::windows

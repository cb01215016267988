#pragma once
// Text inside the program is UTF-8; files, PDF strings and metafile text are
// Windows code page 932 (Shift-JIS with the Microsoft extensions).
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace marvoten {

class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 -> CP932 bytes. A character CP932 cannot hold is an EncodingError.
std::string toCp932(std::string_view utf8);

// CP932 bytes -> UTF-8. A byte sequence that is not CP932 is an EncodingError.
std::string fromCp932(std::string_view cp932);

// CP932 bytes -> UTF-16 code units (for PDF text strings).
std::u16string cp932ToUtf16(std::string_view cp932);

// Display width of a UTF-8 text in a fixed-pitch face: its length in CP932 bytes
// (double-byte characters 2, ASCII and half-width katakana 1).
std::size_t cp932Width(std::string_view utf8);

}  // namespace marvoten

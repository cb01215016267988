#pragma once
// The system's converters between CP932 and Unicode, one body per system:
// cp932_conversion_iconv.cpp and cp932_conversion_windows.cpp. Each throws
// EncodingError with `what` and the position (1-based, in bytes) of the first input
// it cannot convert.
#include <string>
#include <string_view>

namespace marvoten::cp932 {

std::string fromUtf8(std::string_view utf8, const char* what);
std::string toUtf8(std::string_view cp932, const char* what);
std::u16string toUtf16(std::string_view cp932, const char* what);

}  // namespace marvoten::cp932

#pragma once
// File names are UTF-8 inside the program, like every other text. A path is made
// from one and turned back into one only here: std::filesystem's own conversions of
// a narrow string take the system's narrow encoding, which on Windows is the ANSI
// code page, not UTF-8, and would lose a name such as 擁壁.txt.
#include <filesystem>
#include <string>
#include <string_view>

namespace marvoten {

std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace marvoten

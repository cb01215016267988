#pragma once
// The design file (".dat"): one value per line in a fixed order of 185 lines, CR LF,
// Shift-JIS (CP932), no header and no version. Number fields keep their texts as
// typed; most also keep their enabled flag and background colour, the option
// switches their caption colour. The editor reads a file by applying its records in
// order as if the user had entered them (DesignConditionsEditor::loadDesignBytes).
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/colour.h"
#include "model/design_conditions.h"

namespace marvoten {

inline constexpr int kDesignFileLines = 185;

// A design file that cannot be written or read; the message is Japanese and, when
// reading, names the line (1-based; 0 for the file as a whole).
class DesignFileError : public std::runtime_error {
public:
    DesignFileError(const std::string& message, int line = 0)
        : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// The file's bytes for the conditions. DesignFileError when a text holds a line
// break or a character that Shift-JIS cannot hold.
std::string designFileBytes(const DesignConditions& d);
// The same, or nothing for a design the file cannot hold (a text with a line break).
std::string designFileImage(const DesignConditions& d);

// Writes the file so that an existing file is replaced only by a complete new one
// (DesignFileError, FileWriteError).
void writeDesignFile(const std::filesystem::path& path, const DesignConditions& d);

// Colour lines: a standard colour name, else "$" and eight upper-case hex digits
// (0x00BBGGRR). Reading also accepts "$" with fewer digits and a decimal number.
std::string colourLine(Colour c);
std::optional<Colour> parseColourLine(std::string_view line);

}  // namespace marvoten

#pragma once
// The calculation book as an A4 PDF file, "擁壁計算結果.pdf": a contents page and
// the result pages "Ⅰ.設計条件" to "Ⅳ-2-1" (and "Ⅳ-2-2" for a wall with a shear
// key), each in the same frame with its title and page number, text blocks at fixed
// places, tables as ruled grids and figures redrawn from their points.
#include <filesystem>
#include <string>
#include <string_view>

#include "book/calculation_book.h"
#include "output/output_command.h"
#include "platform/dialogs.h"
#include "platform/local_time.h"

namespace marvoten {

inline constexpr const char* kPdfBookName = "擁壁計算結果.pdf";

// The information dictionary's title: the subject name with every character
// Shift-JIS cannot hold shown as "?", so that an unusual file name never costs the
// document.
std::string pdfBookTitle(std::string_view subjectName);

// The whole file's bytes; `clock` stamps the creation date.
std::string pdfBookBytes(const CalculationBook& book, std::string_view subjectName,
                         bool hasShearKey, const Clock& clock = localTimeStamp);

// The command for the output folder `folder`, to run with others.
OutputCommand pdfBookCommand(const CalculationBook& book, std::string_view subjectName,
                             bool hasShearKey, const std::filesystem::path& folder);

// The command on its own: asks for confirmation, writes "擁壁計算結果.pdf" into `folder`
// (replacing an earlier one only by a complete new file), reports completion and
// offers to open the file with the desktop's viewer. A file that cannot be written
// is reported through `dialogs`, leaves an earlier file whole and ends the command.
// Returns true when the file was written.
bool writePdfBook(const CalculationBook& book, std::string_view subjectName, bool hasShearKey,
                  Dialogs& dialogs, const std::filesystem::path& folder);

}  // namespace marvoten

#pragma once
// The whole calculation book as one Shift-JIS text file, "擁壁.txt", for pasting
// results into other documents: every text section and table in book order
// with fixed headings; no figures, no correction-factor tables, no load summary.
#include <filesystem>
#include <string>

#include "book/calculation_book.h"
#include "output/output_command.h"
#include "platform/dialogs.h"

namespace marvoten {

inline constexpr const char* kTextOutputName = "擁壁.txt";

// The file's bytes: CP932, every line ending in CR LF. The shear-key pages are
// written only for a wall with a shear key, as the design conditions have it now.
std::string textOutputBytes(const CalculationBook& book, bool hasShearKey);

// The command for the output folder `folder`, to run with others.
OutputCommand textOutputCommand(const CalculationBook& book, bool hasShearKey,
                                const std::filesystem::path& folder);

// The command on its own: asks for confirmation, writes "擁壁.txt" into `folder` through the
// safe file output and reports completion. Returns true when the file was written.
// A write error is reported through `dialogs` and leaves an earlier file whole.
bool writeTextOutput(const CalculationBook& book, bool hasShearKey, Dialogs& dialogs,
                     const std::filesystem::path& folder);

}  // namespace marvoten

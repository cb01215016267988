#pragma once
// The figure files: every figure of the book as a picture file of its own, drawn
// as the results window shows it, under fixed names in the output folder.
// Windows Metafiles for word processors on Windows; the same pictures as SVG for
// every other program (most cannot read a metafile).
#include <filesystem>
#include <string>
#include <vector>

#include "book/calculation_book.h"
#include "output/figure_renderer.h"
#include "output/output_command.h"
#include "platform/dialogs.h"

namespace marvoten {

enum class FigureFileFormat { Metafile, Svg };

struct FigureFile {
    std::string name;  // with its extension: "図：擁壁外形図.wmf"
    FigureId figure;
};

// The files in the order they are written. The key figure is written only for a
// wall with a shear key. The stability point-number figure has a name of its
// own, so that the slab figure does not replace it.
std::vector<FigureFile> figureFiles(bool hasShearKey, FigureFileFormat format);

// One figure rendered at `size` as the file's bytes.
std::string figureFileBytes(const FigureSection& figure, FigureSize size, FigureFileFormat format,
                            const FigureRenderOptions& options = {});

// The command for the output folder `folder`, to run with others.
OutputCommand figureFilesCommand(const CalculationBook& book, bool hasShearKey,
                                 const std::filesystem::path& folder, FigureFileFormat format);

// The command on its own: asks for confirmation, writes every file through the
// safe file output into `folder` (replacing files of the same name) and reports
// completion. A write error stops the command with its message and leaves every
// earlier file as it was. Returns true when every file was written.
bool exportFigureFiles(const CalculationBook& book, bool hasShearKey, Dialogs& dialogs,
                       const std::filesystem::path& folder,
                       FigureFileFormat format = FigureFileFormat::Metafile);

}  // namespace marvoten

#include "output/figure_files.h"

#include "output/svg_canvas.h"
#include "output/wmf_canvas.h"
#include "platform/utf8_path.h"

namespace marvoten {
namespace {

struct FileEntry {
    const char* stem;
    FigureId figure;
    bool shearKeyOnly;
};

constexpr FileEntry entries[] = {
    {"図：擁壁外形図", FigureId::WallShapeFigure, false},
    {"図：点番号図(安定計算用)", FigureId::StabilityLoadFigure, false},
    {"図：点番号図", FigureId::SlabLoadFigure, false},
    {"図：すべり角～土圧", FigureId::EarthPressureFigure, false},
    {"図：地盤版力図", FigureId::GroundReactionFigure, false},
    {"図：荷重図", FigureId::LoadDiagramFigure, false},
    {"図：たて壁(応力度)", FigureId::StemStressFigure, false},
    {"図：たて壁(高さ～必要鉄筋量)", FigureId::AnchorageFigureL1, false},
    {"図：たて壁(高さ～引張応力度)", FigureId::AnchorageFigureL2, false},
    {"図：つま先版地盤版力図", FigureId::ToeReactionFigure, false},
    {"図：突起", FigureId::KeyFigure, true},
};

struct Messages {
    const char* confirmation;
    const char* done;
};

Messages messages(FigureFileFormat format) {
    if (format == FigureFileFormat::Svg)
        return {"計算結果図をSVG出力しますか。", "SVG出力終わりました。"};
    return {"計算結果図をメタファイル出力しますか。", "メタファイル出力終わりました。"};
}

}  // namespace

std::vector<FigureFile> figureFiles(bool hasShearKey, FigureFileFormat format) {
    const std::string extension = format == FigureFileFormat::Svg ? ".svg" : ".wmf";
    std::vector<FigureFile> files;
    for (const auto& e : entries)
        if (!e.shearKeyOnly || hasShearKey) files.push_back({e.stem + extension, e.figure});
    return files;
}

std::string figureFileBytes(const FigureSection& figure, FigureSize size, FigureFileFormat format,
                            const FigureRenderOptions& options) {
    if (format == FigureFileFormat::Svg) {
        SvgCanvas svg(size.width, size.height);
        renderFigure(figure, size, svg, options);
        return svg.document();
    }
    WmfCanvas wmf(size.width, size.height);
    renderFigure(figure, size, wmf, options);
    return wmf.bytes();
}

OutputCommand figureFilesCommand(const CalculationBook& book, bool hasShearKey,
                                 const std::filesystem::path& folder, FigureFileFormat format) {
    const Messages text = messages(format);
    return {text.confirmation,
            text.done,
            [&book, hasShearKey, folder, format](FileBatch& batch) {
                for (const auto& file : figureFiles(hasShearKey, format))
                    batch.add(
                        folder / pathFromUtf8(file.name),
                        figureFileBytes(book.figure(file.figure), figureScreenSize(file.figure),
                                        format, figureRenderOptions(file.figure)));
            },
            {}};
}

bool exportFigureFiles(const CalculationBook& book, bool hasShearKey, Dialogs& dialogs,
                       const std::filesystem::path& folder, FigureFileFormat format) {
    return runOutputCommands({figureFilesCommand(book, hasShearKey, folder, format)}, dialogs);
}

}  // namespace marvoten

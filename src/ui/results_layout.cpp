#include "ui/results_layout.h"

namespace marvoten {
namespace {

using T = TextId;
using B = TableId;
using F = FigureId;
using X = PageExtra;

FaceGroup group(std::vector<FaceElement> elements) {
    FaceGroup g;
    g.elements = std::move(elements);
    return g;
}

FaceGroup row(std::vector<FaceElement> elements) {
    FaceGroup g = group(std::move(elements));
    g.sideBySide = true;
    return g;
}

FaceGroup uncaptioned(FaceGroup g) {
    g.captioned = false;
    return g;
}

FaceGroup tabbed(std::vector<FaceTab> tabs, TabBinding binding = TabBinding::None) {
    FaceGroup g;
    g.tabs = std::move(tabs);
    g.binding = binding;
    return g;
}

std::vector<PageFace> faces() {
    return {
        {PageId::PageConditions,
         -1,
         {{{uncaptioned(tabbed({{"目次", {T::ContentsText}}, {"設計条件", {T::ConditionsText}}},
                               TabBinding::PageSubTabs)),
            group({B::CeTable, B::CptTable, B::CdcTable})},
           3},
          {{group({F::WallShapeFigure, X::WallShapeLabelSlider})}, 2}}},
        {PageId::PageLoads,
         0,
         {{{group({T::SelfWeightText})}, 3},
          {{group({B::StabilityPointTable, F::StabilityLoadFigure})}, 2}}},
        {PageId::PageLoads,
         1,
         {{{group({T::SlabSelfWeightText, B::SlabLoadTable})}, 3},
          {{group({B::SlabPointTable, F::SlabLoadFigure})}, 2}}},
        {PageId::PageEarthPressure,
         -1,
         {{{row({T::EarthPressureText, F::EarthPressureFigure}),
            row({B::LoadListTable, X::LoadListRemarks})},
           5},
          {{group({T::OtherLoadsText})}, 2}}},
        {PageId::PageStability,
         -1,
         {{{group({T::SlidingText}), group({F::GroundReactionFigure})}, 1},
          {{group({T::OverturningText}), group({T::BearingText}), group({T::UltimateBearingText})},
           1}}},
        {PageId::PageLoadDiagram,
         -1,
         {{{uncaptioned(group({F::LoadDiagramFigure}))}, 3},
          {{group({T::LoadSummaryText}),
            uncaptioned(tabbed({{"フォントサイズ", {X::LoadDiagramLabelSlider}}}))},
           2}}},
        {PageId::PageStem,
         0,
         {{{group({T::StemForcesText})}, 3}, {{tabbed({{"一覧表", {B::StemForcesTable}}})}, 2}}},
        {PageId::PageStem,
         1,
         {{{group({T::StemStressText})}, 1},
          {{tabbed({{"一覧表", {B::StemStressTable}}, {"図", {F::StemStressFigure}}},
                   TabBinding::StemStress)},
           1}}},
        {PageId::PageStem,
         2,
         {{{group({T::AnchorageText})}, 3},
          {{tabbed({{"L1", {F::AnchorageFigureL1}}, {"L2", {F::AnchorageFigureL2}}},
                   TabBinding::Anchorage)},
           2}}},
        {PageId::PageSlab,
         0,
         {{{group({T::ToeForcesText})}, 1},
          {{group({T::ToeStressText})}, 1},
          {{group(
               {B::ToeHalfDepthTable, B::ToeRootTable, B::ToeStressTable, F::ToeReactionFigure})},
           1}}},
        {PageId::PageSlab,
         1,
         {{{group({T::KeyForcesText})}, 1},
          {{group({T::KeyStressText})}, 1},
          {{group({B::KeyTable, F::KeyFigure})}, 1}}},
    };
}

}  // namespace

std::span<const PageFace> resultsPageFaces() {
    static const std::vector<PageFace> all = faces();
    return all;
}

}  // namespace marvoten

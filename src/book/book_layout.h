#pragma once
// The fixed shape of the calculation book: which sections exist, their
// captions, table sizes and fixed cells, and the figure set-up. Used by
// CalculationBook only.
#include <cstddef>
#include <string>
#include <vector>

#include "book/calculation_book.h"

namespace marvoten::layout {

struct TextLayout {
    std::string name;
    std::string groupCaption;
    int blocks;
};

struct TableLayout {
    std::string name;
    std::string groupCaption;
    std::string tabCaption;
    int columns;
    int rows;
    std::vector<int> columnWidths;
    int rowHeight;
    std::vector<std::vector<std::string>> fixedRows;  // row r, columns 0..
    std::vector<std::string> labelColumn;             // rows 0.., written after the rows
    // The toe force tables: with buoyancy in the slab design the label column
    // below, and as many rows as it has labels (without, as many as labelColumn).
    std::vector<std::string> labelColumnWithBuoyancy;
    bool rowsByBuoyancy() const { return !labelColumnWithBuoyancy.empty(); }
};

struct FigureLayout {
    std::string name;
    std::string groupCaption;
    std::string tabCaption;
    FigureSection::Setup setup;
};

// In the order of TextId, TableId and FigureId.
const std::vector<TextLayout>& textSections();
const std::vector<TableLayout>& tableSections();
const std::vector<FigureLayout>& figureSections();

std::vector<BookPage> pages();
// Index of the shear-key sub-tab "突起" on the slab page.
inline constexpr std::size_t keySubTab = 1;

}  // namespace marvoten::layout

#pragma once
// The building blocks of the PDF calculation book, drawn on one page's contents:
// the page frame, page titles and footers, blocks of report lines and ruled
// tables. Coordinates are points from the lower-left corner of the A4 page;
// placements are given from the frame's upper-left corner (45, 817) as dx to the
// right and dy downwards. All text is set in "ＭＳ 明朝".
#include <string>
#include <string_view>

#include "book/table_section.h"
#include "book/text_section.h"
#include "pdf/pdf_maker.h"

namespace marvoten {

inline constexpr int kPdfBookFontId = kMSMincyoFontId;
inline constexpr double kPdfFrameLeft = 45;
inline constexpr double kPdfFrameTop = 817;
inline constexpr double kPdfFrameRight = 571;
inline constexpr double kPdfFrameBottom = 28;
inline constexpr double kPdfTitleRuleY = 797;  // the rule under the page title
inline constexpr double kPdfTitleX = 50;
inline constexpr double kPdfTitleY = 802;

// The text with every character Shift-JIS cannot hold (and every byte that is not
// part of a valid UTF-8 character) replaced by "?". Such text reaches the book only
// through the subject name, which is a file name of the user's choosing.
std::string cp932Printable(std::string_view utf8);

// TextOut and TextWidth with unconvertible characters shown as "?" instead of
// failing; an empty text draws nothing.
void pdfText(TPDFContents& c, std::string_view text, double x, double y);
double pdfTextWidth(TPDFContents& c, std::string_view text);

// The frame around the page and the rule under its title.
void pdfFrame(TPDFContents& c);
// Size 12 on the title line above the rule.
void pdfPageTitle(TPDFContents& c, std::string_view title, double x = kPdfTitleX);
// "Page: n" centred under the frame, n = pageCount - 1, so the contents page
// (page count 1) has none and the design-conditions page shows "Page: 1".
void pdfPageFooter(TPDFContents& c, int pageCount);

// The block's lines top to bottom at a line pitch of size + 2, the first baseline
// at (45 + dx, 817 - dy); nothing is wrapped or cut.
void pdfListBlock(TPDFContents& c, double dx, double dy, const TextBlock& block, double size);

// The table as a ruled grid, the book's column widths in pixels taken as points
// and each row 3 points lower than its display height; the header row and the
// label column are closed by heavier rules; every cell text centred in its column;
// the caption just above the grid's top-left corner.
inline constexpr double kPdfTableCaptionRise = 3;  // the caption's baseline above the grid
// A row of the grid in points: the screen grid's 16- and 17-pixel rows become 13
// and 14 points.
double pdfTableRowHeight(const TableSection& table);
void pdfTable(TPDFContents& c, double dx, double dy, double size, const TableSection& table,
              std::string_view caption);

}  // namespace marvoten

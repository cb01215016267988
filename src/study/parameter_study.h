#pragma once
// A parameter study: the designs of a grid over one or two fields of the design
// conditions, each evaluated as a run would check it, as a table (CSV) and as a
// plot of the utilisation ratios against the first field.
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "book/figure_section.h"
#include "model/design_conditions.h"
#include "output/figure_renderer.h"
#include "study/design_evaluation.h"

namespace marvoten {

// FIELD=FROM:TO:STEP, in the editor's units ("toeWidth=2500:4000:100").
struct VariedField {
    const NumberFieldInfo* field = nullptr;
    double from = 0;
    double to = 0;
    double step = 0;
    int decimals = 0;  // of the texts written into the field: as many as FROM and STEP have

    std::vector<double> values() const;
    std::string text(double value) const;
};

// The field, or a Japanese message saying what is wrong with the text.
std::variant<VariedField, std::string> parseVariedField(const std::string& text);

// What can be wrong with a range FROM:TO:STEP typed for a field.
enum class RangeFault {
    FromNotANumber,
    ToNotANumber,
    StepNotANumber,
    StepNotPositive,
    ToBelowFrom,
    TooFine,  // more than maximumStudyDesigns values
};
std::variant<VariedField, RangeFault> variedField(const NumberFieldInfo& field,
                                                  const std::string& from, const std::string& to,
                                                  const std::string& step);
// The fault in the study window's words, naming the box and quoting its text.
std::string rangeFaultMessage(RangeFault fault, const std::string& from, const std::string& to,
                              const std::string& step);

// The fields a study or a sizing may vary, a line each: the name and the editor's
// label with its unit.
std::string studyFieldList();

// The value's text into its field; a width of the base's parts that changes
// changes the base width with it, so that the base stays the sum of its parts.
void setFieldValue(DesignConditions& d, const VariedField& f, double value);

// The largest grid a study takes.
inline constexpr std::size_t maximumStudyDesigns = 1'000'000;

struct StudyDesign {
    std::vector<std::string> values;  // the texts of the varied fields
    DesignConditions conditions;
};

// The designs of the grid, the first field varying slowest.
std::vector<StudyDesign> studyDesigns(const DesignConditions& base,
                                      const std::vector<VariedField>& fields);

struct StudyRow {
    std::vector<std::string> values;
    DesignEvaluation evaluation;
};

// Reports designs done out of all, now and then.
using StudyProgress = std::function<void(std::size_t done, std::size_t total)>;

std::vector<StudyRow> runStudy(const DesignConditions& base, const std::vector<VariedField>& fields,
                               const StudyProgress& progress = {});

// One header row, then a row per design: the varied values, the outcome, the
// overall verdict, the message that refused the design, the bars, the anchorage,
// and of every check its value, limit, utilisation and verdict. UTF-8; a file
// holds it in Shift-JIS.
std::string studyCsv(const std::vector<VariedField>& fields, const std::vector<StudyRow>& rows);

// The plot of the study: utilisation against the first field, one line per check
// (with two fields, the governing utilisation, one line per value of the second),
// the limit 1.0, and the range where every design passes shaded.
struct StudyPlot {
    FigureSection figure;
    FigureRenderOptions options;
};
StudyPlot studyPlot(const std::vector<VariedField>& fields, const std::vector<StudyRow>& rows);
inline constexpr FigureSize studyPlotSize{960, 600};

std::string studyPlotSvg(const StudyPlot& plot);

}  // namespace marvoten

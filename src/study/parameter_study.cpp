#include "study/parameter_study.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "book/line_format.h"
#include "output/svg_canvas.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "study/study_texts.h"

namespace marvoten {
namespace {

int decimalsOf(const std::string& text) {
    const auto point = text.find('.');
    if (point == std::string::npos) return 0;
    return static_cast<int>(text.size() - point - 1);
}

std::optional<double> number(const std::string& text) {
    try {
        const double v = textToNumber(text);
        if (std::isfinite(v)) return v;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

// The parts whose widths add up to the base width.
bool isBaseWidthPart(const NumberFieldInfo& f) {
    return f.member == &DesignConditions::toeWidth ||
           f.member == &DesignConditions::frontBatterWidth ||
           f.member == &DesignConditions::crestWidth;
}

std::string shortest(double v) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

std::string csvField(std::string text) {
    for (auto& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string optionalNumber(const std::optional<double>& v) {
    return v ? shortest(*v) : std::string();
}

// Every check that appears in some row, in the order of their first appearance,
// with its label.
std::vector<std::pair<std::string, std::string>> checkColumns(const std::vector<StudyRow>& rows) {
    std::vector<std::pair<std::string, std::string>> columns;
    for (const StudyRow& r : rows)
        for (const CheckResult& c : r.evaluation.checks)
            if (std::none_of(columns.begin(), columns.end(),
                             [&](const auto& k) { return k.first == c.key; }))
                columns.emplace_back(c.key, c.label);
    return columns;
}

std::string lowered(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Edits (insert, delete, replace a letter) from one name to another, ignoring case.
std::size_t editDistance(const std::string& a, const std::string& b) {
    const std::string x = lowered(a), y = lowered(b);
    std::vector<std::size_t> row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] != y[j - 1])});
            diagonal = above;
        }
    }
    return row[y.size()];
}

// An unknown name with the three names nearest to it.
std::string unknownFieldMessage(const std::string& name) {
    std::vector<const NumberFieldInfo*> nearest;
    for (const NumberFieldInfo& f : numberFields()) nearest.push_back(&f);
    std::stable_sort(nearest.begin(), nearest.end(), [&](const auto* a, const auto* b) {
        return editDistance(name, a->name) < editDistance(name, b->name);
    });
    std::string m = "「" + echoText(name) + "」という設計条件の項目はありません。近い項目:";
    for (std::size_t i = 0; i < 3 && i < nearest.size(); ++i)
        m += std::string(" ") + nearest[i]->name + " (" + nearest[i]->label + ")";
    return m + "。項目の一覧は marvoten-cli --help にあります。";
}

}  // namespace

std::string studyFieldList() {
    std::string list;
    for (const NumberFieldInfo& f : numberFields()) {
        std::string name = f.name;
        name.resize(std::max<std::size_t>(name.size() + 1, 22), ' ');
        list += "    " + name + f.label + "\n";
    }
    return list;
}

std::vector<double> VariedField::values() const {
    std::vector<double> v;
    const double count = std::floor((to - from) / step + 1e-9);
    for (double i = 0; i <= count; ++i) v.push_back(from + i * step);
    return v;
}

std::string VariedField::text(double value) const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::variant<VariedField, RangeFault> variedField(const NumberFieldInfo& field,
                                                  const std::string& fromText,
                                                  const std::string& toText,
                                                  const std::string& stepText) {
    const auto from = number(fromText), to = number(toText), step = number(stepText);
    if (!from) return RangeFault::FromNotANumber;
    if (!to) return RangeFault::ToNotANumber;
    if (!step) return RangeFault::StepNotANumber;
    if (!(*step > 0)) return RangeFault::StepNotPositive;
    if (*to < *from) return RangeFault::ToBelowFrom;
    if ((*to - *from) / *step + 1 > static_cast<double>(maximumStudyDesigns))
        return RangeFault::TooFine;
    VariedField v;
    v.field = &field;
    v.from = *from;
    v.to = *to;
    v.step = *step;
    v.decimals = std::max(decimalsOf(fromText), decimalsOf(stepText));
    return v;
}

std::string rangeFaultMessage(RangeFault fault, const std::string& fromText,
                              const std::string& toText, const std::string& stepText) {
    const auto notANumber = [](const char* which, const std::string& text) {
        return std::string(which) + "：'" + echoText(text) + "' は数値ではありません。";
    };
    switch (fault) {
        case RangeFault::FromNotANumber:
            return notANumber("開始", fromText);
        case RangeFault::ToNotANumber:
            return notANumber("終了", toText);
        case RangeFault::StepNotANumber:
            return notANumber("刻み", stepText);
        case RangeFault::StepNotPositive:
            return "刻みは正の数で指定して下さい。";
        case RangeFault::ToBelowFrom:
            return "終了は開始以上で指定して下さい。";
        case RangeFault::TooFine:
            return "刻みが細かすぎます (1,000,000 件まで)。";
    }
    return {};
}

std::variant<VariedField, std::string> parseVariedField(const std::string& text) {
    const auto equals = text.find('=');
    const std::string quoted = "「" + echoText(text) + "」: ";
    const std::string form = quoted + "変化させる項目は 項目名=開始:終了:刻み で指定して下さい。";
    if (equals == std::string::npos) return form;
    const std::string name = text.substr(0, equals);
    const auto& fields = numberFields();
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [&](const NumberFieldInfo& f) { return name == f.name; });
    if (it == fields.end()) return unknownFieldMessage(name);
    std::vector<std::string> parts;
    std::size_t start = equals + 1;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(text.substr(start, colon - start));
    parts.push_back(text.substr(start));
    if (parts.size() != 3) return form;
    auto range = variedField(*it, parts[0], parts[1], parts[2]);
    if (const auto* v = std::get_if<VariedField>(&range)) return *v;
    const RangeFault fault = std::get<RangeFault>(range);
    if (fault == RangeFault::FromNotANumber || fault == RangeFault::ToNotANumber ||
        fault == RangeFault::StepNotANumber)
        return form;
    return quoted + rangeFaultMessage(fault, parts[0], parts[1], parts[2]);
}

void setFieldValue(DesignConditions& d, const VariedField& f, double value) {
    NumberField& field = d.*(f.field->member);
    if (isBaseWidthPart(*f.field)) {
        const auto part = number(field.text);
        const auto width = number(d.baseWidth.text);
        if (part && width) d.baseWidth.text = f.text(*width + value - *part);
    }
    field.text = f.text(value);
}

std::vector<StudyDesign> studyDesigns(const DesignConditions& base,
                                      const std::vector<VariedField>& fields) {
    std::vector<StudyDesign> designs{{{}, base}};
    for (const VariedField& f : fields) {
        std::vector<StudyDesign> next;
        for (const StudyDesign& d : designs)
            for (double v : f.values()) {
                StudyDesign changed = d;
                setFieldValue(changed.conditions, f, v);
                changed.values.push_back(f.text(v));
                next.push_back(std::move(changed));
            }
        designs = std::move(next);
    }
    return designs;
}

std::vector<StudyRow> runStudy(const DesignConditions& base, const std::vector<VariedField>& fields,
                               const StudyProgress& progress) {
    const std::vector<StudyDesign> designs = studyDesigns(base, fields);
    std::vector<StudyRow> rows;
    rows.reserve(designs.size());
    // Batches of a twentieth, so that a long grid reports its progress.
    const std::size_t batch = std::max<std::size_t>(designs.size() / 20, 256);
    for (std::size_t start = 0; start < designs.size(); start += batch) {
        const std::size_t end = std::min(designs.size(), start + batch);
        std::vector<DesignConditions> conditions;
        for (std::size_t i = start; i < end; ++i) conditions.push_back(designs[i].conditions);
        std::vector<DesignEvaluation> results = evaluateDesigns(conditions);
        for (std::size_t i = start; i < end; ++i)
            rows.push_back({designs[i].values, std::move(results[i - start])});
        if (progress) progress(end, designs.size());
    }
    return rows;
}

std::string studyCsv(const std::vector<VariedField>& fields, const std::vector<StudyRow>& rows) {
    const auto checks = checkColumns(rows);
    std::vector<std::string> header;
    for (const VariedField& f : fields) header.push_back(f.field->name);
    for (const char* h :
         {"結果", "判定", "中止の理由", "たて壁鉄筋", "つま先版鉄筋", "突起鉄筋", "定着長Lo(m)"})
        header.push_back(h);
    for (const auto& [key, label] : checks)
        for (const char* part : {"", " 許容値", " 照査値", " 判定"}) header.push_back(label + part);

    std::string csv;
    const auto line = [&csv](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) csv += (i ? "," : "") + csvField(cells[i]);
        csv += "\r\n";
    };
    line(header);
    for (const StudyRow& r : rows) {
        const DesignEvaluation& ev = r.evaluation;
        std::vector<std::string> cells = r.values;
        const bool evaluated = ev.outcome == EvaluationOutcome::Evaluated ||
                               ev.outcome == EvaluationOutcome::Incalculable;
        cells.insert(
            cells.end(),
            {outcomeText(ev.outcome), evaluated ? (ev.passed ? "OK" : "不可") : "", ev.refusal,
             ev.stemBars, ev.toeBars, ev.keyBars, optionalNumber(ev.anchorageLength)});
        for (const auto& [key, label] : checks) {
            const CheckResult* c = ev.check(key);
            if (!c) {
                cells.insert(cells.end(), 4, "");
                continue;
            }
            cells.insert(cells.end(), {optionalNumber(c->value), shortest(c->limit),
                                       optionalNumber(c->utilisation), c->passed ? "OK" : "不可"});
        }
        line(cells);
    }
    return csv;
}

namespace {

// Each line of the plot in a colour and a dash of its own, so that no two lines read
// as one (the plot had 24 lines in 12 colours, 転倒 |e| and たて壁 σs both red).
struct LineStyle {
    Rgb colour;
    LineDash dash;
};
constexpr LineStyle lineStyles[] = {
    {colours::red, LineDash::Solid},     {colours::blue, LineDash::Dash},
    {colours::green, LineDash::DashDot}, {colours::maroon, LineDash::Dot},
    {colours::purple, LineDash::Solid},  {colours::teal, LineDash::Dash},
    {colours::olive, LineDash::DashDot}, {colours::fuchsia, LineDash::Dot},
};
constexpr std::size_t maximumPlotLines = std::size(lineStyles);
// A check is within reach of the governing one when its highest utilisation over the
// sampled designs is at least this share of the governing check's.
constexpr double reachShare = 0.5;
// The vertical axis ends at 1.2 at the least and follows the governing check up to
// this; a point above it stands on the top edge, marked with its value.
constexpr double plotCeiling = 5.0;

FigureSection plotFrame(const std::vector<VariedField>& fields,
                        const std::vector<std::string>& lines) {
    FigureSection::Setup setup;
    setup.title = "パラメータ検討";
    setup.horizontal.title = fields.front().field->label;
    setup.vertical.title = "照査値(値/許容値)";
    setup.legendShown = true;
    setup.series.push_back({SeriesKind::FastPolyline, colours::black, 2, false, 0, "許容値 1.0"});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineStyle& style = lineStyles[i % std::size(lineStyles)];
        setup.series.push_back(
            {SeriesKind::Polyline, style.colour, 1, true, -4, lines[i], style.dash});
    }
    return FigureSection("StudyFigure", "", "", std::move(setup));
}

// The highest utilisation of each check over the sampled designs.
std::map<std::string, double> peakUtilisations(const std::vector<StudyRow>& rows) {
    std::map<std::string, double> peaks;
    for (const StudyRow& r : rows)
        for (const CheckResult& c : r.evaluation.checks)
            if (c.utilisation) peaks[c.key] = std::max(peaks[c.key], *c.utilisation);
    return peaks;
}

// The governing check and the checks within reach of it, highest first.
std::vector<std::pair<std::string, std::string>> plottedChecks(
    const std::vector<StudyRow>& rows, const std::map<std::string, double>& peaks) {
    auto checks = checkColumns(rows);
    const auto peak = [&](const auto& check) {
        const auto it = peaks.find(check.first);
        return it == peaks.end() ? 0.0 : it->second;
    };
    std::stable_sort(checks.begin(), checks.end(),
                     [&](const auto& a, const auto& b) { return peak(a) > peak(b); });
    const double governing = checks.empty() ? 0 : peak(checks.front());
    std::vector<std::pair<std::string, std::string>> plotted;
    for (const auto& c : checks)
        if (plotted.size() < maximumPlotLines && peak(c) > 0 && peak(c) >= reachShare * governing)
            plotted.push_back(c);
    return plotted;
}

// The sampled values where every design passes, as ranges from the first to the
// last of each run of passing samples: nothing is shaded beyond a sampled design.
std::vector<FigureRenderOptions::ShadedRange> passingRanges(
    const std::map<double, bool>& passingAt) {
    std::vector<FigureRenderOptions::ShadedRange> ranges;
    bool inRun = false;
    for (const auto& [x, passes] : passingAt) {
        if (passes && inRun) ranges.back().to = x;
        if (passes && !inRun) ranges.push_back({x, x, Rgb{204, 255, 204}});
        inRun = passes;
    }
    return ranges;
}

}  // namespace

StudyPlot studyPlot(const std::vector<VariedField>& fields, const std::vector<StudyRow>& rows) {
    const VariedField& first = fields.front();
    const std::size_t perX = rows.size() / std::max<std::size_t>(first.values().size(), 1);
    // The lines: the governing check and those within reach of it, or with two
    // fields the governing utilisation for each value of the second.
    const auto peaks = peakUtilisations(rows);
    const auto checks = plottedChecks(rows, peaks);
    std::vector<std::string> lineNames;
    if (fields.size() == 1) {
        for (const auto& [key, label] : checks) lineNames.push_back(label);
    } else {
        for (std::size_t j = 0; j < perX && j < rows.size(); ++j)
            lineNames.push_back(std::string(fields[1].field->name) + "=" + rows[j].values[1] +
                                " 最大照査値");
    }
    StudyPlot plot{plotFrame(fields, lineNames), {}};
    FigureSection& f = plot.figure;
    f.series(1).addPoint(first.from, 1.0, " ");
    f.series(1).addPoint(first.to, 1.0, " ");
    double highest = 0;  // the governing check's highest utilisation
    for (const auto& [key, peak] : peaks) highest = std::max(highest, peak);
    const double top = std::max(1.2, std::min(highest, plotCeiling) * 1.05);
    std::map<double, bool> passingAt;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DesignEvaluation& ev = rows[i].evaluation;
        const double x =
            first.from + static_cast<double>(i / std::max<std::size_t>(perX, 1)) * first.step;
        const auto [at, fresh] = passingAt.try_emplace(x, ev.passed);
        if (!fresh) at->second = at->second && ev.passed;
        const auto add = [&](std::size_t line, std::optional<double> u) {
            if (!u) return;
            if (*u <= top) return f.series(static_cast<int>(line) + 2).addPoint(x, *u, " ");
            f.series(static_cast<int>(line) + 2).addPoint(x, top, "↑" + formatValue("0.00", *u));
        };
        if (fields.size() == 1) {
            for (std::size_t k = 0; k < checks.size(); ++k)
                if (const CheckResult* c = ev.check(checks[k].first)) add(k, c->utilisation);
        } else if (const CheckResult* g = ev.governing()) {
            add(i % perX, g->utilisation);
        }
    }
    f.setAxisRanges(0, top, first.from, first.to);
    plot.options.shadedRanges = passingRanges(passingAt);
    return plot;
}

std::string studyPlotSvg(const StudyPlot& plot) {
    SvgCanvas canvas(studyPlotSize.width, studyPlotSize.height);
    renderFigure(plot.figure, studyPlotSize, canvas, plot.options);
    return canvas.document();
}

}  // namespace marvoten

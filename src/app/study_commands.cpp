#include "app/study_commands.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "app/console_dialogs.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "session/session.h"
#include "study/parameter_study.h"
#include "study/sizing.h"
#include "study/study_texts.h"

namespace marvoten {

const char* const studyUsage =
    "  marvoten-cli study DESIGN.dat --vary FIELD=FROM:TO:STEP [--vary ...] [--csv FILE] [--svg "
    "FILE]\n"
    "      一つか二つの項目を変化させた設計を照査し、結果を CSV と照査値の図 (SVG) に書きます。\n"
    "  marvoten-cli size DESIGN.dat [--free FIELD[=FROM:TO:STEP] ...] [--out DIR]\n"
    "      すべての照査を満たす断面積最小の寸法を探し、設計条件ファイルと計算書を DIR "
    "に書きます。\n"
    "      (既定の寸法: toeWidth, baseThickness, crestWidth, frontBatterWidth を 50mm 刻み)\n";

namespace {

namespace fs = std::filesystem;

std::optional<std::vector<VariedField>> parseFields(const std::vector<std::string>& texts,
                                                    std::ostream& err) {
    std::vector<VariedField> fields;
    for (const std::string& t : texts) {
        auto parsed = parseVariedField(t);
        if (auto* message = std::get_if<std::string>(&parsed)) {
            err << *message << "\n";
            return std::nullopt;
        }
        fields.push_back(std::get<VariedField>(parsed));
    }
    return fields;
}

bool writeFile(const fs::path& path, const std::string& bytes, std::ostream& err) {
    try {
        writeFileSafely(path, bytes);
        return true;
    } catch (const std::exception& e) {
        err << "「" << utf8FromPath(path) << "」を書き込めません: " << e.what() << "\n";
        return false;
    }
}

// A long grid reports every tenth done on standard error.
StudyProgress progressOn(std::ostream& err, std::size_t total) {
    if (total < 2000) return {};
    return [&err, next = std::size_t{1}](std::size_t done, std::size_t all) mutable {
        while (done * 10 >= next * all && next <= 10) {
            err << "検討中 " << next * 10 << "% (" << done << "/" << all << ")\n";
            ++next;
        }
    };
}

std::size_t gridSize(const std::vector<VariedField>& fields) {
    std::size_t n = 1;
    for (const VariedField& f : fields) n *= f.values().size();
    return n;
}

}  // namespace

int runStudyCommand(const StudyWords& words, std::ostream& out, std::ostream& err) {
    const auto fields = parseFields(words.varied, err);
    if (!fields) return 1;
    if (gridSize(*fields) > maximumStudyDesigns) {
        err << "検討する設計が多すぎます (" << maximumStudyDesigns << " 件まで)。\n";
        return 1;
    }
    ConsoleDialogs dialogs(out, err);
    Session session(dialogs);
    const fs::path csvPath =
        words.csvFile.empty() ? fs::path() : session.workFolder / pathFromUtf8(words.csvFile);
    const fs::path svgPath =
        words.svgFile.empty() ? fs::path() : session.workFolder / pathFromUtf8(words.svgFile);
    if (!session.editor.loadDesignFileFrom(pathFromUtf8(words.designFile))) return 1;

    const auto rows =
        runStudy(session.editor.conditions(), *fields, progressOn(err, gridSize(*fields)));
    std::size_t passed = 0, refused = 0;
    for (const StudyRow& r : rows) {
        passed += r.evaluation.passed;
        refused += r.evaluation.outcome == EvaluationOutcome::Refused ||
                   r.evaluation.outcome == EvaluationOutcome::Stopped;
    }
    if (!csvPath.empty() && !writeFile(csvPath, toCp932(studyCsv(*fields, rows)), err)) return 1;
    if (!svgPath.empty() && !writeFile(svgPath, studyPlotSvg(studyPlot(*fields, rows)), err))
        return 1;
    out << rows.size() << " 件の設計を照査しました (すべて OK: " << passed
        << " 件, 中止: " << refused << " 件)。\n";
    return 0;
}

int runSizeCommand(const SizeWords& words, std::ostream& out, std::ostream& err) {
    // A free field without its range takes the default one, or 50 mm steps up to
    // four times its present value.
    std::vector<VariedField> free;
    const std::vector<VariedField> defaults = defaultFreeFields();
    for (const std::string& t : words.free) {
        if (t.find('=') == std::string::npos) {
            const auto it = std::find_if(defaults.begin(), defaults.end(),
                                         [&](const VariedField& f) { return t == f.field->name; });
            if (it == defaults.end()) {
                err << "「" << t << "」の範囲を 項目名=開始:終了:刻み で指定して下さい。\n";
                return 1;
            }
            free.push_back(*it);
            continue;
        }
        const auto parsed = parseFields({t}, err);
        if (!parsed) return 1;
        free.push_back(parsed->front());
    }
    if (free.empty()) free = defaults;

    ConsoleDialogs dialogs(out, err);
    Session session(dialogs);
    const fs::path folder = session.workFolder / pathFromUtf8(words.outFolder);
    if (!session.editor.loadDesignFileFrom(pathFromUtf8(words.designFile))) return 1;
    const SizingResult r = sizeDesign(session.editor.conditions(), free);
    for (const std::string& line : sizingSummary(r, free)) out << line << "\n";
    if (!r.found) return 2;

    // The sized design as the user would type it, saved and computed in full.
    typeSizedDesign(session.editor, r, free);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        err << "出力フォルダ「" << utf8FromPath(folder) << "」を作成できません：" << ec.message()
            << "\n";
        return 1;
    }
    if (!session.editor.saveDesignFileTo(folder / pathFromUtf8("寸法決定.dat"))) return 1;
    if (runCalculationCommand(session) != RunOutcome::Completed) return 1;
    return writeOutputs(
               session,
               {OutputKind::Text, OutputKind::PdfBook, OutputKind::Metafiles, OutputKind::SvgFiles},
               folder)
               ? 0
               : 1;
}

}  // namespace marvoten

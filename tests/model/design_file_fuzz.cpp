// libFuzzer target of the design file and the run behind it: any bytes must load or
// be refused with a message, never crash; a file that loads to its end must save and
// load again to the same file; a loaded design is validated and, when validation lets
// it pass, computed to a book whose text output shows no non-finite number and whose
// PDF the writer can write. A run that does not end is found by libFuzzer's per-input
// time limit (-timeout).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/design_conditions_editor.h"
#include "model/design_file.h"
#include "output/pdf_book.h"
#include "output/text_output.h"
#include "platform/number_text.h"
#include "report/calculation_run.h"
#include "session/session.h"
#include "support/non_finite.h"

namespace {

using namespace marvoten;

class SilentDialogs : public Dialogs {
public:
    bool confirm(const std::string&) override { return false; }
    void message(MessageKind, const std::string&) override {}
    std::optional<std::string> chooseFileToOpen(const FileChoiceRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const FileChoiceRequest&) override {
        return std::nullopt;
    }
};

// The run as the menu command makes it: validation first, and only a design it lets
// pass is computed.
void runAndWrite(Session& session) {
    if (session.editor.check() != Verdict::Passed) return;
    StabilityHeadings headings;
    PrintedPageLabels labels;
    try {
        runCalculation(session.editor.conditions(), "fuzz", session.book, session.view, headings,
                       labels);
    } catch (const ConversionError&) {
        return;  // a text the run reads as a whole number, reported with its field
    }
    const bool key = session.editor.conditions().hasShearKey == 1;
    if (testing::showsNonFinite(textOutputBytes(session.book, key))) __builtin_trap();
    pdfBookBytes(session.book, "fuzz", key, [] { return std::string("20261211000000"); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentDialogs dialogs;
    Session session(dialogs);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!session.editor.loadDesignBytes(bytes, "fuzz")) return 0;

    const std::string saved = designFileBytes(session.editor.conditions());
    DesignConditionsEditor again(dialogs);
    if (!again.loadDesignBytes(saved, "fuzz")) __builtin_trap();
    if (designFileBytes(again.conditions()) != saved) __builtin_trap();

    runAndWrite(session);
    return 0;
}

// libFuzzer target of the design-file loader: any bytes must load or be refused with
// a message, never crash; a file that loads to its end must save and load again to
// the same file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/design_conditions_editor.h"
#include "model/design_file.h"

namespace {

class SilentDialogs : public marvoten::Dialogs {
public:
    bool confirm(const std::string&) override { return false; }
    void message(marvoten::MessageKind, const std::string&) override {}
    std::optional<std::string> chooseFileToOpen(const marvoten::FileChoiceRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const marvoten::FileChoiceRequest&) override {
        return std::nullopt;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marvoten;
    SilentDialogs dialogs;
    DesignConditionsEditor editor(dialogs);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!editor.loadDesignBytes(bytes, "fuzz")) return 0;

    const std::string saved = designFileBytes(editor.conditions());
    DesignConditionsEditor again(dialogs);
    if (!again.loadDesignBytes(saved, "fuzz")) __builtin_trap();
    if (designFileBytes(again.conditions()) != saved) __builtin_trap();
    return 0;
}

#pragma once
// The dialogs of the command-line program: no window to ask in.
#include <ostream>

#include "platform/dialogs.h"

namespace marvoten {

// Every confirmation is answered Yes; information goes to standard output,
// warnings and errors to standard error.
class ConsoleDialogs : public Dialogs {
public:
    ConsoleDialogs(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    bool confirm(const std::string&) override { return true; }
    void message(MessageKind kind, const std::string& text) override {
        (kind == MessageKind::Information ? out_ : err_) << lines(text) << "\n";
    }
    std::optional<std::string> chooseFileToOpen(const FileChoiceRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileChoiceRequest&) override { return {}; }

private:
    // Message boxes break lines at CR; a console wants LF.
    static std::string lines(std::string text) {
        for (auto& c : text)
            if (c == '\r') c = '\n';
        return text;
    }
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace marvoten

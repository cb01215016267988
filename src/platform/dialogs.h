#pragma once
// The modal dialogues the core asks for. The desktop program answers them with
// message boxes and file dialogs, the command-line program and the tests without
// a window.
#include <optional>
#include <string>

namespace marvoten {

enum class MessageKind { Information, Warning, Error };

// The answer to "save the changed design before closing?".
enum class SaveChoice { Save, Discard, Cancel };

struct FileChoiceRequest {
    std::string startFolder;       // the session's work folder
    std::string filter;            // "dat|*.dat"
    std::string defaultExtension;  // "dat", appended to a name typed without one
    bool promptOverwrite = false;  // saving: ask before replacing a file
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A Yes/No confirmation; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // The same with the box's top-left corner at a screen position (x, y).
    virtual bool confirmAt(const std::string& text, int x, int y) {
        (void)x;
        (void)y;
        return confirm(text);
    }
    virtual void message(MessageKind kind, const std::string& text) = 0;
    // 保存 / 保存しない / 取消. Where nobody can answer, nothing is closed.
    virtual SaveChoice askToSave(const std::string& text) {
        (void)text;
        return SaveChoice::Cancel;
    }
    // A file name, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const FileChoiceRequest& request) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileChoiceRequest& request) = 0;
    // Whether there is a desktop to open a finished document on (the command line has
    // none, and is not asked).
    virtual bool opensDocuments() const { return false; }
    // Ask the desktop to open a finished document with the user's default program;
    // false when no program could be started for it.
    virtual bool openDocument(const std::string& path) {
        (void)path;
        return false;
    }
};

}  // namespace marvoten

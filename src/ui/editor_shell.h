#pragma once
// The design-conditions editor and the input palette as windows of the desktop:
// the editor window over the session's editor, its buttons reaching the run and the
// auxiliary windows through the desktop, and the one palette every number field of
// the program opens.
#include <memory>

#include "ui/editor_window.h"
#include "ui/input_palette_window.h"
#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

class EditorShell : public ShellWindow {
public:
    EditorShell(Desktop& desktop, QWidget* parent);
    QWidget& widget() override { return *window_; }
    void startUp() override;
    EditorWindow& window() { return *window_; }
    void perform(Command command) override;
    void followEditor(const EditorChange& change) override;

private:
    std::unique_ptr<EditorWindow> window_;
};

class InputPaletteShell : public ShellWindow {
public:
    explicit InputPaletteShell(QWidget* parent) : window_(parent) {}
    QWidget& widget() override { return window_; }
    InputPaletteWindow& window() { return window_; }
    void perform(Command) override {}

private:
    InputPaletteWindow window_;
};

}  // namespace marvoten

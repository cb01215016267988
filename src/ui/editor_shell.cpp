#include "ui/editor_shell.h"

#include "ui/desktop.h"

namespace marvoten {

namespace {

// Shows an auxiliary window at the place the editor's button gives.
void showAt(Desktop& desktop, WindowId id, QPoint at) {
    ShellWindow* w = desktop.window(id);
    if (!w) {
        desktop.dialogs().message(MessageKind::Information, notYetAvailableText);
        return;
    }
    w->widget().move(at);
    showInFront(w->widget());
}

}  // namespace

EditorShell::EditorShell(Desktop& desktop, QWidget* parent) {
    EditorWindowHooks hooks;
    hooks.startCalculation = [&desktop] { desktop.startCalculationFromEditor(); };
    hooks.showAllowableStresses = [&desktop](QPoint at) {
        desktop.session().editor.showAllowableStresses();
        showAt(desktop, WindowId::AllowableStresses, at);
    };
    hooks.showSoilConstants = [&desktop](QPoint at) {
        showAt(desktop, WindowId::SoilConstants, at);
    };
    hooks.palette = [&desktop]() -> InputPaletteWindow* {
        auto* shell = desktop.windowAs<InputPaletteShell>(WindowId::InputPalette);
        return shell ? &shell->window() : nullptr;
    };
    hooks.guard = [&desktop](const std::function<void()>& action) { desktop.guard(action); };
    window_ = std::make_unique<EditorWindow>(desktop.session().editor, desktop.dialogs(),
                                             std::move(hooks), parent);
    window_->move(0, 82);
}

void EditorShell::perform(Command) {
    showInFront(*window_);
}

void EditorShell::followEditor(const EditorChange& change) {
    window_->followEditor(change);
}

}  // namespace marvoten

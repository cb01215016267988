#include "ui/editor_shell.h"

#include "ui/allowable_stress_window.h"
#include "ui/desktop.h"
#include "ui/soil_constants_window.h"
#include "ui/window_placement.h"

namespace marvoten {

namespace {

// Shows an auxiliary window through its own set-up, at the place the editor's button
// gives; a window the program does not have yet says so.
template <typename View>
void showAt(Desktop& desktop, WindowId id, QPoint at) {
    View* view = desktop.windowAs<View>(id);
    if (!view) {
        desktop.dialogs().message(MessageKind::Information, notYetAvailableText);
        return;
    }
    view->showAt({at.x(), at.y()});
}

}  // namespace

EditorShell::EditorShell(Desktop& desktop, QWidget* parent) {
    EditorWindowHooks hooks;
    hooks.startCalculation = [&desktop] { desktop.startCalculationFromEditor(); };
    hooks.showAllowableStresses = [&desktop](QPoint at) {
        showAt<AllowableStressView>(desktop, WindowId::AllowableStresses, at);
    };
    hooks.showSoilConstants = [&desktop](QPoint at) {
        showAt<SoilConstantsView>(desktop, WindowId::SoilConstants, at);
    };
    hooks.palette = [&desktop]() -> InputPaletteWindow* {
        auto* shell = desktop.windowAs<InputPaletteShell>(WindowId::InputPalette);
        return shell ? &shell->window() : nullptr;
    };
    hooks.guard = [&desktop](const std::function<void()>& action) { desktop.guard(action); };
    window_ = std::make_unique<EditorWindow>(desktop.session().editor, desktop.dialogs(),
                                             std::move(hooks), parent);
}

// The editor's place and size as it first comes up, from the screen it comes up on.
void EditorShell::startUp() {
    window_->fitAndPlace({0, kToolbarsEndAt});
}

void EditorShell::perform(Command) {
    showInFront(*window_);
}

void EditorShell::followEditor(const EditorChange& change) {
    window_->followEditor(change);
}

}  // namespace marvoten

#include "ui/window_registry.h"

#include "ui/about_box.h"
#include "ui/desktop.h"
#include "ui/editor_placeholder.h"
#include "ui/printed_pages_window.h"
#include "ui/results_window.h"

namespace marvoten {

void registerWindows(WindowRegistry& registry) {
    registry.add(WindowId::Results, [](Desktop& d) { return std::make_unique<ResultsWindow>(d); });
    registry.add(WindowId::Editor, [](Desktop& d) {
        return std::make_unique<EditorPlaceholder>(d, &d.mainWindow());
    });
    registry.add(WindowId::About,
                 [](Desktop& d) { return std::make_unique<AboutBox>(&d.mainWindow()); });
    registry.add(WindowId::PrintedPages,
                 [](Desktop& d) { return std::make_unique<PrintedPagesWindow>(d); });
}

}  // namespace marvoten

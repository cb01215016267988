#include "ui/window_registry.h"

#include "ui/about_box.h"
#include "ui/allowable_stress_window.h"
#include "ui/beam_table_window.h"
#include "ui/desktop.h"
#include "ui/earth_pressure_window.h"
#include "ui/editor_shell.h"
#include "ui/printed_pages_window.h"
#include "ui/results_window.h"
#include "ui/soil_constants_window.h"

namespace marvoten {

void registerWindows(WindowRegistry& registry) {
    registry.add(WindowId::Results, [](Desktop& d) { return std::make_unique<ResultsWindow>(d); });
    registry.add(WindowId::Editor,
                 [](Desktop& d) { return std::make_unique<EditorShell>(d, &d.mainWindow()); });
    registry.add(WindowId::InputPalette,
                 [](Desktop& d) { return std::make_unique<InputPaletteShell>(&d.mainWindow()); });
    registry.add(WindowId::EarthPressureCoefficients, [](Desktop& d) {
        return std::make_unique<EarthPressureWindow>(d.dialogs(), d.session().editor,
                                                     &d.mainWindow());
    });
    registry.add(WindowId::SoilConstants, [](Desktop& d) {
        return std::make_unique<SoilConstantsView>(d.dialogs(), d.session().editor,
                                                   &d.mainWindow());
    });
    registry.add(WindowId::BeamTable,
                 [](Desktop& d) { return std::make_unique<BeamTableWindow>(&d.mainWindow()); });
    registry.add(WindowId::AllowableStresses, [](Desktop& d) {
        return std::make_unique<AllowableStressView>(d.session().editor, &d.mainWindow());
    });
    registry.add(WindowId::About,
                 [](Desktop& d) { return std::make_unique<AboutBox>(&d.mainWindow()); });
    registry.add(WindowId::PrintedPages,
                 [](Desktop& d) { return std::make_unique<PrintedPagesWindow>(d); });
}

}  // namespace marvoten

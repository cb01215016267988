#include "ui/window_registry.h"

#include "ui/about_box.h"
#include "ui/allowable_stress_window.h"
#include "ui/beam_table_window.h"
#include "ui/desktop.h"
#include "ui/earth_pressure_window.h"
#include "ui/editor_shell.h"
#include "ui/parameter_study_window.h"
#include "ui/printed_pages_window.h"
#include "ui/results_window.h"
#include "ui/soil_constants_window.h"

namespace marvoten {
namespace {

Guard guardOf(Desktop& d) {
    return [&d](const std::function<void()>& action) { d.guard(action); };
}

}  // namespace

void registerWindows(WindowRegistry& registry) {
    registry.add(WindowId::Results, [](Desktop& d) { return std::make_unique<ResultsWindow>(d); });
    registry.add(WindowId::Editor,
                 [](Desktop& d) { return std::make_unique<EditorShell>(d, &d.mainWindow()); });
    registry.add(WindowId::InputPalette,
                 [](Desktop& d) { return std::make_unique<InputPaletteShell>(&d.mainWindow()); });
    registry.add(WindowId::EarthPressureCoefficients, [](Desktop& d) {
        return std::make_unique<EarthPressureWindow>(d.dialogs(), d.session().editor, guardOf(d),
                                                     &d.mainWindow());
    });
    registry.add(WindowId::SoilConstants, [](Desktop& d) {
        return std::make_unique<SoilConstantsView>(d.dialogs(), d.session().editor, guardOf(d),
                                                   &d.mainWindow());
    });
    registry.add(WindowId::BeamTable,
                 [](Desktop& d) { return std::make_unique<BeamTableWindow>(&d.mainWindow()); });
    registry.add(WindowId::AllowableStresses, [](Desktop& d) {
        auto view =
            std::make_unique<AllowableStressView>(d.session().editor, guardOf(d), &d.mainWindow());
        view->setPaletteOpener([&d](QLineEdit& field, auto writer) {
            if (auto* palette = d.windowAs<InputPaletteShell>(WindowId::InputPalette))
                palette->window().openFor(field, std::move(writer));
        });
        return view;
    });
    registry.add(WindowId::About,
                 [](Desktop& d) { return std::make_unique<AboutBox>(&d.mainWindow()); });
    registry.add(WindowId::ParameterStudy, [](Desktop& d) {
        return std::make_unique<ParameterStudyWindow>(d.session().editor, d.dialogs(), guardOf(d),
                                                      &d.mainWindow());
    });
    registry.add(WindowId::PrintedPages,
                 [](Desktop& d) { return std::make_unique<PrintedPagesWindow>(d); });
}

}  // namespace marvoten

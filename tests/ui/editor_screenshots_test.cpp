// Pictures of every editor page and of the input palette, for looking at: written
// where MARVOTEN_SCREENSHOTS names (make screenshots), otherwise into a temporary
// folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "ui/editor_shell.h"
#include "ui_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;

TEST(EditorScreenshots, EveryPageAndThePalette) {
    const testing::ScreenshotFolder screenshots("MARVOTEN_SCREENSHOTS");
    const QString folder = screenshots.path();
    QDir().mkpath(folder);
    testing::TestDesktop desktop;
    DesignConditionsEditor& editor = desktop->session().editor;
    EditorWindow& window = desktop->windowAs<EditorShell>(WindowId::Editor)->window();
    window.move(0, 0);
    window.show();
    const auto shoot = [&](QWidget& w, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(w.grab().save(folder + "/" + name)) << name;
        EXPECT_TRUE(testing::showsAPicture(folder + "/" + name)) << name;
    };
    const auto page = [&](EditorPage p) {
        window.loadTabs().setCurrentIndex(window.loadTabIndex(p));
    };

    shoot(window.contents(), "editor-1-self-weight.png");
    editor.choose(Choice::HasShearKey, 1);
    window.shapeTabs().setCurrentIndex(1);
    window.rebarTabWidget().setCurrentIndex(2);
    shoot(window.contents(), "editor-1-shear-key.png");

    page(EditorPage::BackfillSurface);
    editor.choose(Choice::BackfillShape, 2);
    editor.setOption(Option::HasSnow, true);
    shoot(window.contents(), "editor-2-backfill-surface.png");

    page(EditorPage::OtherLoads);
    editor.setOption(Option::HasWater, true);
    editor.setOption(Option::HasWind, true);
    editor.setOption(Option::HasCollision, true);
    shoot(window.contents(), "editor-3-other-loads.png");

    editor.choose(Choice::SeismicCase, 1);
    page(EditorPage::SeismicCoefficient);
    editor.setGroundLayerCell(1, 1, "6");
    editor.setGroundLayerCell(1, 2, "8");
    editor.clickGroundLayerCell(1, 3);
    editor.calculateGroundPeriod();
    shoot(window.contents(), "editor-4-seismic-standard-value.png");
    window.seismicTabs().setCurrentIndex(1);
    editor.clickRegionInitial("あ");
    editor.clickRegionKey("青森県B");
    shoot(window.contents(), "editor-4-seismic-regional-factor.png");

    page(EditorPage::SelfWeight);
    window.shapeTabs().setCurrentIndex(0);
    QLineEdit* toe = window.numberEdit(&D::toeWidth);
    QTest::mouseClick(toe, Qt::LeftButton);
    InputPaletteWindow& palette =
        desktop->windowAs<InputPaletteShell>(WindowId::InputPalette)->window();
    for (const char* key : {"3", ".", "5"}) palette.button(QString::fromUtf8(key))->click();
    shoot(palette, "palette.png");
    for (WallPictureView* view : window.pictures())
        shoot(*view,
              ("picture-" + std::to_string(static_cast<int>(view->picture())) + ".png").c_str());
}

}  // namespace
}  // namespace marvoten

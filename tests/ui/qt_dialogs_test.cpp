#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrintDialog>

#include "ui/painter_canvas.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

TEST(QtDialogs, FilterAndLineBreaksOfTheCoreBecomeQtForms) {
    struct Case {
        const char* core;
        const char* qt;
    };
    for (const Case c :
         {Case{"dat|*.dat", "dat (*.dat)"}, Case{"dat|*.dat|all|*.*", "dat (*.dat);;all (*.*)"},
          Case{"*.dat", "*.dat"}})
        EXPECT_EQ(qtFileFilter(c.core).toStdString(), c.qt) << c.core;
    EXPECT_EQ(messageText("一行目\r二行目\r\n三行目").toStdString(), "一行目\n二行目\n三行目");
}

TEST(QtDialogs, AYesNoBoxStandsWhereAskedAndGivesTheAnswer) {
    QtDialogs dialogs;
    {
        ModalAnswerer answerer({"&Yes"});
        EXPECT_TRUE(dialogs.confirmAt("終了しますか。", 0, 82));
        ASSERT_EQ(answerer.answered(), 1);
        EXPECT_EQ(answerer.texts()[0].toStdString(), "終了しますか。");
    }
    {
        ModalAnswerer answerer({"&No"});
        EXPECT_FALSE(dialogs.confirm("出力しますか。\rよろしいですか。"));
        EXPECT_EQ(answerer.texts()[0].toStdString(), "出力しますか。\nよろしいですか。");
    }
    ModalAnswerer answerer({"OK"});
    dialogs.message(MessageKind::Information, "保存しました。");
    EXPECT_EQ(answerer.answered(), 1);
}

TEST(QtDialogs, ACancelledFileDialogChoosesNothing) {
    QtDialogs dialogs;
    ModalAnswerer answerer;  // rejects
    EXPECT_FALSE(dialogs.chooseFileToOpen({".", "dat|*.dat", "dat", false}).has_value());
    EXPECT_EQ(answerer.answered(), 1);
}

// The printer choice keeps the one printer whatever the dialog's answer.
TEST(PrinterChoice, TheDialogShowsOverTheSharedPrinter) {
    TestDesktop desktop;
    QPrinter* before = &desktop->printer();
    ModalAnswerer answerer;
    desktop->perform(Command::PrinterSetup);
    EXPECT_EQ(answerer.answered(), 1);
    EXPECT_EQ(&desktop->printer(), before);
    EXPECT_TRUE(desktop.dialogs.messages.empty());
}

TEST(PainterCanvas, FillsLinesAndTextLandOnTheirPixels) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        canvas.fillRectangle({10, 10, 5, 5}, colours::blue);
        canvas.line({0, 30}, {59, 30}, Pen{colours::red, 1});
        canvas.setClip({40, 0, 20, 40});
        canvas.fillRectangle({0, 0, 60, 5}, colours::green);
        canvas.resetClip();
        canvas.text({30, 20}, "計", Font{FontFace::Gothic, 12, colours::black, false},
                    {HorizontalAnchor::Centre, VerticalAnchor::Middle});
    }
    EXPECT_EQ(QColor(image.pixel(12, 12)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(30, 30)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(50, 2)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(image.pixel(20, 2)), QColor(Qt::white)) << "outside the clip";
    int dark = 0;
    for (int y = 13; y < 27; ++y)
        for (int x = 23; x < 37; ++x) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10) << "the glyph is drawn around its anchor";
}

}  // namespace
}  // namespace marvoten::testing

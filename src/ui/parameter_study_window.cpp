#include "ui/parameter_study_window.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <limits>

#include "study/study_texts.h"
#include "ui/painter_canvas.h"
#include "ui/qt_text.h"

namespace marvoten {

StudyPlotView::StudyPlotView(const ParameterStudyController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setMinimumSize(640, 400);
}

void StudyPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!controller_.plot()) return;
    PainterCanvas canvas(painter);
    renderFigure(controller_.plot()->figure, {width(), height()}, canvas,
                 controller_.plot()->options);
}

ParameterStudyWindow::ParameterStudyWindow(DesignConditionsEditor& editor, Dialogs& dialogs,
                                           Guard guard, QWidget* parent)
    : controller_(editor, dialogs), guard_(std::move(guard)), dialog_(parent, Qt::Tool) {
    dialog_.setWindowTitle(QStringLiteral("パラメータ検討"));
    auto* layout = new QHBoxLayout(&dialog_);
    auto* left = new QVBoxLayout;
    layout->addLayout(left);
    auto* form = new QFormLayout;
    field_ = new QComboBox(&dialog_);
    for (const NumberFieldInfo& f : ParameterStudyController::fields())
        field_->addItem(QString::fromUtf8(f.label));
    from_ = new QLineEdit(&dialog_);
    to_ = new QLineEdit(&dialog_);
    step_ = new QLineEdit(&dialog_);
    form->addRow(QStringLiteral("変化させる項目"), field_);
    form->addRow(QStringLiteral("開始"), from_);
    form->addRow(QStringLiteral("終了"), to_);
    form->addRow(QStringLiteral("刻み"), step_);
    left->addLayout(form);
    study_ = new QPushButton(QStringLiteral("計算"), &dialog_);
    left->addWidget(study_);
    table_ = new QTableWidget(0, 4, &dialog_);
    table_->setHorizontalHeaderLabels({QStringLiteral("値"), QStringLiteral("判定"),
                                       QStringLiteral("最大照査値"),
                                       QStringLiteral("支配する照査")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setMinimumWidth(330);
    left->addWidget(table_, 1);
    sizing_ = new QPushButton(QStringLiteral("寸法決定"), &dialog_);
    resultsNote_ = new QLabel(&dialog_);
    resultsNote_->setWordWrap(true);
    resultsNote_->setStyleSheet(QStringLiteral("color: #b00000"));
    left->addWidget(resultsNote_);
    sizingText_ = new QLabel(&dialog_);
    sizingText_->setWordWrap(true);
    sizingText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    transfer_ = new QPushButton(QStringLiteral("この寸法を設計条件に転記"), &dialog_);
    left->addWidget(sizing_);
    left->addWidget(sizingText_);
    left->addWidget(transfer_);
    plot_ = new StudyPlotView(controller_, &dialog_);
    layout->addWidget(plot_, 1);

    QObject::connect(field_, &QComboBox::activated,
                     [this](int i) { guard_([&] { controller_.chooseField(i); }); });
    QObject::connect(from_, &QLineEdit::textEdited, [this](const QString& t) {
        guard_([&] { controller_.setFrom(t.toStdString()); });
    });
    QObject::connect(to_, &QLineEdit::textEdited, [this](const QString& t) {
        guard_([&] { controller_.setTo(t.toStdString()); });
    });
    QObject::connect(step_, &QLineEdit::textEdited, [this](const QString& t) {
        guard_([&] { controller_.setStep(t.toStdString()); });
    });
    QObject::connect(study_, &QPushButton::clicked, [this] {
        guard_([&] { controller_.runStudy(); });
        waitForJob(QStringLiteral("パラメータ検討中です。"));
    });
    QObject::connect(sizing_, &QPushButton::clicked, [this] {
        guard_([&] { controller_.runSizing(); });
        waitForJob(QStringLiteral("寸法を決めています。"));
    });
    QObject::connect(transfer_, &QPushButton::clicked,
                     [this] { guard_([&] { controller_.transferSizedDesign(); }); });
    QObject::connect(&dialog_, &QDialog::finished, [this] {
        guard_([&] {
            if (controller_.visible()) controller_.close();
        });
    });
    controller_.setListener([this](const StudyChange& c) { follow(c); });
    dialog_.resize(1100, 620);
    showInputs();
    showSizing();
}

void ParameterStudyWindow::perform(Command) {
    controller_.show();
    showInFront(dialog_);
}

void ParameterStudyWindow::followEditor(const EditorChange& change) {
    if (!change.has(EditorChange::Values)) return;
    showResults();
    showSizing();
}

void ParameterStudyWindow::follow(const StudyChange& change) {
    if (change.has(StudyChange::Inputs)) showInputs();
    if (change.has(StudyChange::Results)) showResults();
    if (change.has(StudyChange::Sizing)) showSizing();
    if (change.has(StudyChange::Shown) && !controller_.visible()) dialog_.hide();
}

void ParameterStudyWindow::showInputs() {
    const QSignalBlocker block(field_);
    field_->setCurrentIndex(controller_.field());
    from_->setText(qs(controller_.from()));
    to_->setText(qs(controller_.to()));
    step_->setText(qs(controller_.step()));
}

void ParameterStudyWindow::showResults() {
    const auto& rows = controller_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const DesignEvaluation& ev = rows[static_cast<std::size_t>(r)].evaluation;
        const CheckResult* governing = ev.governing();
        const bool evaluated = ev.outcome == EvaluationOutcome::Evaluated;
        const std::string cells[] = {
            rows[static_cast<std::size_t>(r)].values.front(), verdictText(ev),
            utilisationText(evaluated && governing ? governing->utilisation : std::nullopt),
            governingText(ev)};
        for (int c = 0; c < 4; ++c) table_->setItem(r, c, new QTableWidgetItem(qs(cells[c])));
    }
    table_->resizeColumnsToContents();
    resultsNote_->setVisible(!rows.empty() && !controller_.resultsCurrent());
    resultsNote_->setText(
        QStringLiteral("表示中の結果は、その後に変更(転記)される前の設計条件のものです。"));
    plot_->update();
}

void ParameterStudyWindow::showSizing() {
    const auto& sizing = controller_.sizing();
    transfer_->setEnabled(sizing && sizing->found && controller_.sizingCurrent());
    if (!sizing) {
        sizingText_->setText(
            QStringLiteral("つま先版幅、底版厚、天端幅、前面勾配幅を 50mm 刻みで決めます。"));
        return;
    }
    QString text = controller_.sizingCurrent()
                       ? QString()
                       : QStringLiteral("(変更前の設計条件で決めた寸法です)\n");
    for (const std::string& line : controller_.sizingLines()) text += qs(line) + "\n";
    sizingText_->setText(text.trimmed());
}

constexpr int kProgressShownAfterMs = 300;

// A job runs on its own thread; the window waits with a progress dialog and 中止,
// taking the results over when the job has ended.
void ParameterStudyWindow::waitForJob(const QString& what) {
    if (!controller_.busy()) return;
    QProgressDialog progress(what, QStringLiteral("中止"), 0, 0, &dialog_);
    progress.setWindowTitle(QStringLiteral("パラメータ検討"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(std::numeric_limits<int>::max());  // shown below, not by Qt
    QElapsedTimer shownFor;
    shownFor.start();
    QObject::connect(&progress, &QProgressDialog::canceled,
                     [this] { guard_([&] { controller_.cancel(); }); });
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        bool running = false;
        guard_([&] { running = controller_.poll(); });
        if (!running) {
            loop.quit();
            return;
        }
        // A job that ends at once shows no dialog; one that takes longer shows it.
        if (!progress.isVisible() && shownFor.elapsed() > kProgressShownAfterMs) progress.show();
        progressSeen_ = progressSeen_ || progress.isVisible();
        const ParameterStudyController::Progress p = controller_.progress();
        progress.setMaximum(static_cast<int>(p.total));
        progress.setValue(static_cast<int>(p.total ? p.done : 0));
        progress.setLabelText(what + QStringLiteral("\n照査した設計: %1 件").arg(p.done) +
                              (p.total ? QStringLiteral(" / %1 件").arg(p.total) : QString()));
    });
    timer.start(30);
    loop.exec();
}

}  // namespace marvoten

#include "ui/parameter_study_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cstdio>

#include "ui/painter_canvas.h"
#include "ui/qt_text.h"

namespace marvoten {
namespace {

std::string ratioText(const CheckResult* c) {
    if (!c || !c->utilisation) return "---";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", *c->utilisation);
    return buffer;
}

std::string verdictText(const DesignEvaluation& ev) {
    switch (ev.outcome) {
        case EvaluationOutcome::Refused:
        case EvaluationOutcome::Stopped:
            return "中止";
        case EvaluationOutcome::Incalculable:
            return "計算不能";
        case EvaluationOutcome::Evaluated:
            break;
    }
    return ev.passed ? "OK" : "不可";
}

}  // namespace

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
    sizingText_ = new QLabel(&dialog_);
    sizingText_->setWordWrap(true);
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
    QObject::connect(study_, &QPushButton::clicked,
                     [this] { guard_([&] { controller_.runStudy(); }); });
    QObject::connect(sizing_, &QPushButton::clicked,
                     [this] { guard_([&] { controller_.runSizing(); }); });
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
        const std::string cells[] = {rows[static_cast<std::size_t>(r)].values.front(),
                                     verdictText(ev), ratioText(governing),
                                     governing ? governing->label : ev.refusal};
        for (int c = 0; c < 4; ++c) table_->setItem(r, c, new QTableWidgetItem(qs(cells[c])));
    }
    table_->resizeColumnsToContents();
    plot_->update();
}

void ParameterStudyWindow::showSizing() {
    const auto& sizing = controller_.sizing();
    transfer_->setEnabled(sizing && sizing->found);
    if (!sizing) {
        sizingText_->setText(
            QStringLiteral("つま先版幅、底版厚、天端幅、前面勾配幅を 50mm 刻みで決めます。"));
        return;
    }
    if (!sizing->found) {
        sizingText_->setText(QStringLiteral("すべての照査を満たす寸法はありません。"));
        return;
    }
    std::string text;
    const auto free = defaultFreeFields();
    for (std::size_t i = 0; i < free.size(); ++i)
        text += std::string(free[i].field->label) + " = " + sizing->fields[i].value + "\n";
    char area[64];
    std::snprintf(area, sizeof area, "断面積 %.3f m2 (照査した設計 %zu 件)",
                  sizing->evaluation.concreteArea, sizing->designsTried);
    sizingText_->setText(qs(text + area));
}

}  // namespace marvoten

#include "ui/beam_table_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "report/beam_coefficient_table.h"
#include "ui/reference_sections.h"
#include "ui/window_placement.h"

namespace marvoten {

BeamTableWindow::BeamTableWindow(QWidget* parent)
    : dialog_(parent, kFixedToolWindow), table_(makeBeamCoefficientTable()) {
    dialog_.setWindowTitle(QStringLiteral("単鉄筋長方形ばりC1,C2,Po表"));
    auto* layout = new QVBoxLayout(&dialog_);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(new QLabel(QString::fromUtf8(beamTableStressLabel), &dialog_));
    grid_ = new QTableWidget(&dialog_);
    setUpSectionGrid(*grid_, table_);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->setFixedSize(80 + 3 * 60 + 4, 5 * 17 + 4);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(grid_);
    layout->addStretch();
    dialog_.setFixedSize(308, 131);
}

void BeamTableWindow::perform(Command) {
    fillBeamCoefficientTable(table_);
    showSectionCells(*grid_, table_);
    placeFrame(dialog_, {0, 82});
    showInFront(dialog_);
}

}  // namespace marvoten

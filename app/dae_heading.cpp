#include "app/dae_heading.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace tv::app {

DaeHeading::DaeHeading(QTableView* grid, int firstColumn, QWidget* parent)
    : QWidget(parent), grid_(grid), firstColumn_(firstColumn) {
    setObjectName(grid->objectName() + QStringLiteral("DAE"));
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void DaeHeading::paintEvent(QPaintEvent*) {
    const int columns = grid_->model() ? grid_->model()->columnCount() : 0;
    if (firstColumn_ >= columns) return;
    // Positions in the grid's viewport, carried into this band's coordinates.
    const QPoint origin = grid_->viewport()->mapTo(parentWidget(), QPoint(0, 0)) - pos();
    int left = origin.x() + grid_->columnViewportPosition(firstColumn_);
    const int last = columns - 1;
    int right = origin.x() + grid_->columnViewportPosition(last) + grid_->columnWidth(last);
    left = std::max(left, origin.x());
    right = std::min(right, origin.x() + grid_->viewport()->width());
    if (right <= left) return;
    QPainter painter(this);
    const QRect band(left, 0, right - left - 1, height() - 1);
    painter.fillRect(band, QColor(0xd6, 0xe4, 0xf5));
    painter.setPen(QColor(0x1f, 0x3a, 0x68));
    painter.drawRect(band);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(band, Qt::AlignCenter, tr("DAE"));
}

} // namespace tv::app

// The common heading "DAE" over the columns of a grid that the user edits:
// a band above the grid's titles that follows their widths and scrolling.
#pragma once

#include <QWidget>

class QTableView;

namespace tv::app {

class DaeHeading : public QWidget {
    Q_OBJECT
  public:
    // Spans the columns from `firstColumn` to the last.
    DaeHeading(QTableView* grid, int firstColumn, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QTableView* grid_;
    int firstColumn_;
};

} // namespace tv::app

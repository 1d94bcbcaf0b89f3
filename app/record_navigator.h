// The record navigator under a grid: first, back 10, prior, next, forward 10,
// last, edit, post, cancel and refresh, acting on the grid's cursor.
#pragma once

#include <QWidget>

class QToolButton;

namespace tv::app {

class CursorTableModel;

class RecordNavigator : public QWidget {
    Q_OBJECT
  public:
    enum Button { First, PriorPage, Prior, Next, NextPage, Last, Edit, Post, Cancel, Refresh, ButtonCount };

    explicit RecordNavigator(CursorTableModel* model, QWidget* parent = nullptr);

    QToolButton* ButtonAt(Button button) const { return buttons_[button]; }
    void Press(Button button);

  private:
    void MoveBy(int rows);

    CursorTableModel* model_;
    QToolButton* buttons_[ButtonCount] = {};
};

} // namespace tv::app

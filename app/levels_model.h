// The grid over daeNIVIMP: the centre's study levels, with their two
// abbreviation columns open to typing.
#pragma once

#include "app/cursor_table_model.h"

namespace tv::app {

class LevelsModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column { Cod, DescCastR, AbrevCast, DescEuskR, AbrevEusk, ColumnCount };

    explicit LevelsModel(tables::Table& cursor, QObject* parent = nullptr);

  protected:
    QString Title(int column) const override;
};

} // namespace tv::app

// The type-3 grid of the codification window over CUADROH3: the groups of
// the current class and the number of their pupils, which the user may type.
#pragma once

#include "app/cursor_table_model.h"

namespace tv::app {

class GroupsModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column { AbrevGrup, CodGrupo, AliasDae, NumAlum, ColumnCount };
    static constexpr int kFixedColumns = 3;

    explicit GroupsModel(tables::Table& cursor, QObject* parent = nullptr);

  protected:
    QString Title(int column) const override;
};

} // namespace tv::app

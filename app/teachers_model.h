// The teachers grid of the codification window over PROFT: who each teacher
// is, shown only, and the identity document the user completes.
#pragma once

#include "app/cursor_table_model.h"

namespace tv::app {

class TeachersModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column { Abrev, Nombre, Depart, TipoDni, Dni, ColumnCount };
    static constexpr int kFixedColumns = 3;

    explicit TeachersModel(tables::Table& cursor, QObject* parent = nullptr);

  protected:
    QString Title(int column) const override;
};

} // namespace tv::app

// The drop-down lookup lists of the codification grids: in a column that has
// a list, the cell is edited with a non-editable box over the catalogue that
// drops down as the cell is entered and shows three columns. Only catalogue
// entries can be chosen, and Delete or Backspace never empty a chosen value.
#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>

#include <map>

namespace tv::app {

class LookupList;

class LookupCombo : public QComboBox {
    Q_OBJECT
  public:
    LookupCombo(const LookupList& list, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class LookupDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit LookupDelegate(QObject* parent = nullptr);

    void SetList(int column, LookupList* list);
    LookupList* ListOf(int column) const;
    // Tests switch the drop-down off: an open popup holds the offscreen input.
    static void SetDropDownOnEntry(bool on);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

  signals:
    // The list of this cell was left (its editor closed): the window's exit rules.
    void listLeft(const QModelIndex& index);

  private:
    std::map<int, LookupList*> lists_;
};

} // namespace tv::app

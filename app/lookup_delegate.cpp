#include "app/lookup_delegate.h"

#include "app/lookup_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

namespace tv::app {
namespace {

bool& DropDownOnEntry() {
    static bool on = true;
    return on;
}

} // namespace

LookupCombo::LookupCombo(const LookupList& list, QWidget* parent) : QComboBox(parent) {
    setEditable(false); // only catalogue entries
    auto* items = new QStandardItemModel(static_cast<int>(list.Entries().size()), 3, this);
    for (std::size_t row = 0; row < list.Entries().size(); ++row)
        for (int column = 0; column < 3; ++column)
            items->setItem(static_cast<int>(row), column,
                           new QStandardItem(list.Entries()[row].values[static_cast<std::size_t>(column)]));
    auto* view = new QTableView(this);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setShowGrid(false);
    view->setWordWrap(false);
    setModel(items);
    setView(view);
    setModelColumn(0);
    const int character = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int total = 0;
    for (int column = 0; column < 3; ++column) {
        const int width = list.Columns().widths[static_cast<std::size_t>(column)] * character + 10;
        view->setColumnWidth(column, width);
        total += width;
    }
    view->setMinimumWidth(total + 20);
    view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void LookupCombo::keyPressEvent(QKeyEvent* event) {
    // A chosen value can be replaced by another entry, never emptied.
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

LookupDelegate::LookupDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void LookupDelegate::SetList(int column, LookupList* list) {
    lists_[column] = list;
}

LookupList* LookupDelegate::ListOf(int column) const {
    const auto found = lists_.find(column);
    return found == lists_.end() ? nullptr : found->second;
}

void LookupDelegate::SetDropDownOnEntry(bool on) {
    DropDownOnEntry() = on;
}

QWidget* LookupDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const LookupList* list = ListOf(index.column());
    if (!list) return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new LookupCombo(*list, parent);
    // A choice made in the list is stored at once.
    connect(combo, &QComboBox::activated, this,
            [this, combo] { emit const_cast<LookupDelegate*>(this)->commitData(combo); });
    if (DropDownOnEntry()) QTimer::singleShot(0, combo, &QComboBox::showPopup);
    return combo;
}

void LookupDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<LookupCombo*>(editor);
    const LookupList* list = ListOf(index.column());
    if (!combo || !list) return QStyledItemDelegate::setEditorData(editor, index);
    combo->setCurrentIndex(list->Find(index.data(Qt::EditRole).toString()));
}

void LookupDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* combo = qobject_cast<LookupCombo*>(editor);
    const LookupList* list = ListOf(index.column());
    if (!combo || !list) return QStyledItemDelegate::setModelData(editor, model, index);
    if (combo->currentIndex() < 0) return; // nothing chosen: the value stays
    const QString code = list->Entries()[static_cast<std::size_t>(combo->currentIndex())].values[0];
    if (code != index.data(Qt::EditRole).toString()) model->setData(index, code, Qt::EditRole);
}

void LookupDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    const bool lookup = qobject_cast<LookupCombo*>(editor) != nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
    if (lookup) emit const_cast<LookupDelegate*>(this)->listLeft(index);
}

} // namespace tv::app

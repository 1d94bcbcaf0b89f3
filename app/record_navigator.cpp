#include "app/record_navigator.h"

#include "app/cursor_table_model.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace tv::app {
namespace {

constexpr int kPageRows = 10;

} // namespace

RecordNavigator::RecordNavigator(CursorTableModel* model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("wwDBNavigator1"));
    struct Look {
        QStyle::StandardPixmap icon;
        QString tip;
        const char* name;
    };
    const Look looks[ButtonCount] = {
        {QStyle::SP_MediaSkipBackward, tr("Primer registro"), "NavFirst"},
        {QStyle::SP_MediaSeekBackward, tr("Retroceder 10 registros"), "NavPriorPage"},
        {QStyle::SP_ArrowLeft, tr("Registro anterior"), "NavPrior"},
        {QStyle::SP_ArrowRight, tr("Registro siguiente"), "NavNext"},
        {QStyle::SP_MediaSeekForward, tr("Avanzar 10 registros"), "NavNextPage"},
        {QStyle::SP_MediaSkipForward, tr("Último registro"), "NavLast"},
        {QStyle::SP_FileDialogDetailedView, tr("Modificar registro"), "NavEdit"},
        {QStyle::SP_DialogApplyButton, tr("Guardar cambios"), "NavPost"},
        {QStyle::SP_DialogCancelButton, tr("Cancelar cambios"), "NavCancel"},
        {QStyle::SP_BrowserReload, tr("Refrescar datos"), "NavRefresh"},
    };
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(looks[i].name));
        button->setIcon(style()->standardIcon(looks[i].icon));
        button->setToolTip(looks[i].tip);
        button->setFocusPolicy(Qt::NoFocus); // the grid keeps the focus and its edit
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, [this, i] { Press(static_cast<Button>(i)); });
        row->addWidget(button);
        buttons_[i] = button;
    }
}

void RecordNavigator::Press(Button button) {
    switch (button) {
    case First:
        return model_->First();
    case PriorPage:
        return MoveBy(-kPageRows);
    case Prior:
        return MoveBy(-1);
    case Next:
        return MoveBy(1);
    case NextPage:
        return MoveBy(kPageRows);
    case Last:
        return MoveBy(model_->rowCount());
    case Edit:
        return model_->StartEdit();
    case Post:
        return model_->PostEdit();
    case Cancel:
        return model_->CancelEdit();
    case Refresh:
        return model_->Reload();
    case ButtonCount:
        return;
    }
}

void RecordNavigator::MoveBy(int rows) {
    if (model_->rowCount() == 0) return;
    const int target = std::clamp(model_->CurrentRow() + rows, 0, model_->rowCount() - 1);
    model_->MoveToRow(target);
    emit model_->cursorMoved(model_->CurrentRow());
}

} // namespace tv::app

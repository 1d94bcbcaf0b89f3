#include "app/codification_extras.h"

#include "app/missing_codes.h"
#include "app/teacher_week_model.h"
#include "app/teachers_model.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tv::app {

QPoint BesideOnScreen(const QRect& owner, const QSize& size, const QRect& screen) {
    // Room for the frame the window manager adds around the window.
    const QSize framed = size + QSize(16, 40);
    const auto within = [&](QPoint topLeft) {
        QRect place(topLeft, framed);
        place.moveLeft(std::max(screen.left(), std::min(place.left(), screen.right() - framed.width() + 1)));
        place.moveTop(std::max(screen.top(), std::min(place.top(), screen.bottom() - framed.height() + 1)));
        return place;
    };
    // To the right, else to the left, each moved up as far as the screen needs; else over the owner.
    for (const QPoint wanted :
         {owner.topRight() + QPoint(8, 0), QPoint(owner.left() - 8 - framed.width(), owner.top())}) {
        const QRect place = within(wanted);
        if (place.left() == wanted.x()) return place.topLeft();
    }
    return within(owner.topLeft() + QPoint(40, 40)).topLeft();
}

CodificationExtras::CodificationExtras(const std::filesystem::path& ktemp, TeachersModel* teachers,
                                       QWidget* parent)
    : QWidget(parent), ktemp_(ktemp), teachers_(teachers) {
    setObjectName(QStringLiteral("CodificationExtras"));
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("LabelSinCodigo"));
    countLabel_->setGeometry(0, 0, 345, 18);
    listButton_ = new QPushButton(tr("Ver lista..."), this);
    listButton_->setObjectName(QStringLiteral("BVerSinCodigo"));
    listButton_->setGeometry(0, 22, 110, 26);
    weekButton_ = new QPushButton(tr("Horario semanal del profesor..."), this);
    weekButton_->setObjectName(QStringLiteral("BHorarioProfesor"));
    weekButton_->setGeometry(118, 22, 200, 26);
    // The views are looked at, not worked in: the grids keep the focus.
    listButton_->setFocusPolicy(Qt::NoFocus);
    weekButton_->setFocusPolicy(Qt::NoFocus);
    weekModel_ = new TeacherWeekModel(this);
    connect(listButton_, &QPushButton::clicked, this, &CodificationExtras::ShowMissingList);
    connect(weekButton_, &QPushButton::clicked, this, &CodificationExtras::ShowWeek);
    Refresh();
}

void CodificationExtras::Refresh() {
    missing_ = MissingCodes(*teachers_, ktemp_);
    countLabel_->setText(missing_.isEmpty() ? tr("Todos los registros tienen sus códigos.")
                                            : tr("Registros sin código: %1").arg(missing_.size()));
    countLabel_->setStyleSheet(missing_.isEmpty() ? QStringLiteral("color: green; font-weight: bold;")
                                                  : QStringLiteral("color: #b00000; font-weight: bold;"));
    listButton_->setEnabled(!missing_.isEmpty());
    const int row = teachers_->CurrentRow();
    weekModel_->Load(ktemp_,
                     row < 0 ? QString() : teachers_->index(row, TeachersModel::Abrev).data().toString());
    if (weekWindow_)
        weekWindow_->setWindowTitle(
            tr("Horario semanal de %1")
                .arg(row < 0 ? QString() : teachers_->CurrentText(TeachersModel::Abrev)));
}

void CodificationExtras::ShowMissingList() {
    QDialog list(window());
    list.setObjectName(QStringLiteral("ListaSinCodigo"));
    list.setWindowTitle(tr("Registros sin código"));
    auto* layout = new QVBoxLayout(&list);
    auto* view = new QListView(&list);
    view->setModel(new QStringListModel(missing_, &list));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(view);
    auto* close = new QPushButton(tr("Cerrar"), &list);
    connect(close, &QPushButton::clicked, &list, &QDialog::accept);
    layout->addWidget(close);
    list.resize(460, 320);
    list.exec();
}

void CodificationExtras::ShowWeek() {
    if (!weekWindow_) {
        // A tool window beside the codification, following its current teacher.
        weekWindow_ = new QDialog(window(), Qt::Tool);
        weekWindow_->setObjectName(QStringLiteral("HorarioProfesor"));
        auto* layout = new QVBoxLayout(weekWindow_);
        auto* view = new QTableView(weekWindow_);
        view->setModel(weekModel_);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setWordWrap(true);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        layout->addWidget(view);
        weekWindow_->resize(520, 420);
        weekWindow_->move(BesideOnScreen(window()->frameGeometry(), weekWindow_->size(),
                                         window()->screen()->availableGeometry()));
    }
    Refresh();
    weekWindow_->show();
    weekWindow_->raise();
}

} // namespace tv::app

#include "app/findings_dialog.h"

#include "app/file_paths.h"
#include "app/findings_model.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

namespace tv::app {
namespace {

QString& NextSaveFile() {
    static QString file;
    return file;
}

} // namespace

namespace t2d = tablorix_to_dae;

FindingsDialog::FindingsDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Comprobacion"));
    setWindowTitle(tr("Comprobación de fCUADROS.txt"));
    setModal(false);
    resize(760, 320);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Resumen"));
    auto* hint =
        new QLabel(tr("Doble clic en una línea para ir al registro en la ventana de codificación."), this);

    model_ = new FindingsModel(this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("ListaComprobacion"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setColumnWidth(FindingsModel::Gravedad, 70);
    connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit findingChosen(model_->Findings()[static_cast<std::size_t>(index.row())]);
    });

    auto* buttons = new QDialogButtonBox(this);
    save_ = buttons->addButton(tr("&Guardar informe..."), QDialogButtonBox::ActionRole);
    save_->setObjectName(QStringLiteral("GuardarInforme"));
    buttons->addButton(tr("&Cerrar"), QDialogButtonBox::RejectRole);
    connect(save_, &QPushButton::clicked, this, &FindingsDialog::SaveClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(hint);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void FindingsDialog::Show(std::vector<t2d::Finding> findings) {
    summary_->setText(FromCp1252(t2d::ReportSummary(findings)));
    model_->SetFindings(std::move(findings));
    show();
    raise();
}

const std::vector<t2d::Finding>& FindingsDialog::Findings() const {
    return model_->Findings();
}

bool FindingsDialog::SaveReport(const QString& file) {
    try {
        t2d::WriteReportCsv(ToPath(file), model_->Findings());
        return true;
    } catch (const std::exception& error) {
        MessageBoxes::Error(this, FromCp1252(error.what()));
        return false;
    }
}

void FindingsDialog::SaveClicked() {
    QString file;
    std::swap(file, NextSaveFile());
    if (file.isEmpty())
        file = QFileDialog::getSaveFileName(this, tr("Guardar informe de la comprobación"),
                                            QStringLiteral("comprobacion-fCUADROS.csv"),
                                            tr("Hojas de cálculo CSV (*.csv)"));
    if (!file.isEmpty()) SaveReport(file);
}

void FindingsDialog::SetNextSaveFile(const QString& file) {
    NextSaveFile() = file;
}

} // namespace tv::app

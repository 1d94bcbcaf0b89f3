// The window itself: creation, the launch mode, help, closing with the result
// entry, and the folder check that starts either direction. The DAE ->
// Tablorix steps are in main_form_export.cpp, the Tablorix -> DAE steps in
// main_form_import.cpp.
#include "app/main_form.h"

#include "app/application_info.h"
#include "app/centre_model.h"
#include "app/centre_panel.h"
#include "app/direction_panel.h"
#include "app/file_paths.h"
#include "app/folder_panel.h"
#include "app/help.h"
#include "app/levels_model.h"
#include "app/levels_panel.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/table_grid.h"
#include "app/tablorix_ini.h"
#include "app/template_panel.h"
#include "app/templates_model.h"
#include "common/ktemp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <exception>

namespace tv::app {

TMForm::TMForm(const QStringList& arguments, const QString& resultFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      resultFolder_(resultFolder), prompt_(this) {
    setObjectName(QStringLiteral("MForm"));
    setWindowTitle(tr("Exportar e importar datos entre Tablorix y DAE"));
    setFixedSize(593, 351);
    setProperty("helpContext", kWindowHelpContext);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    BuildPanels();
    ConnectHandlers();
    FormCreate(arguments);
    PlaceOnScreen();
}

TMForm::~TMForm() {
    SetWaitCursor(false);
    // The grids post into the window's cursors as they lose the focus: they go
    // while their models and the cursors still exist.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TMForm::BuildPanels() {
    centreModel_ = new CentreModel(wwTableCentro, this);
    levelsModel_ = new LevelsModel(wwTableNIVIMP, this);
    templatesModel_ = new TemplatesModel(wwTablePlantillas, this);

    // Created from the bottom of the stack to its top: later panels cover earlier ones.
    Draw3D2 = new DirectionPanel(DirectionPanel::Kind::DaeToTablorix, this);
    Draw3D2->setGeometry(0, 0, 301, 121);
    Draw3D3 = new DirectionPanel(DirectionPanel::Kind::TablorixToDae, this);
    Draw3D3->setGeometry(301, 0, 293, 121);
    Panel4 = new FolderPanel(this);
    Panel4->setGeometry(0, 119, 594, 232);
    Panel1 = new CentrePanel(centreModel_, Panel4);
    Panel1->setGeometry(6, 49, 465, 110);
    Panel1->hide();
    Panel2 = new LevelsPanel(levelsModel_, this);
    Panel2->setGeometry(-1, 71, 593, 278);
    Panel2->hide();
    Panel3 = new TemplatePanel(templatesModel_, Panel2);
    Panel3->setGeometry(104, 56, 395, 157);
    Panel3->hide();
}

void TMForm::ConnectHandlers() {
    connect(Draw3D2->OkButton(), &QPushButton::clicked, this, &TMForm::BExportarClick);
    connect(Draw3D3->OkButton(), &QPushButton::clicked, this, &TMForm::BImportarClick);
    connect(Panel4->HelpButton(), &QPushButton::clicked, this, &TMForm::Button1Click);
    connect(Panel4->CloseButton(), &QPushButton::clicked, this, &TMForm::BCloseClick);
    connect(Panel1->OkButton(), &QPushButton::clicked, this, &TMForm::BitBtn1Click);
    connect(Panel2->BackButton(), &QPushButton::clicked, this, &TMForm::Button2Click);
    connect(Panel2->AcceptButton(), &QPushButton::clicked, this, &TMForm::FinalRecogida);
    connect(Panel2->Grid(), &TableGrid::entered, this, &TMForm::wwDBGridNIVIMPEnter);
    connect(Panel3->OkButton(), &QPushButton::clicked, this, &TMForm::BitBtn3Click);
    for (CursorTableModel* model :
         {static_cast<CursorTableModel*>(centreModel_), static_cast<CursorTableModel*>(levelsModel_),
          static_cast<CursorTableModel*>(templatesModel_)})
        connect(model, &CursorTableModel::failed, this, &TMForm::ShowError);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &TMForm::ShowHelpAtFocus);
}

void TMForm::FormCreate(const QStringList& arguments) {
    values_.TransformResult = 0;
    mode_ = ReadLaunchMode(arguments);
    values_.LaunchParamCount = mode_.launchParamCount;
    // The remaining direction spreads over the whole window, behind the other panels.
    if (mode_.directions == OfferedDirections::TablorixToDaeOnly) {
        Draw3D2->hide();
        Draw3D3->setGeometry(rect());
    } else if (mode_.directions == OfferedDirections::DaeToTablorixOnly) {
        Draw3D3->hide();
        Draw3D2->setGeometry(rect());
    }
}

void TMForm::PlaceOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMForm::BCloseClick() {
    close();
}

void TMForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TMForm::FormClose() {
    if (values_.LaunchParamCount != 2) return;
    try {
        WriteTransformResult(ToPath(resultFolder_), values_.TransformResult);
    } catch (const std::exception& error) {
        ShowError(FromCp1252(error.what()));
    }
}

void TMForm::Button1Click() {
    Help::ShowContents(this);
}

void TMForm::ShowHelpAtFocus() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        const QVariant context = widget->property("helpContext");
        if (context.isValid()) return Help::ShowContext(this, context.toInt());
    }
    Help::ShowContext(this, kWindowHelpContext);
}

bool TMForm::FolderCheck(int launchedResult) {
    QString folder = Panel4->CurrentDirectory();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    dirTxt_ = QDir::toNativeSeparators(folder);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return true;
    MessageBoxes::Plain(this, tr("No existe la carpeta"));
    if (mode_.Launched()) {
        values_.TransformResult = launchedResult;
        close();
    }
    return false;
}

dae_to_tablorix::ExportContext TMForm::Context() {
    dae_to_tablorix::ExportContext context{prompt_, values_, Ktemp(), ToPath(dirTxt_)};
    // A text that Windows-1252 cannot hold is not "EUSKERA" either.
    context.language = ToCp1252(Draw3D2->LanguageBox()->currentText()).value_or(std::string());
    context.privateCentre = Panel1->PrivateCentre();
    return context;
}

std::filesystem::path TMForm::Ktemp() const {
    return KtempFolder();
}

void TMForm::RunHandler(const std::function<void()>& step) {
    // An error of the table store or of a number conversion ends the handler
    // with its message; the later steps of the handler don't run.
    try {
        step();
    } catch (const std::exception& error) {
        SetWaitCursor(false);
        ShowError(FromCp1252(error.what()));
    }
}

void TMForm::ShowError(const QString& message) {
    MessageBoxes::Error(this, message);
}

void TMForm::SetWaitCursor(bool on) {
    if (on == waiting_) return;
    waiting_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace tv::app

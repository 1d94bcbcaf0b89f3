// The codification window's construction: its tables, the header with the
// centre's data, the three grids with their lists and the "DAE" headings.
// The handlers are in ajusta_dae_handlers.cpp.
#include "app/ajusta_dae.h"

#include "app/classes_model.h"
#include "app/codification_extras.h"
#include "app/dae_heading.h"
#include "app/groups_model.h"
#include "app/label_style.h"
#include "app/lookup_delegate.h"
#include "app/lookup_list.h"
#include "app/qt_text.h"
#include "app/table_grid.h"
#include "app/teachers_model.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace tv::app {
namespace {

constexpr int kHelpContext = 1;

QLabel* Label(const QString& text, QWidget* parent, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

TableGrid* CodificationGrid(CursorTableModel* model, int fixedColumns, const char* name, QWidget* parent) {
    auto* grid = new TableGrid(model,
                               {.fixedColumn = true,
                                .scrollBars = true,
                                .alternatingRows = true,
                                .fixedColumns = fixedColumns,
                                .twoLineTitles = true},
                               parent);
    grid->setObjectName(QLatin1String(name));
    grid->setProperty("helpContext", kHelpContext);
    return grid;
}

} // namespace

TAjustaDAE::TAjustaDAE(tablorix_to_dae::ImportContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("AjustaDAE"));
    setWindowTitle(tr("CODIFICACIÓN Datos DAE"));
    setFixedSize(845, 498);
    setProperty("helpContext", kHelpContext);
    FormCreate();
    BuildHeader();
    BuildGrids();
    BuildLookupLists();
    ConnectHandlers();
    wwDBGridPROFT->setFocus();
}

TAjustaDAE::~TAjustaDAE() {
    // The grids post into the cursors as they lose the focus: they go first.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TAjustaDAE::FormCreate() {
    tables_.Open(context_.ktemp);
}

void TAjustaDAE::BuildHeader() {
    auto* title = StyledLabel(tr("AJUSTES Y CODIFICACION DE DATOS EXPORTACIÓN PARA D.A.E."), "navy", this,
                              Underline::Yes);
    title->setObjectName(QStringLiteral("LabelTitulo"));
    title->setGeometry(10, 4, 500, 16);
    auto* instructions = Label(
        tr("Deberán CODIFICAR los Datos del DAE necesarios, si no tienen contenido. El Tipo Documento y el "
           "DNI de los PROFESORES. Y si fuese necesario, la ACTIVIDAD en los Registros de TIPO 2, y el "
           "Núm.Alumnos en los Registros de TIPO 3."),
        this, {10, 21, 825, 28});
    instructions->setObjectName(QStringLiteral("LabelInstrucciones"));
    instructions->setWordWrap(true);

    StyledLabel(tr("Datos del Centro:"), "maroon", this)->setGeometry(10, 53, 110, 18);
    const struct {
        QString title;
        const char* field;
        int x;
        int labelWidth;
        int width;
    } fields[3] = {{tr("Cód.Centro"), "CODCENTRO", 122, 62, 60},
                   {tr("Año Académico"), "ANOACAD", 252, 84, 44},
                   {tr("Versión"), "VERSION", 388, 44, 50}};
    tables_.centre.First();
    for (int i = 0; i < 3; ++i) {
        Label(fields[i].title, this, {fields[i].x, 53, fields[i].labelWidth, 18});
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Centro") + QLatin1String(fields[i].field));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setText(tables_.centre.Eof() ? QString()
                                           : FromCp1252(tables_.centre.AsString(fields[i].field)));
        edit->setGeometry(fields[i].x + fields[i].labelWidth, 52, fields[i].width, 20);
        centreFields_[i] = edit;
    }
}

void TAjustaDAE::BuildGrids() {
    teachersModel_ = new TeachersModel(tables_.teachers, this);
    classesModel_ = new ClassesModel(tables_.classes, this);
    groupsModel_ = new GroupsModel(tables_.groups, this);
    teachersModel_->Reload();
    classesModel_->Reload();
    groupsModel_->Reload();
    classesModel_->SetLective(tablorix_to_dae::LectiveRule(tables_.classes.AsString("CODASIG")));

    StyledLabel(tr("PROFESORES"), "green", this)->setGeometry(10, 80, 200, 16);
    wwDBGridPROFT = CodificationGrid(teachersModel_, TeachersModel::kFixedColumns, "wwDBGridPROFT", this);
    wwDBGridPROFT->setGeometry(10, 96, 825, 100);

    StyledLabel(tr("REGISTROS de TIPO 2 - Asignaturas del Profesor."), "green", this)
        ->setGeometry(10, 200, 300, 16);
    StyledLabel(tr("Si la TAREA  NO es \"Lectiva\",  ACTIV. debe tener contenido. "), "red", this)
        ->setGeometry(320, 200, 320, 16);
    DBGridCUADROH2 = CodificationGrid(classesModel_, ClassesModel::kFixedColumns, "DBGridCUADROH2", this);
    DBGridCUADROH2->setGeometry(10, 216, 825, 140);

    StyledLabel(tr("REGISTROS de TIPO 3 - Alumnos del Grupo."), "green", this)->setGeometry(10, 360, 260, 16);
    StyledLabel(tr("El PLAN se rellenará automáticamente, después de seleccionar el NIVEL."), "red", this)
        ->setGeometry(275, 360, 420, 16);
    wwDBGridCUADROH3 = CodificationGrid(groupsModel_, GroupsModel::kFixedColumns, "wwDBGridCUADROH3", this);
    wwDBGridCUADROH3->setGeometry(10, 376, 470, 114);

    // The "DAE" heading stands in the gap above each grid's titles.
    new DaeHeading(wwDBGridPROFT, TeachersModel::TipoDni, this);
    new DaeHeading(DBGridCUADROH2, ClassesModel::CodAsig, this);
    new DaeHeading(wwDBGridCUADROH3, GroupsModel::NumAlum, this);
    for (auto* heading : findChildren<DaeHeading*>()) {
        auto* grid = findChild<TableGrid*>(heading->objectName().chopped(3));
        heading->setGeometry(grid->x(), grid->y() - 16, grid->width(), 15);
        heading->lower();
    }

    extras_ = new CodificationExtras(context_.ktemp, teachersModel_, this);
    extras_->setGeometry(490, 376, 345, 80);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), tr("&Terminar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(715, 460, 120, 30);
}

void TAjustaDAE::BuildLookupLists() {
    const auto add = [&](tables::Table& catalogue, LookupColumns columns) {
        lists_.push_back(std::make_unique<LookupList>(catalogue, std::move(columns)));
        return lists_.back().get();
    };
    teachersLookups_ = new LookupDelegate(this);
    teachersLookups_->SetList(TeachersModel::TipoDni,
                              add(tables_.documentTypes, {{"COD", "DESCCAST", "DESCEUSK"}, {5, 25, 25}}));
    wwDBGridPROFT->setItemDelegate(teachersLookups_);

    classesLookups_ = new LookupDelegate(this);
    subjectList_ = add(tables_.subjects, {{"COD", "DESCCAST", "DESCEUSK"}, {10, 25, 25}});
    levelList_ = add(tables_.levels, {{"COD", "DESCCASTR", "DESCEUSKR"}, {4, 20, 20}});
    classesLookups_->SetList(ClassesModel::CodAsig, subjectList_);
    classesLookups_->SetList(ClassesModel::TipTar,
                             add(tables_.taskTypes, {{"COD", "DESCCAST", "DESCEUSK"}, {4, 45, 45}}));
    classesLookups_->SetList(ClassesModel::GrupNiv, levelList_);
    classesLookups_->SetList(ClassesModel::Idioma,
                             add(tables_.languages, {{"IDIOMA", "DESCCASTR", "DESCEUSKR"}, {2, 8, 8}}));
    classesLookups_->SetList(ClassesModel::TipActiv,
                             add(tables_.activities, {{"COD", "DESCCASTR", "DESCEUSKR"}, {4, 22, 22}}));
    DBGridCUADROH2->setItemDelegate(classesLookups_);
}

} // namespace tv::app

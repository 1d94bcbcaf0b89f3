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

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

#include <algorithm>

namespace tv::app {
namespace {

constexpr int kHelpContext = 1;
constexpr QSize kDesignSize(845, 498);

QLabel* Label(const QString& text, QWidget* parent, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

TableGrid* CodificationGrid(CursorTableModel* model, const char* name, QWidget* parent) {
    auto* grid = new TableGrid(model,
                               {.fixedColumn = true,
                                .scrollBars = true,
                                .alternatingRows = true,
                                .narrowCharacters = true,
                                .twoLineTitles = true},
                               parent);
    grid->setObjectName(QLatin1String(name));
    grid->setAccessibleName(QLatin1String(name));
    grid->setProperty("helpContext", kHelpContext);
    return grid;
}

// A grid's title with its hint just after it, on one line.
std::array<QLabel*, 2> GridHeading(const QString& title, const QString& hint, QWidget* parent) {
    QLabel* left = StyledLabel(title, "green", parent);
    left->adjustSize();
    QLabel* right = StyledLabel(hint, "red", parent);
    right->adjustSize();
    return {left, right};
}

void PlaceHeading(const std::array<QLabel*, 2>& heading, int y) {
    heading[0]->move(10, y);
    heading[1]->move(heading[0]->x() + heading[0]->width() + 12, y);
}

} // namespace

TAjustaDAE::TAjustaDAE(tablorix_to_dae::ImportContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("AjustaDAE"));
    setWindowTitle(tr("CODIFICACIÓN Datos DAE"));
    // It opens at its design size, its smallest; larger, the grids show more.
    setMinimumSize(kDesignSize);
    resize(kDesignSize);
    setProperty("helpContext", kHelpContext);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    FormCreate();
    BuildHeader();
    BuildGrids();
    BuildLookupLists();
    BuildCheck();
    ConnectHandlers();
    LayOut();
    wwDBGridPROFT->setFocus();
}

void TAjustaDAE::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

void TAjustaDAE::LayOut() {
    if (!BitBtn1) return;
    // What the window has beyond its design size: the width goes to every
    // grid, the height to the three grids alike.
    const int wider = std::max(0, width() - kDesignSize.width());
    const int taller = std::max(0, height() - kDesignSize.height());
    const int teachers = taller / 3;
    const int classes = taller / 3;
    const int groups = taller - teachers - classes;
    instructions_->setGeometry(10, 20, 825 + wider, 28);
    wwDBGridPROFT->setGeometry(10, 93, 825 + wider, 98 + teachers);
    PlaceHeading(classesHeading_, 194 + teachers);
    DBGridCUADROH2->setGeometry(10, 227 + teachers, 825 + wider, 128 + classes);
    PlaceHeading(groupsHeading_, 358 + teachers + classes);
    wwDBGridCUADROH3->setGeometry(10, 391 + teachers + classes, 440 + wider, 100 + groups);
    extras_->move(462 + wider, 393 + teachers + classes);
    BitBtn1->move(715 + wider, 460 + taller);
    // The "DAE" heading stands in the gap above each grid's titles.
    for (auto* heading : findChildren<DaeHeading*>()) {
        auto* grid = findChild<TableGrid*>(heading->objectName().chopped(3));
        heading->setGeometry(grid->x(), grid->y() - 16, grid->width(), 15);
    }
}

TAjustaDAE::~TAjustaDAE() {
    // Released, the tables close and an edit not yet stored is dropped (closing
    // from the title bar stores nothing more); the grids, which post as they
    // lose the focus, then find nothing to post.
    tables_.Close();
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
    auto* instructions = instructions_ = Label(
        tr("Deberán CODIFICAR los Datos del DAE necesarios, si no tienen contenido. El Tipo Documento y el "
           "DNI de los PROFESORES. Y si fuese necesario, la ACTIVIDAD en los Registros de TIPO 2, y el "
           "Núm.Alumnos en los Registros de TIPO 3."),
        this, {10, 20, 825, 28});
    instructions->setObjectName(QStringLiteral("LabelInstrucciones"));
    instructions->setWordWrap(true);

    auto* centre = new QWidget(this);
    centre->setGeometry(10, 48, 600, 24);
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(StyledLabel(tr("Datos del Centro:"), "maroon", centre));
    const struct {
        QString title;
        const char* field;
        int width;
    } fields[3] = {{tr("Cód.Centro"), "CODCENTRO", 64},
                   {tr("Año Académico"), "ANOACAD", 48},
                   {tr("Versión"), "VERSION", 52}};
    tables_.centre.First();
    for (int i = 0; i < 3; ++i) {
        row->addSpacing(10);
        row->addWidget(new QLabel(fields[i].title, centre));
        auto* edit = new QLineEdit(centre);
        edit->setObjectName(QStringLiteral("Centro") + QLatin1String(fields[i].field));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setText(tables_.centre.Eof() ? QString()
                                           : FromCp1252(tables_.centre.AsString(fields[i].field)));
        edit->setFixedWidth(fields[i].width);
        row->addWidget(edit);
        centreFields_[i] = edit;
    }
    row->addStretch();
}

void TAjustaDAE::BuildGrids() {
    teachersModel_ = new TeachersModel(tables_.teachers, this);
    classesModel_ = new ClassesModel(tables_.classes, this);
    groupsModel_ = new GroupsModel(tables_.groups, this);
    lective_ = tablorix_to_dae::LectiveRule(tables_.classes.AsString("CODASIG"));

    StyledLabel(tr("PROFESORES"), "green", this)->setGeometry(10, 76, 200, 16);
    wwDBGridPROFT = CodificationGrid(teachersModel_, "wwDBGridPROFT", this);
    classesHeading_ = GridHeading(tr("REGISTROS de TIPO 2 - Asignaturas del Profesor."),
                                  tr("Si la TAREA  NO es \"Lectiva\",  ACTIV. debe tener contenido. "), this);
    DBGridCUADROH2 = CodificationGrid(classesModel_, "DBGridCUADROH2", this);
    groupsHeading_ =
        GridHeading(tr("REGISTROS de TIPO 3 - Alumnos del Grupo."),
                    tr("El PLAN se rellenará automáticamente, después de seleccionar el NIVEL."), this);
    wwDBGridCUADROH3 = CodificationGrid(groupsModel_, "wwDBGridCUADROH3", this);
    for (auto* heading : {new DaeHeading(wwDBGridPROFT, TeachersModel::TipoDni, this),
                          new DaeHeading(DBGridCUADROH2, ClassesModel::CodAsig, this),
                          new DaeHeading(wwDBGridCUADROH3, GroupsModel::NumAlum, this)})
        heading->lower();

    extras_ = new CodificationExtras(context_.ktemp, teachersModel_, this);
    extras_->resize(373, 60);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), tr("&Terminar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->resize(120, 30);
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

// The program under a Basque system (LANGUAGE=eu, LANG=eu_ES.UTF-8), set up
// as the program sets itself up: the main window, its panels and the
// codification window show no Spanish text that the catalogue translates,
// message boxes answer with "Bai" / "Ez" under a person's click and keys,
// and the core's texts come through the same catalogue.
#include "app/gui_prompt.h"
#include "app/table_grid.h"
#include "codification_fixture.h"
#include "gui_test_main.h"
#include "tables/cp1252.h"
#include "tables/user_text.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// The catalogue's Spanish texts whose Basque differs: none may reach the screen.
QSet<QString> TranslatedSpanishTexts() {
    QFile file(QStringLiteral(TV_SOURCE_DIR "/translations/transveloradae_eu.ts"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no catalogue");
    QSet<QString> texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.readElementText() != source)
            texts.insert(source);
    }
    return texts;
}

// Every text the window and its children show: titles, labels, buttons, tooltips, grid column titles.
QStringList TextsOf(QWidget* window) {
    QStringList texts = {window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
        if (auto* grid = qobject_cast<tv::app::TableGrid*>(widget))
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                texts << grid->model()->headerData(column, Qt::Horizontal).toString();
    }
    texts.removeAll(QString());
    return texts;
}

QStringList SpanishLeftIn(QWidget* window) {
    static const QSet<QString> spanish = TranslatedSpanishTexts();
    QStringList left;
    for (const QString& text : TextsOf(window))
        if (spanish.contains(text)) left << text;
    return left;
}

// Runs `answer` on the message box as soon as it opens.
void WhenBoxOpens(const std::function<void(QMessageBox*)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        answer(box);
    });
}

} // namespace

class BasqueInterfaceTest : public QObject {
    Q_OBJECT
  private slots:
    void theMainWindowAndItsPanelsSpeakBasque() {
        tv::test::WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open();
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("Datuak Tablorix eta DAEren artean esportatu eta inportatu"));
        QCOMPARE(fixture.Button("BClose")->text(), QStringLiteral("&Irten"));
        QCOMPARE(fixture.Button("BExportar")->text(), QStringLiteral("Ados"));
        fixture.ToTemplatePanel(); // every panel filled and shown on the way
        QCOMPARE(SpanishLeftIn(&form), QStringList());
    }

    void theCodificationWindowSpeaksBasque() {
        tv::test::CodificationFixture fixture;
        QWidget* window = fixture.window.get();
        QCOMPARE(window->windowTitle(), QStringLiteral("DAE datuen KODETZEA"));
        QCOMPARE(fixture.window->TeachersGrid()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Irakaslea"));
        QCOMPARE(SpanishLeftIn(window), QStringList());
    }

    // A real box: "Ez" clicked where it is drawn, "Bai" by its Alt key.
    void aQuestionAnswersBaiOrEz() {
        tv::app::MessageBoxes::SetScripted(false);
        tv::app::GuiPrompt prompt(nullptr);
        QStringList buttons;
        WhenBoxOpens([&](QMessageBox* box) {
            buttons << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
            QAbstractButton* no = box->button(QMessageBox::No);
            QTest::mouseClick(no, Qt::LeftButton, {}, no->rect().center());
        });
        const bool clicked = prompt.Question("Jarraitu?");
        WhenBoxOpens([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_B, Qt::AltModifier); });
        const bool typed = prompt.Question("Jarraitu?");
        tv::app::MessageBoxes::SetScripted(true);
        QCOMPARE(buttons, QStringList({QStringLiteral("&Bai"), QStringLiteral("&Ez")}));
        QVERIFY(!clicked);
        QVERIFY(typed);
    }

    void theCoresTextsComeThroughTheCatalogue() {
        QCOMPARE(tv::UserText("tv::app::TMForm", "No existe la carpeta"),
                 std::string("Karpeta ez da existitzen"));
        // A text the catalogue lacks stays in Spanish, in the core's Windows-1252.
        QCOMPARE(tv::UserText("Nadie", "¿Sí?"), tv::Utf8ToCp1252("¿Sí?"));
    }
};

int main(int argc, char** argv) {
    // A Basque system, as the program finds it at start-up.
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "eu_ES.UTF-8");
    qputenv("LANGUAGE", "eu");
    return tv::test::RunGuiTest<BasqueInterfaceTest>(argc, argv, [](QApplication& application) {
        if (tv::app::InstallInterfaceLanguage(application, QLocale::system()) != QLatin1String("eu"))
            qFatal("the Basque catalogue did not load");
    });
}

#include "test_basque_interface.moc"

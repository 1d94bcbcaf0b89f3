// The message-box wrapper and help: Qt's Spanish standard buttons, the
// scripted answers the other window tests rely on, and where help opens.
#include "app/application_info.h"
#include "app/gui_prompt.h"
#include "app/help.h"
#include "app/screen_text.h"
#include "gui_test_main.h"
#include "tablorix_to_dae/messages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

using tv::app::BoxKind;
using tv::app::MessageBoxes;

class MessageBoxesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::ClearShown(); }

    void standardButtonsReadInSpanish_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Sí") << int(QMessageBox::Yes) << QStringLiteral("Sí");
        QTest::newRow("No") << int(QMessageBox::No) << QStringLiteral("No");
        QTest::newRow("Aceptar") << int(QMessageBox::Ok) << QStringLiteral("Aceptar");
        QTest::newRow("Cancelar") << int(QMessageBox::Cancel) << QStringLiteral("Cancelar");
    }

    void standardButtonsReadInSpanish() {
        QFETCH(int, button);
        QFETCH(QString, text);
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::StandardButtons(QMessageBox::StandardButton(button)));
        QCOMPARE(box.button(QMessageBox::StandardButton(button))->text().remove(QLatin1Char('&')), text);
    }

    // The wrapper names its buttons from the program's catalogue: in Spanish,
    // exactly as Qt's own Spanish names them.
    void theWrappersButtonsReadAsQtsOwnSpanish() {
        QStringList shown;
        const auto readAndClose = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                for (QAbstractButton* button : box->buttons())
                    shown << button->text();
                box->reject();
            });
        };
        MessageBoxes::SetScripted(false);
        readAndClose();
        MessageBoxes::Question(nullptr, QStringLiteral("¿Seguir?"));
        readAndClose();
        MessageBoxes::Warning(nullptr, QStringLiteral("Aviso"), QStringLiteral("¿Seguir?"));
        MessageBoxes::SetScripted(true);

        QStringList qtsOwn;
        QMessageBox plain(QMessageBox::Question, QString(), QString(),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
            qtsOwn << plain.button(button)->text();
        shown.sort();
        qtsOwn.sort();
        QCOMPARE(shown, qtsOwn);
    }

    void thePromptShowsTheStepsTextsWithTheirCaptions() {
        tv::app::GuiPrompt prompt(nullptr);
        prompt.Message("No existe archivo DAE (T13.txt)");
        MessageBoxes::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(prompt.Question("\xBFSeguir?"));
        QVERIFY(!prompt.Question("\xBFOtra vez?")); // nothing queued: No
        MessageBoxes::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(prompt.Warning("Recuperaci\xF3n", "\xBFRecuperar?"));
        QVERIFY(!prompt.Warning("Recuperaci\xF3n", "\xBFRecuperar?"));

        const auto& shown = MessageBoxes::Shown();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[0].kind, BoxKind::Plain);
        QCOMPARE(shown[0].caption, QStringLiteral("TransVeloraDAE"));
        QCOMPARE(shown[0].text, QStringLiteral("No existe archivo DAE (T13.txt)"));
        QCOMPARE(shown[1].kind, BoxKind::Question);
        QCOMPARE(shown[1].text, QStringLiteral("¿Seguir?"));
        QCOMPARE(shown[3].kind, BoxKind::Warning);
        QCOMPARE(shown[3].caption, QStringLiteral("Recuperación"));
    }

    void lineEndsReachTheScreenAsLineFeeds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("onScreen");
        QTest::newRow("lone CR") << QStringLiteral("uno\rdos") << QStringLiteral("uno\ndos");
        QTest::newRow("CR LF") << QStringLiteral("uno\r\ndos") << QStringLiteral("uno\ndos");
        QTest::newRow("LF") << QStringLiteral("uno\ndos") << QStringLiteral("uno\ndos");
        QTest::newRow("CR CR, blank line kept")
            << QStringLiteral("uno\r\rdos") << QStringLiteral("uno\n\ndos");
        QTest::newRow("CR at the end") << QStringLiteral("uno\r") << QStringLiteral("uno\n");
    }

    void lineEndsReachTheScreenAsLineFeeds() {
        QFETCH(QString, text);
        QFETCH(QString, onScreen);
        QCOMPARE(tv::app::WithScreenLineEnds(text), onScreen);
    }

    // A real box, not scripted: the extraction's question shows its four lines.
    void aQuestionsLinesJoinedByCarriageReturnsShowAsLines() {
        QString shownText;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownText = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        MessageBoxes::SetScripted(false);
        tv::app::GuiPrompt prompt(nullptr);
        const bool yes = prompt.Question(tv::tablorix_to_dae::KeepEarlierDataQuestion());
        MessageBoxes::SetScripted(true);
        QVERIFY(!yes);
        QVERIFY(!shownText.contains(QLatin1Char('\r')));
        QCOMPARE(shownText.split(QLatin1Char('\n')).size(), 4);
        QVERIFY(shownText.startsWith(QStringLiteral("Si Conserva los Datos de la Exportación Anterior,\n")));
    }

    void helpOpensTheGuideWithoutTheHelpFileAndTheHelpFileWhenPresent() {
        const QDir beside(QCoreApplication::applicationDirPath());
        const QString chm = beside.filePath(QLatin1String(tv::app::kHelpFileName));
        QFile::remove(chm);
        QList<QPair<QUrl, int>> opened;
        tv::app::Help::SetOpener([&](const QUrl& url, int context) {
            opened.append({url, context});
            return true;
        });
        const QString guide = beside.filePath(QStringLiteral("ayuda/guia-usuario.html"));
        QDir().mkpath(QFileInfo(guide).path());
        const bool guideWasThere = QFile::exists(guide);
        if (!guideWasThere) QFile(guide).open(QIODevice::WriteOnly);

        tv::app::Help::ShowContents(nullptr);
        tv::app::Help::ShowContext(nullptr, tv::app::kLanguageHelpContext);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].first.toLocalFile(), beside.filePath(QStringLiteral("ayuda/guia-usuario.html")));
        QVERIFY(!opened[0].first.hasFragment());
        QCOMPARE(opened[1].first.fragment(), QStringLiteral("contexto-1"));

        QFile help(chm);
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        tv::app::Help::ShowContext(nullptr, tv::app::kWindowHelpContext);
        QFile::remove(chm);
        QCOMPARE(opened[2].first.toLocalFile(), chm);
        QCOMPARE(opened[2].second, tv::app::kWindowHelpContext);
        QVERIFY(MessageBoxes::Shown().isEmpty());

        // No viewer takes it, or the guide is missing: a box says so, in Spanish.
        tv::app::Help::SetOpener([](const QUrl&, int) { return false; });
        tv::app::Help::ShowContents(nullptr);
        QStringList expected{
            QStringLiteral(
                "No se puede mostrar la ayuda: este equipo no tiene ningún programa para abrir %1.")
                .arg(QDir::toNativeSeparators(guide))};
        if (!guideWasThere) {
            QFile::remove(guide);
            tv::app::Help::ShowContents(nullptr);
            expected << QStringLiteral("No se encuentra la ayuda: falta el archivo %1.")
                            .arg(QDir::toNativeSeparators(guide));
        }
        QCOMPARE(MessageBoxes::ShownTexts(), expected);
        tv::app::Help::SetOpener({});
    }
};

TV_GUI_TEST_MAIN(MessageBoxesTest)
#include "test_message_boxes.moc"

// main() of the window tests: the offscreen platform unless another is asked
// for, temporary XDG folders so no user setting leaks in, the interface in
// Spanish whatever the machine's language (another with TV_TEST_LANGUAGE=eu),
// and message boxes in scripted mode so none ever opens.
#pragma once

#include "app/application.h"
#include "app/message_boxes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace tv::test {

template <class TestClass, class InstallLanguage>
int RunGuiTest(int argc, char** argv, InstallLanguage installLanguage) {
    QTemporaryDir xdg;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString folder = xdg.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(name, folder.toLocal8Bit());
    }
    QApplication application(argc, argv);
    installLanguage(application);
    tv::app::MessageBoxes::SetScripted(true);
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tv::test

#define TV_GUI_TEST_MAIN(TestClass)                                                                          \
    int main(int argc, char** argv) {                                                                        \
        return tv::test::RunGuiTest<TestClass>(argc, argv, [](QApplication& application) {                   \
            const QLocale language(qEnvironmentVariable("TV_TEST_LANGUAGE", QStringLiteral("es")));          \
            tv::app::InstallInterfaceLanguage(application, language);                                        \
        });                                                                                                  \
    }

// Every message box of the program goes through here: plain boxes with the
// application title as caption, information boxes, Yes/No questions, OK/Cancel
// warnings with their own caption, and error boxes for what a step raised.
//
// Tests switch on scripted mode: no box opens, each one is recorded, and
// questions take the answers queued with SetNextAnswer.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace tv::app {

enum class BoxKind { Plain, Information, Question, Warning, Error };

struct ShownBox {
    BoxKind kind = BoxKind::Plain;
    QString caption;
    QString text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton; // as the box chose it
};

class MessageBoxes {
  public:
    static void Plain(QWidget* parent, const QString& text);
    static void Information(QWidget* parent, const QString& text);
    static bool Question(QWidget* parent, const QString& text); // true for Yes
    // A question whose safe answer is No: No is the default button.
    static bool QuestionDefaultNo(QWidget* parent, const QString& text);               // true for Yes
    static bool Warning(QWidget* parent, const QString& caption, const QString& text); // true for OK
    static void Error(QWidget* parent, const QString& text);

    // ----- test hook ---------------------------------------------------------
    static void SetScripted(bool on);
    // Answers the next question or warning (Yes/No, Ok/Cancel). A question
    // with no answer queued is recorded and answered No / Cancel.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    static const QList<ShownBox>& Shown();
    static QStringList ShownTexts();
    static void ClearShown();
};

} // namespace tv::app

#include "app/message_boxes.h"

#include "app/application_info.h"
#include "app/screen_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>

namespace tv::app {
namespace {

struct Script {
    bool on = false;
    QList<QMessageBox::StandardButton> answers;
    QList<ShownBox> shown;
};

Script& TheScript() {
    static Script script;
    return script;
}

QMessageBox::Icon IconOf(BoxKind kind) {
    switch (kind) {
    case BoxKind::Plain:
        return QMessageBox::NoIcon;
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Question:
        return QMessageBox::Question;
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The standard buttons named from the program's catalogue: Qt ships no
// Basque for them. The Spanish names are the ones Qt's own Spanish gives.
void NameStandardButtons(QMessageBox& box) {
    static const struct {
        QMessageBox::StandardButton button;
        const char* name;
    } names[] = {{QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageBoxes", "&Sí")},
                 {QMessageBox::No, QT_TRANSLATE_NOOP("MessageBoxes", "&No")},
                 {QMessageBox::Ok, QT_TRANSLATE_NOOP("MessageBoxes", "Aceptar")},
                 {QMessageBox::Cancel, QT_TRANSLATE_NOOP("MessageBoxes", "Cancelar")}};
    for (const auto& [button, name] : names)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QCoreApplication::translate("MessageBoxes", name));
}

QMessageBox::StandardButton Show(QWidget* parent, BoxKind kind, const QString& caption, const QString& text,
                                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton fallback,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    Script& script = TheScript();
    if (script.on) {
        script.shown.append({kind, caption, text, defaultButton});
        if (buttons == QMessageBox::Ok) return QMessageBox::Ok;
        return script.answers.isEmpty() ? fallback : script.answers.takeFirst();
    }
    QMessageBox box(IconOf(kind), caption, WithScreenLineEnds(text), buttons, parent);
    NameStandardButtons(box);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    // A box opened during a long step shows the ordinary pointer, not the wait cursor.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (waiting) QApplication::restoreOverrideCursor();
    return answer;
}

} // namespace

void MessageBoxes::Plain(QWidget* parent, const QString& text) {
    Show(parent, BoxKind::Plain, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxes::Information(QWidget* parent, const QString& text) {
    Show(parent, BoxKind::Information, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxes::Question(QWidget* parent, const QString& text) {
    return Show(parent, BoxKind::Question, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxes::QuestionDefaultNo(QWidget* parent, const QString& text) {
    return Show(parent, BoxKind::Question, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxes::Warning(QWidget* parent, const QString& caption, const QString& text) {
    return Show(parent, BoxKind::Warning, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Cancel) == QMessageBox::Ok;
}

void MessageBoxes::Error(QWidget* parent, const QString& text) {
    Show(parent, BoxKind::Error, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxes::SetScripted(bool on) {
    TheScript().on = on;
}

void MessageBoxes::SetNextAnswer(QMessageBox::StandardButton answer) {
    TheScript().answers.append(answer);
}

const QList<ShownBox>& MessageBoxes::Shown() {
    return TheScript().shown;
}

QStringList MessageBoxes::ShownTexts() {
    QStringList texts;
    for (const ShownBox& box : TheScript().shown)
        texts.append(box.text);
    return texts;
}

void MessageBoxes::ClearShown() {
    TheScript().shown.clear();
    TheScript().answers.clear();
}

} // namespace tv::app

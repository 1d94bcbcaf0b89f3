// Help: DAE.CHM beside the executable, opened with the system's viewer (at a
// context number where the platform's viewer takes one); without it, the
// user guide that ships with the program, in HTML. When nothing on the
// computer can show it, a box over `parent` says so.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace tv::app {

class Help {
  public:
    // The help file's table of contents ("F1 AYUDA").
    static void ShowContents(QWidget* parent);
    // F1 on a control: the help at `context`.
    static void ShowContext(QWidget* parent, int context);

    // Where the help would open; `context` 0 means the contents.
    static QUrl HelpUrl(int context);

    // ----- test hook: receives what would be opened instead of opening it,
    // and answers whether a viewer took it --------------------------------
    static void SetOpener(std::function<bool(const QUrl&, int context)> opener);
};

} // namespace tv::app

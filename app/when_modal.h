// For programs that drive the windows (the screenshots, the window tests):
// acts on a modal window as soon as it is up, since exec() does not return
// to the caller until the window closes.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tv::app {

// Runs `action` on the modal window named `name` once it is visible,
// looking every `intervalMs` milliseconds.
inline void WhenModal(const QString& name, std::function<void(QWidget*)> action, int intervalMs = 5) {
    auto* timer = new QTimer;
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, [timer, name, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace tv::app

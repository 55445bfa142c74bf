#pragma once

// What the screenshot drivers share: letting the window settle, saving a
// widget's picture, and answering the next modal dialog.

#include "editors/systemcontainerwidget.h"

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPixmap>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace Screenshots
{

inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

inline QTabWidget *innerTabs(SystemContainerWidget *container)
{
    return container->findChild<QTabWidget *>(QStringLiteral("containerTabWidget"));
}

inline void save(QWidget *widget, const QString &path)
{
    settle();
    if (!widget->grab().save(path))
        QTextStream(stderr) << "cannot write " << path << "\n";
    else
        QTextStream(stdout) << path << "\n";
}

// Answers the next modal dialog with `answer`, once.
inline void whenDialogOpens(const std::function<void(QDialog *)> &answer)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
    });
    timer->start();
}

} // namespace Screenshots

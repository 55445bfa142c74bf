#pragma once

#include <QFrame>
#include <QString>
#include <QWidget>

// What the window shows while no product data is installed: what a data
// pack is, and the ways to get one in.
class NoDataPage : public QWidget
{
    Q_OBJECT
public:
    // `demoPack`: the demo range shipped with the program, empty when there
    // is none; its button shows only when there is one.
    NoDataPage(const QString &demoPack, QWidget *parent = nullptr);

    // The demo pack the package installs in the program's shared folder, or
    // an empty text.
    static QString shippedDemoPack();

signals:
    void importRequested();
    void installDemoRequested();
};

// A short guide above an empty first design; closed for good with its button.
class GettingStartedPanel : public QFrame
{
    Q_OBJECT
public:
    explicit GettingStartedPanel(QWidget *parent = nullptr);

    // Whether the guide was closed in an earlier session.
    static bool wasDismissed();
    static void resetDismissed();

signals:
    void dismissed();
};

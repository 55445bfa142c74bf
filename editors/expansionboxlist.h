#pragma once

#include "panel/panelmessages.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The expansion box list of a main panel page: one row per box with its
// status and a "Remove" button, and the button that adds one. It shows the
// boxes' names and states and tells what the user asked for.
class ExpansionBoxList : public QObject
{
    Q_OBJECT
public:
    ExpansionBoxList(QListWidget *list, QPushButton *addButton, QObject *parent);

    // Shows these boxes, out of at most `maxBoxes`.
    void show(const QStringList &names, int maxBoxes);
    QStringList names() const { return m_names; }
    // The next show() makes every row again, in the language now in force.
    void forgetRows() { m_maxBoxes = -1; }
    // A box's state as its own editor reports it.
    void setFault(const QString &name, const PanelMessages::FaultFlags &flags);

signals:
    void removeRequested(const QString &name);

private:
    struct Row {
        QWidget *row = nullptr;
        QLabel *nameLabel = nullptr;
        QLabel *statusLabel = nullptr;
    };
    static void showStatus(const Row &row, bool faulty);

    QListWidget *m_list;
    QPushButton *m_addButton;
    QStringList m_names;
    int m_maxBoxes = -1;
    QVector<Row> m_rows;
    QMap<QString, PanelMessages::FaultFlags> m_faults;
};

// The "Select Expansion Box" dialog; the chosen name, or empty when cancelled.
QString selectExpansionBox(QWidget *parent, const QStringList &candidates);

#pragma once

#include "panel/panelevaluation.h"

#include <QVector>

class QLabel;
class QListWidget;
class QWidget;

// The individual loops list of a panel page: one row per loop in use with
// the currents the panel holds for it, marked when the loop is in fault.
class PanelLoopList
{
public:
    explicit PanelLoopList(QListWidget *list) : m_list(list) {}

    // One row per loop; rows are kept while the count stays.
    void resize(int loops);
    // The rows' texts, tips and marks from an evaluation.
    void show(const PanelEvaluation &evaluation);

private:
    struct Row {
        QWidget *row = nullptr;
        QLabel *idleLabel = nullptr;
        QLabel *alarmLabel = nullptr;
    };
    QListWidget *m_list;
    QVector<Row> m_rows;
};

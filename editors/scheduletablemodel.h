#pragma once

#include "design/design.h"
#include "loop/loopdevicecheck.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// The rows of a loop's schedule as the schedule view shows them. Texts are
// made when a cell is drawn, so a schedule of thousands of units costs
// nothing until it is looked at; an edit goes out through `setEdit`.
class ScheduleTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Position, Device, Address, Zone, Location, Intact, BreakAtOut, BreakAtIn, Margin, Status, Columns };
    // Takes the edited cell and its new text; the document decides.
    using Edit = std::function<void(int row, int column, const QString &text)>;

    explicit ScheduleTableModel(QObject *parent = nullptr);

    void setEdit(Edit edit) { m_edit = std::move(edit); }
    // The headers in the user's language; `degradedIntact` replaces the
    // intact drop's header when the loop is fed from one end.
    void setHeaders(const QStringList &headers, const QString &degradedIntact);
    // Draws this schedule and its check; rows kept when their count stays.
    void show(const LoopSchedule &schedule, const LoopDeviceCheck &check);
    void clear();

    QString text(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LoopSchedule m_schedule;
    LoopDeviceCheck m_check;
    QStringList m_headers;
    QString m_degradedIntact;
    Edit m_edit;
};

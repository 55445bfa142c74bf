#include "editors/scheduletablemodel.h"

#include "catalogue/displayformat.h"

#include <QCoreApplication>

ScheduleTableModel::ScheduleTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void ScheduleTableModel::setHeaders(const QStringList &headers, const QString &degradedIntact)
{
    m_headers = headers;
    m_degradedIntact = degradedIntact;
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

void ScheduleTableModel::show(const LoopSchedule &schedule, const LoopDeviceCheck &check)
{
    const bool sameRows = schedule.units.size() == m_schedule.units.size();
    if (!sameRows)
        beginResetModel();
    m_schedule = schedule;
    m_check = check;
    if (!sameRows) {
        endResetModel();
        return;
    }
    // Same rows: the view keeps its current cell and an open editor.
    if (!m_schedule.units.isEmpty())
        emit dataChanged(index(0, 0), index(m_schedule.units.size() - 1, Columns - 1), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, Intact, Intact);
}

void ScheduleTableModel::clear()
{
    show(LoopSchedule(), LoopDeviceCheck());
}

QString ScheduleTableModel::text(int row, int column) const
{
    if (row < 0 || row >= m_schedule.units.size())
        return QString();
    const ScheduleUnit &unit = m_schedule.units.at(row);
    const auto drop = [row](const DeviceCheck::Scenario &s) { return Display::fixed(s.drops.value(row), 3); };
    switch (column) {
    case Position:
        return QString::number(unit.position);
    case Device:
        return unit.device;
    case Address:
        return unit.address;
    case Zone:
        return unit.zone;
    case Location:
        return unit.location;
    case Intact:
        return drop(m_check.electrical.intact);
    case BreakAtOut:
        return drop(m_check.electrical.breakAtOut);
    case BreakAtIn:
        return drop(m_check.electrical.breakAtIn);
    case Margin:
        return Display::fixed(m_check.limit - m_check.worstDropAt(row), 3);
    case Status:
        // The row's fault is told in words, so it reads the same in every style.
        return m_check.unitFaults.value(row) ? QCoreApplication::translate("ScheduleView", "FAULT")
                                             : QCoreApplication::translate("ScheduleView", "OK");
    default:
        return QString();
    }
}

int ScheduleTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_schedule.units.size();
}

int ScheduleTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ScheduleTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return text(index.row(), index.column());
}

bool ScheduleTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString now = value.toString();
    if (now == text(index.row(), index.column()))
        return false;
    if (m_edit)
        m_edit(index.row(), index.column(), now);
    return true;
}

Qt::ItemFlags ScheduleTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int column = index.column();
    if (column == Position || column == Zone || column == Location)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == Intact && m_check.degradedMode && !m_degradedIntact.isEmpty())
        return m_degradedIntact;
    return m_headers.value(section);
}

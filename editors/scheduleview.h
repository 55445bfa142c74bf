#pragma once

#include "design/design.h"
#include "loop/loopdevicecheck.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class DesignDocument;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ScheduleTableModel;
class VoltageProfilePlot;
struct DesignChange;

// The "Schedule" view of a loop tab: the loop's units in cable order with
// their drops and margins, the device-level faults and the voltage profile.
// It holds nothing of its own: it draws what the document holds and sends
// every edit to it as a typed edit, so undo and files see them alike.
class ScheduleView : public QWidget
{
    Q_OBJECT
public:
    enum Column { Position, Device, Address, Zone, Location, Intact, BreakAtOut, BreakAtIn, Margin, Status, Columns };

    explicit ScheduleView(QWidget *parent = nullptr);

    // The document and where this loop sits in it; `system` is asked anew
    // each time, because boxes change places.
    void setDocument(DesignDocument *document, std::function<int()> system, int loop);

    // Commands, as the buttons and keys run them.
    void makeSchedule();
    void renumber();
    void removeSchedule();
    // Moves the current unit along the cable; false when it cannot go.
    bool moveCurrent(int delta);

    QTableView *table() const { return m_table; }
    ScheduleTableModel *model() const { return m_model; }
    QLineEdit *filterField() const { return m_filter; }
    QString faultsText() const;
    QString noteText() const;
    // Redraws from the document (after each change it reports).
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The texts of the buttons, the field and the table's headers.
    void setTexts();
    std::optional<LoopSchedule> schedule() const;
    void send(const std::optional<LoopSchedule> &schedule);
    void fill(const LoopSchedule &schedule, const LoopDeviceCheck &check);
    void applyFilter();
    void onCellEdited(int row, int column, const QString &text);
    void onChanged(const DesignChange &change);
    void onEdited(const Design &before, const Design &after);
    void refuse(int row, int column, const QString &why);

    DesignDocument *m_document = nullptr;
    std::function<int()> m_system;
    int m_loop = 0;
    QLabel *m_title;
    QPushButton *m_make;
    QPushButton *m_renumber;
    QPushButton *m_up;
    QPushButton *m_down;
    QPushButton *m_remove;
    QLineEdit *m_filter;
    QTableView *m_table;
    ScheduleTableModel *m_model;
    QLabel *m_faults;
    QLabel *m_note;
    VoltageProfilePlot *m_plot;
    bool m_filtered = false; // some rows hidden by the filter
    bool m_columnsToSize = false; // filled while out of sight, sized when shown
    // What the table shows, so an edit elsewhere does not redraw it.
    std::optional<LoopSchedule> m_shownSchedule;
    LoopConfig m_shownConfig;
    PanelConfig m_shownPanel;
};

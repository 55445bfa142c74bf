#pragma once

#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"
#include "loop/loopevaluation.h"
#include "loop/loopmessages.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QPointer>
#include <QWidget>

class Catalogue;
class DetailedViewWidget;
class QDropEvent;
class QLabel;
class QLineEdit;
class QTreeWidgetItem;

namespace Ui
{
class LoopWidget;
}

// The tab page of one loop (the device tree and drops in loopdevicetree.cpp):
// its settings, the device tree to drag from, the
// device list, and the loop status with its faults and notes. Every figure
// is kept as displayed (7 decimals) and later stages read it so, as the
// widget-free LoopEvaluation does.
class LoopWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LoopWidget(const Catalogue *catalogue, QWidget *parent = nullptr);
    ~LoopWidget() override;

    QString cableTypeText() const;
    QString topologyCode() const;
    double distributionFactorValue() const;
    int loopLengthValue() const;
    int startDistanceValue() const;
    int endDistanceValue() const;
    QVector<QPair<QString, int>> deviceList() const;

    void applyLoopValues(const QStringList &values);
    // Rebuilds the device list from the map (quantities capped at 250) and
    // recomputes the loop once at the end.
    void applyDevices(const QMap<QString, int> &devices);
    // The six settings from typed values, as applyLoopValues does from texts.
    void applySettings(const LoopConfig &config);
    // Settings, then devices.
    void applyConfig(const LoopConfig &config);

    QString faultReportText() const;
    QString noteReportText() const;
    bool isDegradedModeOk() const;

    // The loop's settings and devices as they stand.
    LoopConfig config() const;
    // The six figures as the loop status shows them.
    LoopCalc::LoopResults displayedResults() const;
    LoopLimits limits() const { return m_limits; }
    double soundersActiveFraction() const { return m_soundersActiveFraction; }

    // Stages A to D of the calculation; each runs the ones after it.
    void computeLoopTotals();
    void computeVoltageDrop();
    void computeMaxVoltageDrop();
    void computeMaxCurrent();
    void updateNotes();
    void updateFaults();

public slots:
    void onSoundersActiveChanged(double value);
    void onPanelChanged(int maxAddresses, double minCurrent, double maxCurrent, bool supportsOverboost);

public:
    // The field above the device tree that narrows it (Ctrl+F, Esc clears).
    QLineEdit *deviceFilterField() const;
    // The loop's schedule view, below the devices; the tab takes it over.
    void setScheduleView(QWidget *view);
    QWidget *scheduleView() const { return m_scheduleView; }
    bool hasFault() const;
    QString faultSummary() const;

signals:
    void addDevice(const QString &deviceName);
    void updateLoopCurrents(double idleCurrent, double alarmCurrent);
    void loopFaultChanged(bool hasFault);
    void duplicateLoopRequested();
    // The faults as the faults box lists them, empty when there are none;
    // whenever the text changes.
    void faultSummaryChanged(bool hasFault, const QString &summary);

protected:
    // A new language: the form, the code's texts and every figure and message
    // are drawn again in place, from the loop as it stands.
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Where a drag comes from. Tests stand in for a real drag here, which
    // the offscreen platform cannot run.
    virtual QObject *dragSource(const QDropEvent *event) const;

private slots:
    void onLengthSpinBoxValueChanged();
    void onUpdateDeviceQuantity(const QString &deviceName, int quantity);

private:
    void fillDeviceTree();
    // The texts the code gives the form's labels and fields.
    void setCodeTexts();
    // The tool tip and mark of the three lengths when the ends do not fit.
    void showLengthNote();
    void setUpDeviceFilter();
    void applyDeviceFilter();
    // Double-click and Enter: the drop's path, with the drop's checks.
    // Adds `count` units of the tree's current device; Tab then reaches its row's quantity.
    void addCurrentTreeDevice(int count = 1);
    // Shows the quantity typed so far beside the tree's current device.
    void showTypedQuantity();
    QTreeWidgetItem *firstShownDevice() const;
    void refreshTreeCounters(const QVector<LoopCalc::LoopDevice> &devices);
    void onTreeCurrentItemChanged(QTreeWidgetItem *current);
    void resetLoop();
    bool dropsOnDeviceView(const QPoint &position) const;

    Topology topology() const;
    QVector<LoopCalc::LoopDevice> resolvedDevices() const;
    // Evaluates the loop as it stands and draws every figure and message.
    void showEvaluation(const QVector<LoopCalc::LoopDevice> &devices);

    Ui::LoopWidget *ui;
    // The form's own page, inside the scroll area.
    QWidget *m_page = nullptr;
    const Catalogue *m_catalogue;
    DetailedViewWidget *m_detailedView;
    QLineEdit *m_deviceFilter = nullptr;
    // Digits typed in the device tree: the quantity Enter adds.
    QString m_typedQuantity;
    QPointer<QLabel> m_typedQuantityNote;
    QLabel *m_noMatchLabel = nullptr;
    QMap<QString, int> m_devices;
    double m_soundersActiveFraction = 1.0;
    LoopLimits m_limits;
    // The six figures as last shown; each stage reads the ones before it here.
    LoopEvaluation m_evaluation;
    bool m_lastFaultState = false;
    bool m_holdRecomputation = false; // while applyDevices rebuilds the list
    QString m_lastFaultSummary;
    QWidget *m_scheduleView = nullptr;
};

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

#include <functional>

class Catalogue;
class DetailedViewWidget;
class QDropEvent;
class QLabel;
class QLineEdit;
class QScrollArea;
class QTreeWidgetItem;

namespace Ui
{
class LoopWidget;
}

// The tab page of one loop (the device tree and drops in loopdevicetree.cpp):
// its settings, the device tree to drag from, the device list, and the loop
// status with its faults and notes.
// The form is built when the tab is first shown (or its page asked for): a
// large design opens dozens of loops of which one is on screen. Until then
// the loop keeps its values, as the form would show them, and evaluates and
// signals exactly as it does with its form.
// A user's change of a control is an edit of the loop's configuration, sent
// to the design the tab shows when it has one (setEditTarget) before anything
// is drawn; the tab then shows the loop as that design holds it, with the
// design's evaluation (setEvaluationSource). Values the program gives
// (apply...) are no edit.
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

    // Records the loop's configuration the user made in the design this tab
    // shows and returns the loop as the design then holds it; none when
    // there is no design to record it in.
    using EditTarget = std::function<const LoopConfig *(const LoopConfig &)>;
    // The user's edits go to `target` (none: the loop keeps them itself).
    void setEditTarget(EditTarget target) { m_editTarget = std::move(target); }
    // The design's evaluation of this loop while the design holds the loop
    // as the tab does (settings, devices, panel limits and sounders share);
    // none otherwise, and the loop evaluates itself.
    // The loop shows the source's evaluation at once when it has one.
    using EvaluationSource = std::function<const LoopEvaluation *()>;
    void setEvaluationSource(EvaluationSource source);
    // Shows the design's evaluation when the source has one for the loop as
    // it stands; nothing else changes.
    void drawDesignEvaluation();
    // The figures shown are the design's, not the loop's own.
    bool showsDesignEvaluation() const { return m_showsDesignEvaluation; }

    // The form's page, built on the first call.
    QWidget *page();
    bool isPageBuilt() const { return m_ui != nullptr; }

    QString faultReportText() const;
    QString noteReportText() const;
    bool isDegradedModeOk() const;

    // The loop's settings and devices as they stand.
    LoopConfig config() const;
    // The six figures as the loop status shows them.
    LoopCalc::LoopResults displayedResults() const;
    LoopLimits limits() const { return m_limits; }
    double soundersActiveFraction() const { return m_soundersActiveFraction; }

    // The stages of the calculation by their names: each shows the loop's one
    // evaluation; the totals also refresh the tree's counters and hand the
    // currents to the panel.
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
    QLineEdit *deviceFilterField();
    // How the loop's schedule view, below the devices, is made when the
    // page is built (at once when it already is); the tab owns the view.
    void setScheduleViewFactory(std::function<QWidget *()> make);
    QWidget *scheduleView();
    void setVisible(bool visible) override;
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
    void buildPage();
    // The form shows the loop's settings; its controls keep quiet meanwhile.
    void showSettingsInForm();
    // The settings as the user set them in the form.
    void readForm();
    void onSettingEdited();
    void connectForm();
    // The settings as the form would take them: a cable it does not offer
    // leaves the one it has, numbers within the fields' ranges. No edit,
    // nothing evaluated, as keepDevices.
    void keepSettings(const LoopConfig &config);
    // The devices as the device list takes them: quantities at most 250.
    void keepDevices(const QMap<QString, int> &devices);
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
    // The user changed the loop as it now stands: one edit, sent to the
    // edit target. Values the program gives never come here.
    void commit();
    bool dropsOnDeviceView(const QPoint &position) const;

    Topology topology() const;
    QVector<LoopCalc::LoopDevice> resolvedDevices() const;
    // The design's evaluation, or else the loop's own (of `devices` when
    // the caller has them looked up already).
    void showEvaluation(const QVector<LoopCalc::LoopDevice> *devices = nullptr);
    // Draws and signals `evaluation`.
    void showGiven(const LoopEvaluation &evaluation, bool fromDesign);
    void drawEvaluation();

    Ui::LoopWidget *m_ui = nullptr; // null until the page is built
    QScrollArea *m_scrollArea = nullptr;
    // The six settings, which the form shows; the cable as its source text.
    LoopConfig m_settings;
    std::function<QWidget *()> m_makeScheduleView;
    // The form's own page, inside the scroll area.
    QWidget *m_page = nullptr;
    const Catalogue *m_catalogue;
    DetailedViewWidget *m_detailedView = nullptr;
    QLineEdit *m_deviceFilter = nullptr;
    // Digits typed in the device tree: the quantity Enter adds.
    QString m_typedQuantity;
    QPointer<QLabel> m_typedQuantityNote;
    QLabel *m_noMatchLabel = nullptr;
    QMap<QString, int> m_devices;
    double m_soundersActiveFraction = 1.0;
    LoopLimits m_limits;
    // The evaluation last shown: the design's, or the loop's own without one.
    LoopEvaluation m_evaluation;
    bool m_lastFaultState = false;
    EditTarget m_editTarget;
    EvaluationSource m_evaluationSource;
    bool m_showsDesignEvaluation = false;
    QString m_lastFaultSummary;
    QWidget *m_scheduleView = nullptr;
};

#pragma once

#include "panel/batterymethod.h"
#include "panel/panelcalculation.h"
#include "panel/panelconfig.h"
#include "panel/panelevaluation.h"
#include "panel/panelmessages.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class BatteryMethodBox;
class Catalogue;
class DesignDocument;
class ModelChangeGuard;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace Ui
{
class PanelWidget;
}

// The "Panel" page of a system container: one panel's configuration (model,
// batteries, output currents, cards, external power, times) in its controls,
// its power figures and status texts, and the loop rows. The figures and
// texts come from the widget-free PanelCalculation / PanelMessages.
class PanelWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PanelWidget(const Catalogue *catalogue, QWidget *parent = nullptr);
    ~PanelWidget() override;

    // Sets everything from the 17 texts of a main panel configuration, which
    // the setup reader has already checked.
    virtual void applyConfiguration(const QStringList &values);
    // Chooses between the Panel and the ExpansionBox record of the model.
    virtual bool isExpansionBox() const;

    // Read-back of the configuration, in the form the setup file stores.
    QString modelName() const;
    QString internalBattery() const; // "-" for none
    double aux24VAlarmCurrent() const;
    double aux24VIdleCurrent() const;
    double sounder1AlarmCurrent() const;
    double sounder1IdleCurrent() const;
    double sounder2AlarmCurrent() const;
    double sounder2IdleCurrent() const;
    QStringList installedCards() const; // a loop card's name once per installed card
    QString externalPowerSource1() const;
    QString additionalBattery1() const;
    QString externalPowerSource2() const;
    QString additionalBattery2() const;
    int batteryDegradation() const;
    int soundersActive() const;
    QString idleTime() const;
    QString alarmTime() const;

    // The controls read once into the typed configuration.
    PanelConfig configuration() const;
    // The configuration with the loops' reports as this editor holds them.
    PanelInput input() const;
    // Every figure and text of the page, evaluated afresh from input().
    PanelEvaluation evaluation() const;

    // Figures as shown on the page.
    double totalIdleCurrent() const;
    double totalAlarmCurrent() const;
    double minimumBatteryRequired() const;
    double selectedTotalBattery() const;
    int currentLoopCount() const { return loopCount; }
    // The currents of the first loopCount loops as the panel holds them (scaled).
    QVector<PanelCalculation::CurrentPair> activeLoopCurrents() const { return loopCurrents.mid(0, loopCount); }

    // Gives the main panel loop cards for extraLoops more loops (odd counts
    // round down); false and nothing changed when the model cannot hold them.
    bool addLoopCards(int extraLoops);

    PanelMessages::FaultFlags computeFaultFlags() const;
    QString powerReportNotes() const;
    QString externalPowerReportNotes() const;

    // The open document, which holds this page's battery method; boxName is
    // the page's name for an expansion box, empty for the main panel.
    void setDocument(DesignDocument *document, const QString &boxName = QString());
    // The required capacity follows this method (the maker's by default).
    BatteryMethod batteryMethod() const { return m_batteryMethod; }
    void setBatteryMethod(BatteryMethod method);
    // Selects these batteries (empty names: none) in one go.
    void applyBatterySet(const BatterySizing::BatterySet &set);

    // Display names of the added expansion boxes, in the order they were added.
    QStringList expansionBoxDisplayNames() const { return expansionBoxNames; }
    // Replaces the names (after the containers were rebuilt elsewhere) and
    // rebuilds the list; emits nothing.
    void setExpansionBoxNames(const QStringList &names);

signals:
    void panelChanged(const QString &text);
    void soundersActiveChanged(double value);
    void loopsChanged(int loops);
    void expansionBoxAdded(const QString &baseName, const QString &displayName);
    void expansionBoxRemoved(const QString &displayName);
    void faultStateChanged(bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault);

public slots:
    void onUpdateLoopCurrents(int loop, double idleCurrent, double alarmCurrent);
    void onLoopFaultChanged(int loop, bool hasFault);
    void onExpansionBoxFaultChanged(const QString &expansionBoxName, bool hasBatteryFault,
                                    bool hasPowerLoadFault, bool hasLoopFault);

private slots:
    void onPanelOutputSpinBoxValueChanged();
    void onPanelComboBoxValueChanged(const QString &panelName);
    void onBattComboBoxValueChanged();
    void onEnableOrDisableExternalPowerSources(int state);
    void onEnableOrDisableZEP(QCheckBox *checkbox, int state);
    void onChangeToCalculateMinimumBatteryRequired();
    void onAddExpansionBoxButtonClicked();
    void onRemoveExpansionBox(const QString &expansionBoxName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A new language: the page's texts, figures and messages are drawn again
    // in place, from the configuration as it stands.
    void changeEvent(QEvent *event) override;
    virtual void retranslate();

    // The Panel (main) or ExpansionBox (box) named currentModelName.
    PanelCalculation::ModelRecord modelRecord() const;

    void fillBatterySelectors();
    void fillExternalPowerSourceSelectors();
    void rebuildAuxCardList();
    void rebuildLoopList();
    void rebuildExpansionBoxList();
    void refreshTotals();
    void refreshBatteryStatus();
    void refreshPowerLoadStatus();
    void refreshExternalPowerNotes();
    void resetPanel();

    // Pieces of applyConfiguration that the expansion box editor shares.
    void applyInternalBattery(const QString &value);
    void applyCards(const QString &value);
    void applyExternalPower(const QString &source1, const QString &battery1, const QString &source2,
                            const QString &battery2);
    void applyAdvancedSettings(const QString &degradation, const QString &soundersActive,
                               const QString &idleTime, const QString &alarmTime);
    // "-" selects the first entry; a text that matches no entry changes nothing.
    static void selectValue(QComboBox *combo, const QString &value);

    PanelMessages::PanelState panelState() const;

    // The page scrolls as a whole: a list as tall as its rows (within the
    // bounds) spares a second scroll bar inside it.
    static void fitHeightToRows(QListWidget *list, int minimumHeight, int maximumHeight = QWIDGETSIZE_MAX);

    Ui::PanelWidget *ui;
    const Catalogue *catalogue;

    QString currentModelName;
    int loopCardCount = 0;
    bool zepInstalled = false;
    bool externalPowerSourcesEnabled = false;
    int loopCount = 0;
    QVector<PanelCalculation::CurrentPair> loopCurrents; // scaled; never shrunk
    QVector<bool> loopFaults;                            // never shrunk
    QStringList expansionBoxNames;
    // Asks before a model change of the user's that would remove parts.
    ModelChangeGuard *m_modelChangeGuard = nullptr;
    QMap<QString, PanelMessages::FaultFlags> expansionBoxFaults;

private:
    struct CardRowWidgets {
        bool loopCard = false;
        QLabel *nameLabel = nullptr;
        QCheckBox *checkBox = nullptr;    // every row but the loop card's
        QLabel *countLabel = nullptr;     // loop card row
        QPushButton *addButton = nullptr; // loop card row
        QPushButton *removeButton = nullptr;
    };
    struct LoopRowWidgets {
        QWidget *row = nullptr;
        QLabel *idleLabel = nullptr;
        QLabel *alarmLabel = nullptr;
    };
    struct ExpansionBoxRowWidgets {
        QWidget *row = nullptr;
        QLabel *nameLabel = nullptr;
        QLabel *statusLabel = nullptr;
    };

    void fillModelSelector();
    void addHelpSymbols();
    void onExternalPowerSourceChanged(int n);
    void changeLoopCards(int delta);
    void updateLoopCardRows();
    void removeAllExpansionBoxes();
    // The "Select Expansion Box" dialog; the chosen name, or empty when cancelled.
    QString selectExpansionBox(const QStringList &candidates);
    static void showExpansionBoxStatus(const ExpansionBoxRowWidgets &row, bool faulty);
    void emitFaultState();

    // The figures as last shown; each stage reads the ones before it here.
    PanelFigures m_figures;
    BatteryMethod m_batteryMethod = BatteryMethod::Maker;
    BatteryMethodBox *m_batteryMethodBox = nullptr;
    QVector<CardRowWidgets> cardRows;
    QVector<LoopRowWidgets> loopRows;
    QVector<ExpansionBoxRowWidgets> expansionBoxRows;
};

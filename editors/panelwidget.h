#pragma once

#include "panel/batterymethod.h"
#include "panel/panelcalculation.h"
#include "panel/panelconfig.h"
#include "panel/panelevaluation.h"
#include "panel/panelmessages.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>

class BatteryMethodBox;
class Catalogue;
class DesignDocument;
class ExpansionBoxList;
class ModelChangeGuard;
class PanelCardList;
class PanelLoopList;
class QComboBox;
class QLabel;
struct SystemEvaluation;

namespace Ui
{
class PanelWidget;
}

// The "Panel" page of a system container: a view of one panel's typed
// configuration (model, batteries, output currents, cards, external power,
// times) and of the PanelEvaluation it gives with its loops' reports. A
// control's change becomes an edit of the configuration, sent to the design
// the page shows when it has one (setEditTarget) and then drawn as that
// design's evaluation has it; on its own the page evaluates the edit itself.
// Every figure, status text and mark is drawn from one evaluation.
class PanelWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PanelWidget(const Catalogue *catalogue, QWidget *parent = nullptr);
    ~PanelWidget() override;

    // Shows `config` (normalised first; a box keeps its own model). A main
    // panel given another model changes model as the user's choice would,
    // without asking: its boxes go.
    void applyConfig(const PanelConfig &config);
    // Chooses between the Panel and the ExpansionBox record of the model.
    virtual bool isExpansionBox() const;

    // The configuration shown.
    const PanelConfig &configuration() const { return m_config; }
    QString modelName() const { return m_config.model; }
    // The configuration with the loops' reports as this editor holds them.
    PanelInput input() const;
    // Every figure and text of the page, as drawn.
    const PanelEvaluation &evaluation() const { return m_evaluation; }

    int currentLoopCount() const { return m_loopCount; }
    // The currents of the loops in use as the panel holds them (scaled).
    QVector<PanelCalculation::CurrentPair> activeLoopCurrents() const
    {
        return m_loopCurrents.mid(0, m_loopCount);
    }

    // Gives the main panel loop cards for extraLoops more loops (odd counts
    // round down); false and nothing changed when the model cannot hold them.
    bool addLoopCards(int extraLoops);

    PanelMessages::FaultFlags computeFaultFlags() const { return m_evaluation.flags; }
    QString powerReportNotes() const { return m_evaluation.powerReportNotes; }
    QString externalPowerReportNotes() const { return m_evaluation.externalPowerReportNotes; }

    // The open document, which holds this page's battery method; boxName is
    // the page's name for an expansion box, empty for the main panel.
    void setDocument(DesignDocument *document, const QString &boxName = QString());
    // Records a configuration the user made in the design this page shows and
    // returns what the design's evaluation then says of this panel; none when
    // there is no design to record it in.
    using EditTarget = std::function<const SystemEvaluation *(const PanelConfig &)>;
    // The user's edits go to `target` (none: the page shows them itself).
    void setEditTarget(EditTarget target) { m_editTarget = std::move(target); }
    // The design's evaluation of this panel while the design holds what the
    // page's figures are made from (`input`); none otherwise, and the page
    // evaluates itself.
    using EvaluationSource = std::function<const PanelEvaluation *(const PanelInput &input)>;
    void setEvaluationSource(EvaluationSource source) { m_evaluationSource = std::move(source); }
    // The figures shown are the design's, not the page's own.
    bool showsDesignEvaluation() const { return m_showsDesignEvaluation; }
    // Draws `evaluation`, the design's for the configuration shown, in place
    // of the page's own.
    void showEvaluation(const PanelEvaluation &evaluation);
    // The required capacity follows this method (the maker's by default).
    BatteryMethod batteryMethod() const { return m_batteryMethod; }
    void setBatteryMethod(BatteryMethod method);
    // Selects these batteries (empty names: none) in one go.
    void applyBatterySet(const BatterySizing::BatterySet &set);

    // Display names of the added expansion boxes, in the order they were added.
    QStringList expansionBoxDisplayNames() const { return m_boxNames; }
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
    void onAddExpansionBoxButtonClicked();
    void onRemoveExpansionBox(const QString &expansionBoxName);

protected:
    // A box editor: the box's model, fixed.
    PanelWidget(const Catalogue *catalogue, const QString &boxModel, QWidget *parent);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A new language: the page's texts, figures and messages are drawn again
    // in place, from the configuration as it stands.
    void changeEvent(QEvent *event) override;
    virtual void retranslate();

    Ui::PanelWidget *m_ui;

private:
    void setUp();
    void addHelpSymbols();
    // Takes `next` as the configuration shown and brings the controls, the
    // card list and the loop list to it; then draws `drawn`, or without it
    // the evaluation of `next` with the loops' reports.
    void showConfig(const PanelConfig &next, const PanelEvaluation *drawn = nullptr);
    // The user's `next` configuration: recorded in the design when there is
    // one and shown as recorded, else shown as it is.
    void commit(const PanelConfig &next);
    // The model changes to `model` with its consequences (the boxes go).
    void changeModel(const QString &model);
    // One edit of the user's: the configuration changed by `change`.
    template <typename Change> void edit(Change change);
    void fillBatterySelectors();
    void showControls();
    void rebuildLoopList();
    // Evaluates the configuration with the loops' reports and draws it.
    void redraw();
    void drawEvaluation();
    void changeLoopCards(int delta);
    void onCardToggled(const QString &name, bool checked);
    void removeAllExpansionBoxes();
    void showBoxes();
    void resetPanel();
    // "-" or empty selects the first entry; a text that matches no entry changes nothing.
    static void selectValue(QComboBox *combo, const QString &value);

    const Catalogue *m_catalogue;
    PanelConfig m_config;
    // The model whose batteries and cards the selectors and the list offer.
    QString m_offeredModel;
    bool m_offered = false;
    int m_loopCount = 0;
    QVector<PanelCalculation::CurrentPair> m_loopCurrents; // scaled; never shrunk
    QVector<bool> m_loopFaults;                            // never shrunk
    QStringList m_boxNames;
    PanelEvaluation m_evaluation;
    BatteryMethod m_batteryMethod = BatteryMethod::Maker;
    BatteryMethodBox *m_batteryMethodBox = nullptr;
    EditTarget m_editTarget;
    EvaluationSource m_evaluationSource;
    bool m_showsDesignEvaluation = false;
    // Asks before a model change of the user's that would remove parts.
    ModelChangeGuard *m_modelChangeGuard = nullptr;
    PanelCardList *m_cardList = nullptr;
    ExpansionBoxList *m_boxList = nullptr;
    std::unique_ptr<PanelLoopList> m_loopList;
};

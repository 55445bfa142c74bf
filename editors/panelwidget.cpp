#include "editors/panelwidget.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "design/design.h"
#include "design/designevaluation.h"
#include "editors/batterymethodbox.h"
#include "editors/expansionboxlist.h"
#include "editors/modelchangeguard.h"
#include "editors/panelcardlist.h"
#include "editors/panellists.h"
#include "editors/panellooplist.h"
#include "widgets/messagebox.h"
#include "widgets/rangeguard.h"
#include "widgets/widgetfunctions.h"

#include "ui_panelwidget.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSharedPointer>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

using PanelCalculation::CurrentPair;

namespace
{

constexpr int hintDurationMs = 3000;
constexpr int limitDurationMs = 5000;

// The selector's text, or empty while it is on its first entry (none).
QString selectedText(const QComboBox *combo)
{
    return combo->currentIndex() > 0 ? combo->currentText() : QString();
}

} // namespace

PanelWidget::PanelWidget(const Catalogue *catalogue, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::PanelWidget), m_catalogue(catalogue)
{
    Q_ASSERT(catalogue);
    m_config.model = catalogue->panels().isEmpty() ? QString() : catalogue->panels().first().name;
    setUp();
}

PanelWidget::PanelWidget(const Catalogue *catalogue, const QString &boxModel, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::PanelWidget), m_catalogue(catalogue)
{
    Q_ASSERT(catalogue);
    m_config.expansionBox = true;
    m_config.model = boxModel;
    setUp();
}

PanelWidget::~PanelWidget()
{
    delete m_ui;
}

void PanelWidget::setUp()
{
    // Typed values beyond a field's range are capped with a note, not cut.
    RangeGuard::install();
    m_ui->setupUi(this);
    addHelpSymbols();

    m_ui->idleTimeComboBox->addItems(PanelConfig::idleTimes());
    m_ui->alarmTimeComboBox->addItems(PanelConfig::alarmTimes());
    // The battery method sits with the times it judges.
    m_batteryMethodBox = new BatteryMethodBox(this);
    m_ui->battAutonomyLayout->addWidget(m_batteryMethodBox, m_ui->battAutonomyLayout->rowCount(), 0, 1, 2);
    connect(m_batteryMethodBox, &BatteryMethodBox::methodChanged, this, &PanelWidget::setBatteryMethod);
    connect(m_batteryMethodBox, &BatteryMethodBox::applyRequested, this, &PanelWidget::applyBatterySet);

    {
        const QSignalBlocker blocker(m_ui->panelComboBox);
        if (m_config.expansionBox) {
            m_ui->panelComboBox->addItem(m_config.model);
            // The model of a box never changes.
            m_ui->panelComboBox->setEnabled(false);
        } else {
            for (const Panel &panel : m_catalogue->panels())
                m_ui->panelComboBox->addItem(panel.name);
        }
    }
    for (QComboBox *combo : {m_ui->externalPowerSource1ComboBox, m_ui->externalPowerSource2ComboBox}) {
        combo->addItem(tr("No external power source"));
        for (const ExternalPowerSource &source : m_catalogue->externalPowerSources())
            combo->addItem(source.name);
    }

    m_cardList = new PanelCardList(m_ui->auxCardsListWidget, this);
    connect(m_cardList, &PanelCardList::loopCardsRequested, this, &PanelWidget::changeLoopCards);
    connect(m_cardList, &PanelCardList::cardToggled, this, &PanelWidget::onCardToggled);
    m_loopList = std::make_unique<PanelLoopList>(m_ui->individualLoopCurrentsList);
    m_boxList = new ExpansionBoxList(m_ui->expansionBoxesListWidget, m_ui->addExpansionBoxButton, this);
    connect(m_boxList, &ExpansionBoxList::removeRequested, this, &PanelWidget::onRemoveExpansionBox);

    // Each control's change is an edit of the configuration shown.
    if (!m_config.expansionBox) {
        m_modelChangeGuard = new ModelChangeGuard(
            m_ui->panelComboBox,
            [this](const QString &newModel) {
                return modelChangeLoss(m_config, m_loopCount, m_boxNames, m_catalogue->findPanel(newModel));
            },
            this);
        connect(m_ui->panelComboBox, &QComboBox::currentTextChanged, this,
                &PanelWidget::onPanelComboBoxValueChanged);
    }
    connect(m_ui->battComboBox, &QComboBox::currentTextChanged, this, [this] {
        edit([this](PanelConfig &c) { c.internalBattery = selectedText(m_ui->battComboBox); });
    });
    const auto supply = [this](QComboBox *source, QComboBox *battery, QString PanelConfig::*sourceField,
                               QString PanelConfig::*batteryField) {
        connect(source, &QComboBox::currentTextChanged, this, [=] {
            // A source going back to none takes its additional battery with it.
            edit([=](PanelConfig &c) {
                c.*sourceField = selectedText(source);
                if ((c.*sourceField).isEmpty())
                    (c.*batteryField).clear();
            });
        });
        connect(battery, &QComboBox::currentTextChanged, this,
                [=] { edit([=](PanelConfig &c) { c.*batteryField = selectedText(battery); }); });
    };
    supply(m_ui->externalPowerSource1ComboBox, m_ui->additionalBatt1ComboBox, &PanelConfig::source1,
           &PanelConfig::battery1);
    supply(m_ui->externalPowerSource2ComboBox, m_ui->additionalBatt2ComboBox, &PanelConfig::source2,
           &PanelConfig::battery2);
    for (QDoubleSpinBox *spin : {m_ui->aux24VIdleDSpinBox, m_ui->aux24VAlarmDSpinBox, m_ui->snd1IdleDSpinBox,
                                 m_ui->snd1AlarmDSpinBox, m_ui->snd2IdleDSpinBox, m_ui->snd2AlarmDSpinBox})
        connect(spin, &QDoubleSpinBox::editingFinished, this, &PanelWidget::onPanelOutputSpinBoxValueChanged);
    connect(m_ui->battDegradationSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int value) { edit([value](PanelConfig &c) { c.batteryDegradation = value; }); });
    // The loops hear the share from show().
    connect(m_ui->sndActiveSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int value) { edit([value](PanelConfig &c) { c.soundersActive = value; }); });
    connect(m_ui->idleTimeComboBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { edit([text](PanelConfig &c) { c.idleTime = text; }); });
    connect(m_ui->alarmTimeComboBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { edit([text](PanelConfig &c) { c.alarmTime = text; }); });
    connect(m_ui->addExpansionBoxButton, &QPushButton::clicked, this,
            &PanelWidget::onAddExpansionBoxButtonClicked);
    connect(m_ui->resetPanelButton, &QPushButton::clicked, this, &PanelWidget::resetPanel);
    for (QComboBox *combo : {m_ui->externalPowerSource1ComboBox, m_ui->externalPowerSource2ComboBox,
                             m_ui->additionalBatt1ComboBox, m_ui->additionalBatt2ComboBox})
        combo->installEventFilter(this);

    showConfig(m_config);
}

bool PanelWidget::isExpansionBox() const
{
    return m_config.expansionBox;
}

// ---------------------------------------------------------------------------
// Showing a configuration

void PanelWidget::applyConfig(const PanelConfig &config)
{
    PanelConfig next = config;
    next.expansionBox = m_config.expansionBox;
    if (m_config.expansionBox)
        next.model = m_config.model;
    else if (m_catalogue->findPanel(next.model).name != next.model)
        next.model = m_config.model; // a model the selector does not offer leaves it as it is
    next = next.normalised(*m_catalogue);
    const bool modelChanged = next.model != m_config.model;
    if (modelChanged)
        changeModel(next.model);
    showConfig(next);
    if (modelChanged)
        emit panelChanged(next.model);
}

void PanelWidget::showConfig(const PanelConfig &next, const PanelEvaluation *drawn)
{
    const bool soundersChanged = next.soundersActive != m_config.soundersActive;
    m_config = next;
    showControls();
    const PanelCalculation::ModelRecord model = m_config.modelRecord(*m_catalogue);
    const int maxLoopCards = PanelCalculation::maxLoopCards(model.baseLoops, model.maxLoops);
    if (!m_offered || m_offeredModel != m_config.model) {
        m_offered = true;
        m_offeredModel = m_config.model;
        m_cardList->rebuild(m_catalogue->compatibleAuxiliaryCards(m_config.model), m_config.cards,
                            maxLoopCards);
        showBoxes();
    } else {
        m_cardList->show(m_config.cards, maxLoopCards);
    }
    rebuildLoopList();
    if (drawn)
        showEvaluation(*drawn);
    else
        redraw();
    if (soundersChanged)
        emit soundersActiveChanged(m_config.soundersActive / 100.0);
}

void PanelWidget::showControls()
{
    QWidget *controls[] = {m_ui->panelComboBox,
                           m_ui->battComboBox,
                           m_ui->additionalBatt1ComboBox,
                           m_ui->additionalBatt2ComboBox,
                           m_ui->externalPowerSource1ComboBox,
                           m_ui->externalPowerSource2ComboBox,
                           m_ui->aux24VIdleDSpinBox,
                           m_ui->aux24VAlarmDSpinBox,
                           m_ui->snd1IdleDSpinBox,
                           m_ui->snd1AlarmDSpinBox,
                           m_ui->snd2IdleDSpinBox,
                           m_ui->snd2AlarmDSpinBox,
                           m_ui->battDegradationSpinBox,
                           m_ui->sndActiveSpinBox,
                           m_ui->idleTimeComboBox,
                           m_ui->alarmTimeComboBox};
    QVector<QSharedPointer<QSignalBlocker>> blockers;
    for (QWidget *control : controls)
        blockers.append(QSharedPointer<QSignalBlocker>::create(control));

    m_ui->panelComboBox->setCurrentText(m_config.model);
    // Without a model (an empty catalogue) there is nothing to offer.
    if (m_offeredModel != m_config.model && !m_config.model.isEmpty())
        fillBatterySelectors();
    selectValue(m_ui->battComboBox, m_config.internalBattery);
    const PanelCalculation::OutputCurrents &o = m_config.outputs;
    m_ui->aux24VIdleDSpinBox->setValue(o.aux24VIdle);
    m_ui->aux24VAlarmDSpinBox->setValue(o.aux24VAlarm);
    m_ui->snd1IdleDSpinBox->setValue(o.snd1Idle);
    m_ui->snd1AlarmDSpinBox->setValue(o.snd1Alarm);
    m_ui->snd2IdleDSpinBox->setValue(o.snd2Idle);
    m_ui->snd2AlarmDSpinBox->setValue(o.snd2Alarm);

    const bool external = m_config.externalPowerEnabled(*m_catalogue);
    m_ui->externalPowerSource1ComboBox->setEnabled(external);
    m_ui->externalPowerSource2ComboBox->setEnabled(external);
    selectValue(m_ui->externalPowerSource1ComboBox, m_config.source1);
    selectValue(m_ui->externalPowerSource2ComboBox, m_config.source2);
    m_ui->additionalBatt1ComboBox->setEnabled(!m_config.source1.isEmpty());
    m_ui->additionalBatt2ComboBox->setEnabled(!m_config.source2.isEmpty());
    selectValue(m_ui->additionalBatt1ComboBox, m_config.battery1);
    selectValue(m_ui->additionalBatt2ComboBox, m_config.battery2);

    m_ui->battDegradationSpinBox->setValue(m_config.batteryDegradation);
    m_ui->sndActiveSpinBox->setValue(m_config.soundersActive);
    selectValue(m_ui->idleTimeComboBox, m_config.idleTime);
    selectValue(m_ui->alarmTimeComboBox, m_config.alarmTime);
}

void PanelWidget::fillBatterySelectors()
{
    const QVector<Battery> all = m_catalogue->batteries();
    const QVector<Battery> internal =
        PanelCalculation::internalBatteryChoices(all, m_config.modelRecord(*m_catalogue).maxBatteryCapacity);
    const QVector<Battery> sorted = PanelCalculation::sortedByCapacity(all);
    m_ui->battComboBox->clear();
    m_ui->battComboBox->addItem(tr("No internal battery"));
    for (const Battery &b : internal)
        m_ui->battComboBox->addItem(b.name);
    for (QComboBox *combo : {m_ui->additionalBatt1ComboBox, m_ui->additionalBatt2ComboBox}) {
        combo->clear();
        combo->addItem(tr("No additional battery"));
        for (const Battery &b : sorted)
            combo->addItem(b.name);
    }
}

void PanelWidget::selectValue(QComboBox *combo, const QString &value)
{
    if (value.isEmpty() || value == QLatin1String("-")) {
        combo->setCurrentIndex(0);
        return;
    }
    const int index = combo->findText(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

template <typename Change> void PanelWidget::edit(Change change)
{
    PanelConfig next = m_config;
    change(next);
    if (next == m_config)
        return;
    commit(next);
}

void PanelWidget::commit(const PanelConfig &next)
{
    const SystemEvaluation *recorded = m_editTarget ? m_editTarget(next) : nullptr;
    if (!recorded) {
        showConfig(next);
        return;
    }
    // Copies: showing may make the design be evaluated anew.
    const PanelConfig config = recorded->config;
    const PanelEvaluation evaluation = recorded->panel;
    showConfig(config, &evaluation);
}

// ---------------------------------------------------------------------------
// Model, cards and loops

void PanelWidget::onPanelComboBoxValueChanged(const QString &panelName)
{
    if (m_modelChangeGuard && !m_modelChangeGuard->allows(m_config.model, panelName))
        return;
    // The design first (it lets the boxes go with the model), then the page.
    const SystemEvaluation *recorded = m_editTarget ? m_editTarget(m_config.withModel(panelName)) : nullptr;
    const bool inDesign = recorded != nullptr;
    const PanelConfig config = inDesign ? recorded->config : m_config.withModel(panelName);
    const PanelEvaluation evaluation = inDesign ? recorded->panel : PanelEvaluation();
    changeModel(panelName);
    showConfig(config, inDesign ? &evaluation : nullptr);
    emit panelChanged(panelName);
}

void PanelWidget::changeModel(const QString &model)
{
    if (m_config.expansionBox || model == m_config.model)
        return;
    m_config = m_config.withModel(model);
    removeAllExpansionBoxes();
    showBoxes();
}

void PanelWidget::changeLoopCards(int delta)
{
    const PanelCalculation::ModelRecord model = m_config.modelRecord(*m_catalogue);
    const int next = m_config.loopCards() + delta;
    if (next < 0 || next > PanelCalculation::maxLoopCards(model.baseLoops, model.maxLoops))
        return;
    commit(m_config.withLoopCards(next, *m_catalogue));
}

void PanelWidget::onCardToggled(const QString &name, bool checked)
{
    PanelConfig next = m_config.withLoopCards(m_config.loopCards(), *m_catalogue);
    next.cards = m_cardList->installedCards();
    // Without the power card the sources (and their batteries) go back to none.
    if (!checked && PanelCalculation::isPowerCard(name)) {
        next.source1.clear();
        next.battery1.clear();
        next.source2.clear();
        next.battery2.clear();
    }
    commit(next);
}

bool PanelWidget::addLoopCards(int extraLoops)
{
    if (extraLoops < 0)
        return false;
    if (m_config.modelRecord(*m_catalogue).maxLoops < extraLoops + m_loopCount)
        return false;
    commit(m_config.withLoopCards(m_config.loopCards() + extraLoops / 2, *m_catalogue));
    return true;
}

void PanelWidget::rebuildLoopList()
{
    m_loopCount = m_config.loopCount(*m_catalogue);
    while (m_loopCurrents.size() < m_loopCount)
        m_loopCurrents.append(CurrentPair());
    while (m_loopFaults.size() < m_loopCount)
        m_loopFaults.append(false);
    m_loopList->resize(m_loopCount);
    emit loopsChanged(m_loopCount);
}

// ---------------------------------------------------------------------------
// Loops reporting

void PanelWidget::onUpdateLoopCurrents(int loop, double idleCurrent, double alarmCurrent)
{
    if (loop < 0)
        return;
    // A hidden loop may still report (its settings stay live); keep its latest
    // figures so they are right when it comes back.
    while (m_loopCurrents.size() <= loop)
        m_loopCurrents.append(CurrentPair());
    m_loopCurrents[loop] = PanelCalculation::scaledLoopCurrents(idleCurrent, alarmCurrent);
    redraw();
}

void PanelWidget::onLoopFaultChanged(int loop, bool hasFault)
{
    if (loop < 0)
        return;
    while (m_loopFaults.size() <= loop)
        m_loopFaults.append(false);
    m_loopFaults[loop] = hasFault;
    redraw();
}

// ---------------------------------------------------------------------------
// Figures

PanelInput PanelWidget::input() const
{
    PanelInput in;
    in.config = m_config;
    in.loopCount = m_loopCount;
    in.externalPowerSourcesEnabled = m_config.externalPowerEnabled(*m_catalogue);
    in.loopCurrents = m_loopCurrents;
    in.loopFaults = m_loopFaults;
    in.batteryMethod = m_batteryMethod;
    return in;
}

void PanelWidget::redraw()
{
    const PanelInput in = input();
    const PanelEvaluation *designed = m_evaluationSource ? m_evaluationSource(in) : nullptr;
    m_evaluation = designed ? *designed : PanelEvaluation::evaluate(in, *m_catalogue);
    m_showsDesignEvaluation = designed != nullptr;
    drawEvaluation();
}

void PanelWidget::showEvaluation(const PanelEvaluation &evaluation)
{
    m_evaluation = evaluation;
    m_showsDesignEvaluation = true;
    drawEvaluation();
}

void PanelWidget::drawEvaluation()
{
    const PanelEvaluation &e = m_evaluation;
    m_ui->totalIdleCurrentValueLabel->setText(e.totalIdleCurrentText());
    m_ui->totalAlarmCurrentValueLabel->setText(e.totalAlarmCurrentText());
    m_ui->minBattRequiredValueLabel->setText(e.minimumBatteryRequiredText());
    m_ui->currentSelectedBattValueLabel->setText(e.selectedTotalBatteryText());

    m_ui->battStatusLabel->setText(e.battery.text);
    PanelLists::showFault(m_ui->currentSelectedBattValueLabel, e.battery.fault);
    PanelLists::showFault(m_ui->battStatusLabel, e.battery.fault);
    m_ui->totalPwrLoadStatusLabel->setText(e.powerLoad.text);
    // Without loops the total is not judged.
    PanelLists::showFault(m_ui->totalAlarmCurrentValueLabel, !e.powerLoad.noLoops && e.powerLoad.overload);
    PanelLists::showFault(m_ui->totalPwrLoadStatusLabel, e.powerLoad.noLoops || e.powerLoad.overload);
    m_ui->externalPowerSourceInfoNotesLabel->setText(e.externalPowerNotes);

    m_loopList->show(e);
    emit faultStateChanged(e.flags.hasBatteryFault, e.flags.hasPowerLoadFault, e.flags.hasLoopFault);
}

void PanelWidget::onPanelOutputSpinBoxValueChanged()
{
    auto *edited = qobject_cast<QDoubleSpinBox *>(sender());
    if (!edited)
        return;
    struct Output {
        QDoubleSpinBox *idle;
        QDoubleSpinBox *alarm;
        double PanelCalculation::OutputCurrents::*idleField;
        double PanelCalculation::OutputCurrents::*alarmField;
    };
    using O = PanelCalculation::OutputCurrents;
    const Output outputs[] = {
        {m_ui->aux24VIdleDSpinBox, m_ui->aux24VAlarmDSpinBox, &O::aux24VIdle, &O::aux24VAlarm},
        {m_ui->snd1IdleDSpinBox, m_ui->snd1AlarmDSpinBox, &O::snd1Idle, &O::snd1Alarm},
        {m_ui->snd2IdleDSpinBox, m_ui->snd2AlarmDSpinBox, &O::snd2Idle, &O::snd2Alarm}};
    for (const Output &output : outputs) {
        if (edited != output.idle && edited != output.alarm)
            continue;
        const PanelCalculation::OutputCorrection c = PanelCalculation::correctOutput(
            output.idle->value(), output.alarm->value(), edited == output.idle);
        PanelConfig next = m_config;
        next.outputs.*output.idleField = c.idle;
        next.outputs.*output.alarmField = c.alarm;
        commit(next);
        if (c.clamped) {
            // The limit is fixed, so the joined text is one translatable source text.
            showToolTip(edited, tr("Value too high!\nLimited to 0.5000 A by the fuse."),
                        QPoint(0, edited->height()), limitDurationMs);
        }
        using Adjusted = PanelCalculation::OutputCorrection::Adjusted;
        if (c.adjusted == Adjusted::AlarmRaised)
            showToolTip(output.alarm, tr("Alarm value adjusted to match idle current."),
                        QPoint(0, output.alarm->height()), limitDurationMs);
        else if (c.adjusted == Adjusted::IdleLowered)
            showToolTip(output.idle, tr("Idle value adjusted to match alarm current."),
                        QPoint(0, output.idle->height()), limitDurationMs);
        break;
    }
}

// ---------------------------------------------------------------------------
// Battery method

void PanelWidget::setDocument(DesignDocument *document, const QString &boxName)
{
    m_batteryMethodBox->setDocument(document, boxName);
}

void PanelWidget::setBatteryMethod(BatteryMethod method)
{
    if (method == m_batteryMethod)
        return;
    m_batteryMethod = method;
    redraw();
}

void PanelWidget::applyBatterySet(const BatterySizing::BatterySet &set)
{
    // Each selector's change is an edit of its own, as the user's would be.
    selectValue(m_ui->battComboBox, set.internalBattery);
    selectValue(m_ui->additionalBatt1ComboBox, set.battery1);
    selectValue(m_ui->additionalBatt2ComboBox, set.battery2);
}

// ---------------------------------------------------------------------------
// Reset

void PanelWidget::resetPanel()
{
    const QString text = tr(
        "Are you sure you want to reset all panel values to default? This will restore battery settings, "
        "auxiliary cards, and external power source configurations.\nLoop and expansion box configurations "
        "will remain unchanged and can be reset separately if needed.");
    if (MessageBox::question(this, tr("Reset Panel Values"), text) != QMessageBox::Yes)
        return;
    PanelConfig fresh;
    fresh.expansionBox = m_config.expansionBox;
    fresh.model = m_config.model;
    commit(fresh);
}

// ---------------------------------------------------------------------------
// Disabled selectors explain themselves

bool PanelWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *combo = qobject_cast<QComboBox *>(watched);
        if (combo && !combo->isEnabled()) {
            QString hint;
            if (combo == m_ui->externalPowerSource1ComboBox || combo == m_ui->externalPowerSource2ComboBox)
                hint = tr("Install ORN-PSLINK auxiliary card to add external power sources.");
            else if (combo == m_ui->additionalBatt1ComboBox || combo == m_ui->additionalBatt2ComboBox)
                hint = tr("Select an external power source to enable this battery.");
            if (!hint.isEmpty()) {
                showToolTip(combo, hint, QPoint(0, combo->height()), hintDurationMs);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

#include "editors/loopwidget.h"
#include "ui_loopwidget.h"

#include "catalogue/catalogue.h"
#include "catalogue/devicecategories.h"
#include "catalogue/displayformat.h"
#include "editors/detailedviewwidget.h"
#include "editors/figurewidth.h"
#include "loop/devicefilter.h"
#include "loop/figureexplanations.h"
#include "widgets/messagebox.h"
#include "widgets/rangeguard.h"
#include "widgets/widgetfunctions.h"

#include <QEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <cmath>
#include <functional>

namespace
{

// Re-polishing is what makes a mark visible, and it is costly: only do it
// when the mark really changes.
void mark(QWidget *widget, bool fault)
{
    const QVariant current = widget->property("fault");
    if (!current.isValid() || current.toBool() != fault)
        setFault(widget, fault);
}

} // namespace

LoopWidget::LoopWidget(const Catalogue *catalogue, QWidget *parent)
    : QWidget(parent), m_catalogue(catalogue)
{
    // Typed values beyond a field's range are capped with a note, not cut.
    RangeGuard::install();
    setObjectName(QStringLiteral("LoopWidget"));
    setWindowTitle(tr("Form"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    setAcceptDrops(true);
    // A device dropped lands in the form's device list, made for it if need be.
    connect(this, &LoopWidget::addDevice, this, [this](const QString &deviceName) {
        buildPage();
        m_detailedView->onDroppedNewDevice(deviceName);
    });
    onUpdateDeviceQuantity(QString(), 0);
}

// ---- settings ---------------------------------------------------------------

QString LoopWidget::cableTypeText() const
{
    return LoopCable::displayText(m_settings.cableType);
}

QString LoopWidget::topologyCode() const
{
    return LoopConfig::topologyCode(topology());
}

double LoopWidget::distributionFactorValue() const
{
    return m_settings.distributionFactor;
}

int LoopWidget::loopLengthValue() const
{
    return m_settings.loopLength;
}

int LoopWidget::startDistanceValue() const
{
    return m_settings.startDistance;
}

int LoopWidget::endDistanceValue() const
{
    return m_settings.endDistance;
}

QVector<QPair<QString, int>> LoopWidget::deviceList() const
{
    QVector<QPair<QString, int>> list;
    list.reserve(m_devices.size());
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        list.append({it.key(), it.value()});
    return list;
}

Topology LoopWidget::topology() const
{
    return m_settings.topology;
}

LoopConfig LoopWidget::config() const
{
    LoopConfig config;
    config.cableType = cableTypeText();
    config.topology = topology();
    config.distributionFactor = int(distributionFactorValue());
    config.loopLength = loopLengthValue();
    config.startDistance = startDistanceValue();
    config.endDistance = endDistanceValue();
    config.devices = m_devices;
    return config;
}

void LoopWidget::keepSettings(const LoopConfig &config)
{
    // As the cable selector finds an entry: the first whose shown text matches.
    const QString shown = LoopCable::displayText(config.cableType);
    for (const QString &source : LoopCable::sourceTexts()) {
        if (LoopCable::displayText(source) == shown) {
            m_settings.cableType = source;
            break;
        }
    }
    m_settings.topology = config.topology;
    m_settings.distributionFactor = qBound(0, config.distributionFactor, 100);
    m_settings.loopLength = qBound(LoopConfig::MinLoopLength, config.loopLength, LoopConfig::MaxLoopLength);
    m_settings.startDistance = qBound(0, config.startDistance, LoopConfig::MaxDistance);
    m_settings.endDistance = qBound(0, config.endDistance, LoopConfig::MaxDistance);
    if (m_ui) {
        showSettingsInForm();
        showLengthNote();
    }
}

void LoopWidget::keepDevices(const QMap<QString, int> &devices)
{
    // As the device list takes them: a row per device, at most 250 units.
    m_devices.clear();
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        if (it.value() > 0)
            m_devices.insert(it.key(), qMin(it.value(), LoopConfig::MaxQuantity));
    }
    if (m_ui) {
        const QSignalBlocker quiet(m_detailedView);
        m_detailedView->setDevices(m_devices);
    }
}

void LoopWidget::readForm()
{
    m_settings.cableType =
        LoopCable::sourceTexts().value(m_ui->cableTypeComboBox->currentIndex(), m_settings.cableType);
    m_settings.topology =
        m_ui->topologyTypeARadioButton->isChecked() ? Topology::ClassA : Topology::DegradedMode;
    m_settings.distributionFactor = m_ui->distrFactorSpinBox->value();
    m_settings.loopLength = m_ui->loopLengthSpinBox->value();
    m_settings.startDistance = m_ui->distStartSpinBox->value();
    m_settings.endDistance = m_ui->distEndSpinBox->value();
}

void LoopWidget::applyLoopValues(const QStringList &values)
{
    // The values present, read as the form reads them.
    LoopConfig given = config();
    const LoopConfig read = LoopConfig::fromTexts(values);
    if (values.size() > 0)
        given.cableType = read.cableType;
    if (values.size() > 1)
        given.topology = read.topology;
    if (values.size() > 2) {
        // Text that is no number leaves the factor as it is.
        bool ok = false;
        const double factor = values.at(2).toDouble(&ok);
        if (ok && std::isfinite(factor))
            given.distributionFactor = read.distributionFactor;
    }
    if (values.size() > 3)
        given.loopLength = read.loopLength;
    if (values.size() > 4)
        given.startDistance = read.startDistance;
    if (values.size() > 5)
        given.endDistance = read.endDistance;
    applySettings(given);
}

void LoopWidget::applySettings(const LoopConfig &config)
{
    const LoopConfig before = this->config();
    keepSettings(config);
    if (this->config() != before)
        showEvaluation();
}

void LoopWidget::applyConfig(const LoopConfig &config)
{
    // The devices' evaluation covers the settings too.
    keepSettings(config);
    applyDevices(config.devices);
}

void LoopWidget::applyDevices(const QMap<QString, int> &devices)
{
    // The device list is rebuilt without a signal per unit: a full loop is
    // evaluated once, not 5,000 times.
    keepDevices(devices);
    computeLoopTotals();
}

void LoopWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    if (!m_ui) {
        // The messages in the new words; the form takes them when built.
        setWindowTitle(tr("Form"));
        showEvaluation();
        return;
    }
    {
        // The cable entries take their new texts without counting as a choice.
        const QSignalBlocker quiet(m_ui->cableTypeComboBox);
        m_ui->retranslateUi(m_page);
    }
    setWindowTitle(m_page->windowTitle());
    setCodeTexts();
    const QVector<LoopCalc::LoopDevice> devices = resolvedDevices();
    refreshTreeCounters(devices);
    applyDeviceFilter();
    // The length note and every figure and message, in the new words.
    showLengthNote();
    showEvaluation(&devices);
}

// ---- edits ----------------------------------------------------------------------------

void LoopWidget::onLengthSpinBoxValueChanged()
{
    readForm();
    showLengthNote();
    commit();
    computeVoltageDrop();
}

void LoopWidget::onSettingEdited()
{
    readForm();
    commit();
    computeVoltageDrop();
}

void LoopWidget::commit()
{
    if (!m_editTarget)
        return;
    const LoopConfig *recorded = m_editTarget(config());
    // The design may keep the loop otherwise (a schedule's lengths): the
    // loop follows it. A copy: the design may change while the loop takes it.
    if (recorded && *recorded != config()) {
        const LoopConfig kept = *recorded;
        keepSettings(kept);
        if (kept.devices != m_devices)
            keepDevices(kept.devices);
    }
}

void LoopWidget::showLengthNote()
{
    const bool tooLong = loopLengthValue() < startDistanceValue() + endDistanceValue();
    const QString tip =
        tooLong ? tr("Distance to first device + distance to last device exceeds total loop length.")
                : QString();
    for (QSpinBox *spinBox : {m_ui->loopLengthSpinBox, m_ui->distStartSpinBox, m_ui->distEndSpinBox}) {
        spinBox->setToolTip(tip);
        mark(spinBox, tooLong);
    }
}

void LoopWidget::onUpdateDeviceQuantity(const QString &deviceName, int quantity)
{
    if (quantity > 0)
        m_devices.insert(deviceName, quantity);
    else
        m_devices.remove(deviceName);
    commit();
    computeLoopTotals();
}

void LoopWidget::onSoundersActiveChanged(double value)
{
    m_soundersActiveFraction = value;
    if (m_ui) {
        // Its rows show their sounders' currents anew; the loop recomputes below.
        const QSignalBlocker quiet(m_detailedView);
        m_detailedView->setSoundersActiveFraction(value);
    }
    for (const LoopCalc::LoopDevice &device : resolvedDevices()) {
        if (device.record.isSounder) {
            computeLoopTotals();
            return;
        }
    }
}

void LoopWidget::onPanelChanged(int maxAddresses, double minCurrent, double maxCurrent,
                                bool supportsOverboost)
{
    m_limits.maxAddresses = maxAddresses;
    m_limits.minCurrent = minCurrent;
    m_limits.maxCurrent = maxCurrent;
    m_limits.supportsOverboost = supportsOverboost;
    computeMaxVoltageDrop();
}

void LoopWidget::resetLoop()
{
    const QMessageBox::StandardButton answer = MessageBox::question(
        this, tr("Reset Loop Values"),
        tr("Are you sure you want to reset all loop values to default? This will remove all devices from the "
           "loop and reset all cable and topology settings."));
    if (answer == QMessageBox::No)
        return;
    // One edit, however many controls it sets.
    keepSettings(LoopConfig());
    keepDevices({});
    commit();
    computeLoopTotals();
}

// ---- calculation ---------------------------------------------------------------------

QVector<LoopCalc::LoopDevice> LoopWidget::resolvedDevices() const
{
    return LoopCalc::resolveDevices(m_devices, *m_catalogue);
}

LoopCalc::LoopResults LoopWidget::displayedResults() const
{
    return m_evaluation.results;
}

// Every stage shows the loop's one evaluation; the stage only decides what
// else follows, as the chain always did: the totals refresh the tree's
// counters and hand the currents to the panel after the faults are known.
void LoopWidget::computeLoopTotals()
{
    const QVector<LoopCalc::LoopDevice> devices = resolvedDevices();
    if (m_ui)
        refreshTreeCounters(devices);
    showEvaluation(&devices);
    emit updateLoopCurrents(m_evaluation.totals.idleCurrent, m_evaluation.totals.alarmCurrent);
}

void LoopWidget::computeVoltageDrop()
{
    showEvaluation();
}

void LoopWidget::computeMaxVoltageDrop()
{
    showEvaluation();
}

void LoopWidget::computeMaxCurrent()
{
    showEvaluation();
}

void LoopWidget::updateNotes()
{
    showEvaluation();
}

void LoopWidget::updateFaults()
{
    showEvaluation();
}

void LoopWidget::setEvaluationSource(EvaluationSource source)
{
    m_evaluationSource = std::move(source);
    drawDesignEvaluation();
}

void LoopWidget::drawDesignEvaluation()
{
    if (const LoopEvaluation *designed = m_evaluationSource ? m_evaluationSource() : nullptr)
        showGiven(*designed, true);
}

void LoopWidget::showEvaluation(const QVector<LoopCalc::LoopDevice> *devices)
{
    if (const LoopEvaluation *designed = m_evaluationSource ? m_evaluationSource() : nullptr) {
        showGiven(*designed, true);
        return;
    }
    const LoopConfig loop = config();
    showGiven(devices ? LoopEvaluation::evaluate(loop, *devices, m_limits, m_soundersActiveFraction, *m_catalogue)
                      : LoopEvaluation::evaluate(loop, m_limits, m_soundersActiveFraction, *m_catalogue),
              false);
}

void LoopWidget::showGiven(const LoopEvaluation &evaluation, bool fromDesign)
{
    m_evaluation = evaluation;
    m_showsDesignEvaluation = fromDesign;
    const LoopEvaluation &e = m_evaluation;
    if (m_ui)
        drawEvaluation();
    if (e.faults.any() != m_lastFaultState) {
        m_lastFaultState = e.faults.any();
        emit loopFaultChanged(m_lastFaultState);
    }
    // The tab's mark names the faults, so it follows their text as well.
    const QString summary = e.faults.any() ? e.faultsText : QString();
    if (summary != m_lastFaultSummary) {
        m_lastFaultSummary = summary;
        emit faultSummaryChanged(e.faults.any(), summary);
    }
}

void LoopWidget::drawEvaluation()
{
    const LoopEvaluation &e = m_evaluation;
    m_ui->totalAddressesValueLabel->setText(e.addressesText());
    m_ui->idleCurrentValueLabel->setText(e.idleCurrentText());
    m_ui->alarmCurrentValueLabel->setText(e.alarmCurrentText());
    m_ui->voltageDropValueLabel->setText(e.voltageDropText());
    m_ui->maxVoltageDropValueLabel->setText(e.maxVoltageDropText());
    m_ui->maxCurrentValueLabel->setText(e.maxCurrentText());
    m_ui->maxVoltageDropValueLabel->setToolTip(
        FigureExplanations::maxVoltageDrop(m_limits.supportsOverboost, topology(), e.results.maxVoltageDrop));
    m_ui->maxCurrentValueLabel->setToolTip(FigureExplanations::maxCurrent(e.cableMaxCurrent, m_limits.maxCurrent));
    m_ui->notesLabel->setText(e.notesText);
    m_ui->faultsLabel->setText(e.faultsText);
    mark(m_ui->totalAddressesValueLabel, e.faults.addresses);
    mark(m_ui->voltageDropValueLabel, e.faults.voltageDrop);
    mark(m_ui->alarmCurrentValueLabel, e.faults.current);
    mark(m_ui->faultsLabel, e.faults.any());
}

bool LoopWidget::hasFault() const
{
    return m_lastFaultState;
}

QString LoopWidget::faultSummary() const
{
    return m_lastFaultSummary;
}

QString LoopWidget::faultReportText() const
{
    return m_evaluation.faultReportText;
}

QString LoopWidget::noteReportText() const
{
    return m_evaluation.noteReportText;
}

bool LoopWidget::isDegradedModeOk() const
{
    return m_evaluation.degradedModeOk;
}

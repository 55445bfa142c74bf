#include "panel/panelwidget.h"

#include "design/design.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "panel/batterymethodbox.h"
#include "loop/figureexplanations.h"
#include "panel/modelchangeguard.h"
#include "widgets/rangeguard.h"
#include "widgets/messagebox.h"
#include "widgets/widgetfunctions.h"

#include "ui_panelwidget.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>
#include <QtGlobal>
#include <algorithm>

using PanelCalculation::CurrentPair;
using PanelCalculation::ModelRecord;

namespace
{

const QStringList idleTimes = {QStringLiteral("72 h"), QStringLiteral("48 h"), QStringLiteral("30 h"),
                               QStringLiteral("24 h"), QStringLiteral("4 h")};
const QStringList alarmTimes = {QStringLiteral("60 min"), QStringLiteral("30 min"), QStringLiteral("15 min"),
                                QStringLiteral("5 min"), QStringLiteral("0 min")};

constexpr int hintDurationMs = 3000;

// Card rows: "-", count and "+" of the loop card take this much, and every
// card name starts at the same place, under the "Card's name" header.
constexpr int cardRowSpacing = 6;
constexpr int loopCardControlsWidth = 20 + cardRowSpacing + 30 + cardRowSpacing + 20;
constexpr int cardNameIndent = loopCardControlsWidth + 20;

constexpr int emptyListHeight = 40;
constexpr int expansionBoxListMaxHeight = 200;
constexpr int expansionBoxRowPadding = 10;
constexpr int limitDurationMs = 5000;

// Number of entries a main panel configuration holds.
constexpr int mainPanelValueCount = 17;

QListWidgetItem *addRow(QListWidget *list, QWidget *row, const QSize &size)
{
    auto *item = new QListWidgetItem(list);
    item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    item->setSizeHint(size);
    list->setItemWidget(item, row);
    return item;
}

QPushButton *smallButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFixedSize(20, 20);
    button->setStyleSheet(QStringLiteral("padding: 0px; margin: 0px;"));
    return button;
}

QString comboValue(const QComboBox *combo)
{
    return combo->currentIndex() <= 0 ? QStringLiteral("-") : combo->currentText();
}

bool isSelected(const QComboBox *combo)
{
    return combo->currentIndex() > 0;
}

// The selector's text, or empty while it is on its first entry (none).
QString selectedText(const QComboBox *combo)
{
    return isSelected(combo) ? combo->currentText() : QString();
}

} // namespace

PanelWidget::PanelWidget(const Catalogue *catalogue, QWidget *parent)
    : QWidget(parent), ui(new Ui::PanelWidget), catalogue(catalogue)
{
    // Typed values beyond a field's range are capped with a note, not cut.
    RangeGuard::install();
    Q_ASSERT(catalogue);
    ui->setupUi(this);
    addHelpSymbols();

    ui->idleTimeComboBox->addItems(idleTimes);
    ui->idleTimeComboBox->setCurrentIndex(0);
    ui->alarmTimeComboBox->addItems(alarmTimes);
    ui->alarmTimeComboBox->setCurrentIndex(1);
    // The battery method sits with the times it judges.
    m_batteryMethodBox = new BatteryMethodBox(this);
    ui->battAutonomyLayout->addWidget(m_batteryMethodBox, ui->battAutonomyLayout->rowCount(), 0, 1, 2);
    connect(m_batteryMethodBox, &BatteryMethodBox::methodChanged, this, &PanelWidget::setBatteryMethod);
    connect(m_batteryMethodBox, &BatteryMethodBox::applyRequested, this, &PanelWidget::applyBatterySet);
    connect(ui->idleTimeComboBox, &QComboBox::currentTextChanged, this,
            &PanelWidget::onChangeToCalculateMinimumBatteryRequired);
    connect(ui->alarmTimeComboBox, &QComboBox::currentTextChanged, this,
            &PanelWidget::onChangeToCalculateMinimumBatteryRequired);

    for (QDoubleSpinBox *spin : {ui->aux24VIdleDSpinBox, ui->aux24VAlarmDSpinBox, ui->snd1IdleDSpinBox,
                                 ui->snd1AlarmDSpinBox, ui->snd2IdleDSpinBox, ui->snd2AlarmDSpinBox}) {
        connect(spin, &QDoubleSpinBox::editingFinished, this, &PanelWidget::onPanelOutputSpinBoxValueChanged);
    }

    m_modelChangeGuard = new ModelChangeGuard(
        ui->panelComboBox,
        [this](const QString &newModel) {
            return modelChangeLoss(configuration(), loopCount, expansionBoxNames,
                                   this->catalogue->findPanel(newModel));
        },
        this);
    connect(ui->panelComboBox, &QComboBox::currentTextChanged, this,
            &PanelWidget::onPanelComboBoxValueChanged);
    for (QComboBox *combo : {ui->battComboBox, ui->additionalBatt1ComboBox, ui->additionalBatt2ComboBox})
        connect(combo, &QComboBox::currentTextChanged, this, &PanelWidget::onBattComboBoxValueChanged);
    // Connected once here; refilling the source selectors never adds a second connection.
    connect(ui->externalPowerSource1ComboBox, &QComboBox::currentTextChanged, this,
            [this] { onExternalPowerSourceChanged(1); });
    connect(ui->externalPowerSource2ComboBox, &QComboBox::currentTextChanged, this,
            [this] { onExternalPowerSourceChanged(2); });

    fillModelSelector();

    currentModelName = ui->panelComboBox->currentText();
    rebuildAuxCardList();
    rebuildExpansionBoxList();
    fillExternalPowerSourceSelectors();

    connect(ui->sndActiveSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int value) { emit soundersActiveChanged(value / 100.0); });
    connect(ui->battDegradationSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PanelWidget::onChangeToCalculateMinimumBatteryRequired);
    connect(ui->addExpansionBoxButton, &QPushButton::clicked, this,
            &PanelWidget::onAddExpansionBoxButtonClicked);
    connect(ui->resetPanelButton, &QPushButton::clicked, this, &PanelWidget::resetPanel);

    for (QComboBox *combo : {ui->externalPowerSource1ComboBox, ui->externalPowerSource2ComboBox,
                             ui->additionalBatt1ComboBox, ui->additionalBatt2ComboBox}) {
        combo->installEventFilter(this);
    }
}

PanelWidget::~PanelWidget()
{
    delete ui;
}

bool PanelWidget::isExpansionBox() const
{
    return false;
}

ModelRecord PanelWidget::modelRecord() const
{
    // No model (an empty catalogue): nothing to look up.
    if (currentModelName.isEmpty())
        return ModelRecord();
    if (isExpansionBox())
        return ModelRecord::fromExpansionBox(catalogue->findExpansionBox(currentModelName));
    return ModelRecord::fromPanel(catalogue->findPanel(currentModelName));
}

void PanelWidget::fitHeightToRows(QListWidget *list, int minimumHeight, int maximumHeight)
{
    int height = 2 * list->frameWidth() + list->spacing();
    for (int i = 0; i < list->count(); ++i)
        height += list->item(i)->sizeHint().height() + 2 * list->spacing();
    list->setFixedHeight(std::clamp(height, minimumHeight, maximumHeight));
}

// ---------------------------------------------------------------------------
// Selectors

void PanelWidget::fillModelSelector()
{
    // The first insertion selects the first panel and so runs the model change.
    for (const Panel &panel : catalogue->panels())
        ui->panelComboBox->addItem(panel.name);
}

void PanelWidget::fillBatterySelectors()
{
    const QVector<Battery> all = catalogue->batteries();
    const QVector<Battery> internal =
        PanelCalculation::internalBatteryChoices(all, modelRecord().maxBatteryCapacity);
    const QVector<Battery> sorted = PanelCalculation::sortedByCapacity(all);
    {
        // One selection change for the whole refill, not one per entry.
        const QSignalBlocker b0(ui->battComboBox);
        const QSignalBlocker b1(ui->additionalBatt1ComboBox);
        const QSignalBlocker b2(ui->additionalBatt2ComboBox);
        ui->battComboBox->clear();
        ui->battComboBox->addItem(tr("No internal battery"));
        for (const Battery &b : internal)
            ui->battComboBox->addItem(b.name);
        for (QComboBox *combo : {ui->additionalBatt1ComboBox, ui->additionalBatt2ComboBox}) {
            combo->clear();
            combo->addItem(tr("No additional battery"));
            for (const Battery &b : sorted)
                combo->addItem(b.name);
        }
    }
    ui->additionalBatt1ComboBox->setEnabled(isSelected(ui->externalPowerSource1ComboBox));
    ui->additionalBatt2ComboBox->setEnabled(isSelected(ui->externalPowerSource2ComboBox));
    onBattComboBoxValueChanged();
}

void PanelWidget::fillExternalPowerSourceSelectors()
{
    {
        const QSignalBlocker b1(ui->externalPowerSource1ComboBox);
        const QSignalBlocker b2(ui->externalPowerSource2ComboBox);
        for (QComboBox *combo : {ui->externalPowerSource1ComboBox, ui->externalPowerSource2ComboBox}) {
            combo->clear();
            combo->addItem(tr("No external power source"));
            for (const ExternalPowerSource &source : catalogue->externalPowerSources())
                combo->addItem(source.name);
            combo->setEnabled(externalPowerSourcesEnabled);
        }
    }
    onExternalPowerSourceChanged(1);
    onExternalPowerSourceChanged(2);
}

void PanelWidget::onExternalPowerSourceChanged(int n)
{
    QComboBox *source = n == 1 ? ui->externalPowerSource1ComboBox : ui->externalPowerSource2ComboBox;
    QComboBox *battery = n == 1 ? ui->additionalBatt1ComboBox : ui->additionalBatt2ComboBox;
    if (isSelected(source)) {
        battery->setEnabled(true);
    } else {
        battery->setEnabled(false);
        battery->setCurrentIndex(0);
    }
    refreshExternalPowerNotes();
}

void PanelWidget::selectValue(QComboBox *combo, const QString &value)
{
    if (value == QLatin1String("-")) {
        combo->setCurrentIndex(0);
        return;
    }
    const int index = combo->findText(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

// ---------------------------------------------------------------------------
// Model, cards and loops

void PanelWidget::onPanelComboBoxValueChanged(const QString &panelName)
{
    if (m_modelChangeGuard && !m_modelChangeGuard->allows(currentModelName, panelName))
        return;
    currentModelName = panelName;
    fillBatterySelectors();

    externalPowerSourcesEnabled = false;
    ui->externalPowerSource1ComboBox->setEnabled(false);
    ui->externalPowerSource2ComboBox->setEnabled(false);
    ui->externalPowerSource1ComboBox->setCurrentIndex(0);
    ui->externalPowerSource2ComboBox->setCurrentIndex(0);
    refreshExternalPowerNotes();

    zepInstalled = false;
    loopCardCount = 0;

    removeAllExpansionBoxes();

    rebuildExpansionBoxList();
    rebuildAuxCardList();
    rebuildLoopList();
    refreshTotals(); // ends with the power load status

    emit panelChanged(panelName);
}

void PanelWidget::removeAllExpansionBoxes()
{
    // One by one, as the user's "Remove" does, so every box's page goes too.
    const QStringList names = expansionBoxNames;
    for (const QString &name : names)
        onRemoveExpansionBox(name);
    expansionBoxNames.clear();
}

void PanelWidget::rebuildAuxCardList()
{
    // A rebuilt list shows every one-only card unchecked.
    zepInstalled = false;
    cardRows.clear();
    QListWidget *list = ui->auxCardsListWidget;
    list->clear();

    for (const AuxiliaryCard &card : catalogue->compatibleAuxiliaryCards(currentModelName)) {
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(20, 0, 20, 0);
        layout->setSpacing(cardRowSpacing);

        CardRowWidgets widgets;
        widgets.loopCard = PanelCalculation::isLoopCard(card.name);
        widgets.nameLabel = new QLabel(card.name, row);
        widgets.nameLabel->setObjectName(QStringLiteral("auxCardNameLabel"));
        // What the card does, from the device descriptions.
        const QByteArray cardKey = card.name.toUtf8();
        const QString what = QCoreApplication::translate("DeviceDescriptions", cardKey.constData());
        if (what != card.name)
            widgets.nameLabel->setToolTip(what);

        if (widgets.loopCard) {
            widgets.removeButton =
                smallButton(QStringLiteral("-"), QStringLiteral("auxCardRemoveButton"), row);
            widgets.countLabel = new QLabel(QString::number(loopCardCount), row);
            widgets.countLabel->setObjectName(QStringLiteral("auxCardCountLabel"));
            widgets.countLabel->setAlignment(Qt::AlignCenter);
            widgets.countLabel->setFixedWidth(30);
            widgets.addButton = smallButton(QStringLiteral("+"), QStringLiteral("auxCardAddButton"), row);
            layout->addWidget(widgets.removeButton);
            layout->addWidget(widgets.countLabel);
            layout->addWidget(widgets.addButton);
            layout->addSpacerItem(new QSpacerItem(cardNameIndent - loopCardControlsWidth, 0,
                                                  QSizePolicy::Minimum, QSizePolicy::Minimum));
            connect(widgets.addButton, &QPushButton::clicked, this, [this] { changeLoopCards(+1); });
            connect(widgets.removeButton, &QPushButton::clicked, this, [this] { changeLoopCards(-1); });
            for (QWidget *w :
                 {static_cast<QWidget *>(widgets.removeButton), static_cast<QWidget *>(widgets.addButton),
                  static_cast<QWidget *>(widgets.countLabel)}) {
                setTransparent(w);
            }
        } else {
            QCheckBox *box = new QCheckBox(row);
            box->setObjectName(QStringLiteral("auxCardCheckBox"));
            widgets.checkBox = box;
            layout->addWidget(box);
            const int indent = std::max(65, cardNameIndent - box->sizeHint().width());
            layout->addSpacerItem(new QSpacerItem(indent, 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
            if (PanelCalculation::isPowerCard(card.name)) {
                box->setChecked(externalPowerSourcesEnabled);
                connect(box, &QCheckBox::stateChanged, this, [this](int state) {
                    onEnableOrDisableExternalPowerSources(state);
                    refreshTotals();
                });
            } else if (card.onlyOne) {
                connect(box, &QCheckBox::stateChanged, this, [this, box](int state) {
                    onEnableOrDisableZEP(box, state);
                    refreshTotals();
                });
            } else {
                connect(box, &QCheckBox::stateChanged, this, [this] { refreshTotals(); });
            }
            setTransparent(box);
        }
        layout->addWidget(widgets.nameLabel);
        layout->addStretch(1);
        setTransparent(widgets.nameLabel);
        setTransparent(row);

        addRow(list, row, row->sizeHint());
        cardRows.append(widgets);
    }
    fitHeightToRows(list, emptyListHeight);
    updateLoopCardRows();
}

void PanelWidget::updateLoopCardRows()
{
    const bool anyLoopCard = std::any_of(cardRows.cbegin(), cardRows.cend(),
                                         [](const CardRowWidgets &row) { return row.loopCard; });
    if (!anyLoopCard)
        return;
    const ModelRecord model = modelRecord();
    const int maxCards = PanelCalculation::maxLoopCards(model.baseLoops, model.maxLoops);
    for (const CardRowWidgets &row : qAsConst(cardRows)) {
        if (!row.loopCard)
            continue;
        row.countLabel->setText(QString::number(loopCardCount));
        row.addButton->setEnabled(loopCardCount < maxCards);
        row.removeButton->setEnabled(loopCardCount > 0);
    }
}

void PanelWidget::changeLoopCards(int delta)
{
    const ModelRecord model = modelRecord();
    const int next = loopCardCount + delta;
    if (next < 0 || next > PanelCalculation::maxLoopCards(model.baseLoops, model.maxLoops))
        return;
    loopCardCount = next;
    updateLoopCardRows();
    rebuildLoopList();
    refreshTotals();
}

void PanelWidget::onEnableOrDisableExternalPowerSources(int state)
{
    const bool enable = state == Qt::Checked;
    externalPowerSourcesEnabled = enable;
    ui->externalPowerSource1ComboBox->setEnabled(enable);
    ui->externalPowerSource2ComboBox->setEnabled(enable);
    if (!enable) {
        // Each source falling back to none also takes its additional battery with it.
        ui->externalPowerSource1ComboBox->setCurrentIndex(0);
        ui->externalPowerSource2ComboBox->setCurrentIndex(0);
    }
    refreshExternalPowerNotes();
}

void PanelWidget::onEnableOrDisableZEP(QCheckBox *checkbox, int state)
{
    if (state != Qt::Checked) {
        zepInstalled = false;
        return;
    }
    if (!zepInstalled) {
        zepInstalled = true;
        return;
    }
    // A second one-only card: undo the check once this change has been processed.
    QPointer<QCheckBox> box(checkbox);
    QTimer::singleShot(0, this, [this, box] {
        if (!box)
            return;
        {
            const QSignalBlocker blocker(box);
            box->setChecked(false);
        }
        refreshTotals();
        showToolTip(box,
                    tr("ZEP card already inserted.\nTo insert a new one, please remove the old one first."),
                    QPoint(0, box->height()), hintDurationMs);
    });
}

void PanelWidget::rebuildLoopList()
{
    loopCount = std::max(0, PanelCalculation::loopCount(modelRecord().baseLoops, loopCardCount));
    while (loopCurrents.size() < loopCount)
        loopCurrents.append(CurrentPair());
    while (loopFaults.size() < loopCount)
        loopFaults.append(false);

    loopRows.clear();
    QListWidget *list = ui->individualLoopCurrentsList;
    list->clear();
    for (int i = 1; i <= loopCount; ++i) {
        auto *row = new QWidget;
        row->setObjectName(QStringLiteral("listItem"));
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(12, 10, 0, 10);

        auto *loopLabel = new QLabel(tr("Loop ") + QString::number(i), row);
        loopLabel->setObjectName(QStringLiteral("loopLabel"));
        auto *idleLabel = new QLabel(Display::amperes(loopCurrents.at(i - 1).idle), row);
        idleLabel->setObjectName(QStringLiteral("idleCurrentLabel"));
        auto *alarmLabel = new QLabel(Display::amperes(loopCurrents.at(i - 1).alarm), row);
        alarmLabel->setObjectName(QStringLiteral("alarmCurrentLabel"));
        // Equal thirds, whatever the texts, keep the columns under their headers.
        for (QLabel *label : {loopLabel, idleLabel, alarmLabel}) {
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            layout->addWidget(label, 1);
        }

        setFault(row, loopFaults.at(i - 1));
        for (QWidget *w : {row, static_cast<QWidget *>(loopLabel), static_cast<QWidget *>(idleLabel),
                           static_cast<QWidget *>(alarmLabel)}) {
            setTransparent(w);
        }
        layout->activate();
        addRow(list, row, row->sizeHint() + QSize(0, 5));
        loopRows.append({row, idleLabel, alarmLabel});
        row->setToolTip(FigureExplanations::panelLoopRow(
            i, loopCurrents.at(i - 1).idle / PanelCalculation::loopCurrentFactor,
            loopCurrents.at(i - 1).alarm / PanelCalculation::loopCurrentFactor));
    }
    fitHeightToRows(list, emptyListHeight);
    emit loopsChanged(loopCount);
}

bool PanelWidget::addLoopCards(int extraLoops)
{
    if (extraLoops < 0)
        return false;
    // The selector shows currentModelName; the record is the box's own for a box.
    if (modelRecord().maxLoops < extraLoops + loopCount)
        return false;
    loopCardCount += extraLoops / 2;
    zepInstalled = false;
    rebuildAuxCardList();
    rebuildLoopList();
    refreshTotals();
    return true;
}

// ---------------------------------------------------------------------------
// Loops reporting

void PanelWidget::onUpdateLoopCurrents(int loop, double idleCurrent, double alarmCurrent)
{
    if (loop < 0)
        return;
    // A hidden loop may still report (its settings stay live); keep its latest
    // figures so they are right when it comes back.
    while (loopCurrents.size() <= loop)
        loopCurrents.append(CurrentPair());
    const CurrentPair scaled = PanelCalculation::scaledLoopCurrents(idleCurrent, alarmCurrent);
    loopCurrents[loop] = scaled;
    if (loop < loopRows.size()) {
        loopRows.at(loop).idleLabel->setText(Display::amperes(scaled.idle));
        loopRows.at(loop).alarmLabel->setText(Display::amperes(scaled.alarm));
        loopRows.at(loop).row->setToolTip(FigureExplanations::panelLoopRow(loop + 1, idleCurrent, alarmCurrent));
    }
    refreshTotals();
}

void PanelWidget::onLoopFaultChanged(int loop, bool hasFault)
{
    if (loop < 0)
        return;
    while (loopFaults.size() <= loop)
        loopFaults.append(false);
    loopFaults[loop] = hasFault;
    if (loop < loopRows.size())
        setFault(loopRows.at(loop).row, hasFault);
    emitFaultState();
}

// ---------------------------------------------------------------------------
// Expansion boxes

void PanelWidget::rebuildExpansionBoxList()
{
    expansionBoxRows.clear();
    QListWidget *list = ui->expansionBoxesListWidget;
    list->clear();

    // A box editor has no boxes of its own, and without a model there is
    // nothing to look up.
    const int max = isExpansionBox() || currentModelName.isEmpty()
                        ? 0
                        : catalogue->findPanel(currentModelName).maxExpansionBoxes;
    const int n = expansionBoxNames.size();
    ui->addExpansionBoxButton->setEnabled(n < max);
    ui->addExpansionBoxButton->setText(tr("Add expansion box (%1/%2)").arg(n).arg(max));
    // A disabled button says why; the wrapper shows the tip while disabled.
    ui->addExpansionBoxButton->setToolTip(FigureExplanations::addExpansionBoxDisabled(n, max));

    for (const QString &name : qAsConst(expansionBoxNames)) {
        auto *row = new QWidget;
        row->setObjectName(QStringLiteral("listItem"));
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(20, 0, 20, 0);

        ExpansionBoxRowWidgets widgets;
        widgets.row = row;
        widgets.nameLabel = new QLabel(name, row);
        widgets.nameLabel->setObjectName(QStringLiteral("expansionBoxNameLabel"));
        widgets.statusLabel = new QLabel(row);
        widgets.statusLabel->setObjectName(QStringLiteral("expansionBoxStatusLabel"));
        widgets.statusLabel->setContentsMargins(20, 0, 20, 0);
        auto *removeButton = new QPushButton(tr("Remove"), row);
        removeButton->setObjectName(QStringLiteral("expansionBoxRemoveButton"));
        removeButton->setFixedSize(80, 25);
        removeButton->setStyleSheet(QStringLiteral("padding: 0px; margin: 0px; font-size: 14px;"));
        // The row (and this button) is deleted later by the list, not while
        // the click is still being delivered.
        connect(removeButton, &QPushButton::clicked, this, [this, name] { onRemoveExpansionBox(name); });

        layout->addWidget(widgets.nameLabel);
        layout->addStretch(1);
        layout->addWidget(widgets.statusLabel);
        layout->addWidget(removeButton);

        for (QWidget *w :
             {row, static_cast<QWidget *>(widgets.nameLabel), static_cast<QWidget *>(widgets.statusLabel)}) {
            setTransparent(w);
        }
        showExpansionBoxStatus(widgets, expansionBoxFaults.value(name).any());

        // A little air around the 25 px button, as the loop rows have.
        layout->activate();
        addRow(list, row, row->sizeHint() + QSize(0, expansionBoxRowPadding));
        expansionBoxRows.append(widgets);
    }
    fitHeightToRows(list, emptyListHeight, expansionBoxListMaxHeight);
}

void PanelWidget::showExpansionBoxStatus(const ExpansionBoxRowWidgets &row, bool faulty)
{
    row.statusLabel->setText(faulty ? tr("FAULT") : tr("OK"));
    row.statusLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(faulty ? QStringLiteral("red") : QStringLiteral("green")));
    setFault(row.row, faulty);
}

void PanelWidget::setExpansionBoxNames(const QStringList &names)
{
    expansionBoxNames = names;
    rebuildExpansionBoxList();
}

void PanelWidget::onAddExpansionBoxButtonClicked()
{
    QStringList candidates;
    for (const ExpansionBox &box : catalogue->compatibleExpansionBoxes(currentModelName))
        candidates << box.name;
    if (candidates.isEmpty()) {
        showToolTip(ui->addExpansionBoxButton, tr("No compatible expansion boxes available for this panel."),
                    QPoint(0, ui->addExpansionBoxButton->height()), hintDurationMs);
        return;
    }

    QPointer<PanelWidget> self(this);
    const QString baseName = selectExpansionBox(candidates);
    // The editor may have gone while the dialog was open (its page was rebuilt).
    if (!self || baseName.isEmpty())
        return;

    const QString displayName = BoxNames::next(baseName, expansionBoxNames);
    expansionBoxNames.append(displayName);
    rebuildExpansionBoxList();
    emit expansionBoxAdded(baseName, displayName);
}

QString PanelWidget::selectExpansionBox(const QStringList &candidates)
{
    // On the heap: if the editor is destroyed during exec(), the dialog goes
    // with it and must not be destroyed a second time here.
    QPointer<QDialog> dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("selectExpansionBoxDialog"));
    dialog->setWindowTitle(tr("Select Expansion Box"));
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog->setMinimumSize(300, 150);

    auto *layout = new QVBoxLayout(dialog);
    auto *label = new QLabel(tr("Select an expansion box:"), dialog);
    auto *combo = new QComboBox(dialog);
    combo->setObjectName(QStringLiteral("expansionBoxComboBox"));
    combo->addItems(candidates);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("expansionBoxButtonBox"));
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(combo);
    layout->addStretch(1);
    layout->addWidget(buttons);

    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return QString();
    const QString chosen = accepted ? combo->currentText() : QString();
    delete dialog;
    return chosen;
}

void PanelWidget::onRemoveExpansionBox(const QString &expansionBoxName)
{
    expansionBoxNames.removeOne(expansionBoxName);
    rebuildExpansionBoxList();
    emit expansionBoxRemoved(expansionBoxName);
}

void PanelWidget::onExpansionBoxFaultChanged(const QString &expansionBoxName, bool hasBatteryFault,
                                             bool hasPowerLoadFault, bool hasLoopFault)
{
    PanelMessages::FaultFlags flags;
    flags.hasBatteryFault = hasBatteryFault;
    flags.hasPowerLoadFault = hasPowerLoadFault;
    flags.hasLoopFault = hasLoopFault;
    expansionBoxFaults.insert(expansionBoxName, flags);
    for (const ExpansionBoxRowWidgets &row : qAsConst(expansionBoxRows)) {
        if (row.nameLabel->text() == expansionBoxName)
            showExpansionBoxStatus(row, flags.any());
    }
}

// ---------------------------------------------------------------------------
// Output currents

void PanelWidget::onPanelOutputSpinBoxValueChanged()
{
    auto *edited = qobject_cast<QDoubleSpinBox *>(sender());
    if (!edited)
        return;
    struct Output {
        QDoubleSpinBox *idle;
        QDoubleSpinBox *alarm;
    };
    const Output outputs[] = {{ui->aux24VIdleDSpinBox, ui->aux24VAlarmDSpinBox},
                              {ui->snd1IdleDSpinBox, ui->snd1AlarmDSpinBox},
                              {ui->snd2IdleDSpinBox, ui->snd2AlarmDSpinBox}};
    for (const Output &output : outputs) {
        if (edited != output.idle && edited != output.alarm)
            continue;
        const bool editedIdle = edited == output.idle;
        const PanelCalculation::OutputCorrection c =
            PanelCalculation::correctOutput(output.idle->value(), output.alarm->value(), editedIdle);
        if (c.clamped) {
            {
                const QSignalBlocker blocker(edited);
                edited->setValue(PanelCalculation::outputFuseLimit);
            }
            // The limit is fixed, so the joined text is one translatable source text.
            showToolTip(edited, tr("Value too high!\nLimited to 0.5000 A by the fuse."),
                        QPoint(0, edited->height()), limitDurationMs);
        }
        using Adjusted = PanelCalculation::OutputCorrection::Adjusted;
        if (c.adjusted == Adjusted::AlarmRaised) {
            {
                const QSignalBlocker blocker(output.alarm);
                output.alarm->setValue(c.alarm);
            }
            showToolTip(output.alarm, tr("Alarm value adjusted to match idle current."),
                        QPoint(0, output.alarm->height()), limitDurationMs);
        } else if (c.adjusted == Adjusted::IdleLowered) {
            {
                const QSignalBlocker blocker(output.idle);
                output.idle->setValue(c.idle);
            }
            showToolTip(output.idle, tr("Idle value adjusted to match alarm current."),
                        QPoint(0, output.idle->height()), limitDurationMs);
        }
        break;
    }
    refreshTotals();
}

// ---------------------------------------------------------------------------
// Figures

void PanelWidget::refreshTotals()
{
    const PanelCalculation::CurrentPair total = PanelEvaluation::totals(input(), modelRecord(), *catalogue);
    m_figures.totalIdleCurrent = total.idle;
    m_figures.totalAlarmCurrent = total.alarm;
    ui->totalIdleCurrentValueLabel->setText(Display::amperes(total.idle));
    ui->totalAlarmCurrentValueLabel->setText(Display::amperes(total.alarm));

    onChangeToCalculateMinimumBatteryRequired();
    refreshPowerLoadStatus();
}

void PanelWidget::onChangeToCalculateMinimumBatteryRequired()
{
    m_figures.minimumBatteryRequired =
        PanelEvaluation::sizeBattery(m_batteryMethod, configuration(), m_figures.totalIdleCurrent,
                                       m_figures.totalAlarmCurrent)
            .requiredCapacity;
    ui->minBattRequiredValueLabel->setText(Display::ampereHours(m_figures.minimumBatteryRequired));
    refreshBatteryStatus();
}

void PanelWidget::onBattComboBoxValueChanged()
{
    m_figures.selectedTotalBattery = PanelEvaluation::selectedTotalBattery(configuration(), *catalogue);
    ui->currentSelectedBattValueLabel->setText(Display::ampereHours(m_figures.selectedTotalBattery));
    refreshBatteryStatus();
    refreshExternalPowerNotes();
}

// ---------------------------------------------------------------------------
// Status texts and flags

PanelConfig PanelWidget::configuration() const
{
    PanelConfig c;
    c.expansionBox = isExpansionBox();
    c.model = modelName();
    c.internalBattery = selectedText(ui->battComboBox);
    if (!c.expansionBox) {
        c.outputs.aux24VIdle = ui->aux24VIdleDSpinBox->value();
        c.outputs.aux24VAlarm = ui->aux24VAlarmDSpinBox->value();
        c.outputs.snd1Idle = ui->snd1IdleDSpinBox->value();
        c.outputs.snd1Alarm = ui->snd1AlarmDSpinBox->value();
        c.outputs.snd2Idle = ui->snd2IdleDSpinBox->value();
        c.outputs.snd2Alarm = ui->snd2AlarmDSpinBox->value();
    }
    c.cards = installedCards();
    c.source1 = selectedText(ui->externalPowerSource1ComboBox);
    c.battery1 = selectedText(ui->additionalBatt1ComboBox);
    c.source2 = selectedText(ui->externalPowerSource2ComboBox);
    c.battery2 = selectedText(ui->additionalBatt2ComboBox);
    c.batteryDegradation = batteryDegradation();
    c.soundersActive = soundersActive();
    c.idleTime = idleTime();
    c.alarmTime = alarmTime();
    return c;
}

PanelInput PanelWidget::input() const
{
    PanelInput in;
    in.config = configuration();
    in.loopCount = loopCount;
    in.externalPowerSourcesEnabled = externalPowerSourcesEnabled;
    in.loopCurrents = loopCurrents;
    in.loopFaults = loopFaults;
    in.batteryMethod = m_batteryMethod;
    return in;
}

void PanelWidget::setDocument(DesignDocument *document, const QString &boxName)
{
    m_batteryMethodBox->setDocument(document, boxName);
}

void PanelWidget::setBatteryMethod(BatteryMethod method)
{
    if (method == m_batteryMethod)
        return;
    m_batteryMethod = method;
    onChangeToCalculateMinimumBatteryRequired();
}

void PanelWidget::applyBatterySet(const BatterySizing::BatterySet &set)
{
    const auto orNone = [](const QString &name) { return name.isEmpty() ? QStringLiteral("-") : name; };
    selectValue(ui->battComboBox, orNone(set.internalBattery));
    selectValue(ui->additionalBatt1ComboBox, orNone(set.battery1));
    selectValue(ui->additionalBatt2ComboBox, orNone(set.battery2));
}

PanelEvaluation PanelWidget::evaluation() const
{
    return PanelEvaluation::evaluate(input(), *catalogue);
}

PanelMessages::PanelState PanelWidget::panelState() const
{
    return PanelEvaluation::state(input(), modelRecord(), m_figures, *catalogue);
}

void PanelWidget::refreshBatteryStatus()
{
    const PanelMessages::BatteryStatus status = PanelMessages::batteryStatus(panelState());
    ui->battStatusLabel->setText(status.text);
    setFault(ui->currentSelectedBattValueLabel, status.fault);
    setFault(ui->battStatusLabel, status.fault);
    emitFaultState();
}

void PanelWidget::refreshPowerLoadStatus()
{
    const PanelMessages::PowerLoadStatus status = PanelMessages::powerLoadStatus(panelState());
    ui->totalPwrLoadStatusLabel->setText(status.text);
    if (status.noLoops) {
        // Without loops the total is not judged; an overload mark of the
        // loops that were there before must not stay behind.
        setFault(ui->totalAlarmCurrentValueLabel, false);
        setFault(ui->totalPwrLoadStatusLabel, true);
        return;
    }
    setFault(ui->totalAlarmCurrentValueLabel, status.overload);
    setFault(ui->totalPwrLoadStatusLabel, status.overload);
    emitFaultState();
}

void PanelWidget::refreshExternalPowerNotes()
{
    ui->externalPowerSourceInfoNotesLabel->setText(PanelMessages::externalPowerNotes(panelState()));
}

void PanelWidget::emitFaultState()
{
    const PanelMessages::FaultFlags flags = computeFaultFlags();
    emit faultStateChanged(flags.hasBatteryFault, flags.hasPowerLoadFault, flags.hasLoopFault);
}

PanelMessages::FaultFlags PanelWidget::computeFaultFlags() const
{
    return PanelMessages::faultFlags(panelState());
}

QString PanelWidget::powerReportNotes() const
{
    return PanelMessages::powerReportNotes(panelState());
}

QString PanelWidget::externalPowerReportNotes() const
{
    return PanelMessages::externalPowerReportNotes(panelState());
}

// ---------------------------------------------------------------------------
// Reset and configuration exchange

void PanelWidget::resetPanel()
{
    const QString text = tr(
        "Are you sure you want to reset all panel values to default? This will restore battery settings, "
        "auxiliary cards, and external power source configurations.\nLoop and expansion box configurations "
        "will remain unchanged and can be reset separately if needed.");
    if (MessageBox::question(this, tr("Reset Panel Values"), text) != QMessageBox::Yes)
        return;

    ui->battComboBox->setCurrentIndex(0);
    ui->aux24VAlarmDSpinBox->setValue(0);
    ui->aux24VIdleDSpinBox->setValue(0);
    ui->snd1AlarmDSpinBox->setValue(0);
    ui->snd1IdleDSpinBox->setValue(0);
    ui->snd2AlarmDSpinBox->setValue(0);
    ui->snd2IdleDSpinBox->setValue(0);
    ui->battDegradationSpinBox->setValue(20);
    ui->sndActiveSpinBox->setValue(100);
    ui->idleTimeComboBox->setCurrentIndex(0);
    ui->alarmTimeComboBox->setCurrentIndex(1);

    loopCardCount = 0;
    zepInstalled = false;
    externalPowerSourcesEnabled = false;
    ui->externalPowerSource1ComboBox->setEnabled(false);
    ui->externalPowerSource2ComboBox->setEnabled(false);
    ui->externalPowerSource1ComboBox->setCurrentIndex(0);
    ui->externalPowerSource2ComboBox->setCurrentIndex(0);
    refreshExternalPowerNotes();

    rebuildAuxCardList();
    rebuildLoopList();
    refreshTotals();

    ui->externalPowerSource1ComboBox->setCurrentIndex(0);
    ui->additionalBatt1ComboBox->setCurrentIndex(0);
    ui->externalPowerSource2ComboBox->setCurrentIndex(0);
    ui->additionalBatt2ComboBox->setCurrentIndex(0);
}

void PanelWidget::applyConfiguration(const QStringList &values)
{
    if (values.size() < mainPanelValueCount) {
        // Indexing past the end would crash; a short list changes nothing.
        qWarning().noquote() << "Panel configuration needs 17 values, got" << values.size();
        return;
    }
    selectValue(ui->panelComboBox, values.at(0));
    fillBatterySelectors();
    applyInternalBattery(values.at(1));

    ui->aux24VAlarmDSpinBox->setValue(values.at(2).toDouble());
    ui->aux24VIdleDSpinBox->setValue(values.at(3).toDouble());
    ui->snd1AlarmDSpinBox->setValue(values.at(4).toDouble());
    ui->snd1IdleDSpinBox->setValue(values.at(5).toDouble());
    ui->snd2AlarmDSpinBox->setValue(values.at(6).toDouble());
    ui->snd2IdleDSpinBox->setValue(values.at(7).toDouble());

    applyCards(values.at(8));
    rebuildLoopList();
    refreshTotals();

    applyExternalPower(values.at(9), values.at(10), values.at(11), values.at(12));
    applyAdvancedSettings(values.at(13), values.at(14), values.at(15), values.at(16));
}

void PanelWidget::applyInternalBattery(const QString &value)
{
    selectValue(ui->battComboBox, value);
}

void PanelWidget::applyCards(const QString &value)
{
    const QStringList entries = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    zepInstalled = false;
    loopCardCount = 0;
    for (const QString &entry : entries) {
        if (PanelCalculation::isLoopCard(entry))
            ++loopCardCount;
    }
    rebuildAuxCardList();
    // The check boxes react as if clicked, so the power card enables the
    // sources before they are set.
    for (const CardRowWidgets &row : qAsConst(cardRows)) {
        if (!row.loopCard)
            row.checkBox->setChecked(entries.contains(row.nameLabel->text()));
    }
}

void PanelWidget::applyExternalPower(const QString &source1, const QString &battery1, const QString &source2,
                                     const QString &battery2)
{
    selectValue(ui->externalPowerSource1ComboBox, source1);
    selectValue(ui->additionalBatt1ComboBox, battery1);
    selectValue(ui->externalPowerSource2ComboBox, source2);
    selectValue(ui->additionalBatt2ComboBox, battery2);
}

void PanelWidget::applyAdvancedSettings(const QString &degradation, const QString &soundersActive,
                                        const QString &idleTime, const QString &alarmTime)
{
    ui->battDegradationSpinBox->setValue(int(degradation.toDouble()));
    ui->sndActiveSpinBox->setValue(int(soundersActive.toDouble()));
    selectValue(ui->idleTimeComboBox, idleTime);
    selectValue(ui->alarmTimeComboBox, alarmTime);
}

// ---------------------------------------------------------------------------
// Read-back

QString PanelWidget::modelName() const
{
    return ui->panelComboBox->currentText();
}

QString PanelWidget::internalBattery() const
{
    return comboValue(ui->battComboBox);
}

double PanelWidget::aux24VAlarmCurrent() const
{
    return ui->aux24VAlarmDSpinBox->value();
}

double PanelWidget::aux24VIdleCurrent() const
{
    return ui->aux24VIdleDSpinBox->value();
}

double PanelWidget::sounder1AlarmCurrent() const
{
    return ui->snd1AlarmDSpinBox->value();
}

double PanelWidget::sounder1IdleCurrent() const
{
    return ui->snd1IdleDSpinBox->value();
}

double PanelWidget::sounder2AlarmCurrent() const
{
    return ui->snd2AlarmDSpinBox->value();
}

double PanelWidget::sounder2IdleCurrent() const
{
    return ui->snd2IdleDSpinBox->value();
}

QStringList PanelWidget::installedCards() const
{
    QStringList cards;
    for (const CardRowWidgets &row : cardRows) {
        if (row.loopCard) {
            for (int i = 0; i < loopCardCount; ++i)
                cards << row.nameLabel->text();
        } else if (row.checkBox->isChecked()) {
            cards << row.nameLabel->text();
        }
    }
    return cards;
}

QString PanelWidget::externalPowerSource1() const
{
    return comboValue(ui->externalPowerSource1ComboBox);
}

QString PanelWidget::additionalBattery1() const
{
    return comboValue(ui->additionalBatt1ComboBox);
}

QString PanelWidget::externalPowerSource2() const
{
    return comboValue(ui->externalPowerSource2ComboBox);
}

QString PanelWidget::additionalBattery2() const
{
    return comboValue(ui->additionalBatt2ComboBox);
}

int PanelWidget::batteryDegradation() const
{
    return ui->battDegradationSpinBox->value();
}

int PanelWidget::soundersActive() const
{
    return ui->sndActiveSpinBox->value();
}

QString PanelWidget::idleTime() const
{
    return ui->idleTimeComboBox->currentText();
}

QString PanelWidget::alarmTime() const
{
    return ui->alarmTimeComboBox->currentText();
}

double PanelWidget::totalIdleCurrent() const
{
    return m_figures.totalIdleCurrent;
}

double PanelWidget::totalAlarmCurrent() const
{
    return m_figures.totalAlarmCurrent;
}

double PanelWidget::minimumBatteryRequired() const
{
    return m_figures.minimumBatteryRequired;
}

double PanelWidget::selectedTotalBattery() const
{
    return m_figures.selectedTotalBattery;
}

// ---------------------------------------------------------------------------
// Disabled selectors explain themselves

bool PanelWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *combo = qobject_cast<QComboBox *>(watched);
        if (combo && !combo->isEnabled()) {
            QString hint;
            if (combo == ui->externalPowerSource1ComboBox || combo == ui->externalPowerSource2ComboBox)
                hint = tr("Install ORN-PSLINK auxiliary card to add external power sources.");
            else if (combo == ui->additionalBatt1ComboBox || combo == ui->additionalBatt2ComboBox)
                hint = tr("Select an external power source to enable this battery.");
            if (!hint.isEmpty()) {
                showToolTip(combo, hint, QPoint(0, combo->height()), hintDurationMs);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Language

void PanelWidget::addHelpSymbols()
{
    addHelpSymbol(ui->battDegradationLabel,
                  tr("Percentage of battery capacity no longer available.\nThe older the battery, the more "
                     "degraded it becomes and the less actual capacity it has."));
    addHelpSymbol(
        ui->sndActiveLabel,
        tr("Percentage of sounders that are estimated to be active at the same time.\nPlease note that "
           "under certain circumstances, such as an evacuation protocol, ALL sounders should be "
           "active."));
}

void PanelWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PanelWidget::retranslate()
{
    ui->retranslateUi(this);
    addHelpSymbols();
    {
        // New words for the "none" entries, not a new choice.
        const QSignalBlocker b0(ui->battComboBox);
        const QSignalBlocker b1(ui->additionalBatt1ComboBox);
        const QSignalBlocker b2(ui->additionalBatt2ComboBox);
        const QSignalBlocker b3(ui->externalPowerSource1ComboBox);
        const QSignalBlocker b4(ui->externalPowerSource2ComboBox);
        const auto none = [](QComboBox *combo, const QString &text) {
            if (combo->count() > 0)
                combo->setItemText(0, text);
        };
        none(ui->battComboBox, tr("No internal battery"));
        none(ui->additionalBatt1ComboBox, tr("No additional battery"));
        none(ui->additionalBatt2ComboBox, tr("No additional battery"));
        none(ui->externalPowerSource1ComboBox, tr("No external power source"));
        none(ui->externalPowerSource2ComboBox, tr("No external power source"));
    }
    for (const CardRowWidgets &row : qAsConst(cardRows)) {
        const QByteArray key = row.nameLabel->text().toUtf8();
        const QString what = QCoreApplication::translate("DeviceDescriptions", key.constData());
        row.nameLabel->setToolTip(what != row.nameLabel->text() ? what : QString());
    }
    for (int i = 0; i < loopRows.size(); ++i) {
        if (auto *label = loopRows.at(i).row->findChild<QLabel *>(QStringLiteral("loopLabel")))
            label->setText(tr("Loop ") + QString::number(i + 1));
        loopRows.at(i).row->setToolTip(FigureExplanations::panelLoopRow(
            i + 1, loopCurrents.value(i).idle / PanelCalculation::loopCurrentFactor,
            loopCurrents.value(i).alarm / PanelCalculation::loopCurrentFactor));
    }
    rebuildExpansionBoxList();
    // The figures the form put back to their placeholders, and the messages.
    onBattComboBoxValueChanged();
    refreshTotals();
}

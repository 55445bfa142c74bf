#include "loop/loopwidget.h"
#include "ui_loopwidget.h"

#include "catalogue/catalogue.h"
#include "catalogue/devicecategories.h"
#include "catalogue/displayformat.h"
#include "loop/detailedviewwidget.h"
#include "loop/devicefilter.h"
#include "loop/figureexplanations.h"
#include "loop/figurewidth.h"
#include "widgets/rangeguard.h"
#include "widgets/messagebox.h"
#include "widgets/widgetfunctions.h"

#include <limits>

#include <QEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
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

// Tree items remember the category (and subcategory) they count, so the
// counter never has to be parsed back out of the item text.
constexpr int CategoryRole = Qt::UserRole;
constexpr int SubcategoryRole = Qt::UserRole + 1;

// Re-polishing is what makes a mark visible, and it is costly: only do it
// when the mark really changes.
void mark(QWidget *widget, bool fault)
{
    const QVariant current = widget->property("fault");
    if (!current.isValid() || current.toBool() != fault)
        setFault(widget, fault);
}

QTreeWidgetItem *headerItem(const QString &text, const QString &category, const QString &subcategory)
{
    auto *item = new QTreeWidgetItem(QStringList(text));
    QFont font = item->font(0);
    font.setWeight(QFont::Bold);
    item->setFont(0, font);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(0, CategoryRole, category);
    item->setData(0, SubcategoryRole, subcategory);
    return item;
}

} // namespace

LoopWidget::LoopWidget(const Catalogue *catalogue, QWidget *parent)
    : QWidget(parent), ui(new Ui::LoopWidget), m_catalogue(catalogue)
{
    // Typed values beyond a field's range are capped with a note, not cut.
    RangeGuard::install();
    // The form lives on a page inside a scroll area, so that a small screen
    // scrolls the tab instead of cutting it off.
    setObjectName(QStringLiteral("LoopWidget"));
    auto *page = new QWidget;
    m_page = page;
    page->setObjectName(QStringLiteral("loopPage"));
    ui->setupUi(page);
    setWindowTitle(page->windowTitle());
    auto *scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("loopScrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(page);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollArea);
    setAcceptDrops(true);
    // The boxes were polished when their scroll areas took them, before the
    // form gave them their labelType; polish them again so the style applies.
    for (QWidget *box : {static_cast<QWidget *>(ui->faultsLabel), static_cast<QWidget *>(ui->notesLabel)}) {
        box->style()->unpolish(box);
        box->style()->polish(box);
        // Border and padding widths are taken on a style change only.
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(box, &styleChange);
    }

    // Room for a whole figure in the style sheet's font, so that a narrow
    // window never cuts a result short.
    for (QLabel *value :
         {ui->totalAddressesValueLabel, ui->voltageDropValueLabel, ui->maxVoltageDropValueLabel,
          ui->idleCurrentValueLabel, ui->alarmCurrentValueLabel, ui->maxCurrentValueLabel})
        fitFigureWidth(value, 85);

    m_detailedView = new DetailedViewWidget(catalogue, this);
    ui->stackedWidget->addWidget(m_detailedView);
    m_detailedView->setMinimumSize(m_detailedView->sizeHint());
    ui->stackedWidget->setCurrentWidget(m_detailedView);

    setUpDeviceFilter();
    setCodeTexts();
    fillDeviceTree();

    const auto lengthChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(ui->loopLengthSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);
    connect(ui->distStartSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);
    connect(ui->distEndSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);

    // The spin box and the slider follow each other; only the slider recomputes,
    // so a typed value recomputes once.
    connect(ui->distrFactorSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), ui->distrFactorSlider,
            &QSlider::setValue);
    connect(ui->distrFactorSlider, &QSlider::valueChanged, ui->distrFactorSpinBox, &QSpinBox::setValue);
    connect(ui->distrFactorSlider, &QSlider::valueChanged, this, [this] { computeVoltageDrop(); });

    connect(this, &LoopWidget::addDevice, m_detailedView, &DetailedViewWidget::onDroppedNewDevice);
    connect(ui->devAvailableTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { onTreeCurrentItemChanged(current); });
    // A double-click or Enter on a device adds one unit, as a drop does.
    connect(ui->devAvailableTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item == ui->devAvailableTree->currentItem())
            addCurrentTreeDevice();
    });
    ui->devAvailableTree->installEventFilter(this);
    connect(m_detailedView, &DetailedViewWidget::updateDeviceQuantity, this,
            &LoopWidget::onUpdateDeviceQuantity);
    connect(ui->cableTypeComboBox, &QComboBox::currentTextChanged, this, [this] { computeVoltageDrop(); });
    // Only a click recomputes; checking a button from code does not.
    connect(ui->topologyTypeARadioButton, &QRadioButton::clicked, this, [this] { computeVoltageDrop(); });
    connect(ui->topologyTypeBRadioButton, &QRadioButton::clicked, this, [this] { computeVoltageDrop(); });
    connect(ui->duplicateLoopButton, &QPushButton::clicked, this, &LoopWidget::duplicateLoopRequested);
    connect(ui->resetLoopButton, &QPushButton::clicked, this, &LoopWidget::resetLoop);

    onUpdateDeviceQuantity(QString(), 0);
}

LoopWidget::~LoopWidget()
{
    delete ui;
}

// ---- settings ---------------------------------------------------------------

QString LoopWidget::cableTypeText() const
{
    return ui->cableTypeComboBox->currentText();
}

QString LoopWidget::topologyCode() const
{
    return ui->topologyTypeARadioButton->isChecked() ? QStringLiteral("A") : QStringLiteral("B");
}

double LoopWidget::distributionFactorValue() const
{
    return ui->distrFactorSpinBox->value();
}

int LoopWidget::loopLengthValue() const
{
    return ui->loopLengthSpinBox->value();
}

int LoopWidget::startDistanceValue() const
{
    return ui->distStartSpinBox->value();
}

int LoopWidget::endDistanceValue() const
{
    return ui->distEndSpinBox->value();
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
    return ui->topologyTypeARadioButton->isChecked() ? Topology::ClassA : Topology::DegradedMode;
}

LoopConfig LoopWidget::config() const
{
    LoopConfig config;
    config.cableType = cableTypeText();
    config.topology = topology();
    config.distributionFactor = ui->distrFactorSpinBox->value();
    config.loopLength = loopLengthValue();
    config.startDistance = startDistanceValue();
    config.endDistance = endDistanceValue();
    config.devices = m_devices;
    return config;
}

void LoopWidget::applyLoopValues(const QStringList &values)
{
    if (values.size() > 0) {
        // A stored entry is its source text; a copied one is already shown text.
        const int index = ui->cableTypeComboBox->findText(LoopCable::displayText(values.at(0)));
        if (index >= 0)
            ui->cableTypeComboBox->setCurrentIndex(index);
    }
    if (values.size() > 1) {
        if (values.at(1) == QLatin1String("A"))
            ui->topologyTypeARadioButton->setChecked(true);
        else
            ui->topologyTypeBRadioButton->setChecked(true);
    }
    if (values.size() > 2) {
        bool ok = false;
        const double factor = values.at(2).toDouble(&ok);
        // Bound before truncating: a huge or non-finite number has no integer part.
        if (ok && std::isfinite(factor))
            ui->distrFactorSpinBox->setValue(static_cast<int>(qBound(-1.0, factor, 101.0)));
    }
    QSpinBox *const lengths[] = {ui->loopLengthSpinBox, ui->distStartSpinBox, ui->distEndSpinBox};
    for (int i = 0; i < 3 && 3 + i < values.size(); ++i)
        lengths[i]->setValue(values.at(3 + i).toInt());
}

void LoopWidget::applySettings(const LoopConfig &config)
{
    // A stored entry is its source text; a copied one is already shown text.
    const int cable = ui->cableTypeComboBox->findText(LoopCable::displayText(config.cableType));
    if (cable >= 0)
        ui->cableTypeComboBox->setCurrentIndex(cable);
    if (config.topology == Topology::ClassA)
        ui->topologyTypeARadioButton->setChecked(true);
    else
        ui->topologyTypeBRadioButton->setChecked(true);
    ui->distrFactorSpinBox->setValue(config.distributionFactor);
    ui->loopLengthSpinBox->setValue(config.loopLength);
    ui->distStartSpinBox->setValue(config.startDistance);
    ui->distEndSpinBox->setValue(config.endDistance);
}

void LoopWidget::applyConfig(const LoopConfig &config)
{
    applySettings(config);
    applyDevices(config.devices);
}

void LoopWidget::applyDevices(const QMap<QString, int> &devices)
{
    m_devices.clear();
    // The device view signals every unit it adds; the loop takes each into
    // its device map but computes once, from the final map. Before, a full
    // loop was recomputed once per unit (5,000 times).
    m_holdRecomputation = true;
    m_detailedView->setDevices(devices);
    m_holdRecomputation = false;
    computeLoopTotals();
}

// ---- device tree and drops ------------------------------------------------------

void LoopWidget::fillDeviceTree()
{
    QTreeWidget *tree = ui->devAvailableTree;
    // Rows are measured as they are added; measure them with the style sheet's
    // padding, not the bare style's.
    tree->ensurePolished();
    tree->clear();
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);

    // category -> subcategory -> devices in catalogue order
    QMap<QString, QMap<QString, QVector<Device>>> groups;
    for (const Device &device : m_catalogue->devices()) {
        if (!device.hidden)
            groups[device.category][device.subcategory].append(device);
    }
    for (auto category = groups.cbegin(); category != groups.cend(); ++category) {
        QTreeWidgetItem *categoryItem =
            headerItem(DeviceCategories::categoryName(category.key()), category.key(), QString());
        tree->addTopLevelItem(categoryItem);
        for (auto sub = category->cbegin(); sub != category->cend(); ++sub) {
            QTreeWidgetItem *parent = categoryItem;
            if (sub.key() != QLatin1String("-")) {
                parent = headerItem(DeviceCategories::subcategoryName(sub.key()), category.key(), sub.key());
                categoryItem->addChild(parent);
            }
            for (const Device &device : sub.value()) {
                auto *item = new QTreeWidgetItem(QStringList(device.name));
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
                item->setData(0, CategoryRole, device.category);
                item->setData(0, SubcategoryRole, device.subcategory);
                parent->addChild(item);
            }
        }
    }
    // Every row is one line of text; without this each counter update
    // measures the row again.
    tree->setUniformRowHeights(true);
    tree->setDragEnabled(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setDragDropMode(QAbstractItemView::DragOnly);
    tree->expandAll();
    refreshTreeCounters(resolvedDevices());
    applyDeviceFilter();
}

void LoopWidget::setUpDeviceFilter()
{
    m_deviceFilter = new QLineEdit(this);
    m_deviceFilter->setObjectName(QStringLiteral("devFilterLineEdit"));
    m_deviceFilter->setClearButtonEnabled(true);
    ui->verticalLayout_2->insertWidget(ui->verticalLayout_2->indexOf(ui->devAvailableTree), m_deviceFilter);
    // An empty tree alone would look like a missing catalogue.
    m_noMatchLabel = new QLabel(this);
    m_noMatchLabel->setObjectName(QStringLiteral("devFilterNoMatchLabel"));
    m_noMatchLabel->setWordWrap(true);
    m_noMatchLabel->hide();
    ui->verticalLayout_2->insertWidget(ui->verticalLayout_2->indexOf(ui->devAvailableTree), m_noMatchLabel);
    setTabOrder(m_deviceFilter, ui->devAvailableTree);
    connect(m_deviceFilter, &QLineEdit::textChanged, this, [this] { applyDeviceFilter(); });
    m_deviceFilter->installEventFilter(this);

    // Anywhere in the window: only the loop tab on screen is visible, and a
    // shortcut of a hidden widget does not fire.
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_deviceFilter->setFocus(Qt::ShortcutFocusReason);
        m_deviceFilter->selectAll();
    });
}

void LoopWidget::setCodeTexts()
{
    addHelpSymbol(
        ui->topologyTypeLabel,
        tr("Class A if closed loop. Degraded mode if open loop.\nDegraded mode is for testing purposes "
           "only, installation should always be made with Class A."));
    addHelpSymbol(ui->distrFactorLabel,
                  tr("How equally spread the devices are.\nThe higher the value, the more equally spread the "
                     "devices.\nMore detailed explanation in the Help > Distribution Factor section."));
    m_deviceFilter->setPlaceholderText(tr("Filter devices (Ctrl+F)"));
    m_deviceFilter->setToolTip(tr("Shows the devices whose name, category or description contains "
                                  "every word typed. Esc clears the filter."));
}

void LoopWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    {
        // The cable entries take their new texts without counting as a choice.
        const QSignalBlocker quiet(ui->cableTypeComboBox);
        ui->retranslateUi(m_page);
    }
    setWindowTitle(m_page->windowTitle());
    setCodeTexts();
    const QVector<LoopCalc::LoopDevice> devices = resolvedDevices();
    refreshTreeCounters(devices);
    applyDeviceFilter();
    // The length note and every figure and message, in the new words.
    showLengthNote();
    showEvaluation(devices);
}

void LoopWidget::setScheduleView(QWidget *view)
{
    delete m_scheduleView;
    m_scheduleView = view;
    ui->verticalLayout->addWidget(view, 1);
}

QLineEdit *LoopWidget::deviceFilterField() const
{
    return m_deviceFilter;
}

void LoopWidget::applyDeviceFilter()
{
    QTreeWidget *tree = ui->devAvailableTree;
    const QStringList terms = DeviceFilter::terms(m_deviceFilter ? m_deviceFilter->text() : QString());
    // Leaves first; a header stays only while something under it does.
    std::function<bool(QTreeWidgetItem *)> filter = [&](QTreeWidgetItem *item) {
        if (item->childCount() == 0 && item->parent() != nullptr) {
            Device device;
            device.name = item->text(0);
            device.category = item->data(0, CategoryRole).toString();
            device.subcategory = item->data(0, SubcategoryRole).toString();
            const bool shown = DeviceFilter::matches(device, DeviceFilter::description(device.name), terms);
            item->setHidden(!shown);
            return shown;
        }
        bool any = false;
        for (int i = 0; i < item->childCount(); ++i)
            any = filter(item->child(i)) || any;
        item->setHidden(!any);
        return any;
    };
    bool anyShown = false;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        anyShown = filter(tree->topLevelItem(i)) || anyShown;
    if (!terms.isEmpty())
        tree->expandAll();
    if (m_noMatchLabel) {
        const bool noMatch = !terms.isEmpty() && !anyShown;
        m_noMatchLabel->setText(
            noMatch ? tr("No device matches \"%1\".").arg(m_deviceFilter->text().trimmed()) : QString());
        m_noMatchLabel->setVisible(noMatch);
    }
    // The selected device may just have been hidden: do not leave an
    // invisible item current for Enter to add.
    QTreeWidgetItem *current = tree->currentItem();
    if (current && current->isHidden())
        tree->setCurrentItem(nullptr);
}

void LoopWidget::addCurrentTreeDevice(int count)
{
    const QTreeWidgetItem *current = ui->devAvailableTree->currentItem();
    if (!current || current->childCount() != 0 || current->isHidden() || !current->parent())
        return;
    const QString name = current->text(0);
    if (count == 1)
        emit addDevice(name);
    else
        m_detailedView->addUnits(name, count);
    // Tab goes on to the quantity just added, not to the first row's.
    if (QSpinBox *quantity = m_detailedView->quantityField(name))
        setTabOrder(ui->devAvailableTree, quantity);
}

QTreeWidgetItem *LoopWidget::firstShownDevice() const
{
    QTreeWidgetItemIterator it(ui->devAvailableTree, QTreeWidgetItemIterator::NoChildren);
    for (; *it; ++it) {
        if (!(*it)->isHidden() && (*it)->parent() && !(*it)->parent()->isHidden())
            return *it;
    }
    return nullptr;
}

void LoopWidget::showTypedQuantity()
{
    if (m_typedQuantityNote)
        m_typedQuantityNote->deleteLater();
    if (m_typedQuantity.isEmpty())
        return;
    QTreeWidget *tree = ui->devAvailableTree;
    const QTreeWidgetItem *current = tree->currentItem();
    const QRect row = current ? tree->visualItemRect(current) : QRect();
    const QPoint at = tree->viewport()->mapTo(tree, row.isValid() ? row.bottomLeft() : QPoint(0, 0));
    m_typedQuantityNote = showTypingNote(
        tree, tr("Quantity %1: Enter adds them, Esc cancels.").arg(m_typedQuantity), at, 5000);
}

bool LoopWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->devAvailableTree && event->type() == QEvent::FocusOut && !m_typedQuantity.isEmpty()) {
        m_typedQuantity.clear();
        showTypedQuantity();
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (watched == ui->devAvailableTree && enter && plain) {
        // Digits typed first say how many; Enter alone adds one.
        const int count = m_typedQuantity.isEmpty() ? 1 : m_typedQuantity.toInt();
        m_typedQuantity.clear();
        showTypedQuantity();
        addCurrentTreeDevice(count);
        return true;
    }
    if (watched == ui->devAvailableTree && plain && !key->text().isEmpty() && key->text().at(0).isDigit() &&
        key->text().size() == 1) {
        // Three digits are already more than a row holds.
        if (m_typedQuantity.size() < 3 && !(m_typedQuantity.isEmpty() && key->text() == QLatin1String("0")))
            m_typedQuantity += key->text();
        showTypedQuantity();
        return true;
    }
    if (watched == ui->devAvailableTree && !m_typedQuantity.isEmpty() &&
        (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape)) {
        if (key->key() == Qt::Key_Backspace)
            m_typedQuantity.chop(1);
        else
            m_typedQuantity.clear();
        showTypedQuantity();
        return true;
    }
    // Esc in the tree too, right after picking from a narrowed list.
    if (watched == ui->devAvailableTree && key->key() == Qt::Key_Escape &&
        !m_deviceFilter->text().isEmpty()) {
        m_deviceFilter->clear();
        return true;
    }
    if (watched == m_deviceFilter) {
        if (key->key() == Qt::Key_Escape && !m_deviceFilter->text().isEmpty()) {
            m_deviceFilter->clear();
            return true;
        }
        // From the field straight to the first match, ready for Enter.
        if ((enter || key->key() == Qt::Key_Down) && key->modifiers() == Qt::NoModifier) {
            if (QTreeWidgetItem *first = firstShownDevice()) {
                ui->devAvailableTree->setCurrentItem(first);
                ui->devAvailableTree->setFocus(Qt::OtherFocusReason);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LoopWidget::refreshTreeCounters(const QVector<LoopCalc::LoopDevice> &devices)
{
    // Subcategories count per category: the same subcategory name under two
    // categories is two different groups.
    QMap<QString, int> categoryCounts;
    QMap<QPair<QString, QString>, int> subcategoryCounts;
    for (const LoopCalc::LoopDevice &entry : devices) {
        const Device &device = entry.record;
        categoryCounts[device.category] += entry.quantity;
        if (device.subcategory != QLatin1String("-"))
            subcategoryCounts[{device.category, device.subcategory}] += entry.quantity;
    }
    const auto label = [](QTreeWidgetItem *item, const QString &key, int count) {
        const QString text = key + QStringLiteral(" (") + QString::number(count) + QLatin1Char(')');
        if (item->text(0) != text)
            item->setText(0, text);
    };
    QTreeWidget *tree = ui->devAvailableTree;
    // A counter changes its text only: rows keep their (uniform) height and
    // the single column spans the view, so the view need not measure the
    // changed rows again, which it would do on every quantity step. Repaint
    // instead.
    const QSignalBlocker quietModel(tree->model());
    tree->viewport()->update();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *categoryItem = tree->topLevelItem(i);
        const QString category = categoryItem->data(0, CategoryRole).toString();
        label(categoryItem, DeviceCategories::categoryName(category), categoryCounts.value(category));
        for (int j = 0; j < categoryItem->childCount(); ++j) {
            QTreeWidgetItem *child = categoryItem->child(j);
            if (child->childCount() == 0)
                continue;
            const QString subcategory = child->data(0, SubcategoryRole).toString();
            label(child, DeviceCategories::subcategoryName(subcategory),
                  subcategoryCounts.value({category, subcategory}));
        }
    }
}

void LoopWidget::onTreeCurrentItemChanged(QTreeWidgetItem *current)
{
    if (current && current->childCount() == 0)
        m_detailedView->showDeviceDetails(current->text(0));
}

QObject *LoopWidget::dragSource(const QDropEvent *event) const
{
    return event->source();
}

bool LoopWidget::dropsOnDeviceView(const QPoint &position) const
{
    const QWidget *view = ui->stackedWidget;
    return QRect(view->mapTo(this, QPoint(0, 0)), view->size()).contains(position);
}

void LoopWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (dragSource(event) == ui->devAvailableTree)
        event->acceptProposedAction();
    else
        event->ignore();
}

void LoopWidget::dragMoveEvent(QDragMoveEvent *event)
{
    // Show the user where a drop would land.
    if (dragSource(event) == ui->devAvailableTree && dropsOnDeviceView(event->pos()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void LoopWidget::dropEvent(QDropEvent *event)
{
    const QTreeWidgetItem *current = ui->devAvailableTree->currentItem();
    if (dropsOnDeviceView(event->pos()) && dragSource(event) == ui->devAvailableTree && current &&
        current->childCount() == 0) {
        event->acceptProposedAction();
        emit addDevice(current->text(0));
    } else {
        event->ignore();
    }
}

// ---- edits ----------------------------------------------------------------------------

void LoopWidget::onLengthSpinBoxValueChanged()
{
    showLengthNote();
    computeVoltageDrop();
}

void LoopWidget::showLengthNote()
{
    const bool tooLong = loopLengthValue() < startDistanceValue() + endDistanceValue();
    const QString tip =
        tooLong ? tr("Distance to first device + distance to last device exceeds total loop length.")
                : QString();
    for (QSpinBox *spinBox : {ui->loopLengthSpinBox, ui->distStartSpinBox, ui->distEndSpinBox}) {
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
    if (!m_holdRecomputation)
        computeLoopTotals();
}

void LoopWidget::onSoundersActiveChanged(double value)
{
    m_soundersActiveFraction = value;
    m_detailedView->setSoundersActiveFraction(value);
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
    ui->cableTypeComboBox->setCurrentIndex(LoopCable::DefaultIndex);
    ui->topologyTypeARadioButton->setChecked(true);
    ui->distrFactorSpinBox->setValue(100);
    ui->loopLengthSpinBox->setValue(500);
    ui->distStartSpinBox->setValue(0);
    ui->distEndSpinBox->setValue(0);
    m_devices.clear();
    m_detailedView->setDevices({});
    onUpdateDeviceQuantity(QString(), 0);
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
    refreshTreeCounters(devices);
    showEvaluation(devices);
    emit updateLoopCurrents(m_evaluation.totals.idleCurrent, m_evaluation.totals.alarmCurrent);
}

void LoopWidget::computeVoltageDrop()
{
    showEvaluation(resolvedDevices());
}

void LoopWidget::computeMaxVoltageDrop()
{
    showEvaluation(resolvedDevices());
}

void LoopWidget::computeMaxCurrent()
{
    showEvaluation(resolvedDevices());
}

void LoopWidget::updateNotes()
{
    showEvaluation(resolvedDevices());
}

void LoopWidget::updateFaults()
{
    showEvaluation(resolvedDevices());
}

void LoopWidget::showEvaluation(const QVector<LoopCalc::LoopDevice> &devices)
{
    m_evaluation = LoopEvaluation::evaluate(config(), devices, m_limits, m_soundersActiveFraction, *m_catalogue);
    const LoopEvaluation &e = m_evaluation;
    ui->totalAddressesValueLabel->setText(e.addressesText());
    ui->idleCurrentValueLabel->setText(e.idleCurrentText());
    ui->alarmCurrentValueLabel->setText(e.alarmCurrentText());
    ui->voltageDropValueLabel->setText(e.voltageDropText());
    ui->maxVoltageDropValueLabel->setText(e.maxVoltageDropText());
    ui->maxCurrentValueLabel->setText(e.maxCurrentText());
    ui->maxVoltageDropValueLabel->setToolTip(
        FigureExplanations::maxVoltageDrop(m_limits.supportsOverboost, topology(), e.results.maxVoltageDrop));
    // The cable's own limit, before the panel's caps it.
    const double cableLimit = LoopCalc::maxCurrent(topology(), LoopCalc::circuit(config(), devices, *m_catalogue),
                                                   e.results.maxVoltageDrop, std::numeric_limits<double>::infinity());
    ui->maxCurrentValueLabel->setToolTip(FigureExplanations::maxCurrent(cableLimit, m_limits.maxCurrent));
    ui->notesLabel->setText(e.notesText);
    ui->faultsLabel->setText(e.faultsText);
    mark(ui->totalAddressesValueLabel, e.faults.addresses);
    mark(ui->voltageDropValueLabel, e.faults.voltageDrop);
    mark(ui->alarmCurrentValueLabel, e.faults.current);
    mark(ui->faultsLabel, e.faults.any());
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

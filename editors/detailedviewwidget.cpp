#include "editors/detailedviewwidget.h"
#include "ui_detailedviewwidget.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "editors/figurewidth.h"
#include "loop/loopcalculation.h"
#include "widgets/widgetfunctions.h"

#include <algorithm>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QSpinBox>

namespace
{
constexpr int MaxQuantity = 250;
const char *const NameLabel = "deviceNameLabel";
const char *const QuantitySpinBox = "quantitySpinBox";
const char *const RemoveButton = "removeDeviceButton";
constexpr int RowMargin = 5;
constexpr int RowSpacing = 6;
constexpr int RowGap = 8; // between the quantity and the remove button
} // namespace

DetailedViewWidget::DetailedViewWidget(const Catalogue *catalogue, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::DetailedViewWidget), m_catalogue(catalogue)
{
    m_ui->setupUi(this);
    addHelpSymbols();
    connect(m_ui->devInLoopListWidget, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showDeviceDetails(deviceNameOf(item)); });
    for (QLabel *value : {m_ui->idleCurrentValueLabel, m_ui->alarmCurrentValueLabel,
                          m_ui->totalIdleCurrentValueLabel, m_ui->totalAlarmCurrentValueLabel})
        fitFigureWidth(value, 60);
    // The picture follows the size its label gets from the layout.
    m_ui->deviceImageLabel->installEventFilter(this);
    connect(m_ui->devInLoopListWidget->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &DetailedViewWidget::alignCaptions);
}

DetailedViewWidget::~DetailedViewWidget()
{
    delete m_ui;
}

void DetailedViewWidget::addHelpSymbols()
{
    addHelpSymbol(
        m_ui->totalAlarmCurrentLabel,
        tr("Total current considering all devices in alarm state, except sounders.\n"
           "Sounders consider \"Max sounder active percentage\" value from the \"Advanced settings\" "
           "section (\"Panel\" tab).\n"
           "Please note this value may be higher than the final one shown in the \"Loop status\" "
           "section due to loop optimizations."));
}

void DetailedViewWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    m_ui->retranslateUi(this);
    addHelpSymbols();
    // The shown device's description is in the new language too.
    if (!m_ui->devNameLabel->text().isEmpty())
        showDeviceDetails(m_ui->devNameLabel->text());
}

bool DetailedViewWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->deviceImageLabel && event->type() == QEvent::Resize && !m_image.isNull())
        showImage();
    return QWidget::eventFilter(watched, event);
}

QString DetailedViewWidget::deviceNameOf(QListWidgetItem *item) const
{
    QWidget *row = item ? m_ui->devInLoopListWidget->itemWidget(item) : nullptr;
    const QLabel *label = row ? row->findChild<QLabel *>(QLatin1String(NameLabel)) : nullptr;
    return label ? label->text() : QString();
}

QSpinBox *DetailedViewWidget::spinBoxOf(QListWidgetItem *item) const
{
    QWidget *row = item ? m_ui->devInLoopListWidget->itemWidget(item) : nullptr;
    return row ? row->findChild<QSpinBox *>(QLatin1String(QuantitySpinBox)) : nullptr;
}

QListWidgetItem *DetailedViewWidget::itemOf(const QString &deviceName) const
{
    // The item carries a copy of its name label's text, which is cheaper to
    // compare than looking the label up in every row.
    const QListWidget *list = m_ui->devInLoopListWidget;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toString() == deviceName)
            return list->item(i);
    }
    return nullptr;
}

QListWidgetItem *DetailedViewWidget::addRow(const QString &deviceName)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(RowMargin, 2, RowMargin, 2);

    layout->setSpacing(RowSpacing);

    auto *nameLabel = new QLabel(deviceName, row);
    nameLabel->setObjectName(QLatin1String(NameLabel));
    // A long name must not push the row wider than the list.
    nameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(nameLabel, 1);

    auto *spinBox = new QSpinBox(row);
    spinBox->setObjectName(QLatin1String(QuantitySpinBox));
    QFont font = spinBox->font();
    font.setPointSize(10);
    spinBox->setFont(font);
    spinBox->setRange(1, MaxQuantity);
    spinBox->setValue(1);
    layout->addWidget(spinBox);

    layout->addSpacerItem(new QSpacerItem(RowGap, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));

    auto *removeButton = new QPushButton(QString(QChar(0x00D7)), row);
    removeButton->setObjectName(QLatin1String(RemoveButton));
    removeButton->setMaximumSize(100, 100);
    removeButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(removeButton);

    setTransparent(row);
    // The column captions sit right above the spin box and the button.
    row->ensurePolished();
    const int quantityWidth = qMax(spinBox->sizeHint().width(), m_ui->label_2->sizeHint().width());
    const int removeWidth = qMax(removeButton->sizeHint().width(), m_ui->label_3->sizeHint().width());
    spinBox->setFixedWidth(quantityWidth);
    removeButton->setMinimumWidth(removeWidth);
    m_ui->label_2->setFixedWidth(quantityWidth);
    m_ui->label_3->setFixedWidth(removeWidth);

    connect(spinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this, deviceName](int value) {
        showDeviceDetails(deviceName);
        emit updateDeviceQuantity(deviceName, value);
    });
    connect(removeButton, &QPushButton::clicked, this, [this, deviceName] { removeRow(deviceName); });

    // Rows stay in device-name order whatever the order of the drops.
    QListWidget *list = m_ui->devInLoopListWidget;
    int position = 0;
    while (position < list->count() && !(deviceName < deviceNameOf(list->item(position))))
        ++position;
    auto *item = new QListWidgetItem;
    item->setData(Qt::UserRole, deviceName);
    list->insertItem(position, item);
    // Styled spin boxes may ask for more than the row's hint gives them.
    item->setSizeHint(row->sizeHint().expandedTo(row->minimumSizeHint()));
    list->setItemWidget(item, row);
    alignCaptions();
    return item;
}

void DetailedViewWidget::alignCaptions()
{
    const QListWidget *list = m_ui->devInLoopListWidget;
    const QScrollBar *bar = list->verticalScrollBar();
    const int scrollBar = bar->maximum() > bar->minimum() ? bar->sizeHint().width() : 0;
    const int frame = list->frameWidth();
    m_ui->horizontalLayout->setContentsMargins(RowMargin + frame, 0, RowMargin + frame + scrollBar, 0);
}

void DetailedViewWidget::removeRow(const QString &deviceName)
{
    QListWidget *list = m_ui->devInLoopListWidget;
    QListWidgetItem *item = itemOf(deviceName);
    const int row = item ? list->row(item) : -1;
    // Deleting the item makes the list release its row widget later, so the
    // button whose click brought us here outlives this call.
    delete item;
    // The details follow the rows that remain: a removed device's totals
    // would read as part of the loop.
    if (m_ui->devNameLabel->text() == deviceName) {
        if (list->count() > 0) {
            QListWidgetItem *next = list->item(qBound(0, row, list->count() - 1));
            list->setCurrentItem(next);
            showDeviceDetails(deviceNameOf(next));
        } else {
            clearDeviceDetails();
        }
    }
    emit updateDeviceQuantity(deviceName, 0);
}

void DetailedViewWidget::clearDeviceDetails()
{
    m_ui->devNameLabel->clear();
    m_ui->devDescriptionLabel->clear();
    m_ui->idleCurrentValueLabel->clear();
    m_ui->alarmCurrentValueLabel->clear();
    m_ui->totalIdleCurrentValueLabel->setText(QStringLiteral("0 A"));
    m_ui->totalAlarmCurrentValueLabel->setText(QStringLiteral("0 A"));
    m_imagePath.clear();
    m_image = QPixmap();
    showImage();
}

void DetailedViewWidget::onDroppedNewDevice(const QString &deviceName)
{
    if (QListWidgetItem *item = itemOf(deviceName)) {
        // At the top of the range the spin box stays put and signals nothing.
        QSpinBox *spinBox = spinBoxOf(item);
        spinBox->setValue(spinBox->value() + 1);
        return;
    }
    QListWidgetItem *item = addRow(deviceName);
    m_ui->devInLoopListWidget->setCurrentItem(item);
    showDeviceDetails(deviceName);
    emit updateDeviceQuantity(deviceName, 1);
}

void DetailedViewWidget::addUnits(const QString &deviceName, int count)
{
    if (count <= 0)
        return;
    QListWidgetItem *item = itemOf(deviceName);
    if (!item) {
        // The new row signals its quantity once, as a single change.
        item = addRow(deviceName);
        QSpinBox *spinBox = spinBoxOf(item);
        {
            const QSignalBlocker quiet(spinBox);
            spinBox->setValue(std::min(spinBox->maximum(), count));
        }
        m_ui->devInLoopListWidget->setCurrentItem(item);
        showDeviceDetails(deviceName);
        emit updateDeviceQuantity(deviceName, spinBox->value());
        return;
    }
    QSpinBox *spinBox = spinBoxOf(item);
    m_ui->devInLoopListWidget->setCurrentItem(item);
    if (spinBox && count > 0)
        spinBox->setValue(std::min(spinBox->maximum(), spinBox->value() + count));
}

QSpinBox *DetailedViewWidget::quantityField(const QString &deviceName) const
{
    return spinBoxOf(itemOf(deviceName));
}

void DetailedViewWidget::showDeviceDetails(const QString &deviceName)
{
    const Device device = m_catalogue->findDevice(deviceName);
    m_ui->devNameLabel->setText(deviceName);
    const QByteArray key = deviceName.toUtf8();
    const QString description = QCoreApplication::translate("DeviceDescriptions", key.constData());
    m_ui->devDescriptionLabel->setText(
        description == deviceName ? tr("No description available for this device.") : description);
    m_ui->idleCurrentValueLabel->setText(Display::amperes(device.idleCurrent));
    m_ui->alarmCurrentValueLabel->setText(Display::amperes(device.alarmCurrent));

    // An unknown device (or one without a picture) shows none.
    // Loading a loop re-shows the same device once per unit, so the file
    // lookup and the smooth rescale are done only when something changed.
    QString path;
    if (!device.image.isEmpty()) {
        auto known = m_imagePaths.constFind(device.image);
        if (known == m_imagePaths.constEnd())
            known = m_imagePaths.insert(device.image, m_catalogue->imagePath(device.image));
        path = known.value();
    }
    if (path != m_imagePath) {
        m_imagePath = path;
        m_image = path.isEmpty() ? QPixmap() : QPixmap(path);
        m_scaledFor = QSize();
    }
    showImage();

    updateDeviceQuantityDetails(deviceName);
}

void DetailedViewWidget::showImage()
{
    QLabel *label = m_ui->deviceImageLabel;
    if (m_image.isNull()) {
        label->clear();
        m_scaledFor = QSize();
        return;
    }
    if (m_scaledFor == label->size())
        return;
    m_scaledFor = label->size();
    label->setPixmap(m_image.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void DetailedViewWidget::updateDeviceQuantityDetails(const QString &deviceName)
{
    const QSpinBox *spinBox = spinBoxOf(itemOf(deviceName));
    if (!spinBox || spinBox->value() <= 0) {
        m_ui->totalIdleCurrentValueLabel->setText(QStringLiteral("0 A"));
        m_ui->totalAlarmCurrentValueLabel->setText(QStringLiteral("0 A"));
        return;
    }
    const Device device = m_catalogue->findDevice(deviceName);
    const int quantity = spinBox->value();
    const int inAlarm =
        device.isSounder ? LoopCalc::activeSounders(quantity, m_soundersActiveFraction) : quantity;
    m_ui->totalIdleCurrentValueLabel->setText(Display::amperes(quantity * device.idleCurrent));
    m_ui->totalAlarmCurrentValueLabel->setText(
        Display::amperes(inAlarm * device.alarmCurrent + (quantity - inAlarm) * device.idleCurrent));
}

void DetailedViewWidget::setSoundersActiveFraction(double value)
{
    m_soundersActiveFraction = value;
    const QListWidget *list = m_ui->devInLoopListWidget;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const QString name = deviceNameOf(item);
        if (!m_catalogue->findDevice(name).isSounder)
            continue;
        emit updateDeviceQuantity(name, spinBoxOf(item)->value());
        // Also refresh the totals when the sounder is shown without being selected.
        if (item == list->currentItem() || m_ui->devNameLabel->text() == name)
            showDeviceDetails(name);
    }
}

void DetailedViewWidget::setDevices(const QMap<QString, int> &devices)
{
    QListWidget *list = m_ui->devInLoopListWidget;
    // A row is costly to build; an undo that changes a quantity keeps the
    // rows whose devices stay and drops only the others.
    for (int i = list->count() - 1; i >= 0; --i) {
        if (qMin(devices.value(list->item(i)->data(Qt::UserRole).toString()), MaxQuantity) <= 0)
            delete list->item(i);
    }
    // As many drops as units: a row at 1, then every further unit signalled.
    // Only the signals of the steps between matter to anyone, so the spin box
    // and the details are set once per device instead of once per unit (a
    // full loop is 5,000 units).
    QString last;
    QListWidgetItem *lastItem = nullptr;
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        // Drops beyond the top of the range change nothing, so stop there.
        const int drops = qMin(it.value(), MaxQuantity);
        if (drops <= 0)
            continue;
        const QString &name = it.key();
        QListWidgetItem *item = itemOf(name);
        if (!item)
            item = addRow(name);
        for (int quantity = 1; quantity <= drops; ++quantity)
            emit updateDeviceQuantity(name, quantity);
        QSpinBox *spinBox = spinBoxOf(item);
        if (spinBox->value() != drops) {
            const QSignalBlocker blocker(spinBox);
            spinBox->setValue(drops);
        }
        last = name;
        lastItem = item;
    }
    if (lastItem)
        list->setCurrentItem(lastItem);
    if (!last.isEmpty())
        showDeviceDetails(last);
}

// The loop tab's form: built when the tab is first shown or its page asked
// for, from the values the loop holds, before anything listens to it.
#include "loop/loopwidget.h"
#include "ui_loopwidget.h"

#include "loop/detailedviewwidget.h"
#include "loop/figurewidth.h"
#include "widgets/widgetfunctions.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidgetItem>

#include <utility>

namespace
{

// Every loop tab's device view starts alike: its size hint lays out all its
// word-wrapped captions, so a design of many loops measures it once while
// the style, font and language stay the same.
QSize detailedViewMinimum(QWidget *view)
{
    QString key = qApp->styleSheet() + QChar(1) + view->font().key() + QChar(1) + view->styleSheet();
    const QList<QLabel *> labels = view->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        key += QChar(1) + label->text();
    static QString measuredFor;
    static QSize measured;
    if (key != measuredFor || !measured.isValid()) {
        measuredFor = key;
        measured = view->sizeHint();
    }
    return measured;
}

} // namespace

QWidget *LoopWidget::page()
{
    buildPage();
    return m_page;
}

void LoopWidget::setVisible(bool visible)
{
    // Built before it shows, so that it shows once, complete.
    if (visible)
        buildPage();
    QWidget::setVisible(visible);
}

void LoopWidget::buildPage()
{
    if (ui)
        return;
    ui = new Ui::LoopWidget;
    // The form lives on a page inside a scroll area, so that a small screen
    // scrolls the tab instead of cutting it off.
    auto *page = new QWidget;
    m_page = page;
    page->setObjectName(QStringLiteral("loopPage"));
    ui->setupUi(page);
    setWindowTitle(page->windowTitle());
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("loopScrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(page);
    layout()->addWidget(m_scrollArea);
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

    m_detailedView = new DetailedViewWidget(m_catalogue);
    m_detailedView->setMinimumSize(detailedViewMinimum(m_detailedView));
    ui->stackedWidget->addWidget(m_detailedView);
    ui->stackedWidget->setCurrentWidget(m_detailedView);

    setUpDeviceFilter();
    setCodeTexts();
    showSettingsInForm();
    fillDeviceTree();
    // The rows hold the loop's devices already: nothing needs to hear them come.
    m_detailedView->setSoundersActiveFraction(m_soundersActiveFraction);
    m_detailedView->setDevices(m_devices);
    connectForm();
    showLengthNote();
    drawEvaluation(resolvedDevices());
    if (m_makeScheduleView) {
        m_scheduleView = m_makeScheduleView();
        ui->verticalLayout->addWidget(m_scheduleView, 1);
    }
    // Added to a shown tab, the page would otherwise wait for the next event.
    m_scrollArea->show();
    restoreTabOrder(this);
}

void LoopWidget::showSettingsInForm()
{
    // Values the program gives are no edit: the controls keep quiet.
    const QSignalBlocker quietCable(ui->cableTypeComboBox);
    const QSignalBlocker quietClassA(ui->topologyTypeARadioButton);
    const QSignalBlocker quietDegraded(ui->topologyTypeBRadioButton);
    const QSignalBlocker quietFactor(ui->distrFactorSpinBox);
    const QSignalBlocker quietSlider(ui->distrFactorSlider);
    const QSignalBlocker quietLength(ui->loopLengthSpinBox);
    const QSignalBlocker quietStart(ui->distStartSpinBox);
    const QSignalBlocker quietEnd(ui->distEndSpinBox);
    ui->cableTypeComboBox->setCurrentIndex(
        std::max(0, int(LoopCable::sourceTexts().indexOf(m_settings.cableType))));
    if (m_settings.topology == Topology::ClassA)
        ui->topologyTypeARadioButton->setChecked(true);
    else
        ui->topologyTypeBRadioButton->setChecked(true);
    ui->distrFactorSpinBox->setValue(m_settings.distributionFactor);
    ui->distrFactorSlider->setValue(m_settings.distributionFactor);
    ui->loopLengthSpinBox->setValue(m_settings.loopLength);
    ui->distStartSpinBox->setValue(m_settings.startDistance);
    ui->distEndSpinBox->setValue(m_settings.endDistance);
}

void LoopWidget::connectForm()
{
    const auto lengthChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(ui->loopLengthSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);
    connect(ui->distStartSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);
    connect(ui->distEndSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);

    // The spin box and the slider follow each other; only the slider recomputes,
    // so a typed value recomputes once.
    connect(ui->distrFactorSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), ui->distrFactorSlider,
            &QSlider::setValue);
    connect(ui->distrFactorSlider, &QSlider::valueChanged, ui->distrFactorSpinBox, &QSpinBox::setValue);
    connect(ui->distrFactorSlider, &QSlider::valueChanged, this, &LoopWidget::onSettingEdited);

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
    connect(ui->cableTypeComboBox, &QComboBox::currentTextChanged, this, &LoopWidget::onSettingEdited);
    // Only a click is an edit; checking a button from code is not.
    for (QRadioButton *button : {ui->topologyTypeARadioButton, ui->topologyTypeBRadioButton})
        connect(button, &QRadioButton::clicked, this, &LoopWidget::onSettingEdited);
    connect(ui->duplicateLoopButton, &QPushButton::clicked, this, &LoopWidget::duplicateLoopRequested);
    connect(ui->resetLoopButton, &QPushButton::clicked, this, &LoopWidget::resetLoop);
}

LoopWidget::~LoopWidget()
{
    delete ui;
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

void LoopWidget::showEvent(QShowEvent *event)
{
    // Shown with its window, which does not ask each page to show.
    buildPage();
    QWidget::showEvent(event);
}

void LoopWidget::setScheduleViewFactory(std::function<QWidget *()> make)
{
    m_makeScheduleView = std::move(make);
    if (!ui)
        return;
    delete m_scheduleView;
    m_scheduleView = m_makeScheduleView ? m_makeScheduleView() : nullptr;
    if (m_scheduleView) {
        ui->verticalLayout->addWidget(m_scheduleView, 1);
        restoreTabOrder(this);
    }
}

QWidget *LoopWidget::scheduleView()
{
    buildPage();
    return m_scheduleView;
}

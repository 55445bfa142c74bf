// The loop tab's form: built when the tab is first shown or its page asked
// for, from the values the loop holds, before anything listens to it.
#include "editors/loopwidget.h"
#include "ui_loopwidget.h"

#include "editors/detailedviewwidget.h"
#include "editors/figurewidth.h"
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
    if (m_ui)
        return;
    m_ui = new Ui::LoopWidget;
    // The form lives on a page inside a scroll area, so that a small screen
    // scrolls the tab instead of cutting it off.
    auto *page = new QWidget;
    m_page = page;
    page->setObjectName(QStringLiteral("loopPage"));
    m_ui->setupUi(page);
    setWindowTitle(page->windowTitle());
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("loopScrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(page);
    layout()->addWidget(m_scrollArea);
    // The boxes were polished when their scroll areas took them, before the
    // form gave them their labelType; polish them again so the style applies.
    for (QWidget *box : {static_cast<QWidget *>(m_ui->faultsLabel), static_cast<QWidget *>(m_ui->notesLabel)}) {
        box->style()->unpolish(box);
        box->style()->polish(box);
        // Border and padding widths are taken on a style change only.
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(box, &styleChange);
    }

    // Room for a whole figure in the style sheet's font, so that a narrow
    // window never cuts a result short.
    for (QLabel *value :
         {m_ui->totalAddressesValueLabel, m_ui->voltageDropValueLabel, m_ui->maxVoltageDropValueLabel,
          m_ui->idleCurrentValueLabel, m_ui->alarmCurrentValueLabel, m_ui->maxCurrentValueLabel})
        fitFigureWidth(value, 85);

    m_detailedView = new DetailedViewWidget(m_catalogue);
    m_detailedView->setMinimumSize(detailedViewMinimum(m_detailedView));
    m_ui->stackedWidget->addWidget(m_detailedView);
    m_ui->stackedWidget->setCurrentWidget(m_detailedView);

    setUpDeviceFilter();
    setCodeTexts();
    showSettingsInForm();
    fillDeviceTree();
    // The rows hold the loop's devices already: nothing needs to hear them come.
    m_detailedView->setSoundersActiveFraction(m_soundersActiveFraction);
    m_detailedView->setDevices(m_devices);
    connectForm();
    showLengthNote();
    drawEvaluation();
    if (m_makeScheduleView) {
        m_scheduleView = m_makeScheduleView();
        m_ui->verticalLayout->addWidget(m_scheduleView, 1);
    }
    // Added to a shown tab, the page would otherwise wait for the next event.
    m_scrollArea->show();
    restoreTabOrder(this);
}

void LoopWidget::showSettingsInForm()
{
    // Values the program gives are no edit: the controls keep quiet.
    const QSignalBlocker quietCable(m_ui->cableTypeComboBox);
    const QSignalBlocker quietClassA(m_ui->topologyTypeARadioButton);
    const QSignalBlocker quietDegraded(m_ui->topologyTypeBRadioButton);
    const QSignalBlocker quietFactor(m_ui->distrFactorSpinBox);
    const QSignalBlocker quietSlider(m_ui->distrFactorSlider);
    const QSignalBlocker quietLength(m_ui->loopLengthSpinBox);
    const QSignalBlocker quietStart(m_ui->distStartSpinBox);
    const QSignalBlocker quietEnd(m_ui->distEndSpinBox);
    m_ui->cableTypeComboBox->setCurrentIndex(
        std::max(0, int(LoopCable::sourceTexts().indexOf(m_settings.cableType))));
    if (m_settings.topology == Topology::ClassA)
        m_ui->topologyTypeARadioButton->setChecked(true);
    else
        m_ui->topologyTypeBRadioButton->setChecked(true);
    m_ui->distrFactorSpinBox->setValue(m_settings.distributionFactor);
    m_ui->distrFactorSlider->setValue(m_settings.distributionFactor);
    m_ui->loopLengthSpinBox->setValue(m_settings.loopLength);
    m_ui->distStartSpinBox->setValue(m_settings.startDistance);
    m_ui->distEndSpinBox->setValue(m_settings.endDistance);
}

void LoopWidget::connectForm()
{
    const auto lengthChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_ui->loopLengthSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);
    connect(m_ui->distStartSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);
    connect(m_ui->distEndSpinBox, lengthChanged, this, &LoopWidget::onLengthSpinBoxValueChanged);

    // The spin box and the slider follow each other; only the slider recomputes,
    // so a typed value recomputes once.
    connect(m_ui->distrFactorSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), m_ui->distrFactorSlider,
            &QSlider::setValue);
    connect(m_ui->distrFactorSlider, &QSlider::valueChanged, m_ui->distrFactorSpinBox, &QSpinBox::setValue);
    connect(m_ui->distrFactorSlider, &QSlider::valueChanged, this, &LoopWidget::onSettingEdited);

    connect(m_ui->devAvailableTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { onTreeCurrentItemChanged(current); });
    // A double-click or Enter on a device adds one unit, as a drop does.
    connect(m_ui->devAvailableTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item == m_ui->devAvailableTree->currentItem())
            addCurrentTreeDevice();
    });
    m_ui->devAvailableTree->installEventFilter(this);
    connect(m_detailedView, &DetailedViewWidget::updateDeviceQuantity, this,
            &LoopWidget::onUpdateDeviceQuantity);
    connect(m_ui->cableTypeComboBox, &QComboBox::currentTextChanged, this, &LoopWidget::onSettingEdited);
    // Only a click is an edit; checking a button from code is not.
    for (QRadioButton *button : {m_ui->topologyTypeARadioButton, m_ui->topologyTypeBRadioButton})
        connect(button, &QRadioButton::clicked, this, &LoopWidget::onSettingEdited);
    connect(m_ui->duplicateLoopButton, &QPushButton::clicked, this, &LoopWidget::duplicateLoopRequested);
    connect(m_ui->resetLoopButton, &QPushButton::clicked, this, &LoopWidget::resetLoop);
}

LoopWidget::~LoopWidget()
{
    delete m_ui;
}

void LoopWidget::setCodeTexts()
{
    addHelpSymbol(
        m_ui->topologyTypeLabel,
        tr("Class A if closed loop. Degraded mode if open loop.\nDegraded mode is for testing purposes "
           "only, installation should always be made with Class A."));
    addHelpSymbol(m_ui->distrFactorLabel,
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
    if (!m_ui)
        return;
    delete m_scheduleView;
    m_scheduleView = m_makeScheduleView ? m_makeScheduleView() : nullptr;
    if (m_scheduleView) {
        m_ui->verticalLayout->addWidget(m_scheduleView, 1);
        restoreTabOrder(this);
    }
}

QWidget *LoopWidget::scheduleView()
{
    buildPage();
    return m_scheduleView;
}

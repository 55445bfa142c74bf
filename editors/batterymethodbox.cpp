#include "editors/batterymethodbox.h"

#include "catalogue/displayformat.h"
#include "design/designdocument.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

BatteryMethodBox::BatteryMethodBox(QWidget *parent)
    : QWidget(parent), m_methodComboBox(new QComboBox(this)), m_infoLabel(new QLabel(this)),
      m_applyButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("batteryMethodBox"));
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    layout->setColumnStretch(1, 1);

    auto *label = new QLabel(this);
    m_label = label;
    label->setObjectName(QStringLiteral("batteryMethodLabel"));
    label->setMinimumWidth(220);
    m_methodComboBox->setObjectName(QStringLiteral("batteryMethodComboBox"));
    m_methodComboBox->setMinimumWidth(260);
    m_methodComboBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (BatteryMethod method : BatterySizing::methods())
        m_methodComboBox->addItem(QString(), int(method));

    m_infoLabel->setObjectName(QStringLiteral("batteryMethodInfoLabel"));
    m_infoLabel->setProperty("labelType", QStringLiteral("infoBox"));
    m_infoLabel->setWordWrap(true);
    m_infoLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_applyButton->setObjectName(QStringLiteral("applyNearestBatteryButton"));
    m_applyButton->setEnabled(false);

    layout->addWidget(label, 0, 0);
    layout->addWidget(m_methodComboBox, 0, 1);
    layout->addWidget(m_infoLabel, 1, 0, 1, 2);
    layout->addWidget(m_applyButton, 2, 1, Qt::AlignRight);

    connect(m_methodComboBox, QOverload<int>::of(&QComboBox::activated), this, &BatteryMethodBox::onMethodChosen);
    connect(m_applyButton, &QPushButton::clicked, this, [this] {
        if (m_suggestion.found)
            emit applyRequested(m_suggestion.set);
    });
    setTexts();
    refresh();
}

void BatteryMethodBox::setTexts()
{
    m_label->setText(tr("Battery method"));
    for (int i = 0; i < m_methodComboBox->count(); ++i)
        m_methodComboBox->setItemText(
            i, BatterySizing::name(static_cast<BatteryMethod>(m_methodComboBox->itemData(i).toInt())));
    m_applyButton->setText(tr("Apply nearest battery"));
}

void BatteryMethodBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    {
        const QSignalBlocker quiet(m_methodComboBox);
        setTexts();
    }
    refresh();
}

void BatteryMethodBox::setDocument(DesignDocument *document, const QString &boxName)
{
    if (m_document)
        m_document->disconnect(this);
    m_document = document;
    m_boxName = boxName;
    if (document) {
        connect(document, &DesignDocument::changed, this, &BatteryMethodBox::refresh);
        connect(document, &DesignDocument::designReplaced, this, &BatteryMethodBox::refresh);
    }
    refresh();
}

bool BatteryMethodBox::systemIndex(int &index) const
{
    if (!m_document)
        return false;
    if (m_boxName.isEmpty()) {
        index = -1;
        return true;
    }
    const QVector<SystemDesign> &boxes = m_document->design().boxes;
    for (int i = 0; i < boxes.size(); ++i) {
        if (boxes.at(i).name == m_boxName) {
            index = i;
            return true;
        }
    }
    return false;
}

void BatteryMethodBox::setMethod(BatteryMethod method)
{
    const int row = m_methodComboBox->findData(int(method));
    if (row >= 0 && row != m_methodComboBox->currentIndex()) {
        const QSignalBlocker blocker(m_methodComboBox);
        m_methodComboBox->setCurrentIndex(row);
    }
    if (method == m_method)
        return;
    m_method = method;
    emit methodChanged(method);
}

void BatteryMethodBox::onMethodChosen(int row)
{
    const auto method = BatteryMethod(m_methodComboBox->itemData(row).toInt());
    int index = -1;
    if (systemIndex(index)) {
        // The document decides; refresh() follows it.
        m_document->setBatteryMethod(index, method);
        refresh();
        return;
    }
    // No design to keep it in (the editor on its own): the page follows the choice.
    setMethod(method);
}

void BatteryMethodBox::refresh()
{
    m_suggestion = {};
    int index = -1;
    if (!systemIndex(index)) {
        m_infoLabel->setText(BatterySizing::reference(m_method));
        m_applyButton->setEnabled(false);
        return;
    }
    const SystemDesign *system = m_document->design().system(index);
    setMethod(system->batteryMethod);
    // Nothing recorded yet (the window is still being built): nothing to evaluate.
    if (system->config.model.isEmpty()) {
        m_infoLabel->setText(BatterySizing::reference(m_method));
        m_applyButton->setEnabled(false);
        return;
    }
    const DesignEvaluation &evaluation = m_document->evaluation();
    const PanelEvaluation &panel = index < 0 ? evaluation.main.panel : evaluation.boxes.at(index).panel;
    const BatterySizing::Result &r = panel.batterySizing;

    QStringList lines{BatterySizing::reference(r.method), r.substituted};
    const QString symbol = BatterySizing::factorSymbol(r.method);
    if (r.method == BatteryMethod::Bs5839)
        lines << (r.derated ? tr("D = 1.75: the alarm current is above C/20.")
                            : tr("D = 1: the alarm current is not above C/20."));
    else if (!symbol.isEmpty())
        lines << QStringLiteral("%1 = %2").arg(symbol, Display::fixed(r.factor, 2));
    lines << tr("Required capacity: %1").arg(Display::ampereHours(r.requiredCapacity));
    m_suggestion = panel.nearestBattery;
    lines << BatterySizing::suggestionText(m_suggestion);
    m_infoLabel->setText(lines.join(QLatin1Char('\n')));

    const PanelConfig &c = system->config;
    const BatterySizing::BatterySet current{c.internalBattery, c.battery1, c.battery2};
    m_applyButton->setEnabled(m_suggestion.found && m_suggestion.set != current);
}

#include "editors/scheduleview.h"

#include "catalogue/displayformat.h"
#include "design/designdocument.h"
#include "design/designfile.h"
#include "loop/schedulerules.h"
#include "editors/scheduletablemodel.h"
#include "editors/voltageprofileplot.h"
#include "widgets/widgetfunctions.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace
{

constexpr int ToolTipMs = 5000;

} // namespace

ScheduleView::ScheduleView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("scheduleView"));
    auto *title = new QLabel(this);
    m_title = title;
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_make = new QPushButton(this);
    m_make->setObjectName(QStringLiteral("makeScheduleButton"));
    m_renumber = new QPushButton(this);
    m_renumber->setObjectName(QStringLiteral("renumberButton"));
    m_up = new QPushButton(this);
    m_up->setObjectName(QStringLiteral("moveUpButton"));
    m_down = new QPushButton(this);
    m_down->setObjectName(QStringLiteral("moveDownButton"));
    m_remove = new QPushButton(this);
    m_remove->setObjectName(QStringLiteral("removeScheduleButton"));
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("scheduleFilter"));
    m_filter->setClearButtonEnabled(true);

    auto *bar = new QHBoxLayout;
    bar->addWidget(title);
    bar->addWidget(m_make);
    bar->addWidget(m_renumber);
    bar->addWidget(m_up);
    bar->addWidget(m_down);
    bar->addWidget(m_remove);
    bar->addStretch(1);
    bar->addWidget(m_filter);

    m_model = new ScheduleTableModel(this);
    m_model->setEdit([this](int row, int column, const QString &text) { onCellEdited(row, column, text); });
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setObjectName(QStringLiteral("scheduleTable"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    // Columns are fitted once per redraw, not at every cell written.
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);

    m_faults = new QLabel(this);
    m_faults->setObjectName(QStringLiteral("scheduleFaultsLabel"));
    m_faults->setProperty("labelType", QStringLiteral("infoBox"));
    m_faults->setWordWrap(true);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("scheduleNoteLabel"));
    m_note->setProperty("labelType", QStringLiteral("infoBox"));
    m_note->setWordWrap(true);
    m_note->hide();
    m_plot = new VoltageProfilePlot(this);
    setTexts();

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_plot, 1);
    sideLayout->addWidget(m_faults);
    sideLayout->addWidget(m_note);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_table);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_make, &QPushButton::clicked, this, &ScheduleView::makeSchedule);
    connect(m_renumber, &QPushButton::clicked, this, &ScheduleView::renumber);
    connect(m_up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_remove, &QPushButton::clicked, this, &ScheduleView::removeSchedule);
    connect(m_filter, &QLineEdit::textChanged, this, &ScheduleView::applyFilter);
    refresh();
}

void ScheduleView::setDocument(DesignDocument *document, std::function<int()> system, int loop)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    m_system = std::move(system);
    m_loop = loop;
    if (m_document) {
        connect(m_document, &DesignDocument::changed, this, &ScheduleView::onChanged);
        connect(m_document, &DesignDocument::designReplaced, this, &ScheduleView::refresh);
        connect(m_document, &DesignDocument::edited, this, &ScheduleView::onEdited);
    }
    m_shownSchedule.reset();
    refresh();
}

std::optional<LoopSchedule> ScheduleView::schedule() const
{
    if (!m_document || !m_system)
        return std::nullopt;
    const SystemDesign *system = m_document->design().system(m_system());
    if (!system || !system->schedules.contains(m_loop))
        return std::nullopt;
    return system->schedules.value(m_loop);
}

void ScheduleView::send(const std::optional<LoopSchedule> &schedule)
{
    if (m_document && m_system)
        m_document->setLoopSchedule(m_system(), m_loop, schedule);
}

void ScheduleView::makeSchedule()
{
    if (!m_document || !m_system)
        return;
    const SystemDesign *system = m_document->design().system(m_system());
    if (!system || m_loop >= system->loops.size())
        return;
    const LoopConfig &config = system->loops.at(m_loop);
    send(ScheduleRules::fromQuantities(
        config, ScheduleRules::records(LoopCalc::resolveDevices(config.devices, *m_document->catalogue()))));
}

void ScheduleView::renumber()
{
    std::optional<LoopSchedule> current = schedule();
    if (!current)
        return;
    const SystemDesign *system = m_document->design().system(m_system());
    ScheduleRules::renumber(*current, ScheduleRules::records(LoopCalc::resolveDevices(
                                          system->loops.at(m_loop).devices, *m_document->catalogue())));
    send(current);
}

void ScheduleView::removeSchedule()
{
    if (schedule())
        send(std::nullopt);
}

bool ScheduleView::moveCurrent(int delta)
{
    std::optional<LoopSchedule> current = schedule();
    const int row = m_table->currentIndex().row();
    if (!current || !ScheduleRules::moveUnit(*current, row, delta))
        return false;
    const int column = std::max(0, m_table->currentIndex().column());
    send(current);
    m_table->setCurrentIndex(m_model->index(row + delta, column));
    return true;
}

QString ScheduleView::faultsText() const
{
    return m_faults->text();
}

QString ScheduleView::noteText() const
{
    return m_note->isHidden() ? QString() : m_note->text();
}

void ScheduleView::onChanged(const DesignChange &change)
{
    if (change.kind == DesignChange::Project)
        return;
    refresh();
}

void ScheduleView::onEdited(const Design &before, const Design &after)
{
    if (!m_system)
        return;
    const int index = m_system();
    const SystemDesign *was = before.system(index);
    const SystemDesign *now = after.system(index);
    if (!was || !now || !was->schedules.contains(m_loop) || !now->schedules.contains(m_loop) ||
        m_loop >= was->loops.size() || m_loop >= now->loops.size() ||
        was->loops.at(m_loop).devices == now->loops.at(m_loop).devices) {
        return;
    }
    // The device list changed under a schedule: say what the schedule did.
    QMap<QString, int> wasCount = was->loops.at(m_loop).devices;
    int added = 0, removed = 0;
    const QMap<QString, int> &nowCount = now->loops.at(m_loop).devices;
    for (auto it = nowCount.cbegin(); it != nowCount.cend(); ++it)
        added += std::max(0, it.value() - wasCount.value(it.key()));
    for (auto it = wasCount.cbegin(); it != wasCount.cend(); ++it)
        removed += std::max(0, it.value() - nowCount.value(it.key()));
    m_note->setText(tr("The schedule follows the device list: %1 unit(s) added at its end, %2 removed from its end.")
                        .arg(added)
                        .arg(removed));
    m_note->show();
}

void ScheduleView::setTexts()
{
    m_title->setText(tr("Schedule"));
    m_make->setText(tr("Make schedule"));
    m_make->setToolTip(tr("Lists the loop's units in device-list order, evenly spread between the start and "
                          "end distances and addressed 1, 2, ... in cable order."));
    m_renumber->setText(tr("Renumber"));
    m_renumber->setToolTip(tr("Gives the addresses anew in cable order."));
    m_up->setText(tr("Move up"));
    m_up->setToolTip(tr("Moves the unit one place towards the OUT terminal (Ctrl+Up)."));
    m_down->setText(tr("Move down"));
    m_down->setToolTip(tr("Moves the unit one place towards the IN terminal (Ctrl+Down)."));
    m_remove->setText(tr("Remove schedule"));
    m_filter->setPlaceholderText(tr("Filter units"));
    m_model->setHeaders({tr("Position (m)"), tr("Device"), tr("Address"), tr("Zone"), tr("Location"),
                         tr("Drop intact (V)"), tr("Break at OUT (V)"), tr("Break at IN (V)"), tr("Margin (V)"),
                         tr("Status")},
                        tr("Drop fed from OUT (V)"));
}

void ScheduleView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setTexts();
    // The shown schedule is drawn again, its statuses and faults in the new words.
    m_shownSchedule.reset();
    refresh();
}

void ScheduleView::refresh()
{
    const std::optional<LoopSchedule> current = schedule();
    const bool has = current.has_value();
    m_make->setVisible(!has);
    m_renumber->setVisible(has);
    m_up->setVisible(has);
    m_down->setVisible(has);
    m_remove->setVisible(has);
    m_filter->setVisible(has);
    m_table->setVisible(has);
    m_plot->setVisible(has);
    m_faults->setVisible(has);
    if (!has) {
        m_note->hide();
        m_shownSchedule.reset();
        m_model->clear();
        m_make->setEnabled(m_document != nullptr);
        return;
    }
    const Design &design = m_document->design();
    const int index = m_system();
    const LoopConfig config = design.system(index)->loops.value(m_loop);
    const PanelConfig &panel = design.system(index)->config;
    // An edit elsewhere leaves this loop's table as it is, unevaluated.
    if (m_shownSchedule == current && m_shownConfig == config && m_shownPanel == panel &&
        m_model->rowCount() == current->units.size())
        return;
    // The document's evaluation is kept until the design changes, and the
    // battery boxes ask for it after every change anyway: its check is free.
    const DesignEvaluation &evaluation = m_document->evaluation();
    const SystemEvaluation *evaluated =
        index < 0 ? &evaluation.main : (index < evaluation.boxes.size() ? &evaluation.boxes.at(index) : nullptr);
    std::optional<LoopDeviceCheck> check;
    if (evaluated && evaluated->deviceChecks.contains(m_loop))
        check = evaluated->deviceChecks.value(m_loop);
    else
        check = DesignEvaluation::evaluateDeviceCheck(design, index, m_loop, *m_document->catalogue());
    if (!check)
        return;
    m_shownSchedule = current;
    m_shownConfig = config;
    m_shownPanel = panel;
    fill(*current, *check);
    m_plot->setProfile(*current, *check, config.loopLength);
    const bool fault = check->hasFault();
    m_faults->setText(fault ? check->faultsText : tr("Device-level check OK."));
    setFault(m_faults, fault);
}

void ScheduleView::fill(const LoopSchedule &schedule, const LoopDeviceCheck &check)
{
    const bool resized = m_model->rowCount() != schedule.units.size();
    m_model->show(schedule, check);
    m_table->setColumnHidden(BreakAtOut, check.degradedMode);
    m_table->setColumnHidden(BreakAtIn, check.degradedMode);
    applyFilter();
    // Sizing the columns measures the texts of the cells: a table out of
    // sight (another loop's tab) is sized when it is first shown.
    if (resized && m_table->isVisible())
        m_table->resizeColumnsToContents();
    else if (resized)
        m_columnsToSize = true;
}

void ScheduleView::applyFilter()
{
    const QString text = m_filter->text().trimmed();
    // No filter and nothing hidden: thousands of rows are left alone.
    if (text.isEmpty() && !m_filtered)
        return;
    m_filtered = !text.isEmpty();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        bool shown = text.isEmpty();
        for (int column : {Device, Address, Zone, Location, Status}) {
            if (!shown && m_model->text(row, column).contains(text, Qt::CaseInsensitive))
                shown = true;
        }
        m_table->setRowHidden(row, !shown);
    }
}

void ScheduleView::refuse(int row, int column, const QString &why)
{
    // The table shows the document's value again.
    m_shownSchedule.reset();
    refresh();
    showToolTip(m_table, why, m_table->visualRect(m_model->index(row, column)).bottomLeft(), ToolTipMs);
}

void ScheduleView::onCellEdited(int row, int column, const QString &text)
{
    std::optional<LoopSchedule> current = schedule();
    if (!current || row < 0 || row >= current->units.size())
        return;
    ScheduleUnit &unit = current->units[row];
    switch (column) {
    case Position: {
        bool ok = false;
        const int position = text.trimmed().toInt(&ok);
        if (!ok || position < 0 || position > LoopConfig::MaxDistance) {
            refuse(row, column, tr("Enter whole metres from 0 to %1.").arg(LoopConfig::MaxDistance));
            return;
        }
        unit.position = position;
        break;
    }
    case Zone:
    case Location:
        if (!DesignFile::isStorableText(text) ||
            (column == Location && text.size() > DesignFile::MaxLocationLength)) {
            refuse(row, column,
                   tr("Zones and locations cannot hold \";\" or line breaks, and a location holds at most "
                      "%1 characters.")
                       .arg(DesignFile::MaxLocationLength));
            return;
        }
        (column == Zone ? unit.zone : unit.location) = text;
        break;
    default:
        return;
    }
    send(current);
}

bool ScheduleView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::Show && m_columnsToSize) {
        m_columnsToSize = false;
        m_table->resizeColumnsToContents();
    }
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveCurrent(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

#include "app/designsession.h"

#include "core/safewrite.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "widgets/messagebox.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace
{
// A value typed or spun is one step once it has rested this long.
constexpr int SettleMs = 1500;
constexpr int RecoveryMs = 2 * 60 * 1000;

// The spin box or slider an input event works on, if any.
QWidget *valueControl(QObject *receiver)
{
    for (auto *widget = qobject_cast<QWidget *>(receiver); widget; widget = widget->parentWidget()) {
        if (qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QAbstractSlider *>(widget))
            return widget;
        if (widget->isWindow())
            break;
    }
    return nullptr;
}
} // namespace

DesignSession::DesignSession(QWidget *window, Snapshot snapshot, Show show, const Catalogue *catalogue,
                             const QString &recoveryFolder)
    : QObject(window), m_window(window), m_snapshot(std::move(snapshot)), m_show(std::move(show)),
      m_document(new DesignDocument(catalogue, recoveryFolder, this))
{
    setObjectName(QStringLiteral("designSession"));
    m_checkTimer.setSingleShot(true);
    m_checkTimer.setInterval(0);
    connect(&m_checkTimer, &QTimer::timeout, this, [this] { check(); });
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(SettleMs);
    connect(&m_settleTimer, &QTimer::timeout, m_document, &DesignDocument::closeStep);
    m_recoveryTimer.setInterval(RecoveryMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &DesignSession::writeRecovery);
    connect(m_document, &DesignDocument::edited, this, &DesignSession::edited);
    connect(m_document, &DesignDocument::stateChanged, this, &DesignSession::stateChanged);
    // A schedule edit can move a loop's start and end distances: the loop
    // editors follow the document.
    connect(m_document, &DesignDocument::changed, this, [this](const DesignChange &change) {
        if (change.kind == DesignChange::Schedule && m_enabled && !m_showing && onScreen() != m_document->design())
            this->show();
    });
    qApp->installEventFilter(this);
}

DesignSession::~DesignSession()
{
    qApp->removeEventFilter(this);
}

void DesignSession::watch(SystemContainerWidget *container)
{
    PanelWidget *panel = container ? container->panelWidget() : nullptr;
    if (!panel)
        return;
    m_watched.removeAll(nullptr);
    if (!m_watched.contains(container))
        m_watched.append(container);
    // The panel's edits come as typed edits; boxes come and go with pages.
    // (The session may go first when the window closes.)
    panel->setEditTarget([session = QPointer<DesignSession>(this), container](const PanelConfig &config) {
        return session ? session->recordPanel(container, config) : nullptr;
    });
    panel->setEvaluationSource([session = QPointer<DesignSession>(this), container](const PanelInput &input) {
        return session ? session->panelEvaluation(container, input) : nullptr;
    });
    // By now the window has made (or put away) the box's page.
    connect(container, &SystemContainerWidget::expansionBoxAdded, this,
            [this](const QString &model, const QString &name) {
                recordBox(name, true, [this, model] { return m_document->addBox(model); });
            });
    connect(container, &SystemContainerWidget::expansionBoxRemoved, this, [this](const QString &name) {
        recordBox(name, false, [this, name] {
            const int before = m_document->design().boxes.size();
            m_document->removeBox(name);
            return m_document->design().boxes.size() != before;
        });
    });
    container->setLoopsEditTarget([session = QPointer<DesignSession>(this), container](
                                      const QMap<int, LoopConfig> &loops) {
        if (session)
            session->recordLoops(container, loops);
    });
    // The container makes new loops on this signal before we hear it.
    connect(panel, &PanelWidget::loopsChanged, this, [this, container] { watchLoops(container); });
    watchLoops(container);
}

void DesignSession::watchLoops(SystemContainerWidget *container)
{
    for (LoopWidget *loop : container->loopWidgets()) {
        loop->setEditTarget([session = QPointer<DesignSession>(this), container, loop](const LoopConfig &config) {
            return session ? session->recordLoop(container, loop, config) : nullptr;
        });
        loop->setEvaluationSource([session = QPointer<DesignSession>(this), container, loop] {
            return session ? session->loopEvaluation(container, *loop) : nullptr;
        });
        connect(loop, &LoopWidget::updateLoopCurrents, this, &DesignSession::scheduleCheck,
                Qt::UniqueConnection);
        connect(loop, &LoopWidget::loopFaultChanged, this, &DesignSession::scheduleCheck,
                Qt::UniqueConnection);
    }
}

const SystemEvaluation *DesignSession::recordPanel(SystemContainerWidget *container,
                                                   const PanelConfig &config)
{
    if (!m_enabled || m_showing)
        return nullptr;
    // An edit still waiting for its event to end is a step of its own, and
    // the design must hold it before this one is made on top. A Return
    // that ends this event closes the step this edit makes, not that one.
    const bool closing = std::exchange(m_closeAfterCheck, false);
    flush();
    const int system = container->systemIndex();
    const SystemDesign *current = m_document->design().system(system);
    if (!current || current->config.expansionBox != config.expansionBox) {
        // Not in the design yet: the editor shows the edit, the check finds it.
        m_closeAfterCheck = closing;
        scheduleCheck();
        return nullptr;
    }
    // Loops that come back into use keep what their hidden tabs hold.
    QMap<int, LoopConfig> returning;
    const QVector<LoopWidget *> loops = container->loopWidgets();
    for (int i = current->loops.size(); i < loops.size(); ++i)
        returning.insert(i, loops.at(i)->config());
    const quintptr key = reinterpret_cast<quintptr>(m_inputSource.data());
    if (m_document->setPanelConfig(system, config, key, returning) && key)
        m_settleTimer.start();
    if (closing)
        m_document->closeStep();
    return m_document->evaluation().system(system);
}

const LoopConfig *DesignSession::recordLoop(SystemContainerWidget *container, LoopWidget *loop,
                                           const LoopConfig &config)
{
    const int index = container->loopWidgets().indexOf(loop);
    if (!recordLoops(container, {{index, config}}))
        return nullptr;
    return &m_document->design().system(container->systemIndex())->loops.at(index);
}

const PanelEvaluation *DesignSession::panelEvaluation(SystemContainerWidget *container,
                                                     const PanelInput &input) const
{
    if (!m_enabled)
        return nullptr;
    const int system = container->systemIndex();
    const SystemDesign *held = m_document->design().system(system);
    if (!held || held->config != input.config || held->batteryMethod != input.batteryMethod)
        return nullptr;
    // The loops' side too: while their tabs take new values, the page has
    // some of the old ones.
    const PanelEvaluation &evaluated = m_document->evaluation().system(system)->panel;
    if (evaluated.loopCount != input.loopCount || input.loopCurrents.size() < input.loopCount ||
        input.loopFaults.size() < input.loopCount ||
        evaluated.loopCurrents != input.loopCurrents.mid(0, input.loopCount) ||
        evaluated.loopFaults != input.loopFaults.mid(0, input.loopCount) ||
        input.externalPowerSourcesEnabled != PanelInput::fromConfig(held->config, *m_document->catalogue())
                                                 .externalPowerSourcesEnabled)
        return nullptr;
    return &evaluated;
}

const LoopEvaluation *DesignSession::loopEvaluation(SystemContainerWidget *container, const LoopWidget &loop) const
{
    if (!m_enabled)
        return nullptr;
    const int system = container->systemIndex();
    const int index = container->loopWidgets().indexOf(const_cast<LoopWidget *>(&loop));
    const SystemDesign *held = m_document->design().system(system);
    if (!held || index < 0 || index >= held->loops.size() || held->loops.at(index) != loop.config())
        return nullptr;
    // The panel's side too: while the page takes a new model or share, the
    // loop has the old ones.
    const SystemEvaluation *evaluated = m_document->evaluation().system(system);
    const LoopLimits limits = loop.limits();
    if (!evaluated || evaluated->limits != limits ||
        held->config.soundersActiveFraction() != loop.soundersActiveFraction())
        return nullptr;
    return &evaluated->loopResults.at(index);
}

bool DesignSession::recordLoops(SystemContainerWidget *container, const QMap<int, LoopConfig> &loops)
{
    if (!m_enabled || m_showing)
        return false;
    const int system = container->systemIndex();
    const auto inDesign = [system, &loops](const Design &design) {
        const SystemDesign *current = design.system(system);
        return current && !loops.isEmpty() && loops.firstKey() >= 0 && loops.lastKey() < current->loops.size();
    };
    if (!inDesign(m_document->design())) {
        // A loop out of use is no part of the design: the check decides.
        scheduleCheck();
        return false;
    }
    // The loops show their edit already: what else their event changed
    // before is a step of its own, without this one.
    const bool closing = std::exchange(m_closeAfterCheck, false);
    if (m_checkTimer.isActive()) {
        m_checkTimer.stop();
        const QVector<LoopConfig> was = m_document->design().system(system)->loops;
        check([system, &loops, &was](Design &now) {
            SystemDesign *target = now.system(system);
            for (auto it = loops.cbegin(); target && it != loops.cend(); ++it) {
                if (it.key() < target->loops.size())
                    target->loops[it.key()] = was.at(it.key());
            }
        });
    }
    if (!inDesign(m_document->design()))
        return false;
    Design next = m_document->design();
    SystemDesign *target = next.system(system);
    for (auto it = loops.cbegin(); it != loops.cend(); ++it)
        target->loops[it.key()] = it.value();
    const quintptr key = reinterpret_cast<quintptr>(m_inputSource.data());
    const DesignChange change =
        loops.size() == 1 ? DesignChange{DesignChange::Loop, system, loops.firstKey()} : DesignChange{};
    if (m_document->record(next, key, change) && key)
        m_settleTimer.start();
    // The design may keep loops otherwise (a schedule's lengths): a single
    // loop follows what it is given back, several follow the design here.
    if (loops.size() > 1 && onScreen() != m_document->design())
        show();
    if (closing)
        m_document->closeStep();
    return true;
}

void DesignSession::recordBox(const QString &name, bool added, const std::function<bool()> &edit)
{
    if (!m_enabled || m_showing)
        return;
    // The page came or went already: a check still waiting would see it
    // with whatever else its event changed before.
    const bool waiting = m_checkTimer.isActive();
    const bool recorded = edit();
    const QVector<SystemDesign> &boxes = m_document->design().boxes;
    const bool present = std::any_of(boxes.cbegin(), boxes.cend(),
                                     [&name](const SystemDesign &box) { return box.name == name; });
    // Should the design's rules ever disagree with the page's, the check
    // records what the window shows.
    if (present != added) {
        scheduleCheck();
        return;
    }
    if (!waiting)
        return;
    // What else the event changed goes into the same step, as one.
    const Design now = onScreen();
    if (now == m_document->design())
        return;
    if (recorded)
        m_document->amend(now);
    else
        m_document->record(now);
}

Design DesignSession::onScreen() const
{
    Design design = m_snapshot();
    design.takeOptionalData(m_document->design());
    return design;
}

void DesignSession::start(const QString &fileName)
{
    m_checkTimer.stop();
    m_settleTimer.stop();
    holdFile(fileName);
    m_document->reset(m_snapshot(), fileName);
    drawFromDocument();
}

void DesignSession::start(const QString &fileName, const Design &read)
{
    m_checkTimer.stop();
    m_settleTimer.stop();
    holdFile(fileName);
    Design design = m_snapshot();
    design.takeOptionalData(read);
    m_document->reset(design, fileName);
    drawFromDocument();
}

void DesignSession::markSaved(const QString &fileName)
{
    flush();
    holdFile(fileName);
    m_document->markSaved(fileName);
}

void DesignSession::markRestored(const QString &fileName, const Design &read)
{
    m_checkTimer.stop();
    holdFile(fileName);
    Design design = m_snapshot();
    design.takeOptionalData(read);
    m_document->restore(design, fileName);
    drawFromDocument();
}

void DesignSession::holdFile(const QString &fileName)
{
    if (fileName.isEmpty()) {
        m_designLock.release();
        m_diskState.clear();
        return;
    }
    // Held by another run (the user chose to open it anyway): no mark of ours.
    if (!m_designLock.acquire(fileName))
        m_designLock.release();
    m_diskState = DiskState::fingerprint(fileName);
}

bool DesignSession::confirmOpen(const QString &fileName)
{
    const QString held = m_designLock.lockedFile();
    if (!held.isEmpty() && m_designLock.lockPath(held) == m_designLock.lockPath(fileName))
        return true; // our own mark
    DesignLock probe;
    DesignLock::Holder holder;
    if (probe.acquire(fileName, &holder))
        return true;
    const QString since =
        holder.since.isValid() ? holder.since.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
    return MessageBox::question(m_window, tr("Warning"),
                                tr("%1 is open in another Kalvix (process %2 on %3, since %4).\nChanges "
                                   "saved in one would overwrite the other's. Open it anyway?")
                                    .arg(QDir::toNativeSeparators(fileName))
                                    .arg(holder.pid)
                                    .arg(holder.host, since)) == QMessageBox::Yes;
}

DesignSession::DiskAnswer DesignSession::confirmOverwrite(const QString &fileName)
{
    if (this->fileName().isEmpty() || m_diskState.isEmpty() || !SafeWrite::isSameFile(fileName, this->fileName()))
        return DiskAnswer::Overwrite;
    const QByteArray now = DiskState::fingerprint(fileName);
    if (now.isEmpty() || now == m_diskState)
        return DiskAnswer::Overwrite;
    switch (MessageBox::overwriteSaveAsCancel(
        m_window, tr("Warning"),
        tr("%1 was changed by someone else since you opened it.\nOverwrite it with this design?")
            .arg(QDir::toNativeSeparators(fileName)),
        tr("Overwrite"), tr("Save As..."))) {
    case QMessageBox::Yes:
        return DiskAnswer::Overwrite;
    case QMessageBox::Save:
        return DiskAnswer::SaveAs;
    default:
        return DiskAnswer::Cancel;
    }
}

void DesignSession::refresh()
{
    m_checkTimer.stop();
    if (m_enabled)
        m_document->replaceCurrent(onScreen());
    drawFromDocument();
    emit stateChanged();
}

void DesignSession::markUnsaved()
{
    m_document->markUnsaved();
}

void DesignSession::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled && m_document->recovery().claim())
        m_recoveryTimer.start();
    else
        m_recoveryTimer.stop();
    emit stateChanged();
}

bool DesignSession::isModified() const
{
    return m_enabled && m_document->isModified();
}

bool DesignSession::canUndo() const
{
    return m_enabled && m_document->canUndo();
}

bool DesignSession::canRedo() const
{
    return m_enabled && m_document->canRedo();
}

void DesignSession::scheduleCheck()
{
    if (m_enabled && !m_showing)
        m_checkTimer.start();
}

void DesignSession::flush()
{
    if (m_checkTimer.isActive()) {
        m_checkTimer.stop();
        check();
    }
}

void DesignSession::check(const std::function<void(Design &)> &leaveOut)
{
    if (!m_enabled || m_showing)
        return;
    Design now = onScreen();
    if (leaveOut)
        leaveOut(now);
    const quintptr key = reinterpret_cast<quintptr>(m_inputSource.data());
    if (m_document->record(now, key)) {
        if (key)
            m_settleTimer.start();
        // The document keeps what the editors do not decide (a schedule's
        // lengths); the editors follow it.
        if (m_document->design() != now)
            show();
    }
    if (m_closeAfterCheck) {
        m_document->closeStep();
        m_closeAfterCheck = false;
    }
}

void DesignSession::undo()
{
    flush();
    if (!canUndo())
        return;
    m_document->undo();
    show();
}

void DesignSession::redo()
{
    flush();
    if (!canRedo())
        return;
    m_document->redo();
    show();
}

void DesignSession::drawFromDocument()
{
    if (!m_enabled)
        return;
    // Once the design is all on screen, every editor draws what it evaluates.
    const DesignEvaluation &evaluation = m_document->evaluation();
    for (const QPointer<SystemContainerWidget> &container : qAsConst(m_watched)) {
        const SystemEvaluation *system = container ? evaluation.system(container->systemIndex()) : nullptr;
        PanelWidget *panel = container ? container->panelWidget() : nullptr;
        if (!system || !panel)
            continue;
        if (panel->configuration() == system->config && panel->currentLoopCount() == system->loops.size())
            panel->showEvaluation(system->panel);
        for (LoopWidget *loop : container->loopWidgets())
            loop->drawDesignEvaluation();
    }
}

void DesignSession::show()
{
    const Design &state = m_document->design();
    m_settleTimer.stop();
    m_showing = true;
    m_show(state);
    drawFromDocument();
    m_showing = false;
    // What the editors signalled while being rewritten is no edit.
    m_checkTimer.stop();
    if (onScreen() != state)
        qWarning().noquote() << "The design on screen differs from the state of its history it should show";
    emit stateChanged();
}

void DesignSession::writeRecovery()
{
    if (!m_enabled)
        return;
    flush();
    m_document->writeRecovery();
}

void DesignSession::finish()
{
    m_recoveryTimer.stop();
    m_document->dropRecovery();
}

bool DesignSession::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
    case QEvent::FocusOut:
        break;
    default:
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!m_enabled || !widget || widget->window() != m_window)
        return false;

    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        // In a spin box, undo means the design's undo, not its text field's:
        // keep the field from claiming the keys so the window's command runs.
        auto *key = static_cast<QKeyEvent *>(event);
        const bool undoKeys = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        return undoKeys && qobject_cast<QAbstractSpinBox *>(valueControl(widget));
    }
    if (type == QEvent::FocusOut) {
        // Leaving the control settles its value.
        if (m_inputSource && (widget == m_inputSource || m_inputSource->isAncestorOf(widget))) {
            flush();
            m_document->closeStep();
            m_inputSource = nullptr;
        }
        return false;
    }
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
        type == QEvent::Wheel) {
        QWidget *control = valueControl(widget);
        if (control != m_inputSource) {
            flush();
            m_document->closeStep();
        }
        m_inputSource = control;
        if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                m_closeAfterCheck = true;
        }
    }
    scheduleCheck();
    return false;
}

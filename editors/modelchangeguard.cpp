#include "editors/modelchangeguard.h"

#include "widgets/messagebox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>

ModelChangeGuard::ModelChangeGuard(QComboBox *selector, Loss loss, QObject *parent)
    : QObject(parent), m_selector(selector), m_loss(std::move(loss))
{
    m_selector->installEventFilter(this);
    m_selector->view()->installEventFilter(this);
    m_selector->view()->viewport()->installEventFilter(this);
}

void ModelChangeGuard::noteUserInput()
{
    // A change that follows from this input, in this same event, is the user's.
    m_userInput = true;
    QTimer::singleShot(0, this, [this] { m_userInput = false; });
}

bool ModelChangeGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Wheel:
    case QEvent::MouseButtonRelease:
        noteUserInput();
        break;
    case QEvent::KeyPress: {
        // Commands with modifiers (undo among them) are not a choice of model.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            noteUserInput();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool ModelChangeGuard::allows(const QString &from, const QString &to)
{
    if (m_confirmed || !m_userInput || from.isEmpty() || from == to)
        return true;
    m_userInput = false;
    const ModelChangeLoss loss = m_loss(to);
    if (loss.isEmpty())
        return true;
    // The design stays whole as it was while the user decides.
    {
        const QSignalBlocker blocker(m_selector);
        m_selector->setCurrentText(from);
    }
    const QString text =
        QCoreApplication::translate("PanelWidget", "Changing the panel to %1 removes:\n\n%2\n\nCancel keeps "
                                                   "everything as it is.")
            .arg(to, QStringLiteral("\u2022 ") + loss.lines().join(QStringLiteral("\n\u2022 ")));
    if (MessageBox::confirm(m_selector->window(), QCoreApplication::translate("PanelWidget", "Change panel"),
                            text,
                            QCoreApplication::translate("PanelWidget", "Change panel")) != QMessageBox::Ok)
        return false;
    m_confirmed = true;
    m_selector->setCurrentText(to);
    m_confirmed = false;
    return false;
}

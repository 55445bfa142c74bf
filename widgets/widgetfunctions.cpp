#include "widgets/widgetfunctions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVariant>
#include <QVector>

MyToolTip::MyToolTip(QWidget *parent, const QString &text, const QPoint &globalPos, int durationMs, bool popup)
    : QLabel(parent, (popup ? Qt::Popup : Qt::ToolTip) | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("myToolTip"));
    setWordWrap(true);
    setText(text);
    move(globalPos);
    adjustSize();
    show();
    QTimer::singleShot(durationMs, this, &QObject::deleteLater);
}

void MyToolTip::mousePressEvent(QMouseEvent *)
{
    deleteLater();
}

MyToolTip *showToolTip(QWidget *widget, const QString &text, const QPoint &localPoint, int durationMs)
{
    return new MyToolTip(widget->window(), text, widget->mapToGlobal(localPoint), durationMs);
}

MyToolTip *showTypingNote(QWidget *widget, const QString &text, const QPoint &localPoint, int durationMs)
{
    // A popup would grab the keyboard; a tool tip window does not.
    return new MyToolTip(widget->window(), text, widget->mapToGlobal(localPoint), durationMs, false);
}

// Re-reads the style sheet rules for the widget's new properties. The style
// change notice makes frames and labels take a changed padding or border too,
// not only the colours (polishing alone keeps their old frame width).
static void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(widget, &styleChange);
    widget->update();
}

void setFault(QWidget *widget, bool fault)
{
    widget->setProperty("fault", fault);
    repolish(widget);
}

void setTransparent(QWidget *widget)
{
    widget->setProperty("transparent", true);
    repolish(widget);
}

void addHelpSymbol(QLabel *label, const QString &tooltip)
{
    QString text = label->text();
    text.replace(QStringLiteral("\n"), QStringLiteral("<br>"));
    text += QStringLiteral(" <img src=':/resources/icons/help_symbol-12x12.png' align=middle>");
    label->setTextFormat(Qt::RichText);
    label->setText(text);
    label->setToolTip(tooltip);
    repolish(label);
}

void setTabFault(QTabWidget *tabs, int index, bool fault, const QString &toolTip)
{
    if (!tabs || index < 0 || index >= tabs->count())
        return;
    const QString tip = fault ? toolTip : QString();
    QTabBar *bar = tabs->tabBar();
    const bool marked = tabHasFault(tabs, index);
    if (marked == fault && bar->tabToolTip(index) == tip)
        return;
    // Only the mark tells a faulty tab: no colour, so that the style sheet's
    // selected-tab accent never reads as a fault.
    // Made when a mark changes, which is rare; a static icon would outlive
    // the application object.
    tabs->setTabIcon(index, fault ? QIcon(QStringLiteral(":/resources/icons/fault_mark.png")) : QIcon());
    tabs->setTabToolTip(index, tip);
    bar->setTabData(index, fault);
}

bool tabHasFault(const QTabWidget *tabs, int index)
{
    return tabs && index >= 0 && index < tabs->count() && tabs->tabBar()->tabData(index).toBool();
}

void restoreTabOrder(QWidget *owner)
{
    // The nearest widget before the owner that takes focus and is not its
    // own: what Tab leaves to reach the owner's first field.
    QWidget *anchor = owner->focusPolicy() != Qt::NoFocus ? owner : nullptr;
    for (QWidget *w = owner->previousInFocusChain(); !anchor && w && w != owner; w = w->previousInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && !owner->isAncestorOf(w))
            anchor = w;
    if (!anchor)
        return;
    QVector<QWidget *> own;
    for (QWidget *w = owner->nextInFocusChain(); w && w != owner; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && owner->isAncestorOf(w))
            own.append(w);
    QWidget *previous = anchor;
    for (QWidget *w : qAsConst(own)) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

#include "widgets/widgetfunctions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStyle>
#include <QTimer>
#include <QVariant>

MyToolTip::MyToolTip(QWidget *parent, const QString &text, const QPoint &globalPos, int durationMs)
    : QLabel(parent, Qt::Popup | Qt::FramelessWindowHint)
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

#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

class QWidget;

// A self-closing popup note. It deletes itself when its timer fires or when
// it is clicked, whichever comes first.
class MyToolTip : public QLabel
{
    Q_OBJECT
public:
    MyToolTip(QWidget *parent, const QString &text, const QPoint &globalPos, int durationMs);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// Popup below/at a widget's local point, parented to its top-level window.
MyToolTip *showToolTip(QWidget *widget, const QString &text, const QPoint &localPoint, int durationMs);

// Marks a widget for the style sheet's [fault="true"] / [fault="false"] rules.
void setFault(QWidget *widget, bool fault);

// Gives a widget a transparent background through the style sheet.
void setTransparent(QWidget *widget);

// Appends the help symbol to a label and gives it the tooltip.
void addHelpSymbol(QLabel *label, const QString &tooltip);

class QTabWidget;

// Puts the fault mark (icon and a tooltip naming the fault) on a tab, or takes
// it off; a healthy tab carries neither. Cheap when nothing changes.
void setTabFault(QTabWidget *tabs, int index, bool fault, const QString &toolTip);

// Whether a tab carries the fault mark.
bool tabHasFault(const QTabWidget *tabs, int index);

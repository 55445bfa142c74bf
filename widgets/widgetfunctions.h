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
    // `popup` false: a tool tip window, which leaves the keyboard where it is.
    MyToolTip(QWidget *parent, const QString &text, const QPoint &globalPos, int durationMs, bool popup = true);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// Popup below/at a widget's local point, parented to its top-level window.
MyToolTip *showToolTip(QWidget *widget, const QString &text, const QPoint &localPoint, int durationMs);

// The same note for a field the user is typing in: it does not take the
// keyboard, so the next keystrokes still reach the field.
MyToolTip *showTypingNote(QWidget *widget, const QString &text, const QPoint &localPoint, int durationMs);

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

// Widgets made after their window joins the Tab order behind everything
// else. Moves the descendants of `owner` that take focus back to where a
// form built with `owner` would stand: right after it, in the order they
// were made.
void restoreTabOrder(QWidget *owner);

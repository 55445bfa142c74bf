#pragma once

#include <QSize>
#include <QWidget>

class QListWidget;
class QListWidgetItem;

// What the list widgets of a panel page share: rows of widgets that cannot
// be selected, and a list as tall as its rows.
namespace PanelLists
{

constexpr int emptyListHeight = 40;

QListWidgetItem *addRow(QListWidget *list, QWidget *row, const QSize &size);
// The page scrolls as a whole: a list as tall as its rows (within the
// bounds) spares a second scroll bar inside it.
void fitHeightToRows(QListWidget *list, int minimumHeight, int maximumHeight = QWIDGETSIZE_MAX);
// Marks `widget` in or out of fault. It is restyled only when its mark
// changes: the figures are drawn after every loop's report, and restyling
// every row each time costs more than the figures.
void showFault(QWidget *widget, bool fault);

} // namespace PanelLists

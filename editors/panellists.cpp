#include "editors/panellists.h"

#include "widgets/widgetfunctions.h"

#include <QListWidget>

#include <algorithm>

namespace PanelLists
{

QListWidgetItem *addRow(QListWidget *list, QWidget *row, const QSize &size)
{
    auto *item = new QListWidgetItem(list);
    item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    item->setSizeHint(size);
    list->setItemWidget(item, row);
    return item;
}

void fitHeightToRows(QListWidget *list, int minimumHeight, int maximumHeight)
{
    int height = 2 * list->frameWidth() + list->spacing();
    for (int i = 0; i < list->count(); ++i)
        height += list->item(i)->sizeHint().height() + 2 * list->spacing();
    list->setFixedHeight(std::clamp(height, minimumHeight, maximumHeight));
}

void showFault(QWidget *widget, bool fault)
{
    const QVariant shown = widget->property("fault");
    if (shown.isValid() && shown.toBool() == fault)
        return;
    setFault(widget, fault);
}

} // namespace PanelLists

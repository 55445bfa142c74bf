#include "editors/figurewidth.h"

#include <QLabel>

void fitFigureWidth(QLabel *label, int minimumWidth)
{
    label->ensurePolished();
    const QString text = label->text();
    label->setText(QStringLiteral("00.0000000 A"));
    const int needed = label->minimumSizeHint().width();
    label->setText(text);
    label->setMinimumWidth(qMax(minimumWidth, needed));
}

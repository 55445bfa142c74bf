#pragma once

#include "loop/loopschedule.h"
#include "loop/loopdevicecheck.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// The voltage profile of a scheduled loop (the drop at every unit against
// its position, one line per scenario, the limit as a line) and the
// schedule as a table: drawn the same on screen and in the report.
namespace VoltageProfile
{

// Draws into `area`; nothing but a frame when the loop has no units.
void paint(QPainter &painter, const QRectF &area, const LoopSchedule &schedule, const LoopDeviceCheck &check,
           int loopLength);
// The profile as a picture for the report page.
QImage picture(const LoopSchedule &schedule, const LoopDeviceCheck &check, int loopLength, const QSize &size);

} // namespace VoltageProfile

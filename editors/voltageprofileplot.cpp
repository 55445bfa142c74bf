#include "editors/voltageprofileplot.h"

#include "loop/voltageprofile.h"

#include <QPainter>

VoltageProfilePlot::VoltageProfilePlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("voltageProfilePlot"));
}

void VoltageProfilePlot::setProfile(const LoopSchedule &schedule, const LoopDeviceCheck &check, int loopLength)
{
    m_schedule = schedule;
    m_check = check;
    m_loopLength = loopLength;
    update();
}

void VoltageProfilePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    VoltageProfile::paint(painter, QRectF(rect()), m_schedule, m_check, m_loopLength);
}

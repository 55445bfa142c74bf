#include "loop/voltageprofile.h"

#include "catalogue/displayformat.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace VoltageProfile
{

namespace
{

struct Line {
    const DeviceCheck::Scenario *scenario;
    QString label;
    QColor colour;
    Qt::PenStyle style;
};

QVector<Line> lines(const LoopDeviceCheck &check)
{
    if (check.degradedMode)
        return {{&check.electrical.intact, QCoreApplication::translate("VoltageProfile", "Fed from OUT"), QColor(0x1f, 0x5f, 0xa8), Qt::SolidLine}};
    return {{&check.electrical.intact, QCoreApplication::translate("VoltageProfile", "Intact"), QColor(0x1f, 0x5f, 0xa8), Qt::SolidLine},
            {&check.electrical.breakAtOut, QCoreApplication::translate("VoltageProfile", "Break at OUT"), QColor(0xc0, 0x6a, 0x00), Qt::DashLine},
            {&check.electrical.breakAtIn, QCoreApplication::translate("VoltageProfile", "Break at IN"), QColor(0x2e, 0x8b, 0x57), Qt::DotLine}};
}

} // namespace

void paint(QPainter &painter, const QRectF &area, const LoopSchedule &schedule, const LoopDeviceCheck &check,
           int loopLength)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double margin = metrics.height() * 0.6;
    const double left = area.left() + metrics.horizontalAdvance(QStringLiteral("00.0 V")) + margin;
    const double bottom = area.bottom() - 2 * metrics.height() - margin;
    const QRectF plot(QPointF(left, area.top() + metrics.height() + margin),
                      QPointF(area.right() - margin, bottom));
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(plot);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }

    const QVector<Line> shown = lines(check);
    double top = check.limit;
    for (const Line &line : shown)
        top = std::max(top, line.scenario->worstDrop);
    top = top > 0 ? top * 1.1 : 1;
    const double length = std::max(1, loopLength);
    const auto at = [&](double position, double drop) {
        return QPointF(plot.left() + plot.width() * std::clamp(position / length, 0.0, 1.0),
                       plot.bottom() - plot.height() * std::clamp(drop / top, 0.0, 1.0));
    };

    // Axes: position along the bottom, drop up the side.
    painter.setPen(QPen(Qt::black, 0));
    for (int k = 0; k <= 4; ++k) {
        const double drop = top * k / 4;
        const QPointF p = at(0, drop);
        painter.drawText(QRectF(area.left(), p.y() - metrics.height() / 2, left - area.left() - margin / 2,
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, Display::fixed(drop, 1) + QStringLiteral(" V"));
        const QPointF x = at(length * k / 4, 0);
        painter.drawText(QRectF(x.x() - 40, plot.bottom() + 2, 80, metrics.height()), Qt::AlignHCenter,
                         QString::number(qRound(length * k / 4)) + QStringLiteral(" m"));
    }

    // The limit.
    painter.setPen(QPen(Qt::red, 0, Qt::DashDotLine));
    painter.drawLine(at(0, check.limit), at(length, check.limit));

    // One line per scenario: from the feed's terminal (no drop) through every tap.
    QPointF legend(plot.left(), area.bottom() - metrics.height());
    for (const Line &line : shown) {
        const QVector<double> &drops = line.scenario->drops;
        QPainterPath path(at(0, 0));
        for (int i = 0; i < drops.size() && i < schedule.units.size(); ++i)
            path.lineTo(at(schedule.units.at(i).position, drops.at(i)));
        path.lineTo(at(length, 0));
        painter.setPen(QPen(line.colour, 2, line.style));
        painter.drawPath(path);
        painter.drawLine(legend + QPointF(0, -metrics.height() / 3), legend + QPointF(24, -metrics.height() / 3));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawText(legend + QPointF(28, 0), line.label);
        legend.rx() += 36 + metrics.horizontalAdvance(line.label);
    }
    painter.setPen(QPen(Qt::red, 0, Qt::DashDotLine));
    painter.drawLine(legend + QPointF(0, -metrics.height() / 3), legend + QPointF(24, -metrics.height() / 3));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawText(legend + QPointF(28, 0),
                     QCoreApplication::translate("VoltageProfile", "Limit %1 V").arg(Display::general(check.limit)));
    painter.restore();
}

QImage picture(const LoopSchedule &schedule, const LoopDeviceCheck &check, int loopLength, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(std::max(10, size.height() / 24));
    painter.setFont(font);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), schedule, check, loopLength);
    return image;
}

} // namespace VoltageProfile

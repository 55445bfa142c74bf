// The loop devices of the demo range: detectors, call points, modules,
// sounders and the special devices.

#include "painting.h"

#include <cmath>

namespace
{

// A round ceiling device seen slightly from the side: base, body, top.
void roundDevice(QPainter &p, const QPointF &c, qreal radius, qreal height, const QColor &colour)
{
    const qreal squash = 0.34;
    shadow(p, QRectF(c.x() - radius - 10, c.y() + height / 2 + radius * squash - 10, 2 * radius + 20, 26));
    // Base ring.
    const QRectF base(c.x() - radius - 8, c.y() + height / 2 - radius * squash - 2, 2 * radius + 16,
                      2 * radius * squash + 10);
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(vertical(base, colour.darker(104), colour.darker(118)));
    p.drawEllipse(base);
    // Body.
    QPainterPath side;
    side.moveTo(c.x() - radius, c.y() - height / 2);
    side.lineTo(c.x() - radius, c.y() + height / 2);
    side.arcTo(QRectF(c.x() - radius, c.y() + height / 2 - radius * squash, 2 * radius, 2 * radius * squash),
               180, 180);
    side.lineTo(c.x() + radius, c.y() - height / 2);
    side.closeSubpath();
    QLinearGradient g(QPointF(c.x() - radius, 0), QPointF(c.x() + radius, 0));
    g.setColorAt(0, colour.darker(112));
    g.setColorAt(0.35, colour.lighter(104));
    g.setColorAt(1, colour.darker(122));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(135), 1));
    p.drawPath(side);
    // Top.
    const QRectF top(c.x() - radius, c.y() - height / 2 - radius * squash, 2 * radius, 2 * radius * squash);
    p.setBrush(vertical(top, colour.lighter(106), colour.darker(104)));
    p.drawEllipse(top);
}

// Vertical vents around a round body, closer together towards its edges.
void vents(QPainter &p, const QPointF &c, qreal radius, qreal top, qreal bottom, int count)
{
    p.setPen(QPen(QColor(0x8a, 0x93, 0x9b), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < count; ++i) {
        const qreal angle = M_PI * i / count;
        const qreal x = c.x() - radius * std::cos(angle);
        const qreal depth = std::sin(angle) * radius * 0.34;
        p.drawLine(QPointF(x, top + depth), QPointF(x, bottom + depth));
    }
}

void drawDetector(QPainter &p, const Device &device)
{
    const QPointF c(128, 118);
    if (device.subcategory == QLatin1String("BEAM")) {
        const QRectF body(58, 62, 140, 108);
        shadow(p, QRectF(body.left() - 8, body.bottom() - 6, body.width() + 16, 20));
        box(p, body, 10, white);
        const QRectF front(body.left() + 12, body.top() + 12, body.width() - 24, body.height() - 34);
        box(p, front, 6, QColor(0x37, 0x40, 0x48));
        for (const qreal x : {front.left() + front.width() * 0.3, front.left() + front.width() * 0.72}) {
            QRadialGradient lens(QPointF(x - 6, front.center().y() - 6), 26);
            lens.setColorAt(0, QColor(0x9f, 0xc9, 0xe8));
            lens.setColorAt(1, QColor(0x1c, 0x31, 0x45));
            p.setBrush(lens);
            p.setPen(QPen(QColor(0x90, 0x9a, 0xa2), 2));
            p.drawEllipse(QPointF(x, front.center().y()), x < front.center().x() ? 24 : 16,
                          x < front.center().x() ? 24 : 16);
        }
        led(p, QPointF(body.right() - 20, body.bottom() - 11), 4, QColor(0xe5, 0x39, 0x35));
        if (device.requiresExternal24V)
            label(p, QRectF(body.left() + 12, body.bottom() - 20, 60, 16), QStringLiteral("24 V"), 11, ink);
        return;
    }
    const qreal radius = 66, height = 46;
    roundDevice(p, c, radius, height, white);
    const QString sub = device.subcategory;
    if (sub.contains(QLatin1String("OPT")))
        vents(p, c, radius, c.y() - height / 2 + 8, c.y() + height / 2 - 10, 14);
    if (sub == QLatin1String("GAS")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8a, 0x93, 0x9b));
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 9; ++j) {
                const qreal x = c.x() - radius + 16 + j * (2 * radius - 32) / 8.0;
                p.drawEllipse(QPointF(x, c.y() - 8 + i * 10 + std::sin(M_PI * j / 8) * 6), 2.6, 2.6);
            }
        }
        label(p, QRectF(c.x() - 30, c.y() - height / 2 - 20, 60, 16), QStringLiteral("CO"), 12,
              detectors.accent);
    }
    if (sub.contains(QLatin1String("TERM"))) {
        // Thermistor cage on the top.
        const QPointF t(c.x(), c.y() - height / 2 - 4);
        p.setPen(QPen(QColor(0x9e, 0xa7, 0xaf), 2));
        p.setBrush(QColor(0xe8, 0xea, 0xec));
        p.drawEllipse(QRectF(t.x() - 18, t.y() - 8, 36, 14));
        p.setPen(QPen(QColor(0x55, 0x5f, 0x68), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(t + QPointF(0, -2), t + QPointF(0, -20));
        p.setPen(QPen(QColor(0x9e, 0xa7, 0xaf), 2));
        for (int i = -2; i <= 2; ++i)
            p.drawLine(t + QPointF(i * 7, 0), t + QPointF(i * 3, -22));
    }
    led(p, QPointF(c.x() + radius * 0.55, c.y() + height / 2 + 8), 5, QColor(0xe5, 0x39, 0x35));
}

void drawCallPoint(QPainter &p, const Device &device)
{
    const bool sealed = device.name.contains(QLatin1String("IP"));
    const QRectF body(62, 54, 132, 132);
    shadow(p, QRectF(body.left() - 8, body.bottom() - 6, body.width() + 16, 20));
    // Side of the box for depth.
    p.setPen(Qt::NoPen);
    p.setBrush(callPoints.accent.darker(150));
    p.drawRoundedRect(body.translated(8, 8), 12, 12);
    box(p, body, 12, callPoints.accent);
    const QRectF element(body.left() + 24, body.top() + 22, 84, 84);
    box(p, element, 4, white, QColor(0x9e, 0x9e, 0x9e));
    // House and flame pictogram.
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath house;
    house.moveTo(element.left() + 20, element.top() + 44);
    house.lineTo(element.center().x(), element.top() + 20);
    house.lineTo(element.right() - 20, element.top() + 44);
    house.moveTo(element.left() + 26, element.top() + 40);
    house.lineTo(element.left() + 26, element.bottom() - 16);
    house.lineTo(element.right() - 26, element.bottom() - 16);
    house.lineTo(element.right() - 26, element.top() + 40);
    p.drawPath(house);
    QPainterPath flame;
    const QPointF f(element.center().x(), element.bottom() - 20);
    flame.moveTo(f);
    flame.cubicTo(f + QPointF(-12, -4), f + QPointF(-6, -18), f + QPointF(0, -26));
    flame.cubicTo(f + QPointF(4, -16), f + QPointF(12, -10), f);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawPath(flame);
    led(p, QPointF(body.right() - 18, body.bottom() - 16), 4.5, QColor(0xff, 0xe0, 0x82));
    if (sealed) {
        // Hinged clear cover.
        p.setPen(QPen(QColor(0x90, 0xa4, 0xae), 2));
        p.setBrush(QColor(0xb3, 0xe5, 0xfc, 90));
        p.drawRoundedRect(body.adjusted(6, 6, -6, -6), 10, 10);
    }
}

void drawModule(QPainter &p, const Device &device)
{
    const int channels = qMax(1, device.addresses);
    const qreal w = channels == 1 ? 130 : channels <= 2 ? 150 : channels <= 4 ? 178 : 200;
    const qreal h = 116;
    const QRectF body(128 - w / 2, 60, w, h);
    shadow(p, QRectF(body.left() - 8, body.bottom() - 4, body.width() + 16, 20));
    box(p, body, 8, QColor(0xf3, 0xf3, 0xf1));
    // Top strip in the family colour with the module's function.
    const QRectF strip(body.left() + 10, body.top() + 10, w - 20, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(horizontal(strip, modules.accent.lighter(120), modules.accent));
    p.drawRoundedRect(strip, 4, 4);
    QString function = device.subcategory;
    if (function == QLatin1String("IN-OUT"))
        function = QStringLiteral("IN / OUT");
    label(p, strip, function, 13, Qt::white);
    // One LED per channel.
    for (int i = 0; i < channels; ++i) {
        const qreal x = body.left() + 18 + i * qMin<qreal>(20, (w - 36) / channels);
        led(p, QPointF(x, body.top() + 50), 4, i % 2 ? QColor(0xff, 0xb3, 0x00) : QColor(0x43, 0xa0, 0x47));
    }
    if (device.requiresExternal24V)
        label(p, QRectF(body.right() - 58, body.top() + 42, 48, 16), QStringLiteral("24 V"), 11, ink);
    // Terminals: two per channel.
    terminals(p, QRectF(body.left() + 10, body.bottom() - 40, w - 20, 30), qMin(12, 2 + 2 * channels),
              QColor(0x55, 0x8b, 0x2f));
}

void drawSounder(QPainter &p, const Device &device)
{
    const QPointF c(128, 128);
    const bool beacon =
        device.name.startsWith(QLatin1String("SB-")) || device.name.startsWith(QLatin1String("VAD"));
    const bool visualOnly = device.name.startsWith(QLatin1String("VAD"));
    const bool baseSounder = device.name.startsWith(QLatin1String("SBS"));
    const bool large = device.name.contains(QLatin1String("XL"));
    const QColor body = visualOnly || baseSounder ? white : sounders.accent;

    if (baseSounder) {
        roundDevice(p, QPointF(c.x(), c.y() + 10), 70, 22, white);
        // Grille on the top.
        p.setPen(QPen(QColor(0x9a, 0xa1, 0xa7), 2.5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 5; ++i)
            p.drawArc(QRectF(c.x() - 14 - i * 9, c.y() - 22 - i * 3, 28 + i * 18, 20 + i * 6), 0, 180 * 16);
        led(p, QPointF(c.x() + 40, c.y() + 30), 4.5, QColor(0xe5, 0x39, 0x35));
        return;
    }

    const qreal radius = large ? 78 : 68;
    shadow(p, QRectF(c.x() - radius, c.y() + radius - 14, 2 * radius, 26));
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.5);
    g.setColorAt(0, body.lighter(118));
    g.setColorAt(1, body.darker(125));
    p.setPen(QPen(body.darker(140), 1.2));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
    if (visualOnly) {
        // A large clear lens with flash rays.
        QRadialGradient lens(c, radius * 0.7);
        lens.setColorAt(0, QColor(0xff, 0xff, 0xff));
        lens.setColorAt(1, QColor(0xcf, 0xe3, 0xf0));
        p.setBrush(lens);
        p.setPen(QPen(QColor(0xa0, 0xb4, 0xc0), 1.5));
        p.drawEllipse(c, radius * 0.62, radius * 0.62);
        p.setPen(QPen(QColor(0xff, 0xc1, 0x07), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal a = M_PI * i / 4;
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * radius * 0.22,
                       c + QPointF(std::cos(a), std::sin(a)) * radius * 0.42);
        }
        return;
    }
    // Sound outlet rings.
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 4; ++i) {
        p.setPen(QPen(body.darker(150), 3));
        p.drawEllipse(c, radius * (0.18 + 0.16 * i) * (beacon ? 0.8 : 1),
                      radius * (0.18 + 0.16 * i) * (beacon ? 0.8 : 1));
    }
    p.setBrush(body.darker(160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, radius * 0.12, radius * 0.12);
    if (beacon) {
        // Flash lens on the top of the sounder.
        const QRectF lens(c.x() - 34, c.y() - radius - 20, 68, 44);
        QPainterPath dome;
        dome.moveTo(lens.left(), lens.bottom());
        dome.arcTo(QRectF(lens.left(), lens.top(), lens.width(), lens.height() * 2), 180, -180);
        dome.closeSubpath();
        QLinearGradient amber(lens.topLeft(), lens.bottomRight());
        amber.setColorAt(0, QColor(0xff, 0x8a, 0x80, 235));
        amber.setColorAt(1, QColor(0xc6, 0x28, 0x28, 235));
        p.setBrush(amber);
        p.setPen(QPen(QColor(0x8e, 0x24, 0x24), 1.2));
        p.drawPath(dome);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QRectF(lens.left() + 14, lens.top() + 8, 14, 10));
    }
    if (device.requiresExternal24V) {
        const QRectF tag(c.x() + radius * 0.35, c.y() + radius * 0.5, 46, 20);
        box(p, tag, 4, QColor(0x26, 0x32, 0x38));
        label(p, tag, QStringLiteral("24 V"), 11, Qt::white);
    }
}

void drawSpecial(QPainter &p, const Device &device)
{
    const QString sub = device.subcategory;
    if (sub == QLatin1String("PIL")) {
        const QRectF plate(78, 70, 100, 100);
        shadow(p, QRectF(plate.left() - 8, plate.bottom() - 6, plate.width() + 16, 18));
        box(p, plate, 10, white);
        QRadialGradient lamp(plate.center() - QPointF(8, 8), 34);
        lamp.setColorAt(0, QColor(0xff, 0xab, 0x91));
        lamp.setColorAt(1, QColor(0xc6, 0x28, 0x28));
        p.setBrush(lamp);
        p.setPen(QPen(QColor(0x9e, 0x9e, 0x9e), 2));
        p.drawEllipse(plate.center(), 26, 26);
        screw(p, plate.topLeft() + QPointF(12, 12), 4);
        screw(p, plate.bottomRight() + QPointF(-12, -12), 4);
        if (device.addresses > 0)
            label(p, QRectF(plate.left(), plate.bottom() - 20, plate.width(), 14), QStringLiteral("ADDR"), 9,
                  ink);
        return;
    }
    if (sub == QLatin1String("ISO")) {
        const QPointF c(128, 124);
        roundDevice(p, c, 56, 18, white);
        // Isolator symbol: two facing triangles.
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath symbol;
        symbol.moveTo(c + QPointF(-26, -18));
        symbol.lineTo(c + QPointF(-26, -2));
        symbol.lineTo(c + QPointF(-4, -10));
        symbol.closeSubpath();
        symbol.moveTo(c + QPointF(26, -18));
        symbol.lineTo(c + QPointF(26, -2));
        symbol.lineTo(c + QPointF(4, -10));
        symbol.closeSubpath();
        p.drawPath(symbol);
        led(p, c + QPointF(0, 14), 4, QColor(0xff, 0xb3, 0x00));
        return;
    }
    // Conventional zone interface: a grey box with zone terminals and a
    // small conventional detector pictogram per zone.
    const int zones = qMax(1, device.addresses);
    const qreal w = zones > 1 ? 176 : 140;
    const QRectF body(128 - w / 2, 62, w, 118);
    shadow(p, QRectF(body.left() - 8, body.bottom() - 4, body.width() + 16, 20));
    box(p, body, 8, QColor(0xe2, 0xe4, 0xe6));
    for (int z = 0; z < zones; ++z) {
        const QPointF d(body.left() + w * (z + 0.5) / zones, body.top() + 36);
        p.setPen(QPen(specials.accent, 2));
        p.setBrush(white);
        p.drawEllipse(d, 16, 16);
        p.drawEllipse(d, 6, 6);
        label(p, QRectF(d.x() - 24, d.y() + 18, 48, 16), QStringLiteral("Z%1").arg(z + 1), 11, ink);
    }
    if (device.requiresExternal24V)
        label(p, QRectF(body.right() - 52, body.top() + 6, 46, 14), QStringLiteral("24 V"), 10, ink);
    terminals(p, QRectF(body.left() + 10, body.bottom() - 36, w - 20, 26), 2 + 2 * zones,
              QColor(0x60, 0x66, 0x6c));
}

} // namespace

Family familyOf(const Device &device)
{
    if (device.category == QLatin1String("DET"))
        return detectors;
    if (device.category == QLatin1String("MCP"))
        return callPoints;
    if (device.category == QLatin1String("MOD"))
        return modules;
    if (device.category == QLatin1String("SND"))
        return sounders;
    return specials;
}

void drawDevice(QPainter &p, const Device &device)
{
    if (device.category == QLatin1String("DET"))
        drawDetector(p, device);
    else if (device.category == QLatin1String("MCP"))
        drawCallPoint(p, device);
    else if (device.category == QLatin1String("MOD"))
        drawModule(p, device);
    else if (device.category == QLatin1String("SND"))
        drawSounder(p, device);
    else
        drawSpecial(p, device);
}

// kalvix-demopictures: draws a product picture for every record of a
// catalogue data file, named by the record's image field.
//
//   QT_QPA_PLATFORM=offscreen kalvix-demopictures data/demo/catalogue.csv data/demo/images

#include "catalogue/datafile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace
{

constexpr int Size = 256;

// One tint per product family, so a list of pictures reads at a glance.
struct Family {
    QColor tint;
    QColor accent;
};
const Family panels{QColor(0xfd, 0xec, 0xea), QColor(0xc6, 0x28, 0x28)};
const Family boxes{QColor(0xe6, 0xee, 0xf7), QColor(0x37, 0x5a, 0x7f)};
const Family batteries{QColor(0xfd, 0xf5, 0xd8), QColor(0xf2, 0xb1, 0x1b)};
const Family supplies{QColor(0xfd, 0xee, 0xdf), QColor(0xe0, 0x74, 0x1f)};
const Family batteryBoxes{QColor(0xe3, 0xf3, 0xf0), QColor(0x1f, 0x8a, 0x7a)};
const Family cards{QColor(0xe8, 0xf5, 0xe7), QColor(0x2e, 0x7d, 0x32)};
const Family detectors{QColor(0xec, 0xf0, 0xf6), QColor(0x54, 0x6e, 0x8a)};
const Family callPoints{QColor(0xfc, 0xe6, 0xe6), QColor(0xd3, 0x2f, 0x2f)};
const Family modules{QColor(0xef, 0xeb, 0xf8), QColor(0x5e, 0x4b, 0x9a)};
const Family sounders{QColor(0xff, 0xef, 0xe4), QColor(0xd8, 0x43, 0x15)};
const Family specials{QColor(0xee, 0xef, 0xf0), QColor(0x60, 0x66, 0x6c)};

const QColor ink(0x26, 0x32, 0x38);
const QColor white(0xfb, 0xfb, 0xfa);
const QColor metal(0xd9, 0xdc, 0xdf);

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient horizontal(const QRectF &r, const QColor &left, const QColor &right)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return g;
}

void shadow(QPainter &p, const QRectF &r)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, 70));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(r.center());
    p.scale(1, r.height() / r.width());
    p.drawEllipse(QPointF(0, 0), r.width() / 2, r.width() / 2);
    p.restore();
}

void box(QPainter &p, const QRectF &r, qreal radius, const QColor &colour, const QColor &edge = QColor())
{
    p.setPen(QPen(edge.isValid() ? edge : colour.darker(135), 1.2));
    p.setBrush(vertical(r, colour.lighter(108), colour.darker(106)));
    p.drawRoundedRect(r, radius, radius);
}

void led(QPainter &p, const QPointF &c, qreal radius, const QColor &colour)
{
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, colour.lighter(170));
    g.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(160), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void screw(QPainter &p, const QPointF &c, qreal radius)
{
    p.setPen(QPen(QColor(0x80, 0x86, 0x8b), 0.8));
    p.setBrush(QColor(0xc4, 0xc8, 0xcc));
    p.drawEllipse(c, radius, radius);
    p.drawLine(c - QPointF(radius * 0.6, 0), c + QPointF(radius * 0.6, 0));
}

void label(QPainter &p, const QRectF &r, const QString &text, int pixelSize, const QColor &colour,
           bool bold = true, Qt::Alignment align = Qt::AlignCenter)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, align, text);
}

// A row of terminal blocks with their screws.
void terminals(QPainter &p, const QRectF &r, int count, const QColor &colour)
{
    const qreal w = r.width() / count;
    for (int i = 0; i < count; ++i) {
        const QRectF t(r.left() + i * w + 1, r.top(), w - 2, r.height());
        box(p, t, 2, colour);
        screw(p, QPointF(t.center().x(), t.top() + t.height() * 0.42), qMin(t.width(), t.height()) * 0.26);
    }
}

// The coloured band across the top of a cabinet, following its rounded corners.
void topBand(QPainter &p, const QRectF &body, qreal radius, qreal height, const QColor &accent)
{
    QPainterPath outline;
    outline.addRoundedRect(body.adjusted(0.6, 0.6, -0.6, -0.6), radius, radius);
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(horizontal(body, accent.lighter(115), accent));
    p.drawRect(QRectF(body.left(), body.top(), body.width(), height));
    p.restore();
}

// ---- Families --------------------------------------------------------------

void drawPanel(QPainter &p, const Panel &panel)
{
    const bool marine = panel.name.contains(QLatin1String("Marine"));
    const qreal scale = 0.78 + 0.22 * qMin(1.0, panel.maxLoops / 16.0);
    const qreal w = 170 * scale, h = 176 * scale;
    const QRectF body(128 - w / 2, 118 - h / 2, w, h);
    shadow(p, QRectF(body.left() - 8, body.bottom() - 6, body.width() + 16, 20));
    box(p, body, 8, marine ? QColor(0xe4, 0xe8, 0xee) : QColor(0xee, 0xee, 0xec));
    const QColor accent = marine ? QColor(0x1d, 0x3b, 0x6a) : panels.accent;
    // Top band with the maker's name.
    topBand(p, body, 8, 26 * scale, accent);
    label(p, QRectF(body.left() + 10, body.top(), w - 20, 26 * scale), QStringLiteral("TARVEX"),
          int(12 * scale), Qt::white, true, Qt::AlignVCenter | Qt::AlignLeft);
    // Display.
    const QRectF screen(body.left() + 14 * scale, body.top() + 38 * scale, w * 0.62, 48 * scale);
    p.setPen(QPen(QColor(0x37, 0x47, 0x4f), 2));
    p.setBrush(vertical(screen, QColor(0x2b, 0x5d, 0x73), QColor(0x17, 0x3b, 0x4d)));
    p.drawRoundedRect(screen, 3, 3);
    p.setPen(QPen(QColor(0xb8, 0xe6, 0xf2, 200), 2.2 * scale, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = screen.top() + (12 + i * 12) * scale;
        p.drawLine(QPointF(screen.left() + 8, y),
                   QPointF(screen.left() + 8 + (i == 1 ? 0.45 : 0.7) * screen.width(), y));
    }
    // Status LEDs beside the display.
    const QColor ledColours[] = {QColor(0x43, 0xa0, 0x47), QColor(0xff, 0xb3, 0x00), QColor(0xe5, 0x39, 0x35),
                                 QColor(0xff, 0xb3, 0x00)};
    for (int i = 0; i < 4; ++i)
        led(p, QPointF(screen.right() + 16 * scale, screen.top() + (6 + i * 12) * scale), 3.6 * scale,
            ledColours[i]);
    // Keypad.
    const QRectF keys(body.left() + 14 * scale, screen.bottom() + 14 * scale, w - 28 * scale, h * 0.3);
    const int cols = 6, rows = 2;
    const qreal kw = keys.width() / cols, kh = keys.height() / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QRectF k(keys.left() + c * kw + 2, keys.top() + r * kh + 2, kw - 4, kh - 4);
            const bool red = r == 0 && c == cols - 1;
            box(p, k, 3, red ? accent : QColor(0xcf, 0xd3, 0xd6));
        }
    }
    // Key lock.
    p.setPen(QPen(QColor(0x75, 0x75, 0x75), 1));
    p.setBrush(QColor(0xb0, 0xb4, 0xb8));
    p.drawEllipse(QPointF(body.right() - 16 * scale, body.bottom() - 14 * scale), 5 * scale, 5 * scale);
}

void drawExpansionBox(QPainter &p, const ExpansionBox &expansion)
{
    const qreal scale = 0.82 + 0.18 * qMin(1.0, expansion.maxLoops / 8.0);
    const qreal w = 150 * scale, h = 168 * scale;
    const QRectF body(128 - w / 2, 118 - h / 2, w, h);
    shadow(p, QRectF(body.left() - 8, body.bottom() - 6, body.width() + 16, 20));
    box(p, body, 7, QColor(0xe9, 0xec, 0xef));
    topBand(p, body, 7, 22 * scale, boxes.accent);
    label(p, QRectF(body.left() + 10, body.top(), w - 20, 22 * scale), QStringLiteral("TARVEX"),
          int(11 * scale), Qt::white, true, Qt::AlignVCenter | Qt::AlignLeft);
    // One LED pair per possible loop.
    const int loops = qMax(2, expansion.maxLoops);
    for (int i = 0; i < loops; ++i) {
        const qreal x = body.left() + 22 * scale + (i % 4) * 30 * scale;
        const qreal y = body.top() + 44 * scale + (i / 4) * 22 * scale;
        led(p, QPointF(x, y), 3.5 * scale, QColor(0x43, 0xa0, 0x47));
        led(p, QPointF(x + 10 * scale, y), 3.5 * scale, QColor(0xff, 0xb3, 0x00));
    }
    // Ventilation slots.
    p.setPen(QPen(QColor(0xa7, 0xae, 0xb4), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal y = body.bottom() - (54 - i * 8) * scale;
        p.drawLine(QPointF(body.left() + 24 * scale, y), QPointF(body.right() - 24 * scale, y));
    }
    // Cable glands.
    for (int i = 0; i < 4; ++i)
        screw(p, QPointF(body.left() + w * (0.2 + 0.2 * i), body.bottom() - 2), 5 * scale);
}

void drawBattery(QPainter &p, const Battery &battery)
{
    const qreal f = qBound(0.0, (battery.capacity - 7) / 31.0, 1.0);
    const qreal w = 120 + 70 * f, h = 86 + 52 * f;
    const QRectF body(128 - w / 2, 132 - h / 2, w, h);
    shadow(p, QRectF(body.left() - 6, body.bottom() - 8, body.width() + 12, 18));
    // Terminals.
    const qreal tw = 16, th = 10;
    box(p, QRectF(body.left() + w * 0.18, body.top() - th + 2, tw, th), 2, QColor(0xd3, 0x2f, 0x2f));
    box(p, QRectF(body.right() - w * 0.18 - tw, body.top() - th + 2, tw, th), 2, QColor(0x42, 0x42, 0x42));
    box(p, body, 6, QColor(0x3a, 0x3f, 0x44));
    // Lid.
    box(p, QRectF(body.left(), body.top(), w, 16), 6, QColor(0x4a, 0x50, 0x56));
    label(p, QRectF(body.left() + w * 0.18 - 4, body.top() + 1, tw + 8, 14), QStringLiteral("+"), 12,
          QColor(0xff, 0x8a, 0x80));
    label(p, QRectF(body.right() - w * 0.18 - tw - 4, body.top() + 1, tw + 8, 14), QStringLiteral("\u2013"),
          12, QColor(0xcf, 0xd8, 0xdc));
    // Label band.
    const QRectF band(body.left() + 10, body.top() + 26, w - 20, h - 38);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(band, batteries.accent.lighter(115), batteries.accent));
    p.drawRoundedRect(band, 4, 4);
    label(p, band.adjusted(0, 2, 0, -band.height() / 2), QStringLiteral("12V"), int(14 + 6 * f), ink);
    label(p, band.adjusted(0, band.height() / 2 - 4, 0, -4),
          QString::number(battery.capacity, 'g', 3).replace(QLatin1Char('.'), QLatin1Char(',')) +
              QStringLiteral(" Ah"),
          int(13 + 5 * f), ink, false);
}

void drawEnclosure(QPainter &p, const QRectF &body, const QColor &colour, const QColor &accent)
{
    shadow(p, QRectF(body.left() - 8, body.bottom() - 6, body.width() + 16, 20));
    box(p, body, 6, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRect(QRectF(body.left() + 1, body.top() + 14, body.width() - 2, 5));
}

void drawPowerSource(QPainter &p, const ExternalPowerSource &source)
{
    const qreal f = qBound(0.0, (source.maxBatteryCapacity - 7) / 31.0, 1.0);
    const qreal w = 140 + 40 * f, h = 150 + 30 * f;
    const QRectF body(128 - w / 2, 116 - h / 2, w, h);
    drawEnclosure(p, body, metal, supplies.accent);
    // Ventilation.
    p.setPen(QPen(QColor(0x9e, 0xa5, 0xab), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const qreal y = body.top() + 34 + i * 9;
        p.drawLine(QPointF(body.left() + 20, y), QPointF(body.right() - 20, y));
    }
    // Status panel: mains, output and fault.
    const QRectF status(body.left() + 18, body.bottom() - 62, w - 36, 44);
    box(p, status, 4, QColor(0x45, 0x4d, 0x54));
    const QColor lights[] = {QColor(0x43, 0xa0, 0x47), QColor(0x43, 0xa0, 0x47), QColor(0xff, 0x8f, 0x00)};
    const QString names[] = {QStringLiteral("AC"), QStringLiteral("DC"), QStringLiteral("FLT")};
    for (int i = 0; i < 3; ++i) {
        const qreal x = status.left() + status.width() * (0.2 + 0.3 * i);
        led(p, QPointF(x, status.top() + 14), 4.5, lights[i]);
        label(p, QRectF(x - 20, status.top() + 22, 40, 16), names[i], 10, QColor(0xe0, 0xe0, 0xe0));
    }
    label(p, QRectF(body.left(), body.top() + 20, w, 12), QStringLiteral("24 V DC"), 9,
          QColor(0x5f, 0x63, 0x68));
}

void drawBatteryBox(QPainter &p, const ExternalBatteryBox &batteryBox)
{
    const qreal f = qBound(0.0, (batteryBox.maxBatteryCapacity - 7) / 31.0, 1.0);
    const qreal w = 160 + 30 * f, h = 140 + 30 * f;
    const QRectF body(128 - w / 2, 118 - h / 2, w, h);
    drawEnclosure(p, body, QColor(0xdf, 0xe3, 0xe6), batteryBoxes.accent);
    // Window with two batteries inside.
    const QRectF window(body.left() + 18, body.top() + 32, w - 36, h - 62);
    p.setPen(QPen(QColor(0x78, 0x84, 0x8c), 1.5));
    p.setBrush(QColor(0xc5, 0xd6, 0xdb));
    p.drawRoundedRect(window, 4, 4);
    for (int i = 0; i < 2; ++i) {
        const QRectF cell(window.left() + 10 + i * (window.width() - 20) / 2, window.top() + 16,
                          (window.width() - 20) / 2 - 8, window.height() - 24);
        box(p, cell, 3, QColor(0x3a, 0x3f, 0x44));
        p.setPen(Qt::NoPen);
        p.setBrush(batteries.accent);
        p.drawRect(QRectF(cell.left() + 5, cell.center().y() - 7, cell.width() - 10, 14));
    }
    // Glass highlight.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    QPainterPath glare;
    glare.moveTo(window.left() + 8, window.bottom() - 4);
    glare.lineTo(window.left() + window.width() * 0.35, window.top() + 4);
    glare.lineTo(window.left() + window.width() * 0.5, window.top() + 4);
    glare.lineTo(window.left() + 28, window.bottom() - 4);
    p.drawPath(glare);
    // Lock.
    screw(p, QPointF(body.right() - 16, body.center().y()), 5);
    label(p, QRectF(body.left(), body.bottom() - 26, w, 18),
          QStringLiteral("max. %1 Ah").arg(batteryBox.maxBatteryCapacity), 11, QColor(0x45, 0x5a, 0x64),
          false);
}

void drawCard(QPainter &p, const AuxiliaryCard &card)
{
    const QRectF board(38, 54, 180, 130);
    shadow(p, QRectF(board.left() - 6, board.bottom() - 4, board.width() + 12, 18));
    box(p, board, 5, QColor(0x2e, 0x7d, 0x32), QColor(0x1b, 0x5e, 0x20));
    // Copper traces.
    p.setPen(QPen(QColor(0x66, 0xbb, 0x6a, 170), 1.2));
    for (int i = 0; i < 7; ++i) {
        const qreal y = board.top() + 30 + i * 12;
        p.drawLine(QPointF(board.left() + 12, y), QPointF(board.left() + 70 + (i % 3) * 20, y));
        p.drawLine(QPointF(board.left() + 70 + (i % 3) * 20, y),
                   QPointF(board.left() + 84 + (i % 3) * 20, y - 8));
    }
    // Mounting holes.
    for (const QPointF &c : {board.topLeft() + QPointF(9, 9), board.topRight() + QPointF(-9, 9),
                             board.bottomLeft() + QPointF(9, -9), board.bottomRight() + QPointF(-9, -9)}) {
        p.setPen(QPen(QColor(0xe0, 0xc0, 0x60), 2));
        p.setBrush(white);
        p.drawEllipse(c, 4, 4);
    }
    // Processor and memory.
    box(p, QRectF(board.left() + 84, board.top() + 28, 40, 40), 2, QColor(0x26, 0x2b, 0x30));
    box(p, QRectF(board.left() + 134, board.top() + 34, 26, 14), 1, QColor(0x26, 0x2b, 0x30));
    box(p, QRectF(board.left() + 134, board.top() + 54, 26, 14), 1, QColor(0x26, 0x2b, 0x30));
    // Edge connector.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(QColor(0xe6, 0xb8, 0x3a));
        p.drawRect(QRectF(board.left() + 24 + i * 9.5, board.bottom() - 12, 6, 12));
    }
    // What the card connects.
    const QRectF front(board.left() + 12, board.top() + 78, board.width() - 24, 26);
    if (card.name.startsWith(QLatin1String("ZEP")) || card.name.contains(QLatin1String("IP"))) {
        for (int i = 0; i < 2; ++i) {
            const QRectF jack(front.left() + 8 + i * 46, front.top() - 6, 38, 32);
            box(p, jack, 2, QColor(0xc9, 0xcd, 0xd1));
            p.setBrush(QColor(0x30, 0x33, 0x36));
            p.setPen(Qt::NoPen);
            p.drawRect(jack.adjusted(7, 8, -7, -6));
        }
        led(p, QPointF(front.right() - 30, front.center().y()), 4, QColor(0x43, 0xa0, 0x47));
        led(p, QPointF(front.right() - 14, front.center().y()), 4, QColor(0xff, 0xb3, 0x00));
    } else if (card.name.startsWith(QLatin1String("RLY"))) {
        for (int i = 0; i < 4; ++i)
            box(p, QRectF(front.left() + 4 + i * 38, front.top() - 8, 32, 32), 3, QColor(0x1e, 0x63, 0xb5));
    } else if (card.name.startsWith(QLatin1String("PRN"))) {
        box(p, QRectF(front.left() + 10, front.top(), front.width() - 20, 22), 2, QColor(0x42, 0x42, 0x42));
        p.setPen(QPen(QColor(0x9e, 0x9e, 0x9e), 1));
        for (int i = 0; i < 16; ++i)
            p.drawPoint(QPointF(front.left() + 18 + i * 8.5, front.top() + 11));
    } else {
        terminals(p, front, card.name.startsWith(QLatin1String("VRAL")) ? 8 : 4, QColor(0x43, 0xa0, 0x47));
    }
}

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

// Tinted tile, the product, and the model name small at the bottom.
QImage picture(const Family &family, const QString &name, const std::function<void(QPainter &)> &draw)
{
    QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tile(6, 6, Size - 12, Size - 12);
    QRadialGradient bg(QPointF(Size / 2.0, Size * 0.42), Size * 0.7);
    bg.setColorAt(0, family.tint.lighter(104));
    bg.setColorAt(1, family.tint.darker(103));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(tile, 18, 18);
    draw(p);
    label(p, QRectF(tile.left(), tile.bottom() - 30, tile.width(), 22), name, 12, QColor(0x37, 0x47, 0x4f),
          false);
    return image;
}

bool save(const QImage &image, const QString &path, QTextStream &err)
{
    QImageWriter writer(path, "png");
    // Highest compression: quality 0 for the PNG writer.
    writer.setQuality(0);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        err << "Could not write " << path << ": " << writer.errorString() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "Usage: kalvix-demopictures CATALOGUE.csv OUTPUT_FOLDER\n";
        return 2;
    }
    QFile file(args.at(1));
    CatalogueData data;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !DataFile::read(file, data)) {
        err << "Could not read " << args.at(1) << "\n";
        return 1;
    }
    const QString folder = args.at(2);
    QDir().mkpath(folder);

    int written = 0;
    bool ok = true;
    auto make = [&](const QString &image, const Family &family, const QString &name,
                    const std::function<void(QPainter &)> &draw) {
        if (image.isEmpty())
            return;
        ok = save(picture(family, name, draw), folder + QLatin1Char('/') + image, err) && ok;
        ++written;
    };
    for (const Panel &r : data.panels)
        make(r.image, panels, r.name, [&](QPainter &p) { drawPanel(p, r); });
    for (const ExpansionBox &r : data.expansionBoxes)
        make(r.image, boxes, r.name, [&](QPainter &p) { drawExpansionBox(p, r); });
    for (const Battery &r : data.batteries)
        make(r.image, batteries, r.name, [&](QPainter &p) { drawBattery(p, r); });
    for (const ExternalPowerSource &r : data.externalPowerSources)
        make(r.image, supplies, r.name, [&](QPainter &p) { drawPowerSource(p, r); });
    for (const ExternalBatteryBox &r : data.externalBatteryBoxes)
        make(r.image, batteryBoxes, r.name, [&](QPainter &p) { drawBatteryBox(p, r); });
    for (const AuxiliaryCard &r : data.auxiliaryCards)
        make(r.image, cards, r.name, [&](QPainter &p) { drawCard(p, r); });
    for (const Device &r : data.devices)
        make(r.image, familyOf(r), r.name, [&](QPainter &p) { drawDevice(p, r); });

    QTextStream(stdout) << "Wrote " << written << " pictures to " << folder << "\n";
    return ok ? 0 : 1;
}

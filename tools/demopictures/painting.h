#pragma once

// What every product picture is drawn with: the family tints, the palette
// and small painter helpers.

#include "catalogue/catalogue.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

inline constexpr int Size = 256;

// One tint per product family, so a list of pictures reads at a glance.
struct Family {
    QColor tint;
    QColor accent;
};
inline const Family panels{QColor(0xfd, 0xec, 0xea), QColor(0xc6, 0x28, 0x28)};
inline const Family boxes{QColor(0xe6, 0xee, 0xf7), QColor(0x37, 0x5a, 0x7f)};
inline const Family batteries{QColor(0xfd, 0xf5, 0xd8), QColor(0xf2, 0xb1, 0x1b)};
inline const Family supplies{QColor(0xfd, 0xee, 0xdf), QColor(0xe0, 0x74, 0x1f)};
inline const Family batteryBoxes{QColor(0xe3, 0xf3, 0xf0), QColor(0x1f, 0x8a, 0x7a)};
inline const Family cards{QColor(0xe8, 0xf5, 0xe7), QColor(0x2e, 0x7d, 0x32)};
inline const Family detectors{QColor(0xec, 0xf0, 0xf6), QColor(0x54, 0x6e, 0x8a)};
inline const Family callPoints{QColor(0xfc, 0xe6, 0xe6), QColor(0xd3, 0x2f, 0x2f)};
inline const Family modules{QColor(0xef, 0xeb, 0xf8), QColor(0x5e, 0x4b, 0x9a)};
inline const Family sounders{QColor(0xff, 0xef, 0xe4), QColor(0xd8, 0x43, 0x15)};
inline const Family specials{QColor(0xee, 0xef, 0xf0), QColor(0x60, 0x66, 0x6c)};

inline const QColor ink(0x26, 0x32, 0x38);
inline const QColor white(0xfb, 0xfb, 0xfa);
inline const QColor metal(0xd9, 0xdc, 0xdf);

inline QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

inline QLinearGradient horizontal(const QRectF &r, const QColor &left, const QColor &right)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return g;
}

inline void shadow(QPainter &p, const QRectF &r)
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

inline void box(QPainter &p, const QRectF &r, qreal radius, const QColor &colour, const QColor &edge = QColor())
{
    p.setPen(QPen(edge.isValid() ? edge : colour.darker(135), 1.2));
    p.setBrush(vertical(r, colour.lighter(108), colour.darker(106)));
    p.drawRoundedRect(r, radius, radius);
}

inline void led(QPainter &p, const QPointF &c, qreal radius, const QColor &colour)
{
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, colour.lighter(170));
    g.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(160), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

inline void screw(QPainter &p, const QPointF &c, qreal radius)
{
    p.setPen(QPen(QColor(0x80, 0x86, 0x8b), 0.8));
    p.setBrush(QColor(0xc4, 0xc8, 0xcc));
    p.drawEllipse(c, radius, radius);
    p.drawLine(c - QPointF(radius * 0.6, 0), c + QPointF(radius * 0.6, 0));
}

inline void label(QPainter &p, const QRectF &r, const QString &text, int pixelSize, const QColor &colour,
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
inline void terminals(QPainter &p, const QRectF &r, int count, const QColor &colour)
{
    const qreal w = r.width() / count;
    for (int i = 0; i < count; ++i) {
        const QRectF t(r.left() + i * w + 1, r.top(), w - 2, r.height());
        box(p, t, 2, colour);
        screw(p, QPointF(t.center().x(), t.top() + t.height() * 0.42), qMin(t.width(), t.height()) * 0.26);
    }
}

// The coloured band across the top of a cabinet, following its rounded corners.
inline void topBand(QPainter &p, const QRectF &body, qreal radius, qreal height, const QColor &accent)
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

// Devices (devices.cpp): their family, and the device itself on a tile.
Family familyOf(const Device &device);
void drawDevice(QPainter &p, const Device &device);

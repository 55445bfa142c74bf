#pragma once

// What the pictures share: the palette, fonts and painter helpers, and the
// help illustrations drawn in illustrations.cpp.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// The help illustrations are drawn once per language; labels pick their wording here.
extern bool drawingSpanish;
QString say(const char *english, const char *spanish);

// One palette for every picture, matching the style sheet.
inline const QColor Navy(0x0f, 0x2a, 0x4a);
inline const QColor DeepBlue(0x16, 0x3d, 0x6b);
inline const QColor Blue(0x1f, 0x5f, 0xa8);
inline const QColor MidBlue(0x3b, 0x82, 0xc4);
inline const QColor SkyBlue(0x9e, 0xc5, 0xee);
inline const QColor LightBlue(0xdc, 0xe9, 0xf6);
inline const QColor PaleBlue(0xf2, 0xf6, 0xfb);
inline const QColor Border(0xc5, 0xd3, 0xe2);
inline const QColor Ink(0x1c, 0x2b, 0x3a);
inline const QColor Grey(0x5d, 0x6b, 0x7c);
inline const QColor Red(0xc6, 0x28, 0x28);
inline const QColor Amber(0xff, 0xb7, 0x4d);
inline const QColor Copper(0xd0, 0x8a, 0x3c);
inline const QColor WireDark(0x26, 0x32, 0x38);

QFont font(qreal pixels, int weight = QFont::Normal);
QImage canvas(int w, int h, const QColor &fill = Qt::transparent);
void begin(QPainter &p);
void text(QPainter &p, const QRectF &rect, int flags, const QString &s, const QFont &f, const QColor &c);
void drawDetector(QPainter &p, const QPointF &c, qreal r, const QColor &ring);
void drawSounder(QPainter &p, const QPointF &c, qreal r, const QColor &outline = Qt::white);
void drawPanelBox(QPainter &p, const QRectF &r, bool dark);

QImage powerSources();
QImage distributionFactor();

// The two help illustrations: how external power sources are wired, and
// what the distribution factor means for where devices sit on a loop.

#include "drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QVector>

#include <cmath>

namespace
{

// ---- help illustration helpers ----

void card(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(Border, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    p.restore();
}

void enclosure(QPainter &p, const QRectF &r, const QString &title, const QColor &headerColour)
{
    p.save();
    p.setPen(QPen(QColor(0x7f, 0x93, 0xaa), 1.5));
    p.setBrush(PaleBlue);
    p.drawRoundedRect(r, 8, 8);
    QPainterPath outline;
    outline.addRoundedRect(r, 8, 8);
    p.setClipPath(outline);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 30), headerColour);
    p.setClipping(false);
    text(p, QRectF(r.left() + 10, r.top(), r.width() - 20, 30), Qt::AlignLeft | Qt::AlignVCenter, title,
         font(14, QFont::Bold), Qt::white);
    p.restore();
}

void terminal(QPainter &p, const QPointF &c, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour.darker(130), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 5, c.y() - 5, 10, 10));
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 2.5, 2.5);
    p.restore();
}

void battery(QPainter &p, const QRectF &r, const QString &label)
{
    p.save();
    // terminals on top
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawRect(QRectF(r.left() + 10, r.top() - 6, 12, 7));
    p.setBrush(WireDark);
    p.drawRect(QRectF(r.right() - 22, r.top() - 6, 12, 7));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x55, 0x62, 0x70));
    g.setColorAt(1, QColor(0x37, 0x41, 0x4c));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x26, 0x2e, 0x36), 1));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xff, 0xff, 40));
    p.drawRect(QRectF(r.left() + 4, r.top() + 4, r.width() - 8, 8));
    text(p, r.adjusted(0, 8, 0, 0), Qt::AlignCenter, label, font(14, QFont::Bold), Qt::white);
    text(p, QRectF(r.left() + 8, r.top() + 4, 20, 14), Qt::AlignCenter, QStringLiteral("+"),
         font(12, QFont::Bold), QColor(0xff, 0xcd, 0xd2));
    text(p, QRectF(r.right() - 28, r.top() + 4, 20, 14), Qt::AlignCenter, QStringLiteral("\u2212"),
         font(12, QFont::Bold), QColor(0xcf, 0xd8, 0xdc));
    p.restore();
}

void wire(QPainter &p, const QVector<QPointF> &points, const QColor &colour,
          Qt::PenStyle style = Qt::SolidLine)
{
    p.save();
    p.setPen(QPen(colour, 2.6, style, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points.constData(), points.size());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(points.first(), 3.2, 3.2);
    p.drawEllipse(points.last(), 3.2, 3.2);
    p.restore();
}

void powerSupplyEnclosure(QPainter &p, const QPointF &at, int number, QPointF *plusOut, QPointF *minusOut)
{
    const QRectF box(at.x(), at.y(), 250, 218);
    enclosure(p, box, say("External power source %1", "Fuente externa %1").arg(number), Blue);

    // power supply module
    const QRectF psu(box.left() + 16, box.top() + 44, 178, 62);
    p.setPen(QPen(Navy, 1.2));
    p.setBrush(LightBlue);
    p.drawRoundedRect(psu, 5, 5);
    text(p, psu.adjusted(10, 6, -40, -30), Qt::AlignLeft | Qt::AlignVCenter, say("Power supply", "Fuente"),
         font(13, QFont::Bold), Navy);
    text(p, psu.adjusted(10, 30, -40, -6), Qt::AlignLeft | Qt::AlignVCenter,
         say("24 V DC, charger", "24 V CC, cargador"), font(12), Grey);
    // output terminals on the right edge of the enclosure
    *plusOut = QPointF(box.right() - 12, psu.top() + 18);
    *minusOut = QPointF(box.right() - 12, psu.top() + 44);
    wire(p, {QPointF(psu.right(), plusOut->y()), *plusOut}, Red);
    wire(p, {QPointF(psu.right(), minusOut->y()), *minusOut}, WireDark);
    terminal(p, *plusOut, Red);
    terminal(p, *minusOut, WireDark);
    text(p, QRectF(psu.right() + 4, plusOut->y() - 19, 40, 14), Qt::AlignLeft, say("OUT", "SAL"),
         font(11, QFont::Bold), Grey);

    // mains input from the left
    const QPointF mainsIn(psu.left(), psu.top() + 31);
    p.setPen(QPen(QColor(0x6d, 0x4c, 0x41), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() - 46, mainsIn.y()), mainsIn);
    p.setBrush(QColor(0x6d, 0x4c, 0x41));
    p.setPen(Qt::NoPen);
    QPolygonF arrow;
    arrow << mainsIn << mainsIn + QPointF(-9, -5) << mainsIn + QPointF(-9, 5);
    p.drawPolygon(arrow);
    text(p, QRectF(box.left() - 92, mainsIn.y() - 34, 88, 30), Qt::AlignRight | Qt::AlignBottom,
         say("Mains", "Red"), font(12, QFont::Bold), QColor(0x6d, 0x4c, 0x41));

    // two 12 V batteries in series below
    const QRectF b1(box.left() + 22, box.top() + 144, 92, 58);
    const QRectF b2(box.left() + 134, box.top() + 144, 92, 58);
    const QPointF b1Plus(b1.left() + 16, b1.top() - 6);
    const QPointF b1Minus(b1.right() - 16, b1.top() - 6);
    const QPointF b2Plus(b2.left() + 16, b2.top() - 6);
    const QPointF b2Minus(b2.right() - 16, b2.top() - 6);
    // series link: battery 1 minus to battery 2 plus
    wire(p, {b1Minus, QPointF(b1Minus.x(), b1.top() - 16), QPointF(b2Plus.x(), b1.top() - 16), b2Plus},
         QColor(0x78, 0x90, 0x9c));
    // battery leads to the supply
    wire(p, {b1Plus, QPointF(b1Plus.x(), psu.bottom())}, Red);
    wire(p, {b2Minus, QPointF(b2Minus.x(), psu.bottom())}, WireDark);
    battery(p, b1, QStringLiteral("12 V"));
    battery(p, b2, QStringLiteral("12 V"));
    text(p, QRectF(psu.left() + 34, psu.bottom() + 3, 110, 16), Qt::AlignLeft, say("BATT", "BAT"),
         font(11, QFont::Bold), Grey);
}

} // namespace

QImage powerSources()
{
    QImage image = canvas(780, 634);
    QPainter p(&image);
    begin(p);
    card(p, QRectF(0, 0, 780, 634));
    text(p, QRectF(20, 12, 740, 28), Qt::AlignLeft | Qt::AlignVCenter,
         say("Two external power sources connected through the ORN-PSLINK card",
             "Dos fuentes externas conectadas a la tarjeta ORN-PSLINK"),
         font(17, QFont::Bold), Navy);

    QPointF plus1, minus1, plus2, minus2;
    powerSupplyEnclosure(p, QPointF(92, 62), 1, &plus1, &minus1);
    powerSupplyEnclosure(p, QPointF(92, 316), 2, &plus2, &minus2);

    // the control panel with the power card
    const QRectF panel(470, 62, 290, 472);
    enclosure(p, panel, say("Fire alarm control panel", "Central de detección de incendios"), Navy);
    const QRectF board(panel.left() + 18, panel.top() + 46, panel.width() - 36, 86);
    p.setPen(QPen(Navy, 1.2));
    p.setBrush(LightBlue);
    p.drawRoundedRect(board, 5, 5);
    text(p, board.adjusted(12, 8, -12, -44), Qt::AlignLeft | Qt::AlignVCenter,
         say("Main board", "Placa base"), font(13, QFont::Bold), Navy);
    text(p, board.adjusted(12, 40, -12, -6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         say("Internal power supply and loop outputs", "Fuente interna y salidas de lazo"), font(12), Grey);

    const QRectF cardRect(panel.left() + 50, plus2.y() - 126, 170, 178);
    p.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 1.5));
    p.setBrush(QColor(0xe3, 0xf2, 0xe5));
    p.drawRoundedRect(cardRect, 6, 6);
    text(p, QRectF(cardRect.left(), cardRect.top() + 8, cardRect.width(), 20), Qt::AlignCenter,
         QStringLiteral("ORN-PSLINK"), font(14, QFont::Bold), QColor(0x1b, 0x5e, 0x20));
    text(p, QRectF(cardRect.left(), cardRect.top() + 28, cardRect.width(), 18), Qt::AlignCenter,
         say("power card", "tarjeta de alimentación"), font(12), QColor(0x2e, 0x7d, 0x32));

    const qreal tx = cardRect.left();
    // IN 2 lines up with source 2, so its wires run straight
    const QPointF in2Plus(tx, plus2.y());
    const QPointF in2Minus(tx, minus2.y());
    const QPointF in1Plus(tx, plus2.y() - 70);
    const QPointF in1Minus(tx, minus2.y() - 70);
    const QFont termFont = font(12, QFont::Bold);
    text(p, QRectF(tx + 10, in1Plus.y() - 9, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("IN 1  +"), termFont, Ink);
    text(p, QRectF(tx + 10, in1Minus.y() - 9, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("IN 1  \u2212"), termFont, Ink);
    text(p, QRectF(tx + 10, in2Plus.y() - 9, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("IN 2  +"), termFont, Ink);
    text(p, QRectF(tx + 10, in2Minus.y() - 9, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("IN 2  \u2212"), termFont, Ink);

    // the card hands the supplies to the main board
    p.setPen(QPen(MidBlue, 2.4, Qt::DashLine));
    p.drawLine(QPointF(cardRect.center().x(), cardRect.top()),
               QPointF(cardRect.center().x(), board.bottom()));
    text(p, QRectF(cardRect.center().x() + 8, board.bottom() + 8, 120, 30), Qt::AlignLeft | Qt::AlignVCenter,
         say("supply and\nmonitoring", "alimentación y\nsupervisión"), font(11), MidBlue);

    // internal battery
    const QRectF ib1(panel.left() + 30, panel.bottom() - 86, 104, 50);
    const QRectF ib2(panel.left() + 156, panel.bottom() - 86, 104, 50);
    battery(p, ib1, QStringLiteral("12 V"));
    battery(p, ib2, QStringLiteral("12 V"));
    text(p, QRectF(panel.left() + 10, panel.bottom() - 32, panel.width() - 20, 28), Qt::AlignCenter,
         say("Internal battery", "Batería interna"), font(12, QFont::Bold), Grey);

    // the wiring, routed so that the two pairs never cross
    wire(p, {plus1, QPointF(380, plus1.y()), QPointF(380, in1Plus.y()), in1Plus}, Red);
    wire(p, {minus1, QPointF(400, minus1.y()), QPointF(400, in1Minus.y()), in1Minus}, WireDark);
    wire(p, {plus2, QPointF(420, plus2.y()), QPointF(420, in2Plus.y()), in2Plus}, Red);
    wire(p, {minus2, QPointF(440, minus2.y()), QPointF(440, in2Minus.y()), in2Minus}, WireDark);
    for (const QPointF &t : {in1Plus, in2Plus})
        terminal(p, t, Red);
    for (const QPointF &t : {in1Minus, in2Minus})
        terminal(p, t, WireDark);

    // legend
    const qreal ly = 568;
    p.setPen(QPen(Border, 1));
    p.drawLine(QPointF(20, ly - 16), QPointF(760, ly - 16));
    auto legendLine = [&](qreal x, const QColor &c, Qt::PenStyle style, const QString &label) {
        p.setPen(QPen(c, 3, style, Qt::RoundCap));
        p.drawLine(QPointF(x, ly + 10), QPointF(x + 34, ly + 10));
        text(p, QRectF(x + 42, ly, 150, 20), Qt::AlignLeft | Qt::AlignVCenter, label, font(12), Ink);
    };
    legendLine(24, Red, Qt::SolidLine, say("+24 V DC", "+24 V CC"));
    legendLine(150, WireDark, Qt::SolidLine, QStringLiteral("0 V"));
    legendLine(246, QColor(0x6d, 0x4c, 0x41), Qt::SolidLine, say("Mains supply", "Red eléctrica"));
    legendLine(410, MidBlue, Qt::DashLine, say("Inside the panel", "Dentro de la central"));
    text(p, QRectF(24, ly + 26, 736, 34), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         say("Each external power source holds and charges its own batteries (two 12 V batteries in "
             "series give 24 V) and feeds one input of the ORN-PSLINK card.",
             "Cada fuente de alimentación externa aloja y carga sus propias baterías (dos baterías de 12 V "
             "en serie dan 24 V) y alimenta una entrada de la tarjeta ORN-PSLINK."),
         font(12), Grey);
    return image;
}

// ---- distribution factor ----

// Where n devices sit along the cable (0 = leaving the panel, 1 = the end of
// the cable) for a distribution between 0 and 1: the uniform spread blended
// with the worst case, a bunch at the point farthest from the panel.
namespace
{

QVector<qreal> devicePositions(int n, qreal distribution, bool classA, qreal step)
{
    QVector<qreal> result;
    for (int i = 0; i < n; ++i) {
        const qreal uniform = classA ? (i + 1.0) / (n + 1) : (i + 1.0) / (n + 0.4);
        const qreal bunched = classA ? 0.5 + (i - (n - 1) / 2.0) * step : 1.0 - (n - i) * step;
        result.append(distribution * uniform + (1 - distribution) * bunched);
    }
    return result;
}

void distributionCell(QPainter &p, const QRectF &cell, bool classA, qreal distribution)
{
    p.save();
    p.setPen(QPen(Border, 1));
    p.setBrush(PaleBlue);
    p.drawRoundedRect(cell.adjusted(4, 4, -4, -4), 8, 8);

    const QRectF panel(cell.left() + 14, cell.center().y() - 24, 32, 48);
    const qreal left = panel.right();
    const qreal right = cell.right() - 20;
    const qreal top = cell.top() + 22;
    const qreal bottom = cell.bottom() - 22;
    const qreal r = 14;
    QPainterPath path;
    path.moveTo(left, panel.top() + 10);
    path.lineTo(left + 10, panel.top() + 10);
    path.lineTo(left + 10, top + r);
    path.quadTo(left + 10, top, left + 10 + r, top);
    path.lineTo(right - r, top);
    path.quadTo(right, top, right, top + r);
    path.lineTo(right, bottom - r);
    path.quadTo(right, bottom, right - r, bottom);
    if (classA) {
        path.lineTo(left + 10 + r, bottom);
        path.quadTo(left + 10, bottom, left + 10, bottom - r);
        path.lineTo(left + 10, panel.bottom() - 10);
        path.lineTo(left, panel.bottom() - 10);
    } else {
        path.lineTo(left + 44, bottom);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(MidBlue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    drawPanelBox(p, panel, false);

    const int n = 8;
    for (qreal t : devicePositions(n, distribution, classA, 14.0 / path.length()))
        drawSounder(p, path.pointAtPercent(qBound(0.0, t, 1.0)), 6.5);
    if (!classA) {
        // the free end of the cable
        const QPointF end(left + 44, bottom);
        p.setPen(QPen(Navy, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(end + QPointF(0, -8), end + QPointF(0, 8));
    }
    p.restore();
}

} // namespace

QImage distributionFactor()
{
    QImage image = canvas(800, 400);
    QPainter p(&image);
    begin(p);
    card(p, QRectF(0, 0, 800, 400));
    const qreal labelWidth = 128;
    const qreal top = 58;
    const qreal cellW = (800 - labelWidth - 12) / 3.0;
    const qreal cellH = (400 - top - 8) / 2.0;
    const QStringList heads = {QStringLiteral("0 %"), QStringLiteral("50 %"), QStringLiteral("100 %")};
    const QStringList subs = {say("worst case", "caso más desfavorable"), say("intermediate", "intermedio"),
                              say("ideal, uniform", "ideal, uniforme")};
    const qreal dist[] = {0.0, 0.5, 1.0};
    for (int c = 0; c < 3; ++c) {
        const QRectF head(labelWidth + c * cellW, 8, cellW, 26);
        text(p, head, Qt::AlignCenter, heads[c], font(18, QFont::Bold), Navy);
        text(p, head.translated(0, 24), Qt::AlignCenter, subs[c], font(12), Grey);
    }
    // legend in the corner
    drawSounder(p, QPointF(22, 22), 6.5);
    text(p, QRectF(34, 12, 100, 20), Qt::AlignLeft | Qt::AlignVCenter, say("sounder", "sirena"), font(12),
         Ink);
    drawPanelBox(p, QRectF(14, 34, 16, 22), false);
    text(p, QRectF(34, 36, 100, 20), Qt::AlignLeft | Qt::AlignVCenter, say("panel", "central"), font(12),
         Ink);

    const QStringList rows = {say("Class A", "Clase A"), say("Class B", "Clase B")};
    const QStringList rowSubs = {say("closed loop:\noutput and return", "lazo cerrado:\nida y retorno"),
                                 say("open loop:\none end free", "lazo abierto:\nun extremo libre")};
    for (int r = 0; r < 2; ++r) {
        const QRectF label(8, top + r * cellH, labelWidth - 12, cellH);
        text(p, label.adjusted(0, 0, 0, -cellH / 2 + 6), Qt::AlignLeft | Qt::AlignBottom, rows[r],
             font(16, QFont::Bold), Navy);
        text(p, label.adjusted(0, cellH / 2 + 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, rowSubs[r], font(12),
             Grey);
        for (int c = 0; c < 3; ++c)
            distributionCell(p, QRectF(labelWidth + c * cellW, top + r * cellH, cellW, cellH), r == 0,
                             dist[c]);
    }
    return image;
}

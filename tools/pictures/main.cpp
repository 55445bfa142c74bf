// Draws Kalvix's own pictures: the application icon, the splash screen, the
// maker's logo, the help symbol, the fault mark of the tabs, the missing-image
// placeholder, the cable picture of the report and the two help illustrations;
// with a second folder also the desktop icons (hicolor PNG sizes and SVG).
//
// Usage: kalvix_pictures OUTPUT_FOLDER [ICON_THEME_FOLDER]
//        (run with QT_QPA_PLATFORM=offscreen)

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QTextStream>
#include <QVector>

#include <cmath>
#include <functional>

#include "drawing.h"

bool drawingSpanish = false;

QString say(const char *english, const char *spanish)
{
    return QString::fromUtf8(drawingSpanish ? spanish : english);
}

QFont font(qreal pixels, int weight)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setWeight(weight);
    return f;
}

QImage canvas(int w, int h, const QColor &fill)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void text(QPainter &p, const QRectF &rect, int flags, const QString &s, const QFont &f, const QColor &c)
{
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(rect, flags, s);
    p.restore();
}

// A flame: a teardrop whose round part sits low, point upwards.
namespace
{

QPainterPath flamePath(const QPointF &centre, qreal height)
{
    const qreal cx = centre.x();
    const qreal cy = centre.y();
    const qreal r = height * 0.33;
    const qreal bottomY = cy + height * 0.17;
    QPainterPath path;
    path.moveTo(cx + r * 0.15, cy - height * 0.55);
    path.cubicTo(cx + r * 0.55, cy - height * 0.28, cx + r * 1.05, cy - height * 0.12, cx + r, bottomY);
    path.arcTo(QRectF(cx - r, bottomY - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(cx - r * 1.0, cy - height * 0.02, cx - r * 0.45, cy - height * 0.18, cx + r * 0.15,
                 cy - height * 0.55);
    path.closeSubpath();
    return path;
}

void drawFlame(QPainter &p, const QPointF &centre, qreal height)
{
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient g(centre.x(), centre.y() - height * 0.55, centre.x(), centre.y() + height * 0.5);
    g.setColorAt(0, QColor(0xe5, 0x39, 0x35));
    g.setColorAt(1, QColor(0xb7, 0x1c, 0x1c));
    p.setBrush(g);
    p.drawPath(flamePath(centre, height));
    p.setBrush(Amber);
    p.drawPath(flamePath(centre + QPointF(0, height * 0.2), height * 0.5));
    p.restore();
}

// The brand mark: a loop ring with devices around a flame.
void drawMark(QPainter &p, const QRectF &r, bool rounded)
{
    p.save();
    const qreal s = r.width();
    QLinearGradient bg(r.topLeft(), r.bottomRight());
    bg.setColorAt(0, MidBlue);
    bg.setColorAt(1, Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    if (rounded)
        p.drawRoundedRect(r, s * 0.2, s * 0.2);
    else
        p.drawEllipse(r);

    const QPointF c = r.center();
    const qreal ringR = s * 0.31;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, qMax(1.2, s * 0.065)));
    p.drawEllipse(c, ringR, ringR);
    if (s >= 28) {
        p.setPen(QPen(Navy, qMax(1.0, s * 0.02)));
        p.setBrush(Qt::white);
        for (int i = 0; i < 6; ++i) {
            const qreal a = (i * 60.0 + 30.0) * M_PI / 180.0;
            p.drawEllipse(c + QPointF(std::cos(a) * ringR, std::sin(a) * ringR), s * 0.06, s * 0.06);
        }
    }
    drawFlame(p, c + QPointF(0, s * 0.02), s * (s >= 28 ? 0.36 : 0.44));
    p.restore();
}

QImage iconImage(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    begin(p);
    const qreal m = size >= 32 ? size * 0.04 : 0;
    drawMark(p, QRectF(m, m, size - 2 * m, size - 2 * m), true);
    return image;
}

// Windows icon container: small sizes as 32-bit DIBs (read everywhere), large
// sizes as PNG entries.
QByteArray icoFile(const QVector<int> &sizes)
{
    QVector<QByteArray> blobs;
    for (int size : sizes) {
        const QImage img = iconImage(size).convertToFormat(QImage::Format_ARGB32);
        QByteArray blob;
        if (size >= 128) {
            QBuffer buffer(&blob);
            buffer.open(QIODevice::WriteOnly);
            img.save(&buffer, "PNG");
        } else {
            QDataStream out(&blob, QIODevice::WriteOnly);
            out.setByteOrder(QDataStream::LittleEndian);
            const int maskRow = ((size + 31) / 32) * 4;
            out << quint32(40) << qint32(size) << qint32(size * 2) << quint16(1) << quint16(32) << quint32(0)
                << quint32(size * size * 4 + maskRow * size) << qint32(0) << qint32(0) << quint32(0)
                << quint32(0);
            for (int y = size - 1; y >= 0; --y) {
                const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                for (int x = 0; x < size; ++x)
                    out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                        << quint8(qAlpha(line[x]));
            }
            for (int y = size - 1; y >= 0; --y) {
                const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                QByteArray row(maskRow, '\0');
                for (int x = 0; x < size; ++x) {
                    if (qAlpha(line[x]) == 0)
                        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                }
                out.writeRawData(row.constData(), row.size());
            }
        }
        blobs.append(blob);
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const quint8 dim = sizes[i] >= 256 ? 0 : quint8(sizes[i]);
        out << dim << dim << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(blobs[i].size())
            << offset;
        offset += blobs[i].size();
    }
    for (const QByteArray &blob : blobs)
        out.writeRawData(blob.constData(), blob.size());
    return file;
}

// A detector (circle) and a sounder (red, with sound waves) for diagrams.
} // namespace

void drawDetector(QPainter &p, const QPointF &c, qreal r, const QColor &ring)
{
    p.save();
    p.setPen(QPen(ring, r * 0.35));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.restore();
}

void drawSounder(QPainter &p, const QPointF &c, qreal r, const QColor &outline)
{
    p.save();
    p.setPen(QPen(outline, qMax(1.0, r * 0.3)));
    p.setBrush(Red);
    p.drawEllipse(c, r, r);
    p.restore();
}

void drawPanelBox(QPainter &p, const QRectF &r, bool dark)
{
    p.save();
    p.setPen(QPen(dark ? SkyBlue : Navy, 1.5));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, dark ? DeepBlue : QColor(0xf7, 0xfa, 0xfd));
    g.setColorAt(1, dark ? Navy : LightBlue);
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    // display and two status lamps
    const QRectF screen(r.left() + r.width() * 0.18, r.top() + r.height() * 0.14, r.width() * 0.64,
                        r.height() * 0.26);
    p.setPen(Qt::NoPen);
    p.setBrush(dark ? QColor(0x5f, 0xa8, 0xe8) : Blue);
    p.drawRoundedRect(screen, 2, 2);
    p.setBrush(QColor(0x43, 0xa0, 0x47));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.6), r.width() * 0.07,
                  r.width() * 0.07);
    p.setBrush(Red);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.52, r.top() + r.height() * 0.6), r.width() * 0.07,
                  r.width() * 0.07);
    p.restore();
}

namespace
{

QImage splash()
{
    QImage image = canvas(637, 335);
    QPainter p(&image);
    begin(p);
    QLinearGradient bg(0, 0, 0, 335);
    bg.setColorAt(0, QColor(0x12, 0x32, 0x58));
    bg.setColorAt(1, QColor(0x09, 0x1c, 0x33));
    p.fillRect(image.rect(), bg);

    // Left: a Class A loop leaving the panel and coming back.
    QRadialGradient glow(QPointF(170, 170), 190);
    glow.setColorAt(0, QColor(0x2a, 0x6f, 0xb0, 110));
    glow.setColorAt(1, QColor(0x2a, 0x6f, 0xb0, 0));
    p.fillRect(QRectF(0, 0, 340, 335), glow);

    const QRectF panel(34, 132, 62, 78);
    QPainterPath loop;
    loop.moveTo(panel.right(), panel.top() + 20);
    loop.lineTo(120, panel.top() + 20);
    loop.cubicTo(140, 60, 180, 52, 230, 56);
    loop.cubicTo(300, 62, 312, 120, 306, 170);
    loop.cubicTo(300, 230, 290, 282, 220, 284);
    loop.cubicTo(170, 286, 136, 262, 120, panel.bottom() - 20);
    loop.lineTo(panel.right(), panel.bottom() - 20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5f, 0xa8, 0xe8), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(loop);
    drawPanelBox(p, panel, true);
    const qreal positions[] = {0.12, 0.22, 0.32, 0.42, 0.52, 0.62, 0.72, 0.82, 0.9};
    for (int i = 0; i < 9; ++i) {
        const QPointF at = loop.pointAtPercent(positions[i]);
        if (i % 3 == 1)
            drawSounder(p, at, 7, QColor(0xe3, 0xee, 0xf8));
        else
            drawDetector(p, at, 7.5, QColor(0x2a, 0x6f, 0xb0));
    }

    // Right: the label of the splash screen sits at x 350, y 10, 281 x 101.
    p.setPen(QPen(QColor(0x2f, 0x5f, 0x94), 1));
    p.drawLine(QPointF(350, 128), QPointF(612, 128));
    text(p, QRectF(348, 160, 280, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kalvix"),
         font(50, QFont::Bold), Qt::white);
    text(p, QRectF(352, 222, 270, 44), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         QStringLiteral("Fire alarm loop and power design"), font(15), SkyBlue);

    // A thin brand line along the bottom.
    QLinearGradient line(0, 0, 637, 0);
    line.setColorAt(0, Red);
    line.setColorAt(0.55, QColor(0xe5, 0x73, 0x73));
    line.setColorAt(1, QColor(0x3b, 0x82, 0xc4));
    p.fillRect(QRectF(0, 331, 637, 4), line);
    return image;
}

QImage logo()
{
    QImage image = canvas(409, 83);
    QPainter p(&image);
    begin(p);
    drawMark(p, QRectF(6, 6, 71, 71), false);
    QFont big = font(50, QFont::Bold);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    text(p, QRectF(92, 0, 310, 58), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("TARVEX"), big, Navy);
    QFont small = font(13.5, QFont::DemiBold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3.2);
    text(p, QRectF(95, 58, 310, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("FIRE SYSTEM PRODUCTS"),
         small, MidBlue);
    return image;
}

QImage helpSymbol()
{
    const int scale = 4;
    QImage big = canvas(12 * scale, 12 * scale);
    QPainter p(&big);
    begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QRectF(0.5, 0.5, 12 * scale - 1, 12 * scale - 1));
    text(p, QRectF(0, -1, 12 * scale, 12 * scale), Qt::AlignCenter, QStringLiteral("?"),
         font(9.5 * scale, QFont::Black), Qt::white);
    p.end();
    return big.scaled(12, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The mark a tab carries while its loop, panel or box is in fault: a white
// exclamation mark on a red disc, drawn large and scaled down.
QImage faultMark(int size)
{
    const int scale = 4;
    const qreal s = size * scale;
    QImage big = canvas(size * scale, size * scale);
    QPainter p(&big);
    begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(s * 0.42, s * 0.2, s * 0.16, s * 0.4), s * 0.06, s * 0.06);
    p.drawEllipse(QRectF(s * 0.41, s * 0.66, s * 0.18, s * 0.18));
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Small glyphs for the style sheet: the drop-down and spin arrows and the
// check mark, drawn at four times their size and scaled down for smooth edges.
QImage glyph(int size, const std::function<void(QPainter &, qreal)> &draw)
{
    const int scale = 4;
    QImage big = canvas(size * scale, size * scale);
    QPainter p(&big);
    begin(p);
    draw(p, size * scale);
    p.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage arrow(bool up, const QColor &colour)
{
    return glyph(12, [&](QPainter &p, qreal s) {
        QPolygonF triangle;
        if (up)
            triangle << QPointF(s * 0.18, s * 0.68) << QPointF(s * 0.82, s * 0.68)
                     << QPointF(s * 0.5, s * 0.3);
        else
            triangle << QPointF(s * 0.18, s * 0.34) << QPointF(s * 0.82, s * 0.34)
                     << QPointF(s * 0.5, s * 0.72);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(triangle);
    });
}

QImage checkMark(const QColor &colour)
{
    return glyph(12, [&](QPainter &p, qreal s) {
        p.setPen(QPen(colour, s * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPolygonF tick;
        tick << QPointF(s * 0.18, s * 0.52) << QPointF(s * 0.42, s * 0.76) << QPointF(s * 0.84, s * 0.26);
        p.drawPolyline(tick);
    });
}

QImage missingResource()
{
    QImage image = canvas(160, 160);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 2, Qt::DashLine));
    p.setBrush(QColor(0xee, 0xf2, 0xf7));
    p.drawRoundedRect(QRectF(6, 6, 148, 148), 14, 14);
    // a picture frame with hills and a sun
    const QRectF frame(34, 42, 92, 72);
    p.setPen(QPen(QColor(0x8a, 0x99, 0xab), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xc4, 0xd2));
    QPainterPath hills;
    hills.moveTo(frame.left() + 4, frame.bottom() - 4);
    hills.lineTo(frame.left() + 30, frame.top() + 34);
    hills.lineTo(frame.left() + 48, frame.top() + 52);
    hills.lineTo(frame.left() + 62, frame.top() + 40);
    hills.lineTo(frame.right() - 4, frame.bottom() - 4);
    hills.closeSubpath();
    p.drawPath(hills);
    p.drawEllipse(QPointF(frame.right() - 22, frame.top() + 20), 8, 8);
    // a slash through it
    p.setPen(QPen(QColor(0xc6, 0x28, 0x28, 220), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 128), QPointF(122, 30));
    return image;
}

QImage cable()
{
    QImage image = canvas(240, 240);
    QPainter p(&image);
    begin(p);
    // the coil, back to front
    const QPointF c(104, 122);
    for (int i = 0; i < 7; ++i) {
        const qreal dx = -18 + i * 6;
        const QRectF ring(c.x() - 78 + dx, c.y() - 80, 156, 160);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x8e, 0x1b, 0x1b), 13));
        p.drawEllipse(ring);
        p.setPen(QPen(Red, 10));
        p.drawEllipse(ring);
        p.setPen(QPen(QColor(0xef, 0x9a, 0x9a, 150), 2.5));
        p.drawArc(ring.adjusted(-3, -3, 3, 3), 100 * 16, 70 * 16);
    }
    // the free end with its two cores
    QPainterPath end;
    end.moveTo(c.x() + 92, c.y() + 20);
    end.cubicTo(c.x() + 110, c.y() + 50, c.x() + 112, c.y() + 80, c.x() + 112, c.y() + 96);
    p.setPen(QPen(QColor(0x8e, 0x1b, 0x1b), 13, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(end);
    p.setPen(QPen(Red, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(end);
    const QPointF tip(c.x() + 112, c.y() + 96);
    p.setPen(QPen(Red.darker(140), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tip + QPointF(-3, 0), tip + QPointF(-9, 16));
    p.setPen(QPen(WireDark, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tip + QPointF(3, 0), tip + QPointF(9, 16));
    p.setPen(QPen(Copper, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + QPointF(-9, 16), tip + QPointF(-12, 25));
    p.drawLine(tip + QPointF(9, 16), tip + QPointF(12, 25));
    return image;
}

bool save(const QImage &image, const QDir &dir, const QString &name, QTextStream &out)
{
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        out << "Could not write " << path << "\n";
        return false;
    }
    out << "Wrote " << path << " (" << image.width() << "x" << image.height() << ")\n";
    return true;
}

// The desktop icon: the hicolor PNG sizes a launcher asks for and a scalable
// SVG drawn with the same painter calls.
bool saveThemeIcons(const QDir &theme, const QString &name, QTextStream &out)
{
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder)) {
            out << "Could not create " << theme.filePath(folder) << "\n";
            ok = false;
            continue;
        }
        ok = save(iconImage(size), QDir(theme.filePath(folder)), name + QStringLiteral(".png"), out) && ok;
    }
    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        return false;
    const QString svgPath = theme.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
    QSvgGenerator svg;
    svg.setFileName(svgPath);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Kalvix"));
    QPainter p;
    if (!p.begin(&svg)) {
        out << "Could not write " << svgPath << "\n";
        return false;
    }
    begin(p);
    drawMark(p, QRectF(10.24, 10.24, 256 - 20.48, 256 - 20.48), true);
    p.end();
    out << "Wrote " << svgPath << "\n";
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    if (app.arguments().size() != 2 && app.arguments().size() != 3) {
        out << "Usage: kalvix_pictures OUTPUT_FOLDER [ICON_THEME_FOLDER]\n";
        return 2;
    }
    QDir dir(app.arguments().at(1));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        out << "Could not create " << dir.path() << "\n";
        return 1;
    }
    bool ok = save(splash(), dir, QStringLiteral("splash.png"), out);
    ok = save(logo(), dir, QStringLiteral("tarvex_logo.png"), out) && ok;
    ok = save(helpSymbol(), dir, QStringLiteral("help_symbol-12x12.png"), out) && ok;
    ok = save(missingResource(), dir, QStringLiteral("missing_resource.png"), out) && ok;
    ok = save(cable(), dir, QStringLiteral("cable.png"), out) && ok;
    ok = save(powerSources(), dir, QStringLiteral("power_sources.png"), out) && ok;
    ok = save(distributionFactor(), dir, QStringLiteral("distribution_factor.png"), out) && ok;
    drawingSpanish = true;
    ok = save(powerSources(), dir, QStringLiteral("power_sources_es.png"), out) && ok;
    ok = save(distributionFactor(), dir, QStringLiteral("distribution_factor_es.png"), out) && ok;
    drawingSpanish = false;
    const QColor glyphColour(0x33, 0x47, 0x5c);
    const QColor glyphDisabled(0xa7, 0xb3, 0xc1);
    ok = save(arrow(false, glyphColour), dir, QStringLiteral("arrow_down.png"), out) && ok;
    ok = save(arrow(true, glyphColour), dir, QStringLiteral("arrow_up.png"), out) && ok;
    ok = save(arrow(false, glyphDisabled), dir, QStringLiteral("arrow_down_disabled.png"), out) && ok;
    ok = save(arrow(true, glyphDisabled), dir, QStringLiteral("arrow_up_disabled.png"), out) && ok;
    ok = save(checkMark(Qt::white), dir, QStringLiteral("check.png"), out) && ok;
    ok = save(faultMark(16), dir, QStringLiteral("fault_mark.png"), out) && ok;
    ok = save(faultMark(32), dir, QStringLiteral("fault_mark@2x.png"), out) && ok;

    QFile ico(dir.filePath(QStringLiteral("icon.ico")));
    if (ico.open(QIODevice::WriteOnly) && ico.write(icoFile({16, 24, 32, 48, 64, 128, 256})) > 0) {
        out << "Wrote " << ico.fileName() << "\n";
    } else {
        out << "Could not write " << ico.fileName() << "\n";
        ok = false;
    }
    if (app.arguments().size() == 3) {
        const QDir theme(app.arguments().at(2));
        if (!theme.exists() && !QDir().mkpath(theme.path())) {
            out << "Could not create " << theme.path() << "\n";
            return 1;
        }
        ok = saveThemeIcons(theme, QStringLiteral("com.tarvex_fire.Kalvix"), out) && ok;
    }
    return ok ? 0 : 1;
}

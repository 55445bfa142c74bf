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

#include "painting.h"

namespace
{

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

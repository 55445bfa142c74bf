#include "setup/setupfile.h"

#include "setup/setupfileformat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

// What the editors would show differently from what a file holds.
namespace SetupFile
{

using namespace Format;

namespace
{

QString adjustedLine(const QString &place, const QString &what, const QString &read, const QString &held)
{
    return QCoreApplication::translate("SetupFile", "%1: %2 %3 shown as %4").arg(place, what, read, held);
}

bool sameValue(const QString &read, const QString &held, bool isCardList)
{
    if (read == held)
        return true;
    if (isCardList) {
        QStringList a = read.split(QLatin1Char(','), Qt::SkipEmptyParts);
        QStringList b = held.split(QLatin1Char(','), Qt::SkipEmptyParts);
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        return a == b;
    }
    bool readIsNumber = false;
    bool heldIsNumber = false;
    const double r = read.trimmed().toDouble(&readIsNumber);
    const double h = held.trimmed().toDouble(&heldIsNumber);
    // The editors keep six significant digits of a current.
    return readIsNumber && heldIsNumber && std::abs(r - h) <= 1e-6 * std::max(1.0, std::abs(r));
}

void compareValues(const QString &place, const QStringList &labels, const QVector<Unit> &units,
                   const QStringList &read, const QStringList &held, int cardIndex, QStringList &lines)
{
    for (int i = 0; i < labels.size() && i < units.size(); ++i) {
        const QString r = read.value(i);
        const QString h = held.value(i);
        if (sameValue(r, h, i == cardIndex))
            continue;
        QString label = labels.at(i);
        label.remove(QStringLiteral(":;"));
        const QString unit = unitText(units.at(i));
        lines.append(adjustedLine(place, label, r + unit, h + unit));
    }
}

void compareLoops(const QString &boxPlace, const QVector<LoopConfig> &read, const QVector<LoopConfig> &held,
                  QStringList &lines)
{
    for (int n = 0; n < read.size(); ++n) {
        const QString place =
            boxPlace.isEmpty()
                ? QCoreApplication::translate("SetupFile", "Loop %1").arg(n + 1)
                : QCoreApplication::translate("SetupFile", "%1, loop %2").arg(boxPlace).arg(n + 1);
        if (n >= held.size()) {
            lines.append(QCoreApplication::translate("SetupFile", "%1: left out").arg(place));
            continue;
        }
        QStringList labels = LoopLabels;
        labels.removeLast(); // the devices heading
        // The editors show a cable entry in the current language; the file holds its source text.
        QStringList heldValues = held.at(n).toTexts();
        if (!heldValues.isEmpty())
            heldValues[0] = LoopCable::sourceText(heldValues.at(0));
        compareValues(place, labels, LoopUnits, read.at(n).toTexts(), heldValues, -1, lines);
        lines.append(adjustedDevices(place, read.at(n).devices, held.at(n).devices));
    }
}

} // namespace

QStringList adjustedDevices(const QString &place, const QMap<QString, int> &read,
                            const QMap<QString, int> &held)
{
    QStringList lines;
    QStringList names = read.keys() + held.keys();
    names.removeDuplicates();
    std::sort(names.begin(), names.end());
    for (const QString &name : qAsConst(names)) {
        const int r = read.value(name);
        const int h = held.value(name);
        if (r != h) {
            lines.append(adjustedLine(place,
                                      QCoreApplication::translate("SetupFile", "%1 quantity").arg(name),
                                      QString::number(r), QString::number(h)));
        }
    }
    return lines;
}

QStringList adjustedValues(const SetupData &read, const SetupData &held)
{
    QStringList lines;
    compareValues(QCoreApplication::translate("SetupFile", "Panel"), PanelLabels, PanelUnits, read.panel,
                  held.panel, 8, lines);
    compareLoops(QString(), read.loops, held.loops, lines);
    for (int b = 0; b < read.boxes.size(); ++b) {
        const QString place = QCoreApplication::translate("SetupFile", "Expansion box %1").arg(b + 1);
        if (b >= held.boxes.size()) {
            lines.append(QCoreApplication::translate("SetupFile", "%1: left out").arg(place));
            continue;
        }
        compareValues(place, BoxLabels, BoxUnits, read.boxes.at(b).panel, held.boxes.at(b).panel, 2, lines);
        compareLoops(place, read.boxes.at(b).loops, held.boxes.at(b).loops, lines);
    }
    return lines;
}

} // namespace SetupFile

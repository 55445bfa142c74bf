#include "setup/setupfileformat.h"

#include <QDebug>

#include <cmath>

namespace SetupFile
{
namespace Format
{

const QString VersionLabel = QStringLiteral("Setup format version:;");
const QString PanelTitle = QStringLiteral("Panel configuration");
const QString BoxTitle = QStringLiteral("Expansion box configuration");
const QString LoopCardPrefix = QStringLiteral("VRAL");
const QString PowerCard = QStringLiteral("ORN-PSLINK");
const QString None = QStringLiteral("-");

const QStringList PanelLabels = {
    QStringLiteral("Panel:;"),
    QStringLiteral("Battery:;"),
    QStringLiteral("Auxiliary 24V alarm current:;"),
    QStringLiteral("Auxiliary 24V idle current:;"),
    QStringLiteral("Sounder 1 alarm current:;"),
    QStringLiteral("Sounder 1 idle current:;"),
    QStringLiteral("Sounder 2 alarm current:;"),
    QStringLiteral("Sounder 2 idle current:;"),
    QStringLiteral("Auxiliary cards:;"),
    QStringLiteral("External power source 1:;"),
    QStringLiteral("Additional battery 1:;"),
    QStringLiteral("External power source 2:;"),
    QStringLiteral("Additional battery 2:;"),
    QStringLiteral("Battery degradation:;"),
    QStringLiteral("Max sounders active:;"),
    QStringLiteral("Idle time:;"),
    QStringLiteral("Alarm time:;"),
};

const QStringList BoxLabels = {
    QStringLiteral("Expansion box:;"),        QStringLiteral("Battery:;"),
    QStringLiteral("Auxiliary cards:;"),      QStringLiteral("External power source 1:;"),
    QStringLiteral("Additional battery 1:;"), QStringLiteral("External power source 2:;"),
    QStringLiteral("Additional battery 2:;"), QStringLiteral("Battery degradation:;"),
    QStringLiteral("Max sounders active:;"),  QStringLiteral("Idle time:;"),
    QStringLiteral("Alarm time:;"),
};

const QStringList LoopLabels = {
    QStringLiteral("Cable type:;"),          QStringLiteral("Topology type:;"),
    QStringLiteral("Distribution factor:;"), QStringLiteral("Loop length:;"),
    QStringLiteral("Start distance:;"),      QStringLiteral("End distance:;"),
    QStringLiteral("Devices in loop:"),
};

const QVector<Unit> PanelUnits = {Unit::None,    Unit::None,    Unit::Amperes, Unit::Amperes, Unit::Amperes,
                                  Unit::Amperes, Unit::Amperes, Unit::Amperes, Unit::None,    Unit::None,
                                  Unit::None,    Unit::None,    Unit::None,    Unit::Percent, Unit::Percent,
                                  Unit::None,    Unit::None};
const QVector<Unit> BoxUnits = {Unit::None, Unit::None,    Unit::None,    Unit::None, Unit::None, Unit::None,
                                Unit::None, Unit::Percent, Unit::Percent, Unit::None, Unit::None};
const QVector<Unit> LoopUnits = {Unit::None,   Unit::None,   Unit::Percent,
                                 Unit::Metres, Unit::Metres, Unit::Metres};

QString unitText(Unit unit)
{
    switch (unit) {
    case Unit::Amperes:
        return QStringLiteral(" A");
    case Unit::Percent:
        return QStringLiteral("%");
    case Unit::Metres:
        return QStringLiteral(" m");
    case Unit::None:
        break;
    }
    return QString();
}

QString cutValue(const QString &line, Unit unit)
{
    const QString value = line.section(QLatin1Char(';'), 1, 1);
    switch (unit) {
    case Unit::Amperes:
    case Unit::Metres:
        return value.section(QLatin1Char(' '), 0, 0);
    case Unit::Percent:
        return value.section(QLatin1Char('%'), 0, 0);
    case Unit::None:
        break;
    }
    return value;
}

bool headersMatch(const QStringList &lines, const QString &title, const QStringList &labels)
{
    if (lines.at(0) != title)
        return false;
    for (int i = 0; i < labels.size(); ++i) {
        if (!lines.at(i + 1).startsWith(labels.at(i)))
            return false;
    }
    return true;
}

QStringList cutValues(const QStringList &lines, const QVector<Unit> &units)
{
    QStringList values;
    for (int i = 0; i < units.size(); ++i)
        values.append(cutValue(lines.at(i + 1), units.at(i)));
    return values;
}

bool readNumber(const QString &text, double &value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool readInteger(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

void warn(const QString &text, const QString &value)
{
    qWarning().noquote() << text << value;
}

void warn(const QString &text)
{
    qWarning().noquote() << text;
}

} // namespace Format
} // namespace SetupFile

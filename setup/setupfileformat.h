#pragma once

// What the setup file's 2.0 blocks look like: titles, labels and units of
// every value, and the small readers that the file's reader and its value
// checks share. Internal to setup/setupfile*.cpp.

#include <QString>
#include <QStringList>
#include <QVector>

namespace SetupFile
{
namespace Format
{

extern const QString VersionLabel;
extern const QString PanelTitle;
extern const QString BoxTitle;
extern const QString LoopCardPrefix;
extern const QString PowerCard;
extern const QString None;

extern const QStringList PanelLabels;
extern const QStringList BoxLabels;
extern const QStringList LoopLabels;

// Units written after each value; a reader cuts at the unit's first character.
enum class Unit { None, Amperes, Percent, Metres };

extern const QVector<Unit> PanelUnits;
extern const QVector<Unit> BoxUnits;
extern const QVector<Unit> LoopUnits;

QString unitText(Unit unit);
QString cutValue(const QString &line, Unit unit);
bool headersMatch(const QStringList &lines, const QString &title, const QStringList &labels);
QStringList cutValues(const QStringList &lines, const QVector<Unit> &units);

// Text that is no number is refused rather than read as 0: a damaged file
// must not quietly become a different design.
bool readNumber(const QString &text, double &value);
bool readInteger(const QString &text, int &value);

void warn(const QString &text, const QString &value);
void warn(const QString &text);

} // namespace Format
} // namespace SetupFile

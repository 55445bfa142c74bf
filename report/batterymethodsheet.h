#pragma once

#include "panel/batterymethod.h"

#include <QString>
#include <QStringList>

struct SystemEvaluation;
class Catalogue;

namespace Report
{

// The calculation sheet's battery calculation by a standard: the method's
// name, edition and clause, its formula with the values, the factor it
// applies, its notes, the selected batteries ("name (12 Ah)" each) and the
// margin to their total.
QString batteryMethodSheetHtml(const BatterySizing::Result &result, const QStringList &selectedBatteries,
                               double selectedTotalBattery);
// The same for an evaluated panel or expansion box.
QString batteryMethodSheetHtml(const SystemEvaluation &system, const Catalogue &catalogue);

// The method statement's paragraph on the battery methods and their sources.
QString batteryMethodsStatement();

} // namespace Report

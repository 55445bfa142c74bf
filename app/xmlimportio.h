#pragma once

#include <QMap>
#include "setup/xmlimportsummary.h"

#include <QString>
#include <QStringList>

#include <functional>

class Catalogue;
class SystemContainerWidget;

// Imports a panel from the configuration software's XML into the main
// container: the user picks one of the file's panels and a catalogue model;
// the main panel switches to that model with enough loop cards and its loops
// receive the matching catalogue devices. `checkVersion` asks for the file's
// format version to be the supported one. False, with nothing changed, on any
// failure or cancellation. `adjusted`, when given, receives one line per
// device count the loop editors show differently from the file.
// `unitOrders`, when given, receives per loop filled (index from 0) its
// units as the export lists them, as many of each device as the loop holds.
bool importConfigurationXml(const QString &fileName, SystemContainerWidget *mainContainer,
                            const Catalogue *catalogue, bool checkVersion, QStringList *adjusted = nullptr,
                            QMap<int, QStringList> *unitOrders = nullptr);

namespace XmlImportDialogs
{

// Answers a choice dialog: the chosen item, or an empty text for Cancel.
using Chooser = std::function<QString(const QString &title, const QString &label, const QStringList &items)>;

// Test seam: when set, the two choice dialogs ask this instead of the user.
// An empty function restores the real dialogs.
void setChooser(const Chooser &chooser);

// Answers the import summary: true imports, false cancels.
using PlanAnswer = std::function<bool(const XmlImport::ImportPlan &plan)>;

// Test seam: when set (or when a test chooser is set, which imports), the
// summary asks this instead of the user. The plan it was shown is kept.
void setPlanAnswer(const PlanAnswer &answer);
XmlImport::ImportPlan lastPlan();

// The entries the choice dialogs opened on, in order, since the chooser was
// last set (recorded only while a test chooser answers).
QStringList initialChoices();

} // namespace XmlImportDialogs

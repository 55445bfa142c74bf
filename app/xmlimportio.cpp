#include "app/xmlimportio.h"

#include "core/constants.h"
#include "catalogue/catalogue.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "report/reportcomposer.h"
#include "setup/setupfile.h"
#include "setup/xmlimport.h"
#include "setup/xmlimportsummary.h"
#include "app/xmlimportsummarydialog.h"
#include "widgets/messagebox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QInputDialog>

#include <algorithm>

namespace
{

XmlImportDialogs::Chooser &testChooser()
{
    static XmlImportDialogs::Chooser chooser;
    return chooser;
}

QStringList &recordedInitialChoices()
{
    static QStringList choices;
    return choices;
}

// The index of the chosen entry in `items`, or -1 when cancelled. The list
// opens on `current`.
int choose(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
           int current = 0)
{
    QString choice;
    const QString initial = items.value(current, items.value(0));
    if (testChooser()) {
        recordedInitialChoices().append(initial);
        choice = testChooser()(title, label, items);
    } else {
        QInputDialog dialog(parent);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
        dialog.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setComboBoxItems(items);
        dialog.setComboBoxEditable(false);
        dialog.setTextValue(initial);
        if (dialog.exec() != QDialog::Accepted)
            return -1;
        choice = dialog.textValue();
    }
    // Equal entries (two panels of one name and loop count) take the first.
    return choice.isEmpty() ? -1 : items.indexOf(choice);
}

XmlImportDialogs::PlanAnswer &testPlanAnswer()
{
    static XmlImportDialogs::PlanAnswer answer;
    return answer;
}

XmlImport::ImportPlan &recordedPlan()
{
    static XmlImport::ImportPlan plan;
    return plan;
}

bool confirmPlan(QWidget *parent, const XmlImport::ImportPlan &plan)
{
    // Tests that answer the choices answer the summary too (Import unless told).
    if (testChooser() || testPlanAnswer()) {
        recordedPlan() = plan;
        return testPlanAnswer() ? testPlanAnswer()(plan) : true;
    }
    XmlImportSummaryDialog dialog(plan, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void XmlImportDialogs::setPlanAnswer(const PlanAnswer &answer)
{
    testPlanAnswer() = answer;
    recordedPlan() = XmlImport::ImportPlan();
}

XmlImport::ImportPlan XmlImportDialogs::lastPlan()
{
    return recordedPlan();
}

void XmlImportDialogs::setChooser(const Chooser &chooser)
{
    testChooser() = chooser;
    recordedInitialChoices().clear();
}

QStringList XmlImportDialogs::initialChoices()
{
    return recordedInitialChoices();
}

bool importConfigurationXml(const QString &fileName, SystemContainerWidget *mainContainer,
                            const Catalogue *catalogue, bool checkVersion, QStringList *adjusted,
                            QMap<int, QStringList> *unitOrders)
{
    if (adjusted)
        adjusted->clear();
    PanelWidget *panelWidget = mainContainer ? mainContainer->panelWidget() : nullptr;
    QComboBox *modelSelector =
        panelWidget ? panelWidget->findChild<QComboBox *>(QStringLiteral("panelComboBox")) : nullptr;
    if (!catalogue || !modelSelector) {
        qWarning().noquote() << "XML import without a main panel";
        return false;
    }
    QWidget *parent = mainContainer->window();

    QVector<XmlImport::XmlPanel> xmlPanels;
    QString foundVersion;
    switch (XmlImport::readFile(fileName, checkVersion, xmlPanels, foundVersion)) {
    case XmlImport::ReadResult::Ok:
        break;
    case XmlImport::ReadResult::UnsupportedVersion:
        MessageBox::warning(
            parent, Exporter::tr("Version Compatibility Warning"),
            Exporter::tr("The VXA XML file version (%1) is not supported by this application.\n"
                         "Expected version: %2\n\nThe import process may not work correctly.")
                .arg(foundVersion, Constants::SupportedXmlVersion));
        return false;
    case XmlImport::ReadResult::Failed:
        return false;
    }

    QStringList panelEntries;
    for (const XmlImport::XmlPanel &panel : xmlPanels)
        panelEntries.append(XmlImport::panelEntry(panel));
    const int panelIndex = choose(parent, Exporter::tr("Select XML Panel"),
                                  Exporter::tr("Select a panel from the XML file:"), panelEntries);
    if (panelIndex < 0)
        return false;
    const XmlImport::XmlPanel &xmlPanel = xmlPanels.at(panelIndex);

    // The model is taken by its position in the list, so a model whose name
    // holds " (" is found as well.
    const QVector<Panel> models = catalogue->panels();
    QStringList modelEntries;
    for (const Panel &model : models)
        modelEntries.append(XmlImport::modelEntry(model));
    // Start on the model the file's panel names, if it names one.
    const int modelIndex = choose(parent, Exporter::tr("Select App Panel"),
                                  Exporter::tr("Select a target panel in the application:"), modelEntries,
                                  std::max(0, XmlImport::modelNamedBy(xmlPanel.name, models)));
    if (modelIndex < 0)
        return false;
    const Panel model = models.at(modelIndex);

    // What each loop becomes, and what is left out and why, before anything
    // changes: the user can still cancel.
    const XmlImport::ImportPlan plan = XmlImport::planImport(xmlPanel, model, catalogue->devices());
    if (!confirmPlan(parent, plan))
        return false;
    const int loops = std::min(int(xmlPanel.loops.size()), model.maxLoops);

    modelSelector->setCurrentText(model.name);
    // A fresh model starts at its base loops; when it was already selected it
    // may hold cards, so only the loops still missing are asked for.
    const int extra =
        model.baseLoops + XmlImport::extraLoopsFor(loops, model.baseLoops) - panelWidget->currentLoopCount();
    // A model whose loop cards cannot reach the count exactly (an odd
    // maximum) still gets as many cards as it can hold.
    for (int cards = extra; cards >= 2 && !panelWidget->addLoopCards(cards); cards -= 2) {
    }

    const QStringList numbers = XmlImport::orderedLoopNumbers(xmlPanel);
    const QVector<Device> devices = catalogue->devices();
    const QVector<LoopWidget *> loopWidgets = mainContainer->loopWidgets();
    for (int i = 0; i < loopWidgets.size(); ++i) {
        // Loops the file does not fill are emptied too: the import replaces
        // the design, and devices left from before would be counted with it.
        const QMap<QString, int> map =
            i < loops ? XmlImport::loopDeviceMap(xmlPanel.loops.value(numbers.at(i)), devices)
                      : QMap<QString, int>();
        loopWidgets.at(i)->applyDevices(map);
        QMap<QString, int> held;
        for (const auto &device : loopWidgets.at(i)->deviceList())
            held.insert(device.first, device.second);
        if (unitOrders && i < loops && !held.isEmpty()) {
            // Units beyond what the loop holds go from the end of the cable.
            QMap<QString, int> room = held;
            QStringList order;
            for (const QString &name :
                 XmlImport::loopDeviceOrder(xmlPanel.loops.value(numbers.at(i)), devices)) {
                if (room.value(name) > 0) {
                    --room[name];
                    order.append(name);
                }
            }
            unitOrders->insert(i, order);
        }
        if (adjusted) {
            adjusted->append(SetupFile::adjustedDevices(
                QCoreApplication::translate("SetupFile", "Loop %1").arg(i + 1), map, held));
        }
    }
    return true;
}

#include "widgets/powersources.h"

#include "catalogue/catalogue.h"

#include <QStringList>

namespace
{

template <typename Holder> QString entry(const Holder &holder, const QVector<Battery> &batteries)
{
    QStringList fitting;
    for (const Battery &battery : batteries) {
        if (!(battery.capacity > holder.maxBatteryCapacity))
            fitting.append(battery.name);
    }
    return holder.name + QStringLiteral(":\n    - ") + fitting.join(QStringLiteral(", ")) +
           QStringLiteral("\n\n");
}

} // namespace

PowerSources::PowerSources(const Catalogue *catalogue, QWidget *parent)
    : HelpInfoWindow(parent), m_catalogue(catalogue)
{
    setWindowTitle(tr("Power Sources"));
    setHeader(tr("External Power Sources"));
    setPrimarySection(tr("Compatibility list:"), m_catalogue ? compatibilityList(*m_catalogue) : QString());
    const QStringList notes = {
        tr("Above are indicated the batteries that can be used in each power supply and external battery "
           "box."),
        tr("The KSP900 EN power supply differences from the others are:\n - It has a total of 3 outputs, "
           "whereas "
           "the others have only 1 output, so both outputs could be connected to the ORN-PSLINK card.\n - It "
           "only "
           "works with european mains, and not with the american one as the others do."),
        tr("The picture shows the common way of connecting 2 power supplies.\nFor other combinations check "
           "the "
           "installation manuals of the ORN-PSLINK card."),
        tr("Even though the BQR3105-E power supply is also in the catalog, it is not appropiate for the "
           "system as "
           "it delivers less current than the internal power supply of the panel.")};
    setSecondarySection(tr("Notes:"), notes.join(QStringLiteral("\n\n")));
    //: Resource path of the illustration: a translation names the picture with its labels in that language.
    setImage(tr(":/resources/icons/power_sources.png"), QSize(780, 634));
}

QString PowerSources::compatibilityList(const Catalogue &catalogue)
{
    const QVector<Battery> batteries = catalogue.batteries();
    QString text;
    for (const ExternalPowerSource &source : catalogue.externalPowerSources())
        text += entry(source, batteries);
    for (const ExternalBatteryBox &box : catalogue.externalBatteryBoxes())
        text += entry(box, batteries);
    return text;
}

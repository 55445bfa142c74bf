#include "widgets/distributionfactor.h"

#include <QStringList>

DistributionFactor::DistributionFactor(QWidget *parent) : HelpInfoWindow(parent)
{
    setWindowTitle(tr("Distribution Factor"));
    setHeader(tr("Distribution Factor"));
    setPrimarySection(tr("Topology:"), tr("Class A: the loop is closed, so it has output and return.") +
                                           QStringLiteral("\n") +
                                           tr("Class B (degraded mode): the loop is open at one end."));
    const QStringList notes = {
        tr("The images are intended to explain the concept of distribution factor. No installation is ideal, "
           "but "
           "this concept helps you choose a factor that, using engineering criteria, is as close as possible "
           "to "
           "the real installation."),
        tr("Devices with the highest consumption in the loop, usually sounders, should be considered as the "
           "relevant devices. This is because they have more weight in the load distribution along the full "
           "cable "
           "distance."),
        tr("Distribution percentage:\n0% - worst case where all devices are on one side of the installation "
           "for "
           "Class B, or all devices are at the center of the loop for Class A.\n50% - intermediate case "
           "between "
           "having all devices distributed and having them in the worst case.\n100% - ideal case where all "
           "devices are distributed uniformly.")};
    setSecondarySection(tr("Notes:"), notes.join(QStringLiteral("\n\n")));
    //: Resource path of the illustration: a translation names the picture with its labels in that language.
    setImage(tr(":/resources/icons/distribution_factor.png"), QSize(800, 400));
}

#pragma once

#include "design/designcomparison.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// The words of a comparison, shared by the command line (untranslated), the
// comparison view and the report.
class ComparisonText
{
    Q_DECLARE_TR_FUNCTIONS(DesignComparison)
public:
    // "Main panel", "Expansion box TXE 2 (2)", "Main panel, loop 3",
    // "Project information".
    static QString placeTitle(const DesignDifference &difference);
    // The name of a setting, figure, verdict or project field ("Cable type").
    static QString subjectName(const DesignDifference &difference);
    // One line saying what changed, without the place.
    static QString describe(const DesignDifference &difference);
    // "moved", "readdressed", "zone", "location": the unit changes, as keys.
    static QStringList unitChangeKeys(int changes);

    // Consecutive differences of one place, in the comparison's order; the
    // verdicts come first as a group of their own titled "Verdicts".
    struct Group {
        QString title;
        bool verdicts = false;
        QVector<DesignDifference> differences;
    };
    static QVector<Group> groups(const DesignComparison &comparison);

    // The report's "Changes since revision <r>" section as HTML (escaped).
    // `revision`: the old revision's name (its project revision, else its file).
    static QString htmlSection(const DesignComparison &comparison, const QString &revision);
    // The report with that section after its title page.
    static QString withSection(const QString &reportHtml, const QString &section);
    // The old design's name in that title.
    static QString revisionName(const Design &oldDesign, const QString &oldFileName);
};

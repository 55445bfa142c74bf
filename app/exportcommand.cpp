#include "app/exportcommand.h"

#include "app/commandline.h"
#include "app/languages.h"
#include "catalogue/catalogue.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "exports/exporttables.h"
#include "exports/tablefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTranslator>

namespace CommandLine
{

namespace
{

const QString English = QStringLiteral("en");

// The installed translation of `code`: a file the user added wins over the
// one shipped with the program, as in the window.
QString translationFile(const QString &code)
{
    for (const QString &folder : {Languages::translationsFolder(), Languages::shippedFolder()}) {
        const QString path = folder + QLatin1Char('/') + Languages::fileName(code);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

} // namespace

ProjectInfo projectWith(const std::optional<ProjectInfo> &project, const ProjectOverrides &overrides)
{
    ProjectInfo result = project.value_or(ProjectInfo());
    if (!overrides.reference.isNull())
        result.reference = overrides.reference.trimmed();
    if (!overrides.revision.isNull())
        result.revision = overrides.revision.trimmed();
    if (!overrides.preparedBy.isNull())
        result.preparedBy = overrides.preparedBy.trimmed();
    return result;
}

QStringList consoleLanguages()
{
    QStringList codes = Languages::availableCodes(Languages::shippedFolder());
    for (const QString &code : Languages::availableCodes(Languages::translationsFolder())) {
        if (!codes.contains(code))
            codes.append(code);
    }
    return codes;
}

bool installLanguage(const QString &requested, QString &reason)
{
    QString code = requested;
    if (code.isEmpty()) {
        code = Languages::rememberedLanguage();
        if (code.isEmpty() || translationFile(code).isEmpty())
            code = English;
    }
    const QString path = translationFile(code);
    // A translator outlives the command: the texts are made while it runs.
    static QTranslator *translator = nullptr;
    auto *next = new QTranslator(QCoreApplication::instance());
    if (path.isEmpty() || !next->load(path)) {
        delete next;
        reason = QStringLiteral("no translation for language \"%1\" (available: %2)")
                     .arg(code, consoleLanguages().join(QStringLiteral(", ")));
        return false;
    }
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = next;
    QCoreApplication::installTranslator(translator);
    return true;
}

QStringList exportTargets(const QString &output, const QString &what, QString &reason)
{
    Exports::Kind kind = Exports::Kind::BillOfMaterials;
    if (!what.isEmpty() && !Exports::kindOf(what, kind)) {
        reason = QStringLiteral("--what takes bom, devices or cables, not \"%1\"").arg(what);
        return {};
    }
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QLatin1String("xlsx"))
        return {output};
    if (suffix != QLatin1String("csv")) {
        reason = QStringLiteral("--output must end in .xlsx or .csv: %1").arg(output);
        return {};
    }
    if (!what.isEmpty())
        return {output};
    QStringList targets;
    const QString base = output.left(output.size() - suffix.size() - 1);
    for (Exports::Kind k : Exports::allKinds())
        targets.append(base + QLatin1Char('-') + Exports::keyOf(k) + QStringLiteral(".csv"));
    return targets;
}

int writeExport(const Request &request, QTextStream &out, QTextStream &err)
{
    const auto fail = [&err](const QString &text, int code) {
        err << text << "\n";
        err.flush();
        return code;
    };
    QString reason;
    const QStringList targets = exportTargets(request.output, request.what, reason);
    if (targets.isEmpty())
        return fail(reason, 2);
    if (!installLanguage(request.language, reason))
        return fail(reason, 2);
    Catalogue catalogue;
    if (catalogue.integrityFailed() || catalogue.panels().isEmpty())
        return fail(request.file +
                        QStringLiteral(": ERROR: no valid product data installed (install a data pack "
                                       "with --import-data-pack)"),
                    2);
    Design design;
    if (!DesignFile::read(request.file, design, catalogue))
        return fail(request.file + QStringLiteral(": ERROR: not a valid setup file"), 2);
    const ProjectOverrides overrides{request.projectReference, request.revision, request.preparedBy};
    if (design.project || !overrides.isEmpty())
        design.project = projectWith(design.project, overrides);
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(design, catalogue);

    QList<Exports::Kind> kinds = Exports::allKinds();
    Exports::Kind chosen = Exports::Kind::BillOfMaterials;
    if (Exports::kindOf(request.what, chosen))
        kinds = {chosen};
    QVector<Exports::Table> tables;
    for (Exports::Kind kind : kinds)
        tables.append(Exports::table(kind, design, evaluation, catalogue));

    bool written = true;
    if (QFileInfo(request.output).suffix().toLower() == QLatin1String("xlsx")) {
        const ProjectInfo project = design.project.value_or(ProjectInfo());
        written = TableFiles::writeXlsx(request.output, tables, project.reference, project.preparedBy);
    } else {
        for (int i = 0; i < tables.size() && written; ++i)
            written = TableFiles::writeCsv(targets.at(i), tables.at(i));
    }
    if (!written)
        return fail(QStringLiteral("Failed to write the export: ") + request.output, 1);
    for (const QString &target : targets)
        out << "Export written: " << target << "\n";
    out.flush();
    return 0;
}

} // namespace CommandLine

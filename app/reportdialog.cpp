#include "app/reportdialog.h"

#include "design/comparisontext.h"
#include "design/designcomparison.h"
#include "design/designfile.h"
#include "report/reportcomposer.h"
#include "widgets/messagebox.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReportInformationDialog::ReportInformationDialog(const ReportInformation &initial, const Catalogue *catalogue,
                                                 const QString &startFolder, QWidget *parent)
    : QDialog(parent), m_catalogue(catalogue), m_startFolder(startFolder)
{
    setObjectName(QStringLiteral("reportInformationDialog"));
    setWindowTitle(Exporter::tr("Report Information"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const auto edit = [this](const char *name, const QString &text) {
        auto *line = new QLineEdit(text, this);
        line->setObjectName(QLatin1String(name));
        line->setMinimumWidth(320);
        return line;
    };
    m_facility = edit("facilityNameLineEdit", initial.facility);
    m_address = edit("addressLineEdit", initial.address);
    m_installer = edit("installerCompanyLineEdit", initial.installer);
    m_reference = edit("projectReferenceLineEdit", initial.projectReference);
    m_revision = edit("revisionLineEdit", initial.revision);
    m_preparedBy = edit("preparedByLineEdit", initial.preparedBy);
    form->addRow(Exporter::tr("Facility name"), m_facility);
    form->addRow(Exporter::tr("Address"), m_address);
    form->addRow(Exporter::tr("Installer company"), m_installer);
    form->addRow(Exporter::tr("Project reference"), m_reference);
    form->addRow(Exporter::tr("Revision"), m_revision);
    form->addRow(Exporter::tr("Prepared by"), m_preparedBy);
    if (m_catalogue) {
        auto *row = new QHBoxLayout;
        m_compareWith = edit("compareWithLineEdit", QString());
        m_compareWith->setReadOnly(true);
        m_compareWith->setPlaceholderText(Exporter::tr("No earlier revision"));
        auto *choose = new QPushButton(Exporter::tr("Choose..."), this);
        choose->setObjectName(QStringLiteral("compareWithButton"));
        choose->setAutoDefault(false);
        m_clear = new QPushButton(Exporter::tr("Clear"), this);
        m_clear->setObjectName(QStringLiteral("clearCompareWithButton"));
        m_clear->setAutoDefault(false);
        m_clear->setEnabled(false);
        row->addWidget(m_compareWith, 1);
        row->addWidget(choose);
        row->addWidget(m_clear);
        form->addRow(Exporter::tr("Compare with"), row);
        connect(choose, &QPushButton::clicked, this, &ReportInformationDialog::chooseCompareWith);
        connect(m_clear, &QPushButton::clicked, this, &ReportInformationDialog::clearCompareWith);
    }
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

ReportInformation ReportInformationDialog::information() const
{
    ReportInformation answer;
    answer.facility = m_facility->text().trimmed();
    answer.address = m_address->text().trimmed();
    answer.installer = m_installer->text().trimmed();
    answer.projectReference = m_reference->text().trimmed();
    answer.revision = m_revision->text().trimmed();
    answer.preparedBy = m_preparedBy->text().trimmed();
    return answer;
}

bool ReportInformationDialog::chooseCompareWith()
{
    if (!m_catalogue)
        return false;
    const QString fileName = FileDialog::getOpenFileName(
        this, Exporter::tr("Compare with an Earlier Revision"),
        m_previousFile.isEmpty() ? m_startFolder : QFileInfo(m_previousFile).path(),
        Exporter::tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty())
        return false;
    Design previous;
    if (!DesignFile::read(fileName, previous, *m_catalogue)) {
        MessageBox::critical(this, Exporter::tr("Error"),
                             Exporter::tr("Failed to read the design to compare with.\nThe file may not have "
                                          "the correct format, it may be corrupted or it may be from a newer "
                                          "version of the application."));
        return false;
    }
    m_previous = previous;
    m_previousFile = fileName;
    m_compareWith->setText(QDir::toNativeSeparators(fileName));
    m_clear->setEnabled(true);
    return true;
}

void ReportInformationDialog::clearCompareWith()
{
    m_previous.reset();
    m_previousFile.clear();
    if (m_compareWith)
        m_compareWith->clear();
    if (m_clear)
        m_clear->setEnabled(false);
}

bool askReportInformation(QWidget *parent, const ReportInformation &initial, ReportInformation &answer)
{
    ReportInformationDialog dialog(initial, nullptr, QString(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    answer = dialog.information();
    return true;
}

namespace
{

// Restores the cursor however the report ends.
struct BusyCursor {
    BusyCursor()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

bool generateReport(QWidget *parent, const QString &fileName, const DesignEvaluation &design,
                    const Catalogue &catalogue, ReportInformation &information)
{
    ReportInformation answer;
    if (!askReportInformation(parent, information, answer))
        return false;
    information = answer;
    const BusyCursor busy;
    return Report::writeDesignReport(fileName, design, catalogue, information);
}

bool generateReport(QWidget *parent, const QString &fileName, const Design &design,
                    const DesignEvaluation &evaluation, const Catalogue &catalogue,
                    ReportInformation &information)
{
    ReportInformationDialog dialog(information, &catalogue, QFileInfo(fileName).path(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const ReportInformation answer = dialog.information();
    information = answer;
    const BusyCursor busy;
    // What changed since the earlier revision, against the design as the
    // editors hold it (not as the report's information renames it).
    QString changes;
    if (dialog.compareWith())
        changes = ComparisonText::htmlSection(
            DesignComparison::compare(*dialog.compareWith(), design, catalogue),
            ComparisonText::revisionName(*dialog.compareWith(), dialog.compareWithFile()));
    // The answers are the report's: they override what the design records.
    return Report::writeDesignReport(fileName, Report::withInformation(design, answer), evaluation, catalogue,
                                     information, changes);
}

#include "report/reportdialog.h"

#include "report/reportcomposer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QVBoxLayout>

bool askReportInformation(QWidget *parent, const ReportInformation &initial, ReportInformation &answer)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("reportInformationDialog"));
    dialog.setWindowTitle(Exporter::tr("Report Information"));
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setModal(true);

    auto *layout = new QVBoxLayout(&dialog);
    auto *form = new QFormLayout;
    const auto edit = [&dialog](const char *name, const QString &text) {
        auto *line = new QLineEdit(text, &dialog);
        line->setObjectName(QLatin1String(name));
        line->setMinimumWidth(320);
        return line;
    };
    QLineEdit *facilityEdit = edit("facilityNameLineEdit", initial.facility);
    QLineEdit *addressEdit = edit("addressLineEdit", initial.address);
    QLineEdit *installerEdit = edit("installerCompanyLineEdit", initial.installer);
    QLineEdit *referenceEdit = edit("projectReferenceLineEdit", initial.projectReference);
    QLineEdit *revisionEdit = edit("revisionLineEdit", initial.revision);
    QLineEdit *preparedByEdit = edit("preparedByLineEdit", initial.preparedBy);
    form->addRow(Exporter::tr("Facility name"), facilityEdit);
    form->addRow(Exporter::tr("Address"), addressEdit);
    form->addRow(Exporter::tr("Installer company"), installerEdit);
    form->addRow(Exporter::tr("Project reference"), referenceEdit);
    form->addRow(Exporter::tr("Revision"), revisionEdit);
    form->addRow(Exporter::tr("Prepared by"), preparedByEdit);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    answer.facility = facilityEdit->text().trimmed();
    answer.address = addressEdit->text().trimmed();
    answer.installer = installerEdit->text().trimmed();
    answer.projectReference = referenceEdit->text().trimmed();
    answer.revision = revisionEdit->text().trimmed();
    answer.preparedBy = preparedByEdit->text().trimmed();
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
                    const DesignEvaluation &evaluation, const Catalogue &catalogue, ReportInformation &information)
{
    ReportInformation answer;
    if (!askReportInformation(parent, information, answer))
        return false;
    information = answer;
    // The answers are the report's: they override what the design records.
    const BusyCursor busy;
    return Report::writeDesignReport(fileName, Report::withInformation(design, answer), evaluation, catalogue,
                                     information);
}

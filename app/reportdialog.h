#pragma once

#include "design/design.h"

#include "report/reportbuilder.h"

#include <QDialog>
#include <QString>

#include <optional>

class Catalogue;
class QLineEdit;
class QPushButton;
class QWidget;
struct DesignEvaluation;

// The report information dialog: the report's information and, when a
// catalogue is given, an earlier revision of the design to compare with (the
// report then holds "Changes since revision <r>"). Its line edits are named
// facilityNameLineEdit, addressLineEdit, installerCompanyLineEdit,
// projectReferenceLineEdit, revisionLineEdit and preparedByLineEdit; the
// comparison's are compareWithLineEdit (read only), compareWithButton and
// clearCompareWithButton. Usable without exec(): set the fields, call the
// slots, read the answers.
class ReportInformationDialog : public QDialog
{
    Q_OBJECT

public:
    ReportInformationDialog(const ReportInformation &initial, const Catalogue *catalogue,
                            const QString &startFolder = QString(), QWidget *parent = nullptr);

    // The texts as typed, trimmed.
    ReportInformation information() const;
    // The earlier revision and its file; empty when none was chosen.
    const std::optional<Design> &compareWith() const { return m_previous; }
    QString compareWithFile() const { return m_previousFile; }

public slots:
    // Asks for the earlier design's file and reads it. A file that cannot be
    // read is refused with a message, and the choice before stays. True when
    // a design was chosen.
    bool chooseCompareWith();
    void clearCompareWith();

private:
    const Catalogue *m_catalogue;
    QString m_startFolder;
    QLineEdit *m_facility;
    QLineEdit *m_address;
    QLineEdit *m_installer;
    QLineEdit *m_reference;
    QLineEdit *m_revision;
    QLineEdit *m_preparedBy;
    QLineEdit *m_compareWith = nullptr;
    QPushButton *m_clear = nullptr;
    std::optional<Design> m_previous;
    QString m_previousFile;
};

// Shows the dialog (without a comparison). True on OK with every text
// trimmed; false on Cancel or close.
bool askReportInformation(QWidget *parent, const ReportInformation &initial, ReportInformation &answer);

// Asks for the report information, then writes the PDF of `design` (what the
// editors hold) under a busy cursor. `information` holds the dialog's initial
// values and receives the accepted ones. False when the dialog is cancelled
// (nothing is written) or the file cannot be written (an existing file is
// left as it was).
bool generateReport(QWidget *parent, const QString &fileName, const DesignEvaluation &design,
                    const Catalogue &catalogue, ReportInformation &information);
// The same for a whole design: its project information, battery methods and
// schedules reach the report, and the dialog offers a comparison with an
// earlier revision.
bool generateReport(QWidget *parent, const QString &fileName, const Design &design,
                    const DesignEvaluation &evaluation, const Catalogue &catalogue,
                    ReportInformation &information);

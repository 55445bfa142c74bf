// The project information: kept in a 2.1 file, edited in the Project dialog
// as one undoable step, and shared with the report dialog.
#include "../setup/setupfixtures.h"

#include "app/filecommands.h"
#include "app/projectdialog.h"
#include "design/designdocument.h"
#include "design/designfile.h"
#include "design/projectdates.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

ProjectInfo sampleProject()
{
    ProjectInfo p;
    p.reference = "P-2026-014";
    p.revision = "C";
    p.facility = "Hall <A> & B";
    p.address = "Main Street 1, Town";
    p.installer = "Installer Ltd";
    p.preparedBy = "J. Díaz";
    p.checkedBy = "M. Ng";
    p.dateOfIssue = "2026-03-01";
    p.revisions = {{"A", "2026-01-10", "First issue", "J. Díaz"},
                   {"B", "2026-02-02", "Loop 2 moved", "J. Díaz"}};
    return p;
}

} // namespace

class TestProjectDialog : public QObject
{
    Q_OBJECT

private slots:
    void fileRoundTrip_data();
    void fileRoundTrip();
    void dialogShowsAndReturnsTheFields();
    void dialogKeepsTheFileReadable();
    void editIsOneUndoableStep();
    void reportDialogSharesTheFields();
    void datesShownInTheLanguage_data();
    void datesShownInTheLanguage();

private:
    const Catalogue m_catalogue{demoData()};
};

void TestProjectDialog::fileRoundTrip_data()
{
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<int>("revisions");
    QTest::newRow("no project stays 2.0") << false << 0;
    QTest::newRow("project without revisions") << true << 0;
    QTest::newRow("project with revisions") << true << 2;
}

void TestProjectDialog::fileRoundTrip()
{
    QFETCH(bool, withProject);
    QFETCH(int, revisions);
    Design design = Design::fromSetupData(fullDesign());
    if (withProject) {
        ProjectInfo p = sampleProject();
        p.revisions = p.revisions.mid(0, revisions);
        design.project = p;
    }
    const QString text = DesignFile::compose(design);
    QCOMPARE(text.startsWith("Setup format version:;2.1"), withProject);
    if (!withProject)
        QCOMPARE(text, SetupFile::composeSetupText(fullDesign()));
    Design read;
    QVERIFY(DesignFile::parse(text, read, m_catalogue));
    QCOMPARE(read, design);
}

void TestProjectDialog::dialogShowsAndReturnsTheFields()
{
    ProjectDialog dialog;
    dialog.setProject(sampleProject());
    QCOMPARE(dialog.findChild<QLineEdit *>("facilityLineEdit")->text(), sampleProject().facility);
    QCOMPARE(dialog.findChild<QTableWidget *>("revisionsTable")->rowCount(), 2);
    QCOMPARE(dialog.project(), std::optional<ProjectInfo>(sampleProject()));

    // A new revision follows the project's, dated today, by its preparer.
    dialog.findChild<QPushButton *>("addRevisionButton")->click();
    const std::optional<ProjectInfo> added = dialog.project();
    QVERIFY(added);
    QCOMPARE(added->revisions.size(), 3);
    QCOMPARE(added->revisions.last(),
             (RevisionEntry{"C", QDate::currentDate().toString(Qt::ISODate), QString(), "J. Díaz"}));
    QTableWidget *table = dialog.findChild<QTableWidget *>("revisionsTable");
    table->setCurrentCell(0, 0);
    dialog.findChild<QPushButton *>("removeRevisionButton")->click();
    QCOMPARE(dialog.project()->revisions.first().revision, QStringLiteral("B"));

    // Nothing filled in: no project at all, so the design stays 2.0.
    dialog.setProject(std::nullopt);
    QCOMPARE(dialog.project(), std::optional<ProjectInfo>());
    table->insertRow(0); // a row left empty is no revision
    QCOMPARE(dialog.project(), std::optional<ProjectInfo>());
    dialog.findChild<QPushButton *>("todayButton")->click();
    QCOMPARE(dialog.project()->dateOfIssue, QDate::currentDate().toString(Qt::ISODate));
}

void TestProjectDialog::dialogKeepsTheFileReadable()
{
    ProjectDialog dialog;
    QLineEdit *reference = dialog.findChild<QLineEdit *>("projectReferenceLineEdit");
    // Typing ';' is refused; a pasted one and a line break in a revision are replaced.
    QTest::keyClicks(reference, "A;B");
    QCOMPARE(reference->text(), QStringLiteral("AB"));
    ProjectInfo p;
    p.facility = "x;y";
    p.revisions = {{"1", "2026-01-01", "one;\ntwo", "me"}};
    dialog.setProject(p);
    const std::optional<ProjectInfo> read = dialog.project();
    QVERIFY(read);
    QCOMPARE(read->facility, QStringLiteral("x,y"));
    QCOMPARE(read->revisions.first().description, QStringLiteral("one, two"));
    Design design = Design::fromSetupData(fullDesign());
    design.project = read;
    Design back;
    QVERIFY(DesignFile::parse(DesignFile::compose(design), back, m_catalogue));
    QCOMPARE(back.project, read);
}

void TestProjectDialog::editIsOneUndoableStep()
{
    QTemporaryDir recovery;
    DesignDocument document(&m_catalogue, recovery.path());
    const Design start = Design::fromSetupData(fullDesign());
    document.reset(start, QString());

    ProjectDialog dialog;
    dialog.setProject(document.design().project);
    QVERIFY(!dialog.applyTo(&document)); // nothing changed: no step
    QVERIFY(!document.canUndo());
    dialog.setProject(sampleProject());
    QList<DesignChange::Kind> changes;
    connect(&document, &DesignDocument::changed, this,
            [&changes](const DesignChange &change) { changes.append(change.kind); });
    QVERIFY(dialog.applyTo(&document));
    QCOMPARE(changes, QList<DesignChange::Kind>{DesignChange::Project});
    QCOMPARE(document.design().project, std::optional<ProjectInfo>(sampleProject()));
    QVERIFY(document.isModified());

    document.undo();
    QCOMPARE(document.design(), start);
    QVERIFY(!document.isModified());
    document.redo();
    QCOMPARE(document.design().project, std::optional<ProjectInfo>(sampleProject()));

    // Saved and read again, the project is what the dialog gave.
    const QString file = recovery.filePath("project.csv");
    QVERIFY(document.save(file));
    Design read;
    QVERIFY(DesignFile::read(file, read, m_catalogue));
    QCOMPARE(read.project, std::optional<ProjectInfo>(sampleProject()));
}

void TestProjectDialog::reportDialogSharesTheFields()
{
    ReportInformation last;
    last.facility = "Last answer";
    // Without a project the report dialog offers the last answers ...
    QCOMPARE(FileCommands::reportInformation(std::nullopt, last).facility, QStringLiteral("Last answer"));
    // ... with one, the design's fields.
    const ReportInformation offered = FileCommands::reportInformation(sampleProject(), last);
    QCOMPARE(offered.facility, sampleProject().facility);
    QCOMPARE(offered.projectReference, sampleProject().reference);
    QCOMPARE(offered.revision, sampleProject().revision);
    QCOMPARE(offered.preparedBy, sampleProject().preparedBy);

    // The answers go back into the design, keeping what the dialog does not show.
    ReportInformation answers = offered;
    answers.facility = "New hall; east";
    const std::optional<ProjectInfo> kept = FileCommands::withReportAnswers(sampleProject(), answers);
    QVERIFY(kept);
    QCOMPARE(kept->facility, QStringLiteral("New hall, east"));
    QCOMPARE(kept->checkedBy, sampleProject().checkedBy);
    QCOMPARE(kept->revisions, sampleProject().revisions);
    // Empty answers on a design without a project leave it without one.
    QCOMPARE(FileCommands::withReportAnswers(std::nullopt, ReportInformation()),
             std::optional<ProjectInfo>());
}

void TestProjectDialog::datesShownInTheLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English") << "2026-03-01" << "en" << "3/1/26";
    QTest::newRow("Spanish") << "2026-03-01" << "es" << "1/3/26";
    QTest::newRow("no language: English") << "2026-12-24" << "" << "12/24/26";
    QTest::newRow("not a date stays") << "March 2026" << "es" << "March 2026";
    QTest::newRow("empty") << "" << "es" << "";
}

void TestProjectDialog::datesShownInTheLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QCOMPARE(ProjectDates::shown(stored, language), shown);
    if (!shown.isEmpty() && shown != stored)
        QCOMPARE(ProjectDates::stored(QDate::fromString(stored, Qt::ISODate)), stored);
}

QTEST_MAIN(TestProjectDialog)
#include "tst_projectdialog.moc"

#include "../setup/setupfixtures.h"

#include "app/mainwindow.h"
#include "loop/systemcontainerwidget.h"
#include "panel/panelwidget.h"
#include "report/reportgenerator.h"
#include "setup/setupio.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace
{

struct DialogSeen {
    bool found = false;
    QString title;
    bool helpButton = true;
    QStringList labels;
    QStringList initial;
};

// Answers the next report information dialog: types the texts (when given)
// and presses OK or Cancel, recording what the dialog showed.
void answerDialog(bool accept, const QStringList &texts, DialogSeen *seen)
{
    QTimer::singleShot(0, [=]() {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QLatin1String("reportInformationDialog")) {
            answerDialog(accept, texts, seen); // not open yet
            return;
        }
        seen->found = true;
        seen->title = dialog->windowTitle();
        seen->helpButton = dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
        const QStringList names = {"facilityNameLineEdit",     "addressLineEdit",  "installerCompanyLineEdit",
                                   "projectReferenceLineEdit", "revisionLineEdit", "preparedByLineEdit"};
        for (int i = 0; i < names.size(); ++i) {
            auto *edit = dialog->findChild<QLineEdit *>(names[i]);
            if (!edit)
                continue;
            seen->initial << edit->text();
            if (auto *form = qobject_cast<QFormLayout *>(edit->parentWidget()->layout()->itemAt(0)->layout()))
                if (auto *label = qobject_cast<QLabel *>(form->labelForField(edit)))
                    seen->labels << label->text();
            if (i < texts.size())
                edit->setText(texts[i]);
        }
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (process.waitForFinished(30000)) {
        const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
        const QRegularExpressionMatch m = pages.match(QString::fromUtf8(process.readAllStandardOutput()));
        if (m.hasMatch())
            return m.captured(1).toInt();
    }
    // Without poppler: count the page objects.
    return bytesOf(path).count("/Type /Page\n") + bytesOf(path).count("/Type /Page ");
}

} // namespace

class TestReportGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogShowsAndTrims();
    void cancelWritesNothing();
    void fullDesignReport();
    void onePageHasItsFooter();
    void unwritablePlaceFails();
    void mainWindowCommand();

private:
    Catalogue catalogue{demoData()};
    QTemporaryDir dir;
};

void TestReportGenerator::initTestCase()
{
    initGuiResources();
    QVERIFY(dir.isValid());
    QVERIFY(SetupFile::writeSetupData(dir.filePath("full.csv"), fullDesign()));
}

void TestReportGenerator::init()
{
    MessageBox::setTestMode(true);
}

void TestReportGenerator::cleanup()
{
    MessageBox::takeShown();
    MessageBox::setTestMode(false);
}

void TestReportGenerator::dialogShowsAndTrims()
{
    DialogSeen seen;
    answerDialog(true, {"  Mall  ", "\tMain St 1 ", "", " P-17 ", "B ", " J. Ray"}, &seen);
    ReportInformation initial{"f0", "a0", "i0", "r0", "v0", "p0"};
    ReportInformation answer;
    answer.installer = QStringLiteral("old");
    QVERIFY(askReportInformation(nullptr, initial, answer));
    QVERIFY(seen.found);
    QCOMPARE(seen.title, QStringLiteral("Report Information"));
    QVERIFY(!seen.helpButton);
    // The described three first, then the optional project fields.
    QCOMPARE(seen.labels, (QStringList{"Facility name", "Address", "Installer company", "Project reference",
                                       "Revision", "Prepared by"}));
    QCOMPARE(seen.initial, (QStringList{"f0", "a0", "i0", "r0", "v0", "p0"}));
    QCOMPARE(answer.facility, QStringLiteral("Mall"));
    QCOMPARE(answer.address, QStringLiteral("Main St 1"));
    QCOMPARE(answer.installer, QString()); // empty texts are allowed
    QCOMPARE(answer.projectReference, QStringLiteral("P-17"));
    QCOMPARE(answer.revision, QStringLiteral("B"));
    QCOMPARE(answer.preparedBy, QStringLiteral("J. Ray"));

    DialogSeen cancelled;
    answerDialog(false, {"typed"}, &cancelled);
    answer.facility = QStringLiteral("kept");
    QVERIFY(!askReportInformation(nullptr, initial, answer));
    QVERIFY(cancelled.found);
    QCOMPARE(answer.facility, QStringLiteral("kept"));
}

void TestReportGenerator::cancelWritesNothing()
{
    SystemContainerWidget main(false, &catalogue, QString());
    const QString path = dir.filePath("cancelled.pdf");
    ReportInformation information;
    information.facility = QStringLiteral("Mall");
    DialogSeen seen;
    answerDialog(false, {"Other"}, &seen);
    QVERIFY(!generateReport(path, &main, {}, &catalogue, information));
    QVERIFY(seen.found);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(information.facility, QStringLiteral("Mall"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"full.csv"});
}

void TestReportGenerator::fullDesignReport()
{
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QVERIFY(readSetupFile(dir.filePath("full.csv"), &main, boxes, &catalogue));
    QCOMPARE(boxes.size(), 2);

    // Overwrites a file that is already there, and leaves nothing else behind.
    const QString path = dir.filePath("full.pdf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    ReportInformation information;
    DialogSeen seen;
    answerDialog(true, {"<b>& Mall", "Main St 1", "Acme"}, &seen);
    QVERIFY(generateReport(path, &main, boxes, &catalogue, information));
    const QByteArray keep = qgetenv("KALVIX_REPORT_KEEP");
    if (!keep.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(keep));
        QFile::copy(path, QString::fromLocal8Bit(keep));
    }
    QCOMPARE(information.facility, QStringLiteral("<b>& Mall"));
    QCOMPARE(information.installer, QStringLiteral("Acme"));
    QVERIFY(bytesOf(path).startsWith("%PDF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"full.csv", "full.pdf"}));

    // Title page, panel, six main loops, two boxes with 2 + 4 loops and the
    // summary each start a page; the analysis and the summary may run longer.
    const int pages = pdfPages(path);
    QVERIFY2(pages >= 1 + 1 + 6 + 2 + 6 + 1, qPrintable(QString::number(pages)));
    const QString text = pdfText(path);
    if (!text.isEmpty()) {
        QVERIFY(text.contains(QStringLiteral("<b>& Mall")));
        QVERIFY(text.contains(QStringLiteral("Expansion Box 2 - Loop 4 Analysis")));
        // Every page carries its footer, numbered against the real page count.
        for (int p = 1; p <= pages; ++p)
            QVERIFY2(text.contains(
                         QRegularExpression(QStringLiteral("Kalvix\\s+%1\\s*/\\s*%2\\b").arg(p).arg(pages))),
                     qPrintable(QString::number(p)));
    }
    qDeleteAll(boxes);
}

void TestReportGenerator::onePageHasItsFooter()
{
    const QString path = dir.filePath("one.pdf");
    QVERIFY(writeReportPdf(path, QStringLiteral("<html><body><p>Short</p></body></html>")));
    QVERIFY(bytesOf(path).startsWith("%PDF"));
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    if (!text.isEmpty())
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Kalvix\\s+1\\s*/\\s*1\\b"))),
                 qPrintable(text));
}

void TestReportGenerator::unwritablePlaceFails()
{
    const QString path = dir.filePath("missing/folder/report.pdf");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to start PDF painter"));
    QVERIFY(!writeReportPdf(path, QStringLiteral("<p>x</p>")));
    QVERIFY(!QFile::exists(path));
}

void TestReportGenerator::mainWindowCommand()
{
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    QAction *generate = window.findChild<QAction *>(QStringLiteral("actionGenerate_report"));
    QVERIFY(generate);

    // No file chosen: nothing happens.
    FileDialog::setNextFileName(QString());
    generate->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Generate Report"));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("PDF files (*.pdf)"));
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    QVERIFY(MessageBox::takeShown().isEmpty());

    const QString error =
        QStringLiteral("Failed to generate report.\nIf overwriting an existing file, make sure the "
                       "file is not open by another process.");
    // Cancelling the dialog counts as a failed report.
    const QString path = dir.filePath("window.pdf");
    DialogSeen cancelled;
    answerDialog(false, {}, &cancelled);
    FileDialog::setNextFileName(path);
    generate->trigger();
    QVERIFY(cancelled.found);
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text, error);
    QVERIFY(!QFile::exists(path));

    DialogSeen first;
    answerDialog(true, {"Mall", "Main St 1", "Acme", "P-17", "C", "J. Ray"}, &first);
    FileDialog::setNextFileName(path);
    generate->trigger();
    QCOMPARE(first.initial, (QStringList{"", "", "", "", "", ""}));
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Success"));
    QCOMPARE(shown.first().text, QStringLiteral("Report generated successfully!"));
    QVERIFY(bytesOf(path).startsWith("%PDF"));

    // The next report offers the last answers; a file that cannot be written fails.
    DialogSeen second;
    answerDialog(true, {}, &second);
    FileDialog::setNextFileName(dir.filePath("missing/folder/window.pdf"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to start PDF painter"));
    generate->trigger();
    // The project fields are kept like the other three.
    QCOMPARE(second.initial, (QStringList{"Mall", "Main St 1", "Acme", "P-17", "C", "J. Ray"}));
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text, error);
}

QTEST_MAIN(TestReportGenerator)
#include "tst_reportgenerator.moc"

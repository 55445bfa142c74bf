// The design's file (2.0 unchanged, 2.1 with extension blocks) and the
// document's history, without a window.

#include "../setup/designgenerator.h"
#include "../setup/setupfixtures.h"

#include "design/designdocument.h"
#include "design/designfile.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// The full demo design with every kind of optional data.
Design extendedDesign()
{
    Design design = Design::fromSetupData(fullDesign());
    ProjectInfo project;
    project.reference = QStringLiteral("P-1042");
    project.revision = QStringLiteral("B");
    project.facility = QStringLiteral("Office block, façade north");
    project.address = QStringLiteral("1 Harbour Road");
    project.installer = QStringLiteral("Safe & Sound Ltd");
    project.preparedBy = QStringLiteral("A. Designer");
    project.checkedBy = QString();
    project.dateOfIssue = QStringLiteral("2026-12-01");
    project.revisions = {{"A", "2026-11-01", "First issue", "AD"}, {"B", "2026-12-01", "Loop 2 moved", "AD"}};
    design.project = project;
    design.main.batteryMethod = BatteryMethod::Bs5839;
    design.boxes[1].batteryMethod = BatteryMethod::Nfpa72Edition2022;

    // Loop 1 of the main panel: its units spread over the cable.
    const LoopConfig &loop = design.main.loops.at(0);
    LoopSchedule schedule;
    int address = 1;
    for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it) {
        for (int n = 0; n < it.value(); ++n)
            schedule.units.append({0, it.key(), QString::number(address++), QStringLiteral("Z1"), QString()});
    }
    const int span = loop.loopLength - loop.startDistance - loop.endDistance;
    for (int i = 0; i < schedule.units.size(); ++i)
        schedule.units[i].position =
            loop.startDistance + (schedule.units.size() == 1 ? 0 : span * i / (schedule.units.size() - 1));
    schedule.units[0].location = QStringLiteral("Reception, ceiling");
    design.main.schedules.insert(0, schedule);
    return design;
}

} // namespace

class TestDesignFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_catalogue = std::make_unique<Catalogue>(demoData()); }
    void plainDesignsStayVersion2_0();
    void goldenFilesWriteBackByteForByte();
    void extendedDesignRoundTrips();
    void extensionBlocksAsWritten();
    void refusedFiles_data();
    void refusedFiles();
    void readFromDisk();
    void randomEditsUndoToTheIdenticalDesign();
    void documentEditsAreSingleSteps();
    void scheduleFollowsQuantities();

private:
    std::unique_ptr<Catalogue> m_catalogue;
};

void TestDesignFile::plainDesignsStayVersion2_0()
{
    for (quint32 seed = 1; seed <= 300; ++seed) {
        DesignGenerator generator(*m_catalogue, seed);
        const Design drawn = Design::fromSetupData(generator.design());
        QVERIFY(!drawn.usesExtensions());
        // Boxes are written in the order of their names, as the window always wrote them.
        const QString text = DesignFile::compose(drawn);
        QCOMPARE(text, SetupFile::composeSetupText(drawn.toSetupData()));
        QVERIFY(text.startsWith(QStringLiteral("Setup format version:;2.0\n")));
        // What was written reads back and writes again byte for byte.
        Design read;
        QVERIFY(DesignFile::parse(text, read, *m_catalogue));
        QCOMPARE(DesignFile::compose(read), text);
        Design again;
        QVERIFY(DesignFile::parse(DesignFile::compose(read), again, *m_catalogue));
        QCOMPARE(again, read);
    }
}

void TestDesignFile::goldenFilesWriteBackByteForByte()
{
    QDirIterator it(QStringLiteral(KALVIX_TEST_DATA_DIR), {QStringLiteral("*.csv")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        Design design;
        QVERIFY2(DesignFile::read(path, design, *m_catalogue), qPrintable(path));
        QCOMPARE(DesignFile::compose(design).toUtf8(), bytes);
        ++files;
    }
    QVERIFY(files >= 3);
}

void TestDesignFile::extendedDesignRoundTrips()
{
    const Design design = extendedDesign();
    QVERIFY(design.usesExtensions());
    const QString text = DesignFile::compose(design);
    QVERIFY(text.startsWith(QStringLiteral("Setup format version:;2.1\n")));
    // The 2.0 blocks are the same as a plain file's.
    const QString plain = SetupFile::composeSetupText(design.toSetupData());
    QCOMPARE(text.mid(plain.indexOf('\n')).left(plain.size() - plain.indexOf('\n')),
             plain.mid(plain.indexOf('\n')));
    Design read;
    QVERIFY(DesignFile::parse(text, read, *m_catalogue));
    QCOMPARE(read, design);
    QCOMPARE(DesignFile::compose(read), text);

    // Each kind alone also makes a 2.1 file that reads back.
    Design onlyMethod = Design::fromSetupData(fullDesign());
    onlyMethod.boxes[0].batteryMethod = BatteryMethod::En54Part14;
    QVERIFY(DesignFile::parse(DesignFile::compose(onlyMethod), read, *m_catalogue));
    QCOMPARE(read, onlyMethod);
    Design onlyProject = Design::fromSetupData(fullDesign());
    onlyProject.project = ProjectInfo();
    QVERIFY(DesignFile::parse(DesignFile::compose(onlyProject), read, *m_catalogue));
    QCOMPARE(read, onlyProject);
}

void TestDesignFile::extensionBlocksAsWritten()
{
    const QString text = DesignFile::compose(extendedDesign());
    const QString tail = text.mid(text.indexOf(QStringLiteral("\n\nProject information\n")) + 2);
    const QStringList blocks = tail.split(QStringLiteral("\n\n"));
    QCOMPARE(blocks.size(), 4);
    QCOMPARE(blocks.at(0).split('\n').mid(0, 3),
             (QStringList{"Project information", "Project reference:;P-1042", "Revision:;B"}));
    QVERIFY(blocks.at(0).endsWith("Revision entry:;A;2026-11-01;First issue;AD\n"
                                  "Revision entry:;B;2026-12-01;Loop 2 moved;AD"));
    QCOMPARE(blocks.at(1), QStringLiteral("Battery method;Main panel\nMethod:;BS 5839-1"));
    QVERIFY(blocks.at(2).startsWith("Loop schedule;Main panel;1\nUnit:;0;"));
    QVERIFY(blocks.at(2).contains(";1;Z1;Reception, ceiling\n"));
    // Boxes are named by their place in the file: the second box.
    QCOMPARE(blocks.at(3), QStringLiteral("Battery method;Expansion box 2\nMethod:;NFPA 72 2022\n"));
}

void TestDesignFile::refusedFiles_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("warning");

    QTest::newRow("newer version") << "Setup format version:;2.1" << "Setup format version:;3.0"
                                   << "^The file version \\(3.0\\) is not compatible";
    QTest::newRow("unknown block") << "Battery method;Main panel\nMethod:;BS 5839-1"
                                   << "Cable colours;Main panel\nColour:;red"
                                   << "^Unknown extension block: Cable colours;Main panel$";
    QTest::newRow("extension in a 2.0 file") << "Setup format version:;2.1" << "Setup format version:;2.0"
                                             << "^Loop count mismatch";
    QTest::newRow("unknown method") << "Method:;BS 5839-1" << "Method:;Rule of thumb"
                                    << "^Invalid battery method in block: Battery method;Main panel";
    QTest::newRow("box the design lacks") << "Battery method;Expansion box 2" << "Battery method;Expansion box 3"
                                          << "^Unknown extension block: Battery method;Expansion box 3";
    QTest::newRow("block twice") << "Battery method;Expansion box 2" << "Battery method;Main panel"
                                 << "^Extension block given twice: Battery method;Main panel";
    QTest::newRow("schedule of a missing loop") << "Loop schedule;Main panel;1" << "Loop schedule;Main panel;9"
                                                << "^Loop schedule for a loop the design does not have";
    QTest::newRow("unit with too many fields") << ";Z1;Reception, ceiling" << ";Z1;Reception; ceiling"
                                               << "^Invalid schedule line 2 in loop 1:";
    QTest::newRow("unit of another device") << "Unit:;0;" << "Unit:;0;XX-"
                                            << "^Schedule units do not match the devices of loop 1";
    QTest::newRow("revision with a missing field") << "Revision entry:;A;2026-11-01;First issue;AD"
                                                   << "Revision entry:;A;2026-11-01;First issue"
                                                   << "^Invalid revision line:";
}

void TestDesignFile::refusedFiles()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, warning);
    QString text = DesignFile::compose(extendedDesign());
    QVERIFY2(text.contains(from), qPrintable(from));
    text.replace(text.indexOf(from), from.size(), to);
    const Design untouched = Design::fromSetupData(fullDesign());
    Design read = untouched;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!DesignFile::parse(text, read, *m_catalogue));
    QCOMPARE(read, untouched);
}

void TestDesignFile::readFromDisk()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("office.csv"));
    const Design design = extendedDesign();
    QVERIFY(DesignFile::write(file, design));
    Design read;
    QVERIFY(DesignFile::read(file, read, *m_catalogue));
    QCOMPARE(read, design);
}

void TestDesignFile::randomEditsUndoToTheIdenticalDesign()
{
    QTemporaryDir dir;
    DesignDocument document(m_catalogue.get(), dir.filePath(QStringLiteral("recovery")));
    const Design start = Design::fromSetupData(fullDesign());
    document.reset(start, QString());
    QRandomGenerator random(7);
    const QStringList devices = {"OD-210", "SB-510 (loop)", "CP-310 IP67", "IOM-424"};
    QVector<Design> states{start};
    for (int i = 0; i < 1000; ++i) {
        const int system = int(random.bounded(3)) - 1; // the main panel or one of its two boxes
        const int loops = document.design().system(system)->loops.size();
        const int loop = int(random.bounded(quint32(loops)));
        switch (random.bounded(5)) {
        case 0:
            document.setQuantity(system, loop, devices.at(int(random.bounded(4))), int(random.bounded(5)));
            break;
        case 1: {
            LoopConfig config = document.design().system(system)->loops.at(loop);
            config.loopLength = 100 + 10 * int(random.bounded(100));
            config.startDistance = config.endDistance = 0;
            document.setLoopConfig(system, loop, config);
            break;
        }
        case 2:
            document.setBatteryMethod(system, BatteryMethods::all().at(int(random.bounded(5))));
            break;
        case 3: {
            ProjectInfo project;
            project.revision = QString::number(i);
            document.setProjectInfo(random.bounded(3) == 0 ? std::nullopt : std::optional<ProjectInfo>(project));
            break;
        }
        default: {
            std::optional<LoopSchedule> schedule;
            if (random.bounded(2)) {
                schedule = LoopSchedule();
                const LoopConfig &config = document.design().system(system)->loops.at(loop);
                for (auto it = config.devices.cbegin(); it != config.devices.cend(); ++it)
                    for (int n = 0; n < it.value(); ++n)
                        schedule->units.append({int(random.bounded(quint32(config.loopLength))), it.key(), "-", "", ""});
            }
            document.setLoopSchedule(system, loop, schedule);
        }
        }
        if (document.design() != states.last())
            states.append(document.design());
    }
    QVERIFY(states.size() > 500);
    // The history keeps its newest 200 steps; each undo gives back exactly
    // the state recorded before it.
    int back = 1;
    while (document.canUndo()) {
        document.undo();
        ++back;
        QCOMPARE(document.design(), states.at(states.size() - back));
    }
    QCOMPARE(back, document.history().size());
    while (document.canRedo())
        document.redo();
    QCOMPARE(document.design(), states.last());
}

void TestDesignFile::documentEditsAreSingleSteps()
{
    QTemporaryDir dir;
    DesignDocument document(m_catalogue.get(), dir.filePath(QStringLiteral("recovery")));
    document.reset(Design::fromSetupData(fullDesign()), QStringLiteral("/x/office.csv"));
    QSignalSpy changed(&document, &DesignDocument::changed);
    QSignalSpy replaced(&document, &DesignDocument::designReplaced);
    QVERIFY(!document.isModified());

    document.setBatteryMethod(0, BatteryMethod::Nfpa72Edition2019);
    QCOMPARE(changed.size(), 1);
    const DesignChange change = changed.first().first().value<DesignChange>();
    QCOMPARE(change.kind, DesignChange::BatteryMethod);
    QCOMPARE(change.system, 0);
    QVERIFY(document.isModified());
    QVERIFY(document.design().usesExtensions());

    // Typed values of one field merge into one step while it is open.
    LoopConfig config = document.design().main.loops.at(1);
    for (int length : {600, 650, 700}) {
        config.loopLength = length;
        document.setLoopConfig(-1, 1, config, 42);
    }
    QCOMPARE(document.history().size(), 3);
    document.undo();
    QCOMPARE(document.design().main.loops.at(1), Design::fromSetupData(fullDesign()).main.loops.at(1));
    document.undo();
    QVERIFY(!document.isModified());
    QCOMPARE(replaced.size(), 2);
    // The evaluation follows the design.
    QCOMPARE(document.evaluation().boxes.size(), 2);
    QCOMPARE(document.evaluation().boxes.at(1).displayName, QStringLiteral("TXE 2 (2)"));
}

void TestDesignFile::scheduleFollowsQuantities()
{
    Design before = extendedDesign();
    const LoopSchedule schedule = before.main.schedules.value(0);
    const QString first = schedule.units.first().device;
    const QString last = schedule.units.last().device;

    // One unit fewer of the first device: its last unit goes.
    Design after = before;
    after.main.loops[0].devices[first] -= 1;
    DesignDocument::reconcile(before, after);
    const LoopSchedule fewer = after.main.schedules.value(0);
    QCOMPARE(fewer.units.size(), schedule.units.size() - 1);
    int lastOfFirst = -1;
    for (int i = 0; i < schedule.units.size(); ++i) {
        if (schedule.units.at(i).device == first)
            lastOfFirst = i;
    }
    QVERIFY(!fewer.units.contains(schedule.units.at(lastOfFirst)));

    // Two more of the last device join the end of the cable, unaddressed.
    after = before;
    after.main.loops[0].devices[last] += 2;
    DesignDocument::reconcile(before, after);
    const LoopSchedule more = after.main.schedules.value(0);
    QCOMPARE(more.units.size(), schedule.units.size() + 2);
    QCOMPARE(more.units.last().device, last);
    QCOMPARE(more.units.last().address, QStringLiteral("-"));
    QCOMPARE(more.units.mid(0, schedule.units.size()), schedule.units);
    QVERIFY(DesignFile::validateSchedule(more, after.main.loops.at(0), "loop 1"));

    // A loop that went takes its schedule with it.
    after = before;
    after.main.loops.resize(0);
    DesignDocument::reconcile(before, after);
    QVERIFY(after.main.schedules.isEmpty());
}

QTEST_GUILESS_MAIN(TestDesignFile)
#include "tst_designfile.moc"

#include "setupfixtures.h"
#include "core/safewrite.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using SetupFile::SetupData;

class TestSetupFile : public QObject
{
    Q_OBJECT
private slots:
    void textFollowsLineTemplates();
    void composeParseRoundTrip();
    void acceptsBoundaryValues_data();
    void acceptsBoundaryValues();
    void rejectsDamagedFiles_data();
    void rejectsDamagedFiles();
    void rejectsBoxesThePanelCannotTake();
    void readsFilesFromOtherPlatforms();
    void survivesRandomDamage();
    void refusesOversizedAndMissingFiles();
    void failedWriteKeepsTheOldFile();
    void readsAnyCarriageReturns_data();
    void readsAnyCarriageReturns();
    void refusesSpecialFiles();
    void writesInPlaceWhereNoFileCanBeCreated();

private:
    Catalogue catalogue{demoData()};
};

void TestSetupFile::textFollowsLineTemplates()
{
    const QStringList lines = SetupFile::composeSetupText(fullDesign()).split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 6),
             (QStringList{"Setup format version:;2.0", "", "Panel configuration", "Panel:;TXP 816",
                          "Battery:;TVB 12-26", "Auxiliary 24V alarm current:;0.1 A"}));
    QVERIFY(lines.contains("Sounder 2 alarm current:;0.0125 A"));
    QVERIFY(lines.contains("Auxiliary cards:;VRAL-2,ORN-PSLINK,ZEP-NET"));
    QVERIFY(lines.contains("Battery degradation:;20%"));
    QVERIFY(lines.contains("Alarm time:;15 min"));
    // Loop 1: devices in name order, straight after the "Devices in loop:" line.
    const int loop1 = lines.indexOf("Loop 1 configuration");
    QCOMPARE(
        lines.mid(loop1, 11),
        (QStringList{"Loop 1 configuration", "Cable type:;2,5 mm2 (14 AWG)", "Topology type:;A",
                     "Distribution factor:;100%", "Loop length:;1000 m", "Start distance:;0 m",
                     "End distance:;0 m", "Devices in loop:", "CP-300;8", "OD-210;40", "SD-500 (loop);12"}));
    // The box block has no current lines; its loops count from 1 again.
    const int box = lines.indexOf("Expansion box configuration");
    QCOMPARE(lines.mid(box, 4), (QStringList{"Expansion box configuration", "Expansion box:;TXE 2",
                                             "Battery:;TVB 12-17", "Auxiliary cards:;"}));
    QCOMPARE(lines.at(box + 13), QStringLiteral("Loop 1 configuration"));
    // One line break at the end, no empty line after the last block.
    QCOMPARE(lines.last(), QString());
    QVERIFY(!lines.at(lines.size() - 2).isEmpty());
}

void TestSetupFile::composeParseRoundTrip()
{
    const SetupData design = fullDesign();
    SetupData read;
    QVERIFY(SetupFile::parseSetupText(SetupFile::composeSetupText(design), read, catalogue));
    QCOMPARE(read, design);

    QTemporaryDir dir;
    const QString path = dir.filePath("design.csv");
    QVERIFY(SetupFile::writeSetupData(path, design));
    SetupData fromDisk;
    QVERIFY(SetupFile::readSetupData(path, fromDisk, catalogue));
    QCOMPARE(fromDisk, design);
}

void TestSetupFile::acceptsBoundaryValues_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("idle equals alarm at 0.5") << "current:;0.1 A\nAuxiliary 24V idle current:;0.05 A"
                                              << "current:;0.5 A\nAuxiliary 24V idle current:;0.5 A";
    QTest::newRow("all sounders active") << "Max sounders active:;50%"
                                         << "Max sounders active:;100%";
    QTest::newRow("degradation 99") << "Battery degradation:;20%"
                                    << "Battery degradation:;99%";
    QTest::newRow("distances fill the loop")
        << "Loop length:;2500 m\nStart distance:;500 m\nEnd distance:;500 m"
        << "Loop length:;1000 m\nStart distance:;500 m\nEnd distance:;500 m";
    QTest::newRow("later device line wins") << "OD-210;40"
                                            << "OD-210;3\nOD-210;40";
}

void TestSetupFile::acceptsBoundaryValues()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    SetupData read;
    QVERIFY(SetupFile::parseSetupText(replacedOnce(SetupFile::composeSetupText(fullDesign()), from, to), read,
                                      catalogue));
    QCOMPARE(read.boxes.size(), 2);
    QCOMPARE(read.loops.first().devices.value("OD-210"), 40);
}

void TestSetupFile::rejectsDamagedFiles_data()
{
    QTest::addColumn<QString>("from"); // empty: the whole text becomes `to`
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("warnings"); // a leading "~" marks a pattern

    const QString vals = "Invalid panel configuration values";
    QTest::newRow("empty file") << ""
                                << "" << QStringList{"Invalid file format: missing version information."};
    QTest::newRow("newer version") << "version:;2.0"
                                   << "version:;2.1"
                                   << QStringList{"The file version (2.1) is not compatible with the current "
                                                  "setup format version (2.0)."};
    QTest::newRow("unknown panel") << "Panel:;TXP 816"
                                   << "Panel:;TXP 999" << QStringList{"Panel name not found: TXP 999"};
    QTest::newRow("short panel block") << "Alarm time:;15 min\n"
                                       << "\n"
                                       << QStringList{"Invalid panel configuration: not enough lines"};
    QTest::newRow("panel label") << "Battery:;TVB 12-26"
                                 << "Batery:;TVB 12-26" << QStringList{"~^Invalid panel headers:"};
    QTest::newRow("battery too big for box")
        << "Battery:;TVB 12-17"
        << "Battery:;TVB 12-24"
        << QStringList{"Battery not compatible with selected expansion box: TVB 12-24",
                       "Invalid expansion box configuration values in expansion box 1"};
    QTest::newRow("aux alarm above 0.5")
        << "alarm current:;0.1 A"
        << "alarm current:;0.51 A"
        << QStringList{"Invalid value for auxiliary 24V alarm current: 0.51", vals};
    QTest::newRow("aux idle above alarm")
        << "current:;0.1 A\nAuxiliary 24V idle current:;0.05 A"
        << "current:;0.2 A\nAuxiliary 24V idle current:;0.3 A"
        << QStringList{"Invalid value for auxiliary 24V idle current: 0.3", vals};
    QTest::newRow("current not a number")
        << "Sounder 1 alarm current:;0.2 A"
        << "Sounder 1 alarm current:;abc A"
        << QStringList{"Invalid value for sounder 1 alarm current: abc", vals};
    QTest::newRow("unknown card") << "VRAL-2,ORN-PSLINK,ZEP-NET"
                                  << "VRAL-2,ORN-PSLINK,FOO"
                                  << QStringList{"Auxiliary card not found: FOO", vals};
    QTest::newRow("empty card entry")
        << "VRAL-2,ORN-PSLINK,ZEP-NET"
        << "ORN-PSLINK,,VRAL-2" << QStringList{"Auxiliary card not found: ", vals};
    QTest::newRow("two ZEP cards") << "ORN-PSLINK,ZEP-NET"
                                   << "ORN-PSLINK,ZEP-NET,ZEP-IP"
                                   << QStringList{"Only one ZEP card can be installed at once.", vals};
    QTest::newRow("power source without card") << "VRAL-2,ORN-PSLINK,ZEP-NET"
                                               << "VRAL-2,ZEP-NET"
                                               << QStringList{"Cannot set external power source 1 if the "
                                                              "corresponding card is not installed.",
                                                              vals};
    QTest::newRow("battery without source") << "Additional battery 2:;-"
                                            << "Additional battery 2:;TVB 12-7"
                                            << QStringList{"Cannot set additional battery 2 if no external "
                                                           "power source is selected.",
                                                           vals};
    QTest::newRow("degradation 100") << "Battery degradation:;20%"
                                     << "Battery degradation:;100%"
                                     << QStringList{"Invalid value for battery degradation: 100", vals};
    QTest::newRow("missing loop") << "\n\nLoop 6 configuration"
                                  << "\nLoop 6 configuration"
                                  << QStringList{
                                         "Loop count mismatch: found 5 loops in file, but panel TXP 816 "
                                         "with 1 VRAL card(s) expects exactly 6 loops"};
    QTest::newRow("extra empty line")
        << "\n\nLoop 2 configuration"
        << "\n\n\nLoop 2 configuration" << QStringList{"~^Invalid loop headers:"};
    QTest::newRow("loop out of order") << "Loop 2 configuration"
                                       << "Loop 3 configuration" << QStringList{"~^Invalid loop headers:"};
    QTest::newRow("topology") << "Topology type:;A"
                              << "Topology type:;C"
                              << QStringList{"Invalid topology type: C",
                                             "Invalid loop configuration values in loop 1"};
    QTest::newRow("distances beyond length")
        << "Loop length:;2500 m\nStart distance:;500 m"
        << "Loop length:;1000 m\nStart distance:;600 m"
        << QStringList{"Start distance + end distance is greater than loop length",
                       "Invalid loop configuration values in loop 4"};
    QTest::newRow("device line without quantity") << "OD-210;40"
                                                  << "OD-210" << QStringList{"Invalid device line: OD-210"};
    QTest::newRow("device line with two separators")
        << "OD-210;40"
        << "OD-210;40;1" << QStringList{"Invalid device line: OD-210;40;1"};
    QTest::newRow("zero quantity") << "OD-210;40"
                                   << "OD-210;0"
                                   << QStringList{"Invalid value for device quantity: 0",
                                                  "Invalid devices in loop 1"};
    QTest::newRow("quantity not a number")
        << "OD-210;40"
        << "OD-210;many" << QStringList{"Invalid value for device quantity: 0", "Invalid devices in loop 1"};
    QTest::newRow("unknown device") << "CP-300;8"
                                    << "XX-1;8"
                                    << QStringList{"Device not found in data: XX-1",
                                                   "Invalid devices in loop 1"};
    QTest::newRow("unknown box") << "Expansion box:;TXE 2"
                                 << "Expansion box:;TXE 9"
                                 << QStringList{
                                        "Expansion box name not found in data: TXE 9",
                                        "Invalid expansion box configuration values in expansion box 1"};
    QTest::newRow("box label") << "Expansion box:;TXE 2"
                               << "Expansion:;TXE 2" << QStringList{"~^Invalid expansion box headers:"};
    QTest::newRow("card the box cannot take") << "Auxiliary cards:;VRAL-2\n"
                                              << "Auxiliary cards:;VRAL-2,PRN-40\n"
                                              << QStringList{"Auxiliary card not compatible with selected "
                                                             "expansion box: PRN-40",
                                                             "Invalid expansion box configuration values in "
                                                             "expansion box 2"};
    QTest::newRow("box loop count") << "Auxiliary cards:;VRAL-2\n"
                                    << "Auxiliary cards:;\n"
                                    << QStringList{
                                           "Loop count mismatch in expansion box 2: found 4 loops in file, "
                                           "but expansion box TXE 2 with 0 VRAL card(s) expects exactly 2 "
                                           "loops"};
    QTest::newRow("box loop value") << "Topology type:;B\nDistribution factor:;20%"
                                    << "Topology type:;B\nDistribution factor:;120%"
                                    << QStringList{
                                           "Invalid value for distribution factor: 120",
                                           "Invalid loop configuration values in loop 2 of expansion box 2"};
}

void TestSetupFile::rejectsDamagedFiles()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, warnings);
    const QString good = SetupFile::composeSetupText(fullDesign());
    const QString text = from.isEmpty() ? to : replacedOnce(good, from, to);
    for (const QString &w : qAsConst(warnings)) {
        if (w.startsWith(QLatin1Char('~')))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(w.mid(1)));
        else
            QTest::ignoreMessage(QtWarningMsg, w.toUtf8().constData());
    }
    // What the caller holds stays as it was.
    SetupData held;
    held.panel = QStringList{"held"};
    QVERIFY(!SetupFile::parseSetupText(text, held, catalogue));
    QCOMPARE(held.panel, QStringList{"held"});
    QVERIFY(held.loops.isEmpty() && held.boxes.isEmpty());
}

void TestSetupFile::rejectsBoxesThePanelCannotTake()
{
    // A TXP 408 with one loop card has 4 loops and takes up to two TXE 2 boxes.
    SetupData design = fullDesign();
    design.panel[0] = "TXP 408";
    design.loops.resize(4);
    SetupData read;
    QVERIFY(SetupFile::parseSetupText(SetupFile::composeSetupText(design), read, catalogue));

    SetupData three = design;
    three.boxes.append(design.boxes.first());
    QTest::ignoreMessage(QtWarningMsg,
                         "Too many expansion boxes for panel TXP 408 - found 3 but panel max is 2");
    QVERIFY(!SetupFile::parseSetupText(SetupFile::composeSetupText(three), read, catalogue));

    // The TXE 4 fits TXS and TXP 8.. panels only.
    SetupData foreign = design;
    foreign.boxes[0].panel[0] = "TXE 4";
    QTest::ignoreMessage(QtWarningMsg, "Expansion box not compatible with selected panel: TXE 4");
    QVERIFY(!SetupFile::parseSetupText(SetupFile::composeSetupText(foreign), read, catalogue));
    QCOMPARE(read, design);
}

void TestSetupFile::readsFilesFromOtherPlatforms()
{
    // CR LF line ends, a byte-order mark, and a non-ASCII cable text in UTF-8
    // read back as written, whatever the locale.
    SetupData design = fullDesign();
    design.loops[2].cableType = QString::fromUtf8("2,5 mm² (14 AWG)");
    QByteArray bytes = SetupFile::composeSetupText(design).toUtf8();
    bytes.replace("\n", "\r\n");
    bytes.prepend("\xEF\xBB\xBF");
    QTemporaryDir dir;
    const QString path = dir.filePath("windows.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    SetupData read;
    QVERIFY(SetupFile::readSetupData(path, read, catalogue));
    QCOMPARE(read, design);
}

void TestSetupFile::refusesOversizedAndMissingFiles()
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.csv");
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray text = SetupFile::composeSetupText(fullDesign()).toUtf8();
    file.write(text);
    file.write(QByteArray(SetupFile::MaxFileSize, 'x'));
    file.close();
    SetupData read;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Setup file too large:"));
    QVERIFY(!SetupFile::readSetupData(big, read, catalogue));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to open file for reading: "));
    QVERIFY(!SetupFile::readSetupData(dir.filePath("missing.csv"), read, catalogue));
    QVERIFY(read.panel.isEmpty());
}

void TestSetupFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    // A folder of that name cannot be replaced by the file.
    QVERIFY(QDir(dir.path()).mkdir("taken.csv"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QVERIFY(!SetupFile::writeSetupData(dir.filePath("taken.csv"), fullDesign()));
    QVERIFY(QFileInfo(dir.filePath("taken.csv")).isDir());

    // Nowhere to write at all: false, and nothing appears.
    const QString nowhere = dir.filePath("no/such/folder/setup.csv");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QVERIFY(!SetupFile::writeSetupData(nowhere, fullDesign()));
    QVERIFY(!QFile::exists(nowhere));

    // An existing file is replaced whole.
    const QString path = dir.filePath("old.csv");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'z'));
    old.close();
    QVERIFY(SetupFile::writeSetupData(path, fullDesign()));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(old.readAll()), SetupFile::composeSetupText(fullDesign()));
}

void TestSetupFile::survivesRandomDamage()
{
    // Any damage either fails cleanly or yields a design that writes and
    // reads back as itself; it never crashes or half-fills the result.
    const QString good = SetupFile::composeSetupText(fullDesign());
    const QString alphabet = QStringLiteral(";\n,%A B-0123456789.e");
    QRandomGenerator random(20261208);
    int accepted = 0;
    QString fault;
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    for (int i = 0; i < 3000; ++i) {
        QString text = good;
        const int edits = 1 + random.bounded(3);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(text.size() + 1);
            switch (random.bounded(3)) {
            case 0:
                text.remove(at, 1 + random.bounded(4));
                break;
            case 1:
                text.insert(at, alphabet.at(random.bounded(alphabet.size())));
                break;
            default:
                text.replace(at, 1, alphabet.at(random.bounded(alphabet.size())));
                break;
            }
        }
        SetupData read;
        if (!SetupFile::parseSetupText(text, read, catalogue)) {
            if (!read.panel.isEmpty() || !read.loops.isEmpty() || !read.boxes.isEmpty()) {
                fault = QStringLiteral("refused but filled:\n") + text;
                break;
            }
            continue;
        }
        ++accepted;
        SetupData again;
        if (!SetupFile::parseSetupText(SetupFile::composeSetupText(read), again, catalogue) ||
            !(again == read)) {
            fault = QStringLiteral("accepted but does not read back:\n") + text;
            break;
        }
    }
    qInstallMessageHandler(previous);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // Most damage is refused; some (a changed figure, a device count) is
    // still a valid design.
    QVERIFY(accepted > 0);
    QVERIFY(accepted < 3000);
}

void TestSetupFile::readsAnyCarriageReturns_data()
{
    // Every CR goes, as text mode reading would drop it.
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("CR CR LF") << QByteArray("\n") << QByteArray("\r\r\n");
    QTest::newRow("stray CR in a value") << QByteArray("Battery:;TVB") << QByteArray("Battery:;\rTVB");
    QTest::newRow("CR before the unit") << QByteArray(" m\n") << QByteArray("\r m\n");
    QTest::newRow("CR in a blank line") << QByteArray("\n\n") << QByteArray("\n\r\n");
}

void TestSetupFile::readsAnyCarriageReturns()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    const SetupData design = fullDesign();
    QByteArray bytes = SetupFile::composeSetupText(design).toUtf8();
    bytes.replace(from, to);
    QTemporaryDir dir;
    const QString path = dir.filePath("crs.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    SetupData read;
    QVERIFY(SetupFile::readSetupData(path, read, catalogue));
    QCOMPARE(read, design);
}

void TestSetupFile::refusesSpecialFiles()
{
    // A pipe nobody writes to would block the open for ever; a folder is no file.
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.csv");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder.csv"));
    for (const QString &path : {pipe, dir.filePath("folder.csv")}) {
        SetupData read;
        QElapsedTimer timer;
        timer.start();
        QTest::ignoreMessage(QtWarningMsg, "Failed to open file for reading: Not a regular file");
        QVERIFY(!SetupFile::readSetupData(path, read, catalogue));
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(read.panel.isEmpty());
    }
}

namespace
{

// Runs `work` as an ordinary user: the superuser may create files in any
// folder, so as root it runs in a child process that has given up root.
// True when `work` returned true.
template <typename Work> bool asOrdinaryUser(uid_t user, Work work)
{
    if (::geteuid() != 0)
        return work();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(user) != 0 || ::setuid(user) != 0)
            ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

void TestSetupFile::writesInPlaceWhereNoFileCanBeCreated()
{
    // Outside the test's private temporary folder, so that the ordinary
    // user of a root run can reach it.
    QTemporaryDir dir(::geteuid() == 0 ? QStringLiteral("/tmp/kalvix-save-XXXXXX") : QString());
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("existing.csv");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'z'));
    old.close();
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid(); // nobody
    // The old contents wait in the user's own data folder while the file is
    // written in place.
    QTemporaryDir userData(::geteuid() == 0 ? QStringLiteral("/tmp/kalvix-data-XXXXXX") : QString());
    QVERIFY(userData.isValid());
    QCOMPARE(::chown(QFile::encodeName(userData.path()).constData(), user, gid_t(user)), 0);
    SafeWrite::setUnfinishedFolderForTesting(userData.filePath("unfinished"));
    QCOMPARE(::chown(QFile::encodeName(path).constData(), user, gid_t(user)), 0);
    QCOMPARE(::chown(QFile::encodeName(dir.path()).constData(), user, gid_t(user)), 0);
    QVERIFY(QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));

    const bool probeRefused =
        asOrdinaryUser(user, [&] { return !QFile(dir.filePath("probe")).open(QIODevice::WriteOnly); });
    const bool written = asOrdinaryUser(user, [&] { return SetupFile::writeSetupData(path, fullDesign()); });
    // A new file there is still a failure, reported as one.
    const bool newRefused = asOrdinaryUser(
        user, [&] { return !SetupFile::writeSetupData(dir.filePath("new.csv"), fullDesign()); });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(probeRefused);
    QVERIFY(written);
    QVERIFY(newRefused);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(old.readAll()), SetupFile::composeSetupText(fullDesign()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"existing.csv"});
    // Read back as written: no copy is left to offer.
    QVERIFY(SafeWrite::unfinishedWrites().isEmpty());
    SafeWrite::setUnfinishedFolderForTesting(QString());
}

QTEST_GUILESS_MAIN(TestSetupFile)
#include "tst_setupfile.moc"

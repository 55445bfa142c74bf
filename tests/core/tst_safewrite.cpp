// Writing files so that no failure costs what they held: a full disk, a kill
// in the middle, a folder without room for new files, outputs that are no
// regular files.

#include "fulldisk.h"

#include "app/unfinishedwrites.h"
#include "catalogue/catalogue.h"
#include "core/safewrite.h"
#include "setup/recoveryfile.h"
#include "setup/setupfile.h"
#include "widgets/messagebox.h"

#include <QtTest>

#include <csignal>
#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <sys/wait.h>

namespace
{

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// A design text bigger than what is left on a full disk.
QString largeSetupText()
{
    return QStringLiteral("Version;2.0\n") + QString(20000, QLatin1Char('x'));
}

using Writer = std::function<bool(const QString &path, QString *error)>;

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestSafeWrite : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void fullDiskInPlaceKeepsTheOldFile();

    void refusedOutputs_data();
    void refusedOutputs();
    void deviceNodeStaysADevice();

    void writesInPlaceAndLeavesNoCopy();
    void interruptedInPlaceWriteKeepsTheOldContents_data();
    void interruptedInPlaceWriteKeepsTheOldContents();
    void unfinishedWritesIgnoreLinksAndStrays();
    void interruptedWriteIsOfferedAtTheNextStart_data();
    void interruptedWriteIsOfferedAtTheNextStart();

private:
    QTemporaryDir m_unfinished;
};

void TestSafeWrite::init()
{
    SafeWrite::setUnfinishedFolderForTesting(m_unfinished.path() + QStringLiteral("/unfinished"));
    QDir(m_unfinished.path() + QStringLiteral("/unfinished")).removeRecursively();
}

void TestSafeWrite::cleanup()
{
    SafeWrite::setForceDirectWriteForTesting(false);
    SafeWrite::setStageHookForTesting(nullptr);
}

void TestSafeWrite::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("name");
    // Small enough to sit in the write buffer until commit: the case where
    // commit() alone reported success.
    QTest::newRow("small bytes") << Writer([](const QString &path, QString *error) {
        return SafeWrite::writeFileSafely(path, QByteArray(3000, 'n'), error);
    }) << "out.bin";
    QTest::newRow("large bytes") << Writer([](const QString &path, QString *error) {
        return SafeWrite::writeFileSafely(path, QByteArray(40000, 'n'), error);
    }) << "out.bin";
    QTest::newRow("design") << Writer([](const QString &path, QString *error) {
        SetupFile::SetupData data;
        for (int i = 0; i < 17; ++i)
            data.panel << QString(100, QLatin1Char('p'));
        return SetupFile::writeSetupData(path, data, error);
    }) << "design.csv";
    // The recovery copy and the name beside it: neither may be left empty.
    QTest::newRow("recovery copy") << Writer([](const QString &path, QString *) {
        RecoveryFile recovery(QFileInfo(path).path());
        return recovery.write(largeSetupText(), QStringLiteral("/home/someone/design.csv"));
    }) << "unsaved_design.csv";
}

void TestSafeWrite::fullDiskKeepsTheOldFile()
{
    QFETCH(Writer, writer);
    QFETCH(QString, name);
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.filePath(name);
    const QByteArray old("the old contents\n");
    QVERIFY(writePlain(path, old));
    QVERIFY(writePlain(disk.filePath("unsaved_design.source"), "/home/someone/old.csv"));
    QVERIFY(disk.fill());
    const QStringList before = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);

    QString error;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^Failed to write file: .*No space left on device"));
    if (name.startsWith("unsaved"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write the recovery file:"));
    QVERIFY(!writer(path, &error));
    if (!name.startsWith("unsaved"))
        QCOMPARE(error, QStringLiteral("No space left on device"));
    QCOMPARE(readAll(path), old);
    QCOMPARE(readAll(disk.filePath("unsaved_design.source")), QByteArray("/home/someone/old.csv"));
    // No temporary file is left behind to fill the disk further.
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), before);
}

void TestSafeWrite::fullDiskInPlaceKeepsTheOldFile()
{
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.filePath("design.csv");
    const QByteArray old("the old contents\n");
    QVERIFY(writePlain(path, old));
    QVERIFY(disk.fill());
    SafeWrite::setForceDirectWriteForTesting(true);
    QString error;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^Failed to write file: .*No space left on device"));
    QVERIFY(!SafeWrite::writeFileSafely(path, QByteArray(40000, 'n'), &error));
    QVERIFY2(error.startsWith("No space left on device"), qPrintable(error));
    QCOMPARE(readAll(path), old);
    // Put back, so nothing waits to be offered.
    QVERIFY(SafeWrite::unfinishedWrites().isEmpty());
}

void TestSafeWrite::refusedOutputs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder"
                            << "Is a directory";
    QTest::newRow("named pipe") << "fifo"
                                << "Not a regular file";
    QTest::newRow("the input itself") << "input"
                                      << "It is the file being read";
    QTest::newRow("the input by a link") << "symlink"
                                         << "It is the file being read";
    QTest::newRow("the input by a hard link") << "hardlink"
                                              << "It is the file being read";
    QTest::newRow("the input by another spelling") << "spelling"
                                                   << "It is the file being read";
    QTest::newRow("a new file") << "new" << QString();
}

void TestSafeWrite::refusedOutputs()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString input = dir.filePath("design.csv");
    QVERIFY(writePlain(input, "the design\n"));
    QString output = dir.filePath("out.pdf");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("out.pdf"));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(output).constData(), 0600), 0);
    else if (kind == "input")
        output = input;
    else if (kind == "symlink")
        QVERIFY(QFile::link(input, output));
    else if (kind == "hardlink")
        QCOMPARE(::link(QFile::encodeName(input).constData(), QFile::encodeName(output).constData()), 0);
    else if (kind == "spelling")
        output = dir.path() + "/./design.csv";
    QCOMPARE(SafeWrite::refusalReason(output, {input}), reason);

    if (reason.isEmpty() || kind == "symlink" || kind == "hardlink" || kind == "spelling")
        return;
    // Writing refuses what is no regular file without opening it: a pipe
    // would block here for ever.
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QVERIFY(!SafeWrite::writeFileSafely(kind == "input" ? dir.filePath("out.pdf") + "/x" : output, "pdf",
                                        &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QFileInfo(output).isFile(), kind == "input");
    QCOMPARE(readAll(input), QByteArray("the design\n"));
}

void TestSafeWrite::deviceNodeStaysADevice()
{
    // As root a temporary file beside /dev/null would replace the device;
    // a device node of our own shows it without touching the real one.
    QTemporaryDir dir;
    const QString device = dir.filePath("null");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("Device node test skipped: cannot create a device node here (needs root)");
    QCOMPARE(SafeWrite::refusalReason(device), QStringLiteral("Not a regular file"));
    QVERIFY(SafeWrite::isSpecialFile(device));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QVERIFY(!SafeWrite::writeFileSafely(device, "pdf"));
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(device).constData(), &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"null"});
}

void TestSafeWrite::writesInPlaceAndLeavesNoCopy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("design.csv");
    QVERIFY(writePlain(path, QByteArray(5000, 'o')));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    SafeWrite::setForceDirectWriteForTesting(true);
    QStringList stages;
    SafeWrite::setStageHookForTesting([&stages](const QString &stage) { stages << stage; });
    // Shorter than before: the rest of the old file must not survive.
    QVERIFY(SafeWrite::writeFileSafely(path, "new\n"));
    QCOMPARE(readAll(path), QByteArray("new\n"));
    QCOMPARE(stages, (QStringList{"copy kept", "writing", "written"}));
    QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), QFile::ReadGroup);
    QVERIFY(SafeWrite::unfinishedWrites().isEmpty());
    QVERIFY(QDir(SafeWrite::unfinishedFolder()).entryList(QDir::Files).isEmpty());
}

void TestSafeWrite::interruptedInPlaceWriteKeepsTheOldContents_data()
{
    QTest::addColumn<QString>("stage");
    QTest::newRow("copy kept") << "copy kept";
    QTest::newRow("half written") << "writing";
    QTest::newRow("written, not yet checked") << "written";
}

void TestSafeWrite::interruptedInPlaceWriteKeepsTheOldContents()
{
    QFETCH(QString, stage);
    QTemporaryDir dir;
    const QString path = dir.filePath("design.csv");
    const QByteArray old(30000, 'o');
    QVERIFY(writePlain(path, old));

    // The writer is killed at that step, as kill -9 would.
    const pid_t child = ::fork();
    if (child == 0) {
        SafeWrite::setForceDirectWriteForTesting(true);
        SafeWrite::setStageHookForTesting([stage](const QString &now) {
            if (now == stage)
                ::raise(SIGKILL);
        });
        SafeWrite::writeFileSafely(path, QByteArray(60000, 'n'));
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));

    const QList<SafeWrite::UnfinishedWrite> unfinished = SafeWrite::unfinishedWrites();
    QCOMPARE(unfinished.size(), 1);
    QCOMPARE(unfinished.first().target, path);
    QCOMPARE(readAll(unfinished.first().copy), old);
    QVERIFY(SafeWrite::restoreUnfinishedWrite(unfinished.first()));
    QCOMPARE(readAll(path), old);
    QVERIFY(SafeWrite::unfinishedWrites().isEmpty());
}

void TestSafeWrite::unfinishedWritesIgnoreLinksAndStrays()
{
    const QString folder = SafeWrite::unfinishedFolder();
    QVERIFY(QDir().mkpath(folder));
    QTemporaryDir dir;
    QVERIFY(writePlain(dir.filePath("secret"), "secret"));
    // A marker without its copy, a copy that is a link, a marker that is a link.
    QVERIFY(writePlain(folder + "/a.target", dir.filePath("x").toUtf8()));
    QVERIFY(writePlain(folder + "/b.target", dir.filePath("y").toUtf8()));
    QVERIFY(QFile::link(dir.filePath("secret"), folder + "/b.old"));
    QVERIFY(QFile::link(dir.filePath("secret"), folder + "/c.target"));
    QVERIFY(writePlain(folder + "/c.old", "old"));
    QVERIFY(SafeWrite::unfinishedWrites().isEmpty());

    // A kept copy that stays as a plain file once forgotten.
    QVERIFY(writePlain(folder + "/d.target", dir.filePath("z").toUtf8()));
    QVERIFY(writePlain(folder + "/d.old", "old"));
    const QList<SafeWrite::UnfinishedWrite> unfinished = SafeWrite::unfinishedWrites();
    QCOMPARE(unfinished.size(), 1);
    SafeWrite::forgetUnfinishedWrite(unfinished.first(), true);
    QVERIFY(SafeWrite::unfinishedWrites().isEmpty());
    QCOMPARE(readAll(folder + "/d.old"), QByteArray("old"));
}

void TestSafeWrite::interruptedWriteIsOfferedAtTheNextStart_data()
{
    QTest::addColumn<bool>("putBack");
    QTest::newRow("put back") << true;
    QTest::newRow("kept aside") << false;
}

void TestSafeWrite::interruptedWriteIsOfferedAtTheNextStart()
{
    QFETCH(bool, putBack);
    QTemporaryDir dir;
    const QString path = dir.filePath("design.csv");
    QVERIFY(writePlain(path, "the old design\n"));
    const pid_t child = ::fork();
    if (child == 0) {
        SafeWrite::setForceDirectWriteForTesting(true);
        SafeWrite::setStageHookForTesting([](const QString &now) {
            if (now == QLatin1String("writing"))
                ::raise(SIGKILL);
        });
        SafeWrite::writeFileSafely(path, QByteArray(60000, 'n'));
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(readAll(path) != QByteArray("the old design\n"));

    MessageBox::setTestMode(true);
    MessageBox::takeShown();
    MessageBox::setNextAnswer(putBack ? QMessageBox::Yes : QMessageBox::No);
    QCOMPARE(UnfinishedWrites::offer(nullptr), 1);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.first().text,
             QStringLiteral("Saving %1 did not finish, so the file may be incomplete.\nIts "
                            "previous contents were kept. Put them back?")
                 .arg(path));
    if (putBack) {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(readAll(path), QByteArray("the old design\n"));
    } else {
        // Kept where the user is told, and not asked about again.
        QCOMPARE(shown.size(), 2);
        const QString copy = shown.at(1).text.section(" are kept in ", 1).chopped(1);
        QCOMPARE(readAll(copy), QByteArray("the old design\n"));
    }
    QCOMPARE(UnfinishedWrites::offer(nullptr), 0);
    MessageBox::setTestMode(false);
}

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"

// The recovery copy cannot be turned against its user: links and other
// users' files in its folder are set aside unfollowed, a planted name of the
// design's file is not trusted, and a dead lock does not hold recovery back.

#include "catalogue/catalogue.h"
#include "setup/recoveryfile.h"
#include "setup/setupfile.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

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

// Makes a file look as if it were written `seconds` ago.
void age(const QString &path, int seconds)
{
    struct utimbuf times;
    times.actime = times.modtime = ::time(nullptr) - seconds;
    ::utime(QFile::encodeName(path).constData(), &times);
}

} // namespace

class TestRecoveryFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void folderIsPrivate();
    void plantedCopiesAreSetAsideUnfollowed_data();
    void plantedCopiesAreSetAsideUnfollowed();
    void writingNeverFollowsALink();
    void sourceNameIsTrustedOnlyForKnownDesigns_data();
    void sourceNameIsTrustedOnlyForKnownDesigns();
    void deadLockIsTakenOverAtOnce_data();
    void deadLockIsTakenOverAtOnce();
    void runsSideBySideKeepACopyEach();

private:
    QTemporaryDir m_dir;
    QString m_folder;
    Catalogue m_catalogue{CatalogueData()};
};

void TestRecoveryFile::init()
{
    m_folder = m_dir.filePath("recovery");
    QDir(m_folder).removeRecursively();
}

void TestRecoveryFile::folderIsPrivate()
{
    RecoveryFile recovery(m_folder);
    QVERIFY(recovery.claim());
    QCOMPARE(QFile::permissions(m_folder) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
             QFile::Permissions());
    QVERIFY(recovery.write("text", QString()));
    QCOMPARE(readAll(recovery.path()), QByteArray("text"));
    QVERIFY(QFileInfo(recovery.path()).isFile());

    // A folder that is a link to somewhere else is not used.
    const QString elsewhere = m_dir.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::link(elsewhere, m_dir.filePath("linked")));
    RecoveryFile linked(m_dir.filePath("linked"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^The recovery folder is not a folder of this user:"));
    QVERIFY(!linked.write("text", QString()));
    // Claimed, the copy goes to a folder of its own beside it.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^The recovery folder is not a folder of this user:"));
    QVERIFY(linked.claim());
    QCOMPARE(linked.folder(), m_dir.filePath("linked-2"));
    QVERIFY(linked.write("text", QString()));
    QVERIFY(QDir(elsewhere).isEmpty());
}

void TestRecoveryFile::plantedCopiesAreSetAsideUnfollowed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to another file") << "link";
    QTest::newRow("another user's file") << "foreign";
    // Reading it would block the start for ever.
    QTest::newRow("named pipe") << "fifo";
}

void TestRecoveryFile::plantedCopiesAreSetAsideUnfollowed()
{
    QFETCH(QString, kind);
    RecoveryFile recovery(m_folder);
    QVERIFY(recovery.claim());
    const QString victim = m_dir.filePath("victim.csv");
    QVERIFY(writePlain(victim, "the user's own design\n"));
    if (kind == "link") {
        QVERIFY(QFile::link(victim, recovery.path()));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(recovery.path()).constData(), 0600), 0);
    } else {
        if (::geteuid() != 0)
            QSKIP("Foreign file test skipped: needs root to give a file to another user");
        QVERIFY(writePlain(recovery.path(), "planted\n"));
        QCOMPARE(::chown(QFile::encodeName(recovery.path()).constData(), 65534, 65534), 0);
    }
    QVERIFY(recovery.exists());
    SetupFile::SetupData data;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^The recovery file is not a regular file of this user:"));
    QVERIFY(!recovery.read(data, m_catalogue));
    const QString aside = recovery.setAside();
    QVERIFY(!aside.isEmpty());
    QVERIFY(!recovery.exists());
    // Moved as it is: the link still a link, what it named untouched.
    QCOMPARE(QFileInfo(aside).isSymLink(), kind == "link");
    QCOMPARE(QFileInfo(aside).isFile() && !QFileInfo(aside).isSymLink(), kind == "foreign");
    QCOMPARE(readAll(victim), QByteArray("the user's own design\n"));
}

void TestRecoveryFile::writingNeverFollowsALink()
{
    RecoveryFile recovery(m_folder);
    QVERIFY(recovery.claim());
    const QString victim = m_dir.filePath("victim.csv");
    const QString victimSource = m_dir.filePath("victim.source");
    QVERIFY(writePlain(victim, "the user's own design\n"));
    QVERIFY(writePlain(victimSource, "keep\n"));
    QVERIFY(QFile::link(victim, recovery.path()));
    QVERIFY(QFile::link(victimSource, m_folder + "/unsaved_design.source"));
    QVERIFY(recovery.write("copy\n", "/home/someone/design.csv"));
    QCOMPARE(readAll(victim), QByteArray("the user's own design\n"));
    QCOMPARE(readAll(victimSource), QByteArray("keep\n"));
    QVERIFY(!QFileInfo(recovery.path()).isSymLink());
    QCOMPARE(readAll(recovery.path()), QByteArray("copy\n"));
    QCOMPARE(recovery.sourceFile(), QStringLiteral("/home/someone/design.csv"));
}

void TestRecoveryFile::sourceNameIsTrustedOnlyForKnownDesigns_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("trusted");
    const QString design = QDir::tempPath() + "/design.csv";
    QTest::newRow("opened before") << design << QStringList{design} << design;
    QTest::newRow("another spelling of it")
        << QDir::tempPath() + "/./design.csv" << QStringList{design} << design;
    // Save would overwrite the named file with the design.
    QTest::newRow("never opened") << QDir::homePath() + "/.profile" << QStringList{design} << QString();
    QTest::newRow("nothing opened") << design << QStringList() << QString();
    QTest::newRow("untitled") << QString() << QStringList{design} << QString();
}

void TestRecoveryFile::sourceNameIsTrustedOnlyForKnownDesigns()
{
    QFETCH(QString, source);
    QFETCH(QStringList, known);
    QFETCH(QString, trusted);
    RecoveryFile recovery(m_folder);
    QVERIFY(recovery.claim());
    QVERIFY(recovery.write("copy\n", source));
    if (!source.isEmpty() && trusted.isEmpty())
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression("^The recovery file names a design that was never opened here:"));
    QCOMPARE(recovery.trustedSourceFile(known), trusted);
}

void TestRecoveryFile::deadLockIsTakenOverAtOnce_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty, as a kill while it was made leaves it") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xff\xfe not a lock\n");
    QTest::newRow("a process that is gone") << QByteArray("999999\nKalvix\nsomehost\n");
}

void TestRecoveryFile::deadLockIsTakenOverAtOnce()
{
    QFETCH(QByteArray, content);
    QVERIFY(QDir().mkpath(m_folder));
    const QString lock = m_folder + "/unsaved_design.lock";
    QVERIFY(writePlain(lock, content));
    age(lock, 5);
    RecoveryFile recovery(m_folder);
    QElapsedTimer timer;
    timer.start();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^Took over a lock left by a process that is gone:"));
    QVERIFY(recovery.claim());
    QVERIFY(timer.elapsed() < 1000);

    QCOMPARE(recovery.slot(), 1);
    QCOMPARE(recovery.folder(), m_folder);
}

void TestRecoveryFile::runsSideBySideKeepACopyEach()
{
    RecoveryFile first(m_folder);
    QVERIFY(first.claim());
    QVERIFY(first.write("first\n", QString()));
    // A lock that a live run holds stays its own: the second keeps its copy beside it.
    auto second = std::make_unique<RecoveryFile>(m_folder);
    QVERIFY(second->claim());
    QCOMPARE(second->slot(), 2);
    QCOMPARE(second->folder(), m_folder + "-2");
    QVERIFY(second->write("second\n", QString()));
    QCOMPARE(readAll(first.path()), QByteArray("first\n"));
    QCOMPARE(readAll(second->path()), QByteArray("second\n"));

    // The second run ends without removing its copy (a crash) while the
    // first goes on: the next run takes that copy's folder, to offer it.
    const QString secondCopy = second->path();
    second.reset();
    RecoveryFile next(m_folder);
    QVERIFY(next.claim());
    QCOMPARE(next.path(), secondCopy);
    QVERIFY(next.exists());
}

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"

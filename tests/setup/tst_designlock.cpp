// Two running copies of the program on one design: the second learns who
// holds it; a holder that is gone is taken over; a file changed on disk is
// told apart from the one read.

#include "setup/designlock.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QtTest>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace
{

bool writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Another running copy: a child process that marks `design` open and waits.
pid_t holdInAnotherProcess(const QString &folder, const QString &design)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        DesignLock lock(folder);
        const char answer = lock.acquire(design) ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char answer = 0;
    const bool held = ::read(ready[0], &answer, 1) == 1 && answer == 'y';
    ::close(ready[0]);
    return held ? child : -1;
}

} // namespace

class TestDesignLock : public QObject
{
    Q_OBJECT

private slots:
    void anotherRunIsNamedAndAGoneOneTakenOver();
    void oneMarkPerFileHoweverSpelled();
    void fingerprintTellsAChangedFile();
};

void TestDesignLock::anotherRunIsNamedAndAGoneOneTakenOver()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("locks");
    const QString design = dir.filePath("design.csv");
    QVERIFY(writePlain(design, "design\n"));
    const pid_t other = holdInAnotherProcess(folder, design);
    QVERIFY(other > 0);

    DesignLock lock(folder);
    DesignLock::Holder holder;
    QVERIFY(!lock.acquire(design, &holder));
    QCOMPARE(holder.pid, qint64(other));
    QCOMPARE(holder.host, QSysInfo::machineHostName());
    QVERIFY(holder.since.isValid());
    QVERIFY(qAbs(holder.since.secsTo(QDateTime::currentDateTime())) < 60);

    // Killed: its mark names a process that is gone and is taken over.
    ::kill(other, SIGKILL);
    int status = 0;
    QCOMPARE(::waitpid(other, &status, 0), other);
    QVERIFY(lock.acquire(design));
    QCOMPARE(lock.lockedFile(), design);

    // Released when the design is let go: another run may take it.
    lock.release();
    const pid_t next = holdInAnotherProcess(folder, design);
    QVERIFY(next > 0);
    ::kill(next, SIGKILL);
    ::waitpid(next, &status, 0);
}

void TestDesignLock::oneMarkPerFileHoweverSpelled()
{
    QTemporaryDir dir;
    const QString design = dir.filePath("design.csv");
    QVERIFY(writePlain(design, "design\n"));
    QVERIFY(QFile::link(design, dir.filePath("link.csv")));
    DesignLock lock(dir.filePath("locks"));
    QCOMPARE(lock.lockPath(dir.path() + "/./design.csv"), lock.lockPath(design));
    QCOMPARE(lock.lockPath(dir.filePath("link.csv")), lock.lockPath(design));
    QVERIFY(lock.lockPath(dir.filePath("other.csv")) != lock.lockPath(design));
}

void TestDesignLock::fingerprintTellsAChangedFile()
{
    QTemporaryDir dir;
    const QString design = dir.filePath("design.csv");
    QVERIFY(writePlain(design, "design\n"));
    const QByteArray read = DiskState::fingerprint(design);
    QVERIFY(!read.isEmpty());
    QCOMPARE(DiskState::fingerprint(design), read);
    // Same size, same second: only the contents tell.
    QVERIFY(writePlain(design, "DESIGN\n"));
    QVERIFY(DiskState::fingerprint(design) != read);
    QVERIFY(DiskState::fingerprint(dir.filePath("gone.csv")).isEmpty());
    QVERIFY(DiskState::fingerprint(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestDesignLock)
#include "tst_designlock.moc"

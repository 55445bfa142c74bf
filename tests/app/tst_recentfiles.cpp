// Recent files, last folders and default suffixes.
#include "app/recentfiles.h"
#include "app/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>
#include <utime.h>

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void addedKeepsNewestFirst_data();
    void addedKeepsNewestFirst();
    void missingFilesAreDropped();
    void storedBetweenRuns();
    void lastFolderPerKind();
    void defaultSuffix_data();
    void defaultSuffix();
    void specialFilesAreSkipped();
    void settingsFileThatIsAPipeIsSetAside();
    void deadSettingsLockDoesNotStallTheStart_data();
    void deadSettingsLockDoesNotStallTheStart();
};

void TestRecentFiles::addedKeepsNewestFirst_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");
    const QStringList eight{"/d/1.csv", "/d/2.csv", "/d/3.csv", "/d/4.csv",
                            "/d/5.csv", "/d/6.csv", "/d/7.csv", "/d/8.csv"};
    QTest::newRow("first") << QStringList{} << "/d/a.csv" << QStringList{"/d/a.csv"};
    QTest::newRow("newest first") << QStringList{"/d/a.csv"} << "/d/b.csv"
                                  << QStringList{"/d/b.csv", "/d/a.csv"};
    QTest::newRow("no duplicates") << QStringList{"/d/a.csv", "/d/b.csv", "/d/c.csv"} << "/d/b.csv"
                                   << QStringList{"/d/b.csv", "/d/a.csv", "/d/c.csv"};
    QTest::newRow("same file spelled otherwise")
        << QStringList{"/d/a.csv", "/d/b.csv"} << "/d/x/../b.csv" << QStringList{"/d/b.csv", "/d/a.csv"};
    QTest::newRow("at most eight") << eight << "/d/9.csv" << (QStringList{"/d/9.csv"} + eight.mid(0, 7));
    QTest::newRow("relative made absolute")
        << QStringList{} << "rel.csv" << QStringList{QDir::current().absoluteFilePath("rel.csv")};
}

void TestRecentFiles::addedKeepsNewestFirst()
{
    QFETCH(QStringList, files);
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    QCOMPARE(RecentFiles::added(files, path), expected);
}

void TestRecentFiles::missingFilesAreDropped()
{
    QTemporaryDir dir;
    const QString here = dir.filePath("here.csv");
    QFile file(here);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QStringList missing;
    QCOMPARE(RecentFiles::existing({dir.filePath("gone.csv"), here, dir.path()}, &missing),
             QStringList{here});
    // A folder is no design file either.
    QCOMPARE(missing, (QStringList{dir.filePath("gone.csv"), dir.path()}));
}

void TestRecentFiles::storedBetweenRuns()
{
    RecentFiles::store({"/d/a.csv", "/d/b.csv"});
    QCOMPARE(RecentFiles::load(), (QStringList{"/d/a.csv", "/d/b.csv"}));
    // The settings live in the user's configuration folder of this test.
    QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Kalvix/Kalvix.conf"));
    RecentFiles::store({});
    QCOMPARE(RecentFiles::load(), QStringList{});
}

void TestRecentFiles::lastFolderPerKind()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("xml"));
    QCOMPARE(RecentFiles::lastFolder("report", "/fallback"), QStringLiteral("/fallback"));
    RecentFiles::rememberFolder("report", dir.filePath("a.pdf"));
    RecentFiles::rememberFolder("xml", dir.filePath("xml/b.xml"));
    QCOMPARE(RecentFiles::lastFolder("report", "/fallback"), dir.path());
    QCOMPARE(RecentFiles::lastFolder("xml", "/fallback"), dir.filePath("xml"));
    QCOMPARE(RecentFiles::lastFolder("setup", "/fallback"), QStringLiteral("/fallback"));
    // A folder that has gone since is no place to start.
    QVERIFY(QDir(dir.filePath("xml")).removeRecursively());
    QCOMPARE(RecentFiles::lastFolder("xml", "/fallback"), QStringLiteral("/fallback"));
}

void TestRecentFiles::defaultSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare") << "/d/office_block"
                          << "/d/office_block.csv";
    QTest::newRow("has it") << "/d/office_block.csv"
                            << "/d/office_block.csv";
    QTest::newRow("other suffix") << "/d/office.block"
                                  << "/d/office.block";
    QTest::newRow("dot in folder only") << "/d.v2/office"
                                        << "/d.v2/office.csv";
    QTest::newRow("trailing dot") << "/d/office."
                                  << "/d/office.csv";
    QTest::newRow("cancelled") << ""
                               << "";
}

void TestRecentFiles::defaultSuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(RecentFiles::withDefaultSuffix(name, "csv"), expected);
}

void TestRecentFiles::specialFilesAreSkipped()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("design.csv");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList missing;
    QCOMPARE(RecentFiles::existing({fifo}, &missing), QStringList());
    QCOMPARE(missing, QStringList{fifo});
}

void TestRecentFiles::settingsFileThatIsAPipeIsSetAside()
{
    const QString settings = SettingsFile::path();
    QVERIFY(settings.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
    QFile::remove(settings);
    QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The settings file is not a regular file; it was set aside as "));
    const QString aside = SettingsFile::prepare();
    QVERIFY(!aside.isEmpty());
    QVERIFY(!QFileInfo::exists(settings));
    // Reading the settings now ends (it would wait on the pipe for ever).
    RecentFiles::store({QStringLiteral("/tmp/a.csv")});
    QCOMPARE(RecentFiles::load(), QStringList{"/tmp/a.csv"});
    QFile::remove(aside);
    QFile::remove(settings);
    // A regular settings file is left alone.
    QCOMPARE(SettingsFile::prepare(), QString());
}

void TestRecentFiles::deadSettingsLockDoesNotStallTheStart_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty, as a kill during a save leaves it") << QByteArray();
    QTest::newRow("garbage") << QByteArray("not a lock");
}

void TestRecentFiles::deadSettingsLockDoesNotStallTheStart()
{
    QFETCH(QByteArray, content);
    const QString lock = SettingsFile::path() + ".lock";
    QVERIFY(QDir().mkpath(QFileInfo(lock).path()));
    QFile file(lock);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    struct utimbuf times;
    times.actime = times.modtime = ::time(nullptr) - 5;
    QCOMPARE(::utime(QFile::encodeName(lock).constData(), &times), 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Took over a lock left by a process that is gone:"));
    SettingsFile::prepare();
    QElapsedTimer timer;
    timer.start();
    RecentFiles::store({QStringLiteral("/tmp/b.csv")});
    QCOMPARE(RecentFiles::load(), QStringList{"/tmp/b.csv"});
    // The lock's stale time is 30 s.
    QVERIFY(timer.elapsed() < 5000);
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"

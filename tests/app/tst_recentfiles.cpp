// Recent files, last folders and default suffixes.
#include "app/recentfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"

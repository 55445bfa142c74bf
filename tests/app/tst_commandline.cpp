#include "app/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void importIntoTheWindowsDataFolder();
    void importOfBadFileFails();
    void usageErrorsAndHelp_data();
    void usageErrorsAndHelp();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    static Run runProgram(const QStringList &arguments, const QString &dataHome);
    static QString kalvixDataFolder(const QString &dataHome)
    {
        return dataHome + QStringLiteral("/Kalvix/data");
    }
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");

    const QString p = QStringLiteral("Kalvix");
    QTest::newRow("nothing") << QStringList{p} << Action::RunGui << "";
    QTest::newRow("import") << QStringList{p, "--import-data-pack", "a.tarvex"} << Action::ImportDataPack
                            << "a.tarvex";
    QTest::newRow("import with =") << QStringList{p, "--import-data-pack=/x/b c.tarvex"}
                                   << Action::ImportDataPack << "/x/b c.tarvex";
    QTest::newRow("import without file") << QStringList{p, "--import-data-pack"} << Action::UsageError << "";
    QTest::newRow("import empty file") << QStringList{p, "--import-data-pack="} << Action::UsageError << "";
    QTest::newRow("import twice") << QStringList{p, "--import-data-pack", "a", "--import-data-pack", "b"}
                                  << Action::UsageError << "a";
    QTest::newRow("unknown option") << QStringList{p, "--frobnicate"} << Action::UsageError << "";
    QTest::newRow("setup file to open")
        << QStringList{p, "office_block.csv"} << Action::RunGui << "office_block.csv";
    QTest::newRow("two setup files") << QStringList{p, "a.csv", "b.csv"} << Action::UsageError << "a.csv";
    QTest::newRow("setup file and import")
        << QStringList{p, "a.csv", "--import-data-pack", "b.tarvex"} << Action::UsageError << "a.csv";
    QTest::newRow("help") << QStringList{p, "--help"} << Action::ShowHelp << "";
    QTest::newRow("help wins over mistakes") << QStringList{p, "--bogus", "-h"} << Action::ShowHelp << "";
    QTest::newRow("version") << QStringList{p, "--version"} << Action::ShowVersion << "";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, file);
    const CommandLine::Request request = CommandLine::parse(arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.file, file);
    QCOMPARE(request.error.isEmpty(), action != Action::UsageError);
}

TestCommandLine::Run TestCommandLine::runProgram(const QStringList &arguments, const QString &dataHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    // No display at all: the command line must not need one.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALVIX_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

void TestCommandLine::importIntoTheWindowsDataFolder()
{
#ifndef KALVIX_DEMO_PACK
    QSKIP("this build has no signing key, so no demo pack");
#else
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString pack = QStringLiteral(KALVIX_DEMO_PACK);
    const Run run = runProgram({QStringLiteral("--import-data-pack"), pack}, home.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Data pack installed: %1\n").arg(pack));
    // The window reads the folder named after the program, not after the test.
    const QDir data(kalvixDataFolder(home.path()));
    QCOMPARE(data.entryList({QStringLiteral("*.csv")}, QDir::Files).size(), 1);
    QCOMPARE(data.entryList({QStringLiteral("*.sig")}, QDir::Files).size(), 1);
#endif
}

void TestCommandLine::importOfBadFileFails()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString bad = home.filePath(QStringLiteral("broken.tarvex"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PK not really");
    file.close();

    const Run run = runProgram({QStringLiteral("--import-data-pack"), bad}, home.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("Failed to install data pack: %1\n").arg(bad)),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(kalvixDataFolder(home.path())));

    const Run missing =
        runProgram({QStringLiteral("--import-data-pack"), home.filePath("none.tarvex")}, home.path());
    QCOMPARE(missing.exitCode, 1);
}

void TestCommandLine::usageErrorsAndHelp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("usageOnStdout");
    QTest::newRow("missing file") << QStringList{"--import-data-pack"} << 2 << false;
    QTest::newRow("help") << QStringList{"--help"} << 0 << true;
    QTest::newRow("unknown option with help") << QStringList{"--bogus", "--help"} << 0 << true;
}

void TestCommandLine::usageErrorsAndHelp()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, usageOnStdout);
    QTemporaryDir home;
    const Run run = runProgram(arguments, home.path());
    QCOMPARE(run.exitCode, exitCode);
    const QString usage = usageOnStdout ? run.out : run.err;
    QVERIFY2(usage.contains(QStringLiteral("Usage: Kalvix [SETUP_FILE] [--import-data-pack FILE]")),
             qPrintable(usage));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

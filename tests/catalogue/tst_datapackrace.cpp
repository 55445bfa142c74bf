// Two installations at once (a window and the command line, or two
// windows), and installations killed at any moment: whatever the timing,
// the installed data is always one whole, verified pack, a tampered pack is
// never reported as installed, and nothing is left beside the data.
//
// Rounds: KALVIX_RACE_ROUNDS (default 30). The test runs itself as the
// competing installations: "tst_datapackrace --install FILE".

#include "catalogue/datapack.h"
#include "cataloguetestsupport.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

using namespace CatalogueTest;
using PackTool::Entry;

namespace
{

QMap<QString, QByteArray> expectedFiles(const QVector<Entry> &entries)
{
    QMap<QString, QByteArray> files;
    for (const Entry &entry : entries)
        files.insert(entry.name, entry.content);
    return files;
}

QStringList dataLocationEntries()
{
    return QDir(Catalogue::dataLocation())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QProcess *startInstall(const QString &pack, QObject *parent)
{
    auto *process = new QProcess(parent);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QCoreApplication::applicationFilePath(), {"--install", pack});
    return process;
}

// Exit code 0: the installation reported success.
bool reportedSuccess(QProcess *process)
{
    if (!process->waitForFinished(60000))
        qFatal("an installation did not finish");
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

} // namespace

class TestDataPackRace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void racesAndKillsNeverInstallUnverifiedData();

private:
    QVector<Entry> m_valid[2];
    QString m_validPack[2];
    QString m_tamperedPack;
};

void TestDataPackRace::initTestCase()
{
    clearDataLocation();
    const QString packs = Catalogue::dataLocation() + "/../packs";
    QDir().mkpath(packs);
    for (int i = 0; i < 2; ++i) {
        m_valid[i] = signedEntries(smallCatalogue(QStringLiteral("VALID %1").arg(i)),
                                   {{"panel.png", pictureBytes(20 + i, 20)}, {"box.png", pictureBytes(8, 8 + i)}});
        m_validPack[i] = makePack(packs + QStringLiteral("/valid%1.tarvex").arg(i), m_valid[i]);
    }
    // Changed after signing: everything else about it is a valid pack.
    QVector<Entry> tampered = m_valid[1];
    tampered[0].content.replace("VALID 1", "EVIL 1!");
    m_tamperedPack = makePack(packs + "/tampered.tarvex", tampered);
    QVERIFY(Catalogue(CatalogueData()).installDataPack(m_validPack[0]));
}

void TestDataPackRace::racesAndKillsNeverInstallUnverifiedData()
{
    const int rounds = qEnvironmentVariableIsSet("KALVIX_RACE_ROUNDS")
                           ? qEnvironmentVariableIntValue("KALVIX_RACE_ROUNDS")
                           : 30;
    QRandomGenerator random(20261208);
    int successes = 0;
    int refusals = 0;
    for (int round = 0; round < rounds; ++round) {
        const int kind = round % 3;
        const int v = (round / 3) % 2;
        QProcess *first = startInstall(m_validPack[v], this);
        QThread::usleep(random.bounded(3000));
        QProcess *second = startInstall(kind == 1 ? m_validPack[1 - v] : m_tamperedPack, this);
        bool firstOk = false;
        bool secondOk = false;
        if (kind == 2) {
            // Killed somewhere between starting and finishing.
            QThread::usleep(random.bounded(60000));
            first->kill();
            first->waitForFinished(60000);
            secondOk = reportedSuccess(second);
        } else {
            firstOk = reportedSuccess(first);
            secondOk = reportedSuccess(second);
        }
        delete first;
        delete second;

        const QString context = QStringLiteral("round %1 (kind %2)").arg(round).arg(kind);
        if (kind != 1)
            QVERIFY2(!secondOk, qPrintable(context + ": the tampered pack was reported installed"));
        if (kind != 2) {
            // Nobody was killed: both waited for the lock, the valid ones installed.
            QVERIFY2(firstOk, qPrintable(context));
            QVERIFY2(kind == 0 || secondOk, qPrintable(context));
        }
        successes += int(firstOk) + int(secondOk);
        refusals += int(!firstOk) + int(!secondOk);

        // The next start finds one whole, verified pack.
        Catalogue start;
        QVERIFY2(!start.integrityFailed(), qPrintable(context));
        const QMap<QString, QByteArray> installed = folderContents(dataFolder());
        const bool isValid0 = installed == expectedFiles(m_valid[0]);
        const bool isValid1 = installed == expectedFiles(m_valid[1]);
        QVERIFY2(isValid0 || isValid1, qPrintable(context + ": the data folder holds a mix"));
        if (kind == 0)
            QVERIFY2(installed == expectedFiles(m_valid[v]), qPrintable(context));
        if (kind != 2)
            QCOMPARE(dataLocationEntries(), QStringList{"data"});
    }
    qInfo("%d rounds: %d installations reported success, %d failure", rounds, successes, refusals);
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--install") == 0) {
        QCoreApplication app(argc, argv);
        Catalogue catalogue{CatalogueData()};
        return catalogue.installDataPack(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    TestDataPackRace test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datapackrace.moc"

// Installing data packs: extraction, checks before writing, size bound,
// keeping the installed data, and the demo pack of the build.

#include "catalogue/datapack.h"
#include "cataloguetestsupport.h"
#include "../core/fulldisk.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QRegularExpression>

#include <QtTest>
#include <sys/stat.h>

using namespace CatalogueTest;
using PackTool::Entry;

namespace
{

const QString integrityFailed = QStringLiteral("Data integrity verification failed!");

QMap<QString, QByteArray> images()
{
    return {{"txp_408.png", pictureBytes(16, 12)}, {"od-210.png", pictureBytes(200, 150, "JPEG")}};
}

// The per-attempt scratch folder as warnings name it.
QString scratchPattern()
{
    return QRegularExpression::escape(Catalogue::dataLocation()) + "/tmp_data-[A-Za-z0-9]{6}";
}

// Compares warnings with patterns in which %1 stands for the scratch folder.
void compareWarnings(const QStringList &shown, const QStringList &expected)
{
    QCOMPARE(shown.size(), expected.size());
    for (int i = 0; i < shown.size(); ++i) {
        QStringList pieces = expected.at(i).split("%1");
        for (QString &piece : pieces)
            piece = QRegularExpression::escape(piece);
        const QString pattern = pieces.join(scratchPattern());
        QVERIFY2(QRegularExpression("^" + pattern + "$").match(shown.at(i)).hasMatch(),
                 qPrintable(shown.at(i)));
    }
}

// Only the installed data is left in the data location: no scratch folder,
// backup or lock of any attempt.
QStringList dataLocationEntries()
{
    return QDir(Catalogue::dataLocation())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// What "/data" holds after installing the given entries.
QMap<QString, QByteArray> expectedFiles(const QVector<Entry> &entries)
{
    QMap<QString, QByteArray> files;
    for (const Entry &entry : entries)
        files.insert(entry.name, entry.content);
    return files;
}

QString location(const QString &name)
{
    return Catalogue::dataLocation() + "/" + name;
}

} // namespace

class TestDataPack : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void installsExactlyThePack();
    void replacesAnEarlierInstallation();
    void notAZipFile_data();
    void notAZipFile();
    void unsafeEntriesChangeNothing_data();
    void unsafeEntriesChangeNothing();
    void oversizedPacksChangeNothing();
    void failedVerificationChangesNothing_data();
    void failedVerificationChangesNothing();
    void unreadableDataChangesNothing();
    void packsThatWouldNotRunChangeNothing_data();
    void packsThatWouldNotRunChangeNothing();
    void unwritableDataFolderSaysSo_data();
    void unwritableDataFolderSaysSo();
    void failedMoveRestoresTheOldData();
    void interruptedReplacementIsRecovered();
    void staleScratchFolderIsDiscarded();
    void scratchFolderLinkIsNotFollowed();
    void demoPackInstalls();
    void picturesAreCheckedByContent_data();
    void picturesAreCheckedByContent();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void runningInstallationIsWaitedFor();

private:
    // Installs a first pack, so every failure test can show it survives.
    void installFirstPack();

    QVector<Entry> m_first;
    QString m_packs;
};

void TestDataPack::init()
{
    clearDataLocation();
    m_packs = Catalogue::dataLocation() + "/../packs";
    QDir(m_packs).removeRecursively();
    QDir().mkpath(m_packs);
}

void TestDataPack::installFirstPack()
{
    m_first = signedEntries(smallCatalogue("FIRST"), images());
    Catalogue catalogue{CatalogueData()};
    QVERIFY(catalogue.installDataPack(makePack(m_packs + "/first.tarvex", m_first)));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
}

void TestDataPack::installsExactlyThePack()
{
    WarningRecorder warnings;
    Catalogue catalogue; // no data yet
    QVERIFY(catalogue.integrityFailed());
    warnings.take();

    const QVector<Entry> entries = signedEntries(smallCatalogue("TXP 408"), images());
    QVERIFY(catalogue.installDataPack(makePack(m_packs + "/pack.tarvex", entries)));
    QCOMPARE(warnings.take(), QStringList());
    QCOMPARE(folderContents(dataFolder()), expectedFiles(entries));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
    QVERIFY(!catalogue.integrityFailed());
    QCOMPARE(catalogue.panels().size(), 1);
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("TXP 408"));
    QCOMPARE(catalogue.distributionFactors().atFull, 0.5);
    // The next start finds the installed data valid.
    QVERIFY(!Catalogue().integrityFailed());
    QCOMPARE(warnings.take(), QStringList());
}

void TestDataPack::replacesAnEarlierInstallation()
{
    installFirstPack();
    const QVector<Entry> second = signedEntries(smallCatalogue("SECOND"), {{"txe_2.png", pictureBytes(3, 3)}},
                                                QStringLiteral("range.csv"));
    Catalogue catalogue;
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
    QVERIFY(catalogue.installDataPack(makePack(m_packs + "/second.tarvex", second)));
    // Nothing of the first pack is left behind.
    QCOMPARE(folderContents(dataFolder()), expectedFiles(second));
    QCOMPARE(QDir(Catalogue::dataLocation()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"data"});
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("SECOND"));
}

void TestDataPack::notAZipFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text") << QByteArray("Version;2.0\nnot a zip archive\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("zip signature only") << QByteArray("PK\x03\x04garbage", 11);
}

void TestDataPack::notAZipFile()
{
    QFETCH(QByteArray, content);
    installFirstPack();
    const QString path = m_packs + "/broken.tarvex";
    QVERIFY(writeFile(path, content));
    Catalogue catalogue;
    WarningRecorder warnings;
    QVERIFY(!catalogue.installDataPack(path));
    const QStringList shown = warnings.take();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(QRegularExpression("^Error opening zip file: -?[1-9][0-9]*$").match(shown.at(0)).hasMatch(),
             qPrintable(shown.at(0)));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::unsafeEntriesChangeNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("warning");
    const QString outside = QStringLiteral("Data pack entry outside the allowed folders: ");
    const int file = Entry::File;
    QTest::newRow("parent folder") << "../evil.csv" << file << outside;
    QTest::newRow("parent of images") << "images/../../evil.png" << file << outside;
    QTest::newRow("images/..") << "images/.." << file << outside;
    QTest::newRow("absolute") << "/tmp/evil.png" << file << outside;
    QTest::newRow("drive letter") << "C:evil.png" << file << outside;
    QTest::newRow("drive letter path") << "C:/evil.png" << file << outside;
    QTest::newRow("backslash") << "images\\..\\..\\evil.png" << file << outside;
    QTest::newRow("other folder") << "docs/readme.txt" << file << outside;
    QTest::newRow("folder below images") << "images/sub/x.png" << file << outside;
    QTest::newRow("empty file name in images")
        << "images/x/" << file << "Data pack folder entries are not allowed: ";
    QTest::newRow("folder entry images")
        << "images/" << int(Entry::Folder) << "Data pack folder entries are not allowed: ";
    QTest::newRow("folder entry") << "extra/" << int(Entry::Folder)
                                  << "Data pack folder entries are not allowed: ";
    QTest::newRow("symbolic link") << "images/link.png" << int(Entry::SymbolicLink)
                                   << "Data pack symbolic links are not allowed: ";
    QTest::newRow("twice") << "images/txp_408.png" << file << "Data pack entry appears twice: ";
    QTest::newRow("twice in another case")
        << "images/TXP_408.png" << file << "Data pack entry appears twice: ";
}

void TestDataPack::unsafeEntriesChangeNothing()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, warning);
    installFirstPack();

    // The unsafe entry comes last, after entries that would be written first
    // if the names were not all checked beforehand.
    QVector<Entry> entries = signedEntries(smallCatalogue("SECOND"), images());
    entries.append({name, kind == Entry::SymbolicLink ? QByteArray("/etc/passwd") : QByteArray("evil"),
                    Entry::Kind(kind), true});
    const QString path = makePack(m_packs + "/unsafe.tarvex", entries);

    Catalogue catalogue;
    WarningRecorder warnings;
    QVERIFY(!catalogue.installDataPack(path));
    QCOMPARE(warnings.take(), QStringList{warning + name});
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(QDir(Catalogue::dataLocation()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"data"});
    QVERIFY(!QFileInfo::exists(location("../evil.csv")));
    QVERIFY(!QFileInfo::exists(location("../evil.png")));
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::oversizedPacksChangeNothing()
{
    installFirstPack();
    Catalogue catalogue;
    WarningRecorder warnings;
    const QString limit = QStringLiteral("Data pack expands beyond the size limit of 268435456 bytes: ");

    // Two entries of zeros: a few hundred kilobytes packed, 260 MiB unpacked.
    const QByteArray zeros(130 * 1024 * 1024, '\0');
    QVector<Entry> entries = signedEntries(smallCatalogue("SECOND"));
    entries.append({"images/a.png", zeros, Entry::File, true});
    entries.append({"images/b.png", zeros, Entry::File, true});
    const QString path = makePack(m_packs + "/bomb.tarvex", entries);
    QVERIFY(QFileInfo(path).size() < 2 * 1024 * 1024);
    QVERIFY(!catalogue.installDataPack(path));
    QCOMPARE(warnings.take(), QStringList{limit + path});
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});

    // Too many entries, however small.
    entries = signedEntries(smallCatalogue("SECOND"));
    for (int i = 0; i < DataPack::MaximumEntries; ++i)
        entries.append({QStringLiteral("images/%1.png").arg(i), QByteArray(), Entry::File, false});
    const QString many = makePack(m_packs + "/many.tarvex", entries);
    QVERIFY(!catalogue.installDataPack(many));
    QCOMPARE(warnings.take(), QStringList{"Data pack holds more than 10000 entries: " + many});
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::failedVerificationChangesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("changed byte") << "changed"
                                  << QStringList{"DigestVerifyFinal failed (invalid signature)",
                                                 "Signature verification failed!", integrityFailed};
    QTest::newRow("no signature") << "unsigned"
                                  << QStringList{"No SIG file not found in %1", integrityFailed};
    QTest::newRow("no data file") << "empty" << QStringList{"No CSV file not found in %1", integrityFailed};
}

void TestDataPack::failedVerificationChangesNothing()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, warnings);
    installFirstPack();

    QVector<Entry> entries = signedEntries(smallCatalogue("SECOND"), images());
    if (fault == "changed")
        entries[0].content.replace("0,26", "0,16");
    else if (fault == "unsigned")
        entries.remove(1);
    else
        entries.remove(0, 2);
    const QString path = makePack(m_packs + "/bad.tarvex", entries);

    Catalogue catalogue;
    WarningRecorder recorder;
    QVERIFY(!catalogue.installDataPack(path));
    compareWarnings(recorder.take(), warnings);
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::unreadableDataChangesNothing()
{
    // Signed, but of another format version: refused before the installed
    // data is replaced, so the next start still finds usable data.
    installFirstPack();
    const QVector<Entry> entries = signedEntries("Version;3.0\nBattery\nh\nB;12;b.png\n");
    Catalogue catalogue;
    WarningRecorder warnings;
    QVERIFY(!catalogue.installDataPack(makePack(m_packs + "/future.tarvex", entries)));
    QCOMPARE(warnings.take(),
             (QStringList{"Read data format version is not compatible with current data format version!",
                          "Error reading data from new files!"}));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::packsThatWouldNotRunChangeNothing_data()
{
    QTest::addColumn<QString>("dataName");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("warning");
    // Found by the check of the pack, but by no start: every start would then
    // find no data at all.
    QTest::newRow("hidden data file") << ".catalogue.csv" << smallCatalogue("SECOND")
                                      << "Data pack data file is not the one a start reads: .catalogue.csv";
    // Signed by the maker, yet a battery fault would read as sound.
    QTest::newRow("negative current") << "catalogue.csv" << smallCatalogue("SECOND").replace("0,18", "-0,18")
                                      << "Error reading data from new files!";
}

void TestDataPack::packsThatWouldNotRunChangeNothing()
{
    QFETCH(QString, dataName);
    QFETCH(QByteArray, data);
    QFETCH(QString, warning);
    installFirstPack();
    Catalogue catalogue;
    WarningRecorder warnings;
    QVERIFY(!catalogue.installDataPack(makePack(m_packs + "/odd.tarvex", signedEntries(data, {}, dataName))));
    QCOMPARE(warnings.take().constLast(), warning);
    QVERIFY(catalogue.lastInstallError().isEmpty());
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
    QCOMPARE(Catalogue().panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::unwritableDataFolderSaysSo_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("cause");
    QTest::newRow("full disk") << false << "No space left on device";
    QTest::newRow("read-only folder") << true << "Read-only file system";
}

void TestDataPack::unwritableDataFolderSaysSo()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, cause);
    const QString pack = makePack(m_packs + "/second.tarvex", signedEntries(smallCatalogue("SECOND")));
    FullDisk disk("size=64k");
    REQUIRE_FULL_DISK(disk);
    const QByteArray home = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(disk.path()));
    const QString location = Catalogue::dataLocation();
    QVERIFY(QDir().mkpath(location));
    QVERIFY(readOnly ? disk.remountReadOnly() : disk.fill());

    Catalogue catalogue{CatalogueData()};
    WarningRecorder warnings;
    const bool installed = catalogue.installDataPack(pack);
    const QString error = catalogue.lastInstallError();
    const bool busy = catalogue.lastInstallWasBusy();
    const QStringList entries = QDir(location).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    qputenv("XDG_DATA_HOME", home);
    QVERIFY(!installed);
    QVERIFY(!busy);
    QCOMPARE(error, cause);
    QCOMPARE(entries, QStringList());
}

void TestDataPack::failedMoveRestoresTheOldData()
{
    installFirstPack();
    Catalogue catalogue;
    WarningRecorder warnings;
    DataPack::failNextMoveForTesting();
    QVERIFY(!catalogue.installDataPack(
        makePack(m_packs + "/second.tarvex", signedEntries(smallCatalogue("SECOND"), images()))));
    compareWarnings(warnings.take(),
                    QStringList{"Failed to move extracted files from %1 to " + dataFolder()});
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(QDir(Catalogue::dataLocation()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"data"});
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
    // The next start still has its data.
    QCOMPARE(Catalogue().panels().at(0).name, QStringLiteral("FIRST"));
}

void TestDataPack::interruptedReplacementIsRecovered()
{
    // An attempt killed between setting the old data aside and moving the
    // new data in: the next start puts the set-aside data back.
    installFirstPack();
    QVERIFY(QDir().rename(dataFolder(), location("data_previous")));
    WarningRecorder warnings;
    Catalogue catalogue;
    QVERIFY(!catalogue.integrityFailed());
    QCOMPARE(warnings.take(), QStringList{"Restored the data of an interrupted installation from " +
                                          location("data_previous")});
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});

    // Killed after both renames: the new data is complete, the backup goes.
    QVERIFY(writeFile(location("data_previous/catalogue.csv"), "old"));
    QVERIFY(!Catalogue().integrityFailed());
    QCOMPARE(warnings.take(), QStringList());
    QCOMPARE(dataLocationEntries(), QStringList{"data"});

    // An installation finds the same state and settles it first.
    QVERIFY(QDir().rename(dataFolder(), location("data_previous")));
    DataPack::failNextMoveForTesting();
    QVERIFY(!catalogue.installDataPack(
        makePack(m_packs + "/second.tarvex", signedEntries(smallCatalogue("SECOND")))));
    warnings.take();
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
    QVERIFY(QDir().rename(dataFolder(), location("data_previous")));
    const QVector<Entry> second = signedEntries(smallCatalogue("SECOND"));
    QVERIFY(catalogue.installDataPack(makePack(m_packs + "/second.tarvex", second)));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(second));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
}

void TestDataPack::staleScratchFolderIsDiscarded()
{
    QVERIFY(writeFile(scratchFolder() + "/left-over.csv", smallCatalogue("STALE")));
    QVERIFY(writeFile(scratchFolder() + "/images/old.png", "old"));
    // The folder of an attempt that was killed.
    QVERIFY(writeFile(location("tmp_data-Ab12Cd/catalogue.csv"), smallCatalogue("KILLED")));
    const QVector<Entry> entries = signedEntries(smallCatalogue("NEW"));
    Catalogue catalogue{CatalogueData()};
    QVERIFY(catalogue.installDataPack(makePack(m_packs + "/new.tarvex", entries)));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(entries));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
}

void TestDataPack::scratchFolderLinkIsNotFollowed()
{
    // Removing the scratch folder removes a link in its place, never the
    // folder the link points to.
    const QString elsewhere = Catalogue::dataLocation() + "/../elsewhere";
    QVERIFY(writeFile(elsewhere + "/precious.txt", "keep me"));
    QVERIFY(QFile::link(QDir(elsewhere).absolutePath(), scratchFolder()));
    Catalogue(CatalogueData()).removeTemporaryFolder();
    QVERIFY(!QFileInfo(scratchFolder()).isSymLink());
    QCOMPARE(readFile(elsewhere + "/precious.txt"), QByteArray("keep me"));
    QDir(elsewhere).removeRecursively();
}

void TestDataPack::demoPackInstalls()
{
#ifndef KALVIX_DEMO_PACK
    QSKIP("The demo data pack is built only with a signing key");
#else
    Catalogue catalogue{CatalogueData()};
    WarningRecorder warnings;
    QVERIFY(catalogue.installDataPack(QStringLiteral(KALVIX_DEMO_PACK)));
    QVERIFY(!catalogue.panels().isEmpty());
    QVERIFY(!catalogue.expansionBoxes().isEmpty());
    QVERIFY(!catalogue.batteries().isEmpty());
    QVERIFY(!catalogue.externalPowerSources().isEmpty());
    QVERIFY(!catalogue.externalBatteryBoxes().isEmpty());
    QVERIFY(!catalogue.devices().isEmpty());
    QVERIFY(!catalogue.auxiliaryCards().isEmpty());
    QVERIFY(catalogue.distributionFactors().atZero > 0);
    QVERIFY(catalogue.topologyFactors().classA > 0);
    // Every record finds its picture in the installed pack.
    QStringList pictures;
    for (const Panel &r : catalogue.panels())
        pictures << r.image;
    for (const Device &r : catalogue.devices())
        pictures << r.image;
    for (const AuxiliaryCard &r : catalogue.auxiliaryCards())
        pictures << r.image;
    for (const QString &picture : pictures)
        QVERIFY(!catalogue.imagePath(picture).startsWith(':'));
    QCOMPARE(warnings.take(), QStringList());
    // And a start verifies and reads what was installed.
    QCOMPARE(Catalogue().devices().size(), catalogue.devices().size());
#endif
}

void TestDataPack::picturesAreCheckedByContent_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QString>("reason"); // empty: accepted
    const QByteArray png = pictureBytes(40, 30);
    QTest::newRow("PNG") << png << "";
    QTest::newRow("JPEG") << pictureBytes(40, 30, "JPEG") << "";
    QTest::newRow("at the pixel limit") << pictureBytes(4096, 4096, "PNG", QImage::Format_Mono) << "";
    QTest::newRow("text") << QByteArray("picture of a panel") << "neither PNG nor JPEG";
    QTest::newRow("empty") << QByteArray() << "neither PNG nor JPEG";
    QTest::newRow("BMP") << pictureBytes(40, 30, "BMP") << "neither PNG nor JPEG";
    QTest::newRow("PPM") << pictureBytes(40, 30, "PPM") << "neither PNG nor JPEG";
    QTest::newRow("too many pixels") << pictureBytes(4097, 4096, "PNG", QImage::Format_Mono)
                                     << "4097 x 4096 pixels is beyond the limit";
    QTest::newRow("too wide") << pictureBytes(8193, 2, "PNG", QImage::Format_Mono)
                              << "8193 x 2 pixels is beyond the limit";
    QTest::newRow("too large a file")
        << png + QByteArray(8 * 1024 * 1024, '\0') << "larger than 8388608 bytes";
    QTest::newRow("cut short") << png.left(png.size() / 2) << "cannot be decoded: ";
    QTest::newRow("header only") << png.left(8) << "no readable dimensions";
}

void TestDataPack::picturesAreCheckedByContent()
{
    // Pictures are not covered by the signature, so they are the part of a
    // pack anyone can change; they must still be small, plain PNG or JPEG.
    QFETCH(QByteArray, picture);
    QFETCH(QString, reason);
    installFirstPack();
    const QVector<Entry> entries = signedEntries(smallCatalogue("SECOND"), {{"panel.png", picture}});
    Catalogue catalogue;
    WarningRecorder warnings;
    const bool installed = catalogue.installDataPack(makePack(m_packs + "/pictures.tarvex", entries));
    const QStringList shown = warnings.take();
    if (reason.isEmpty()) {
        QVERIFY2(installed, qPrintable(shown.join('\n')));
        QCOMPARE(folderContents(dataFolder()), expectedFiles(entries));
        return;
    }
    QVERIFY(!installed);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.at(0).startsWith("Data pack picture refused: images/panel.png (" + reason),
             qPrintable(shown.at(0)));
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
}

void TestDataPack::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("missing") << "missing";
    QTest::newRow("link to a pipe") << "link";
}

void TestDataPack::onlyRegularFilesAreOpened()
{
    // A pipe nobody writes to would block the open for ever.
    QFETCH(QString, kind);
    installFirstPack();
    const QString path = m_packs + "/special.tarvex";
    if (kind == "fifo" || kind == "link") {
        const QString fifo = m_packs + "/pipe";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (kind == "fifo")
            QVERIFY(QFile::rename(fifo, path));
        else
            QVERIFY(QFile::link(fifo, path));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    }
    Catalogue catalogue;
    WarningRecorder warnings;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!catalogue.installDataPack(path));
    QVERIFY(timer.elapsed() < 5000);
    QStringList expected{"Error opening zip file: -1000"};
    if (kind != "missing")
        expected.prepend("Data pack is not a regular file: " + path);
    QCOMPARE(warnings.take(), expected);
    QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
}

void TestDataPack::runningInstallationIsWaitedFor()
{
    installFirstPack();
    const QString pack = makePack(m_packs + "/second.tarvex", signedEntries(smallCatalogue("SECOND")));
    Catalogue catalogue;
    WarningRecorder warnings;
    // Waiting longer than a lock takes to look stale: a living holder keeps it.
    DataPack::setLockWaitForTesting(DataPack::StaleLockMilliseconds + 500);
    {
        // Another installation holds the lock for longer than one waits.
        QLockFile other(DataPack::lockFilePath(Catalogue::dataLocation()));
        QVERIFY(other.tryLock(0));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!catalogue.installDataPack(pack));
        QVERIFY(timer.elapsed() >= DataPack::StaleLockMilliseconds + 500);
        QCOMPARE(warnings.take(), QStringList{"Another data pack installation is running; try again when it "
                                              "has finished: " +
                                              pack});
        QCOMPARE(folderContents(dataFolder()), expectedFiles(m_first));
        QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("FIRST"));
        QVERIFY(catalogue.lastInstallWasBusy());
    }
    // Once it is released, the same pack installs.
    QVERIFY(catalogue.installDataPack(pack));
    QVERIFY(!catalogue.lastInstallWasBusy());
    DataPack::setLockWaitForTesting(-1);
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("SECOND"));
    QCOMPARE(dataLocationEntries(), QStringList{"data"});
}

QTEST_GUILESS_MAIN(TestDataPack)
#include "tst_datapack.moc"

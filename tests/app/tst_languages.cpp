// Which translation files count, which language a start takes, and where a
// new language file goes.

#include "app/languages.h"
#include "app/translationfile.h"
#include "fuzz/fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QRandomGenerator>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

#include <array>

#include <sys/stat.h>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void shippedTranslationsPassTheCheck();
    void damagedTranslationsAreRefused_data();
    void damagedTranslationsAreRefused();
    void mutatedTranslationsNeverCrashTheLoader();
    void specialFilesAreNotOpened();
    void availableCodesInNameOrder();
    void codeOfMenuText_data();
    void codeOfMenuText();
    void menuTextNamesTheLanguageInItself_data();
    void menuTextNamesTheLanguageInItself();
    void startLanguage_data();
    void startLanguage();
    void rememberedLanguageSurvives();
    void newLanguageTarget_data();
    void newLanguageTarget();
};

void TestLanguages::availableCodesInNameOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char *name : {"Kalvix_es.qm", "Kalvix_DE.qm", "Kalvix_en.qm", "Kalvix_pt_BR.qm",
                             "kalvix_fr.qm", "Kalvix_it.ts", "Other_nl.qm", "Kalvix_.qm"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // A folder with a matching name is no translation.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Kalvix_zz.qm")));

    // Case-insensitive name order; only the exact prefix and a code name a language.
    QCOMPARE(Languages::availableCodes(dir.path()), (QStringList{"DE", "en", "es", "pt_BR"}));
    QCOMPARE(Languages::availableCodes(dir.filePath(QStringLiteral("missing"))), QStringList());
}

void TestLanguages::codeOfMenuText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("code");
    QTest::newRow("menu text") << "es - español"
                               << "es";
    QTest::newRow("code only") << "en"
                               << "en";
    QTest::newRow("first separator") << "pt_BR - português - Brasil"
                                     << "pt_BR";
    QTest::newRow("dash without blanks") << "sr-Latn"
                                         << "sr-Latn";
    QTest::newRow("empty") << ""
                           << "";
}

void TestLanguages::codeOfMenuText()
{
    QFETCH(QString, language);
    QFETCH(QString, code);
    QCOMPARE(Languages::codeOf(language), code);
}

void TestLanguages::menuTextNamesTheLanguageInItself_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    // As its speakers name it, capitalised as a menu entry; the code stays
    // the entry's data.
    QTest::newRow("Spanish") << "es"
                             << "Español";
    QTest::newRow("German") << "de"
                            << "Deutsch";
    QTest::newRow("English, not American English") << "en"
                                                   << "English";
    QTest::newRow("a country named keeps it") << "en_GB"
                                              << "British English";
    QTest::newRow("Portuguese without Brazil") << "pt"
                                               << "Português";
}

void TestLanguages::menuTextNamesTheLanguageInItself()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(Languages::menuText(code), name);
}

void TestLanguages::startLanguage_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("expected");
    const QStringList both{"en", "es"};
    QTest::newRow("remembered wins") << "es"
                                     << "en_GB" << both << "es";
    QTest::newRow("remembered file gone: system") << "fr"
                                                  << "es_ES" << both << "es";
    QTest::newRow("system language") << ""
                                     << "es_MX" << both << "es";
    QTest::newRow("system locale exactly") << ""
                                           << "pt_BR" << QStringList{"pt", "pt_BR"} << "pt_BR";
    QTest::newRow("no translation for the system: first") << ""
                                                          << "de_DE" << QStringList{"es", "fr"} << "es";
    QTest::newRow("C locale: first") << ""
                                     << "C" << both << "en";
    QTest::newRow("no files at all") << "es"
                                     << "es_ES" << QStringList() << "";
}

void TestLanguages::startLanguage()
{
    QFETCH(QString, remembered);
    QFETCH(QString, system);
    QFETCH(QStringList, codes);
    QFETCH(QString, expected);
    QCOMPARE(Languages::startLanguage(remembered, QLocale(system), codes), expected);
}

void TestLanguages::rememberedLanguageSurvives()
{
    QCOMPARE(Languages::rememberedLanguage(), QString());
    Languages::rememberLanguage(QStringLiteral("es"));
    QCOMPARE(Languages::rememberedLanguage(), QStringLiteral("es"));
    Languages::rememberLanguage(QStringLiteral("en"));
    QCOMPARE(Languages::rememberedLanguage(), QStringLiteral("en"));
}

void TestLanguages::newLanguageTarget_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("target");
    QTest::newRow("translation file") << "/home/u/Downloads/Kalvix_fr.qm"
                                      << "/t/Kalvix_fr.qm";
    QTest::newRow("cut at the first dot") << "/home/u/Kalvix_fr.v2.qm"
                                          << "/t/Kalvix_fr.qm";
    QTest::newRow("dot in the folder only") << "/home/u.name/Kalvix_de.qm"
                                            << "/t/Kalvix_de.qm";
    QTest::newRow("no prefix") << "/home/u/french.qm"
                               << "/t/french.qm";
}

void TestLanguages::newLanguageTarget()
{
    QFETCH(QString, chosen);
    QFETCH(QString, target);
    QCOMPARE(Languages::newLanguageTarget(chosen, QStringLiteral("/t")), target);
}

namespace
{

QByteArray shipped(const QString &code)
{
    QFile file(QStringLiteral(":/translations/Kalvix_%1.qm").arg(code));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where the block with `tag` starts (its tag byte), or -1.
int blockAt(const QByteArray &qm, uchar tag)
{
    int pos = 16;
    while (pos + 5 < qm.size()) {
        if (uchar(qm.at(pos)) == tag)
            return pos;
        pos += 5 + int(qFromBigEndian<quint32>(qm.constData() + pos + 1));
    }
    return -1;
}

void put32(QByteArray &bytes, int at, quint32 value)
{
    qToBigEndian(value, bytes.data() + at);
}

QByteArray block(uchar tag, const QByteArray &content)
{
    QByteArray bytes(5, '\0');
    bytes[0] = char(tag);
    put32(bytes, 1, quint32(content.size()));
    return bytes + content;
}

// Every text the program translates, by context, as the sources list them.
QVector<QPair<QByteArray, QByteArray>> sourceTexts()
{
    QVector<QPair<QByteArray, QByteArray>> texts;
    QFile file(QStringLiteral(KALVIX_TEST_DATA_DIR "/../../translations/Kalvix_es.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText().toUtf8();
        else if (xml.name() == QLatin1String("source"))
            texts.append({context, xml.readElementText().toUtf8()});
    }
    return texts;
}

// Every look-up a window makes, and a few it does not.
void translateMuch(const QTranslator &translator, const QVector<QPair<QByteArray, QByteArray>> &texts)
{
    for (const auto &text : texts) {
        translator.translate(text.first.constData(), text.second.constData());
        translator.translate(text.first.constData(), text.second.constData(), nullptr, 2);
    }
    for (const char *context : {"", "x"})
        translator.translate(context, "Open", "comment");
}

} // namespace

void TestLanguages::shippedTranslationsPassTheCheck()
{
    for (const QString &code : {QStringLiteral("en"), QStringLiteral("es")}) {
        const QByteArray qm = shipped(code);
        QVERIFY(!qm.isEmpty());
        QString reason;
        QVERIFY2(TranslationFile::isSafe(qm, &reason), qPrintable(reason));
    }
}

void TestLanguages::damagedTranslationsAreRefused_data()
{
    QTest::addColumn<QByteArray>("qm");
    QTest::addColumn<QString>("reason");
    const QByteArray good = shipped("es");
    const int hashes = blockAt(good, 0x42);
    const int messages = blockAt(good, 0x69);
    QVERIFY(hashes > 0 && messages > 0);
    const quint32 messagesSize = qFromBigEndian<quint32>(good.constData() + messages + 1);

    QByteArray bytes = good;
    bytes[3] = 'x';
    QTest::newRow("wrong magic") << bytes << "not a translation file";
    QTest::newRow("empty") << QByteArray() << "not a translation file";
    bytes = good;
    put32(bytes, messages + 1, quint32(good.size()));
    QTest::newRow("block past the end") << bytes << "a block runs past the end of the file";
    bytes = good;
    put32(bytes, hashes + 1, qFromBigEndian<quint32>(good.constData() + hashes + 1) - 4);
    bytes.remove(hashes + 5, 4);
    QTest::newRow("hash table of odd size") << bytes << "a damaged hash table";
    bytes = good;
    put32(bytes, hashes + 5 + 4, messagesSize + 1);
    QTest::newRow("offset past the messages") << bytes << "a message runs past the end of its block";
    // The first record of the messages starts with its translation: a
    // length the loader would read far beyond the file with.
    bytes = good;
    QCOMPARE(uchar(bytes.at(messages + 5)), uchar(3));
    put32(bytes, messages + 5 + 1, 0x7ffffff0u);
    QTest::newRow("translation past the messages") << bytes << "a message runs past the end of its block";
    bytes = good;
    put32(bytes, messages + 5 + 1, 0xfffffffeu);
    QTest::newRow("negative translation length") << bytes << "a message runs past the end of its block";
    // The loader's look-up divides by the context table's size.
    QTest::newRow("context table of size zero")
        << good + block(0x2f, QByteArray(4, '\0')) << "a damaged context table";
    QTest::newRow("context offset past the table")
        << good + block(0x2f, QByteArray::fromHex("0001" "00ff")) << "a damaged context table";
    QTest::newRow("context name past the table")
        << good + block(0x2f, QByteArray::fromHex("0001" "0001" "0000" "40" "41")) << "a damaged context table";
    QByteArray dependency = block(0x96, QByteArray::fromHex("00000004") + QByteArray("\0x\0y", 4));
    QTest::newRow("dependencies on other files") << good + dependency << "it depends on other translation files";
    QTest::newRow("hashes without messages")
        << good.left(16) + block(0x42, QByteArray(8, '\0')) << "a hash table without messages";
    QTest::newRow("too large") << good + QByteArray(int(TranslationFile::MaximumBytes), '\0')
                               << QStringLiteral("larger than %1 bytes").arg(TranslationFile::MaximumBytes);
}

void TestLanguages::damagedTranslationsAreRefused()
{
    QFETCH(QByteArray, qm);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!TranslationFile::isSafe(qm, &why));
    QCOMPARE(why, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("Kalvix_xx.qm");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(qm);
    file.close();
    QTranslator translator;
    QVERIFY(!TranslationFile::load(translator, path));
    QVERIFY(translator.isEmpty());
}

void TestLanguages::mutatedTranslationsNeverCrashTheLoader()
{
    // What passes the check is loaded and used: a check that let a damaged
    // file through would crash here (or fail under the address sanitizer).
    const QByteArray seed = shipped("es");
    const auto texts = sourceTexts();
    QVERIFY(texts.size() > 100);
    QRandomGenerator random(20261209);
    int accepted = 0;
    for (int n = 0; n < 600; ++n) {
        QByteArray qm = seed;
        const int edits = 1 + int(random.bounded(4));
        for (int e = 0; e < edits; ++e) {
            const int at = int(random.bounded(qm.size()));
            switch (random.bounded(4)) {
            case 0: // a byte
                qm[at] = char(random.bounded(256));
                break;
            case 1: // a 32-bit field to an extreme
                if (at + 4 <= qm.size())
                    put32(qm, at, std::array<quint32, 4>{0, 1, 0x7fffffffu, 0xfffffffeu}[random.bounded(4)]);
                break;
            case 2: // cut short
                qm.truncate(at);
                break;
            default: // a slice removed
                qm.remove(at, int(random.bounded(64)));
                break;
            }
            if (qm.isEmpty())
                break;
        }
        if (!TranslationFile::isSafe(qm))
            continue;
        ++accepted;
        // Bytes that end at a page nobody may read: the loader reading past
        // them stops the test at once.
        const FuzzSupport::GuardedBytes guarded(qm);
        QVERIFY(guarded.isValid());
        QTranslator translator;
        if (translator.load(guarded.data(), guarded.size()))
            translateMuch(translator, texts);
    }
    // Mutations that miss the structure (a translated text changed) still load.
    QVERIFY(accepted > 0);
}

void TestLanguages::specialFilesAreNotOpened()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("Kalvix_xx.qm");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTranslator translator;
    QString reason;
    // Opening it would wait for a writer for ever.
    QVERIFY(!TranslationFile::load(translator, fifo, &reason));
    QCOMPARE(reason, QStringLiteral("not a regular file"));
    QVERIFY(!Languages::availableCodes(dir.path()).contains("xx"));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"

// Which translation files count, which language a start takes, and where a
// new language file goes.

#include "app/languages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"

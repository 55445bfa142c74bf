// The translation sources must be complete: every text of the program has a
// finished English and Spanish translation with the same placeholders, and
// every product of the demo range has a description in both languages. A text
// added to the code and brought in by the update target fails here until it
// is translated.

#include "app/languages.h"
#include "catalogue/datafile.h"
#include "catalogue/devicecategories.h"
#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"
#include "setup/setupfile.h"
#include "tests/setup/setupfixtures.h"
#include "translations/devicedescriptions.h"
#include "widgets/guiresources.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
    bool numerus = false;
    QStringList forms;
};

// Reads a .ts file; an XML error is reported through `error`.
QVector<Message> readTs(const QString &path, QString &error)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message{context, QString(), QString(), QString(), false, {}};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.numerus = false;
            current.forms.clear();
            current.translation.clear();
            // Plural texts hold one form per number class; each must be finished.
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    current.translation += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    current.numerus = true;
                    current.forms.append(xml.readElementText());
                } else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (current.numerus)
                current.translation = current.forms.join(QLatin1Char('\n'));
            messages.append(current);
        }
    }
    if (xml.hasError())
        error = xml.errorString() + QStringLiteral(" at line ") + QString::number(xml.lineNumber());
    return messages;
}

// The placeholders %1..%99 of a text, sorted, so that a reordering in the
// translation passes but a lost or added one does not.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured(0));
    found.sort();
    return found;
}

QString leading(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.left(i);
}

QString trailing(const QString &text)
{
    int i = text.size();
    while (i > 0 && text.at(i - 1).isSpace())
        --i;
    return text.mid(i);
}

QString tsPath(const QString &code)
{
    return QStringLiteral(KALVIX_TRANSLATIONS_DIR "/Kalvix_") + code + QStringLiteral(".ts");
}

QStringList demoProductNames()
{
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    CatalogueData data;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !DataFile::read(file, data))
        return {};
    QStringList names;
    for (const Panel &r : qAsConst(data.panels))
        names << r.name;
    for (const ExpansionBox &r : qAsConst(data.expansionBoxes))
        names << r.name;
    for (const Battery &r : qAsConst(data.batteries))
        names << r.name;
    for (const ExternalPowerSource &r : qAsConst(data.externalPowerSources))
        names << r.name;
    for (const ExternalBatteryBox &r : qAsConst(data.externalBatteryBoxes))
        names << r.name;
    for (const Device &r : qAsConst(data.devices))
        names << r.name;
    for (const AuxiliaryCard &r : qAsConst(data.auxiliaryCards))
        names << r.name;
    return names;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void bothLanguagesHoldTheSameTexts();
    void everyDemoProductHasDescriptions_data();
    void everyDemoProductHasDescriptions();
    void translatedCableTypesKeepTheirCrossSection();
    void demoCategoriesHaveNamesInBothLanguages_data();
    void demoCategoriesHaveNamesInBothLanguages();
    void setupFilesHoldSourceTexts();
};

void TestTranslations::initTestCase()
{
    initGuiResources();
    // Brings in the shipped translations, read here as the program reads them.
    QVERIFY(QFileInfo(Languages::shippedFolder()).isDir());
}

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("English") << QStringLiteral("en");
    QTest::newRow("Spanish") << QStringLiteral("es");
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, code);
    QString error;
    const QVector<Message> messages = readTs(tsPath(code), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The program has a few hundred texts; far fewer means the file was cut.
    QVERIFY2(messages.size() > 300, qPrintable(QString::number(messages.size())));

    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source.left(60) + QLatin1Char('"');
        if (!m.type.isEmpty())
            faults << where + QStringLiteral(" is ") + m.type;
        else if (m.translation.trimmed().isEmpty() || m.forms.contains(QString()))
            faults << where + QStringLiteral(" has an empty translation");
        else if (m.numerus && std::any_of(m.forms.cbegin(), m.forms.cend(), [&](const QString &form) {
                     return !form.contains(QStringLiteral("%n")) ||
                            placeholders(form) != placeholders(m.source);
                 }))
            faults << where + QStringLiteral(" has a plural form without its number or placeholders");
        // A picture named by a translation must be one the program carries.
        else if (m.source.startsWith(QStringLiteral(":/")) && !QFile::exists(m.translation))
            faults << where + QStringLiteral(" names a missing resource");
        else if (!m.numerus && placeholders(m.source) != placeholders(m.translation))
            faults << where + QStringLiteral(" changes the placeholders");
        // Texts are joined to others, so their outer blanks and line breaks matter.
        else if (!m.numerus && (leading(m.source) != leading(m.translation) ||
                                trailing(m.source) != trailing(m.translation)))
            faults << where + QStringLiteral(" changes its leading or trailing blanks");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::bothLanguagesHoldTheSameTexts()
{
    QString error;
    QSet<QString> english;
    for (const Message &m : readTs(tsPath(QStringLiteral("en")), error))
        english.insert(m.context + QLatin1Char('\x1f') + m.source);
    QSet<QString> spanish;
    for (const Message &m : readTs(tsPath(QStringLiteral("es")), error))
        spanish.insert(m.context + QLatin1Char('\x1f') + m.source);
    QVERIFY(error.isEmpty());
    QStringList onlyOne = QSet<QString>(english).subtract(spanish).values();
    onlyOne += QSet<QString>(spanish).subtract(english).values();
    onlyOne.replaceInStrings(QStringLiteral("\x1f"), QStringLiteral(": "));
    QVERIFY2(onlyOne.isEmpty(), qPrintable(onlyOne.join(QLatin1Char('\n'))));
}

void TestTranslations::everyDemoProductHasDescriptions_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = demoProductNames();
    QVERIFY(names.size() > 50);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTranslations::everyDemoProductHasDescriptions()
{
    QFETCH(QString, name);
    // The marker list keeps the description through the next update.
    QVERIFY(DeviceDescriptions::keys().contains(name));

    // The shipped, compiled files are what the program shows.
    QMap<QString, QString> descriptions;
    for (const QString &code : {QStringLiteral("en"), QStringLiteral("es")}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/Kalvix_") + code + QStringLiteral(".qm")));
        const QString text = translator.translate("DeviceDescriptions", name.toUtf8().constData());
        QVERIFY2(!text.isEmpty() && text != name, qPrintable(code));
        // What it is and what it is for: more than a few words, within two or three sentences.
        QVERIFY2(text.size() >= 40 && text.size() <= 320, qPrintable(code + QStringLiteral(": ") + text));
        descriptions.insert(code, text);
    }
    QVERIFY(descriptions.value(QStringLiteral("en")) != descriptions.value(QStringLiteral("es")));
}

void TestTranslations::translatedCableTypesKeepTheirCrossSection()
{
    QTranslator spanish;
    QVERIFY(spanish.load(QStringLiteral(":/translations/Kalvix_es.qm")));
    const QStringList sources = LoopCable::sourceTexts();
    QVector<double> expected;
    for (const QString &source : sources)
        expected.append(LoopCalc::crossSection(source));

    QCoreApplication::installTranslator(&spanish);
    for (int i = 0; i < sources.size(); ++i) {
        const QString shown = LoopCable::displayText(sources.at(i));
        // The cross-section is read from the shown text itself.
        QCOMPARE(LoopCalc::crossSection(shown), expected.at(i));
        QCOMPARE(LoopCable::sourceText(shown), sources.at(i));
    }
    QCoreApplication::removeTranslator(&spanish);
}

void TestTranslations::setupFilesHoldSourceTexts()
{
    const Catalogue catalogue(demoData());
    const SetupFile::SetupData design = fullDesign();
    const QString english = SetupFile::composeSetupText(design);

    QTranslator spanish;
    QVERIFY(spanish.load(QStringLiteral(":/translations/Kalvix_es.qm")));
    QCoreApplication::installTranslator(&spanish);
    // The editors hand over what they show: the Spanish cable entries.
    SetupFile::SetupData shown = design;
    for (LoopConfig &loop : shown.loops)
        loop.cableType = LoopCable::displayText(loop.cableType);
    QVERIFY(shown.loops.first().cableType != design.loops.first().cableType);
    QCOMPARE(SetupFile::composeSetupText(shown), english);

    // A file written by a translated program still reads, as the same design.
    QString translatedFile = english;
    translatedFile.replace(QStringLiteral("2,5 mm2 (14 AWG)"),
                           LoopCable::displayText(QStringLiteral("2,5 mm2 (14 AWG)")));
    QVERIFY(translatedFile != english);
    SetupFile::SetupData read;
    QVERIFY(SetupFile::parseSetupText(translatedFile, read, catalogue));
    QCoreApplication::removeTranslator(&spanish);
    QVERIFY(read == design);
}

void TestTranslations::demoCategoriesHaveNamesInBothLanguages_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("category");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("spanish");
    // Every code of the demo range, read from its file.
    QMap<QString, bool> codes;
    for (const Device &device : demoData().devices) {
        codes.insert(device.category, true);
        if (device.subcategory != QLatin1String("-"))
            codes.insert(device.subcategory, false);
    }
    QVERIFY(codes.size() >= 15);
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value() << QString() << QString();
    // Two spelled out, as a reader would check them.
    QTest::newRow("DET by name") << "DET" << true << "Detectors"
                                 << "Detectores";
    QTest::newRow("OPT-TERM by name") << "OPT-TERM" << false << "Multi-sensor"
                                      << "Multisensor";
}

void TestTranslations::demoCategoriesHaveNamesInBothLanguages()
{
    QFETCH(QString, code);
    QFETCH(bool, category);
    QFETCH(QString, english);
    QFETCH(QString, spanish);
    const auto name = [&] {
        return category ? DeviceCategories::categoryName(code) : DeviceCategories::subcategoryName(code);
    };
    QMap<QString, QString> names;
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("es")}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/Kalvix_") + language + QStringLiteral(".qm")));
        QCoreApplication::installTranslator(&translator);
        names.insert(language, name());
        QCoreApplication::removeTranslator(&translator);
        // A name of its own, not the code of the file.
        QVERIFY2(names.value(language) != code && !names.value(language).isEmpty(), qPrintable(language));
    }
    QVERIFY(names.value("en") != names.value("es") || code == QLatin1String("GAS"));
    if (!english.isEmpty()) {
        QCOMPARE(names.value("en"), english);
        QCOMPARE(names.value("es"), spanish);
    }
    // Without a translation the English name shows; the code never does.
    QCOMPARE(name(), names.value("en"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

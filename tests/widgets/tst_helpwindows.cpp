#include "core/constants.h"
#include "catalogue/catalogue.h"
#include "widgets/about.h"
#include "widgets/distributionfactor.h"
#include "widgets/guiresources.h"
#include "widgets/helpinfowindow.h"
#include "widgets/manualwindow.h"
#include "widgets/powersources.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace
{

Battery battery(const QString &name, double capacity)
{
    Battery b;
    b.name = name;
    b.capacity = capacity;
    return b;
}

ExternalPowerSource source(const QString &name, double maxBatteryCapacity)
{
    ExternalPowerSource s;
    s.name = name;
    s.maxBatteryCapacity = maxBatteryCapacity;
    return s;
}

ExternalBatteryBox box(const QString &name, double maxBatteryCapacity)
{
    ExternalBatteryBox b;
    b.name = name;
    b.maxBatteryCapacity = maxBatteryCapacity;
    return b;
}

QString labelText(QWidget *window, const char *name)
{
    auto *label = window->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void powerSourcesListsFittingBatteries();
    void powerSourcesWindowTexts();
    void distributionFactorWindowTexts();
    void sectionTextsAreStyledBoxes();
    void setImageScalesToFixedSize();
    void setImageUnscaledForNegativeSize();
    void unloadableImageLeavesAreaEmpty();
    void aboutShowsProgramDetails();
    void manualLanguageRule_data();
    void manualLanguageRule();
    void manualFallbackPage();
    void manualPagesCoverEverySection_data();
    void manualPagesCoverEverySection();
};

void TestHelpWindows::initTestCase()
{
    initGuiResources();
    QFile qss(QStringLiteral(":/resources/styles_blue.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromLatin1(qss.readAll()));
}

void TestHelpWindows::cleanup()
{
    ManualWindow::setPageFolder(QString());
}

void TestHelpWindows::powerSourcesListsFittingBatteries()
{
    CatalogueData data;
    // Catalogue order, not capacity order, decides the listing order.
    data.batteries = {battery("TVB 12-17", 17), battery("TVB 12-7", 7), battery("TVB 12-12", 12)};
    data.externalPowerSources = {source("KSP600", 17), source("TINY", 5), source("KSP900 EN", 12)};
    data.externalBatteryBoxes = {box("EBX-38", 38), box("EBX-EMPTY", 0)};
    const Catalogue catalogue(data);

    // A source or box that takes no battery still gets its line, empty.
    const QString expected = QStringLiteral("KSP600:\n    - TVB 12-17, TVB 12-7, TVB 12-12\n\n"
                                            "TINY:\n    - \n\n"
                                            "KSP900 EN:\n    - TVB 12-7, TVB 12-12\n\n"
                                            "EBX-38:\n    - TVB 12-17, TVB 12-7, TVB 12-12\n\n"
                                            "EBX-EMPTY:\n    - \n\n");
    QCOMPARE(PowerSources::compatibilityList(catalogue), expected);

    PowerSources window(&catalogue);
    QCOMPARE(labelText(&window, "primarySectionLabel"), expected);
}

void TestHelpWindows::powerSourcesWindowTexts()
{
    const Catalogue catalogue{CatalogueData()};
    PowerSources window(&catalogue);
    QCOMPARE(window.objectName(), QStringLiteral("helpInfoWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Power Sources"));
    QCOMPARE(labelText(&window, "headerLabel"), QStringLiteral("External Power Sources"));
    QCOMPARE(labelText(&window, "primarySectionTitleLabel"), QStringLiteral("Compatibility list:"));
    QCOMPARE(labelText(&window, "primarySectionLabel"), QString());
    QCOMPARE(labelText(&window, "secondarySectionTitleLabel"), QStringLiteral("Notes:"));
    // Word for word, the wording the translations are keyed on.
    QCOMPARE(
        labelText(&window, "secondarySectionLabel"),
        QStringLiteral(
            "Above are indicated the batteries that can be used in each power supply and external battery "
            "box.\n\n"
            "The KSP900 EN power supply differences from the others are:\n - It has a total of 3 outputs, "
            "whereas the others have only 1 output, so both outputs could be connected to the ORN-PSLINK "
            "card.\n - It only works with european mains, and not with the american one as the others "
            "do.\n\n"
            "The picture shows the common way of connecting 2 power supplies.\nFor other combinations "
            "check the installation manuals of the ORN-PSLINK card.\n\n"
            "Even though the BQR3105-E power supply is also in the catalog, it is not appropiate for the "
            "system as it delivers less current than the internal power supply of the panel."));
    auto *image = window.findChild<QLabel *>(QStringLiteral("imageLabel"));
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(780, 634));
    QCOMPARE(image->minimumSize(), QSize(780, 634));
    QVERIFY(!image->pixmap(Qt::ReturnByValue).isNull());
}

void TestHelpWindows::distributionFactorWindowTexts()
{
    DistributionFactor window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Distribution Factor"));
    QCOMPARE(labelText(&window, "headerLabel"), QStringLiteral("Distribution Factor"));
    QCOMPARE(labelText(&window, "primarySectionTitleLabel"), QStringLiteral("Topology:"));
    QCOMPARE(labelText(&window, "primarySectionLabel"),
             QStringLiteral("Class A: the loop is closed, so it has output and return.\n"
                            "Class B (degraded mode): the loop is open at one end."));
    QCOMPARE(labelText(&window, "secondarySectionTitleLabel"), QStringLiteral("Notes:"));
    QCOMPARE(
        labelText(&window, "secondarySectionLabel"),
        QStringLiteral(
            "The images are intended to explain the concept of distribution factor. No installation is "
            "ideal, but this concept helps you choose a factor that, using engineering criteria, is as "
            "close as possible to the real installation.\n\n"
            "Devices with the highest consumption in the loop, usually sounders, should be considered as "
            "the relevant devices. This is because they have more weight in the load distribution along "
            "the full cable distance.\n\n"
            "Distribution percentage:\n0% - worst case where all devices are on one side of the "
            "installation for Class B, or all devices are at the center of the loop for Class A.\n50% - "
            "intermediate case between having all devices distributed and having them in the worst "
            "case.\n100% - ideal case where all devices are distributed uniformly."));
    auto *image = window.findChild<QLabel *>(QStringLiteral("imageLabel"));
    QCOMPARE(image->minimumSize(), QSize(800, 400));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestHelpWindows::sectionTextsAreStyledBoxes()
{
    // The form sets labelType while it is built; the boxes must still get the
    // style sheet's padding and background.
    DistributionFactor window;
    window.adjustSize();
    for (const char *name : {"primarySectionLabel", "secondarySectionLabel"}) {
        auto *label = window.findChild<QLabel *>(QLatin1String(name));
        QVERIFY(label);
        QCOMPARE(label->property("labelType").toString(), QStringLiteral("infoBox"));
        QVERIFY(label->wordWrap());
        const QRect inner = label->contentsRect();
        QVERIFY2(inner.left() >= 8 && inner.top() >= 6, qPrintable(QStringLiteral("%1: contents at %2,%3")
                                                                       .arg(QLatin1String(name))
                                                                       .arg(inner.left())
                                                                       .arg(inner.top())));
    }
}

void TestHelpWindows::setImageScalesToFixedSize()
{
    HelpInfoWindow window;
    window.setImage(QStringLiteral(":/resources/icons/distribution_factor.png"), QSize(400, 300));
    auto *image = window.findChild<QLabel *>(QStringLiteral("imageLabel"));
    QCOMPARE(image->minimumSize(), QSize(400, 300));
    QCOMPARE(image->maximumSize(), QSize(400, 300));
    QCOMPARE(image->alignment(), Qt::AlignCenter);
    // 800 x 400 kept in proportion inside 400 x 300.
    QCOMPARE(image->pixmap(Qt::ReturnByValue).size(), QSize(400, 200));
}

void TestHelpWindows::setImageUnscaledForNegativeSize()
{
    HelpInfoWindow window;
    window.setImage(QStringLiteral(":/resources/icons/missing_resource.png"), QSize(-1, 50));
    auto *image = window.findChild<QLabel *>(QStringLiteral("imageLabel"));
    QCOMPARE(image->pixmap(Qt::ReturnByValue).size(),
             QPixmap(QStringLiteral(":/resources/icons/missing_resource.png")).size());
    QCOMPARE(image->minimumSize(), QSize(1, 1));
    QCOMPARE(image->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(image->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    QCOMPARE(image->sizePolicy().verticalPolicy(), QSizePolicy::Ignored);
}

void TestHelpWindows::unloadableImageLeavesAreaEmpty()
{
    HelpInfoWindow window;
    window.setHeader(QStringLiteral("Header"));
    window.setPrimarySection(QStringLiteral("One:"), QStringLiteral("first"));
    window.setSecondarySection(QStringLiteral("Two:"), QStringLiteral("second"));
    window.setImage(QStringLiteral(":/resources/icons/power_sources.png"), QSize(100, 80));
    window.setImage(QStringLiteral(":/resources/icons/no_such_picture.png"), QSize(100, 80));

    auto *image = window.findChild<QLabel *>(QStringLiteral("imageLabel"));
    QVERIFY(image->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(image->text().isEmpty());
    QCOMPARE(labelText(&window, "headerLabel"), QStringLiteral("Header"));
    QCOMPARE(labelText(&window, "primarySectionLabel"), QStringLiteral("first"));
    QCOMPARE(labelText(&window, "secondarySectionTitleLabel"), QStringLiteral("Two:"));
}

void TestHelpWindows::aboutShowsProgramDetails()
{
    About about;
    QCOMPARE(about.objectName(), QStringLiteral("aboutWindow"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(labelText(&about, "aboutLabel"),
             QStringLiteral("App: Kalvix\nVersion: 2.1.2\nRelease date: 2026-04-27\n"
                            "Developed by: Tarvex Fire System Products\nContact: ") +
                 Constants::WebAddress);
    auto *aboutLabel = about.findChild<QLabel *>(QStringLiteral("aboutLabel"));
    QCOMPARE(aboutLabel->font().weight(), 75);
    auto *logo = about.findChild<QLabel *>(QStringLiteral("tarvexLogoLabel"));
    QVERIFY(logo->hasScaledContents());
    QCOMPARE(logo->minimumSize(), QSize(409, 83));
    QCOMPARE(logo->maximumSize(), QSize(409, 83));
    QVERIFY(!logo->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(about.findChild<QLabel *>(QStringLiteral("disclaimerLabel"))->wordWrap());
}

void TestHelpWindows::manualLanguageRule_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");

    const QString es = QStringLiteral("Kalvix - Gu\u00eda del usuario");
    const QString en = QStringLiteral("Kalvix - User Guide");
    QTest::newRow("es_ES") << "es_ES"
                           << "manual_es.html" << es;
    QTest::newRow("es") << "es"
                        << "manual_es.html" << es;
    QTest::newRow("ES upper case") << "ES"
                                   << "manual_en.html" << en;
    QTest::newRow("en") << "en"
                        << "manual_en.html" << en;
    QTest::newRow("no language") << ""
                                 << "manual_en.html" << en;
    QTest::newRow("Basque is not Spanish") << "eu_ES"
                                           << "manual_en.html" << en;
}

void TestHelpWindows::manualLanguageRule()
{
    QFETCH(QString, code);
    QFETCH(QString, page);
    QFETCH(QString, title);

    QCOMPARE(ManualWindow::pagePath(code), QStringLiteral(":/resources/manual_guide/") + page);
    ManualWindow window(code);
    auto *browser = window.findChild<QTextBrowser *>();
    QVERIFY(browser);
    QCOMPARE(browser->documentTitle(), title);
    QCOMPARE(window.windowTitle(), QStringLiteral("User manual"));
    QCOMPARE(window.size(), QSize(1080, 820));
    QVERIFY(browser->isReadOnly());
    QVERIFY(browser->openExternalLinks());
}

void TestHelpWindows::manualFallbackPage()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    ManualWindow::setPageFolder(empty.path());
    ManualWindow window(QStringLiteral("es_ES"));
    auto *browser = window.findChild<QTextBrowser *>();
    QVERIFY(browser);
    const QString text = browser->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Manual unavailable")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("The bundled manual could not be loaded.")));

    // A page is read as UTF-8 and only up to a stray zero byte.
    QFile page(empty.filePath(QStringLiteral("manual_en.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(QByteArray("<html><head><title>Caf\xc3\xa9</title></head><body>kept</body></html>") +
               QByteArray(1, '\0') + QByteArray("<p>dropped</p>"));
    page.close();
    ManualWindow english(QStringLiteral("en"));
    auto *englishBrowser = english.findChild<QTextBrowser *>();
    QCOMPARE(englishBrowser->documentTitle(), QStringLiteral("Caf\u00e9"));
    QVERIFY(englishBrowser->toPlainText().contains(QStringLiteral("kept")));
    QVERIFY(!englishBrowser->toPlainText().contains(QStringLiteral("dropped")));
}

void TestHelpWindows::manualPagesCoverEverySection_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("English") << "en"
                             << QStringList{"Introduction",
                                            "The menu bar",
                                            "File",
                                            "Language",
                                            "Help",
                                            "System general",
                                            "Auxiliary cards",
                                            "External power sources",
                                            "Expansion boxes",
                                            "Battery autonomy",
                                            "Total system power load",
                                            "Individual loops",
                                            "Advanced settings",
                                            "Loop configuration",
                                            "Available devices",
                                            "Detailed view",
                                            "Loop status"};
    QTest::newRow("Spanish") << "es"
                             << QStringList{"Introducci\u00f3n",
                                            "La barra de men\u00fas",
                                            "Archivo",
                                            "Idioma",
                                            "Ayuda",
                                            "General del sistema",
                                            "Tarjetas auxiliares",
                                            "Fuentes de alimentaci\u00f3n externas",
                                            "Cajas de expansi\u00f3n",
                                            "Autonom\u00eda de bater\u00edas",
                                            "Carga total del sistema",
                                            "Lazos individuales",
                                            "Configuraci\u00f3n avanzada",
                                            "Configuraci\u00f3n del lazo",
                                            "Equipos disponibles",
                                            "Vista detallada",
                                            "Estado del lazo"};
}

void TestHelpWindows::manualPagesCoverEverySection()
{
    QFETCH(QString, code);
    QFETCH(QStringList, headings);
    ManualWindow window(code);
    const QString text = window.findChild<QTextBrowser *>()->toPlainText();
    // The sections in their order, and the stated defaults.
    int from = 0;
    for (const QString &heading : headings) {
        const int at = text.indexOf(heading, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing or out of order: ") + heading));
        from = at + heading.size();
    }
    QVERIFY(text.contains(QStringLiteral("20 %")));
    QVERIFY(text.contains(QStringLiteral("100 %")));
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"

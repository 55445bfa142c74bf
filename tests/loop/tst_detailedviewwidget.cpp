#include "catalogue/catalogue.h"
#include "editors/detailedviewwidget.h"
#include "loopfixtures.h"
#include "widgets/guiresources.h"

#include <QtTest>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

using namespace Fixtures;

namespace
{

CatalogueData sampleData()
{
    CatalogueData data = unitFactors();
    data.devices = {detector(QStringLiteral("OPT-100"), 0.0003, 0.005),
                    detector(QStringLiteral("HEAT-200"), 0.0002, 0.004),
                    sounder(QStringLiteral("WS-1 (loop)"), 0.0005, 0.012),
                    detector(QStringLiteral("MOD-9"), 0.001, 0.002)};
    return data;
}

using Signals = QList<QPair<QString, int>>;

Signals received(const QSignalSpy &spy)
{
    Signals list;
    for (const QList<QVariant> &args : spy)
        list.append({args.at(0).toString(), args.at(1).toInt()});
    return list;
}

} // namespace

class TestDetailedViewWidget : public QObject
{
    Q_OBJECT

private:
    QListWidget *list() { return m_view->findChild<QListWidget *>(QStringLiteral("devInLoopListWidget")); }
    QWidget *row(int i) { return list()->itemWidget(list()->item(i)); }
    QString rowName(int i) { return row(i)->findChild<QLabel *>(QStringLiteral("deviceNameLabel"))->text(); }
    QSpinBox *rowSpinBox(int i) { return row(i)->findChild<QSpinBox *>(QStringLiteral("quantitySpinBox")); }
    QString text(const char *name) { return m_view->findChild<QLabel *>(QLatin1String(name))->text(); }

    Catalogue *m_catalogue = nullptr;
    DetailedViewWidget *m_view = nullptr;

private slots:
    void init();
    void cleanup();
    void repeatedDropsRaiseTheQuantity();
    void rowsStayInNameOrder();
    void quantityIsCappedAt250();
    void spinBoxChangeSignalsAndShowsDetails();
    void removingARow();
    void detailsFollowTheRemainingRows_data();
    void detailsFollowTheRemainingRows();
    void sounderTotalsFollowTheFraction();
    void fractionChangeSignalsSounderRowsOnly();
    void descriptionFallback();
    void fractionRefreshesTheShownSounder();
    void imagesScaleIntoTheirLabel();
    void setDevicesRebuildsTheRows();
    void setDevicesOverRowsEndsAsOnAnEmptyView_data();
    void setDevicesOverRowsEndsAsOnAnEmptyView();
    void pictureFollowsTheDeviceAndTheLabel();
};

void TestDetailedViewWidget::init()
{
    m_catalogue = new Catalogue(sampleData());
    m_view = new DetailedViewWidget(m_catalogue);
}

void TestDetailedViewWidget::cleanup()
{
    delete m_view;
    delete m_catalogue;
}

void TestDetailedViewWidget::repeatedDropsRaiseTheQuantity()
{
    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    for (int i = 0; i < 3; ++i)
        m_view->onDroppedNewDevice(QStringLiteral("OPT-100"));
    QCOMPARE(list()->count(), 1);
    QCOMPARE(rowSpinBox(0)->value(), 3);
    const QString name = QStringLiteral("OPT-100");
    QCOMPARE(received(spy), (Signals{{name, 1}, {name, 2}, {name, 3}}));
    QCOMPARE(text("devNameLabel"), name);
    QCOMPARE(text("totalIdleCurrentValueLabel"), QStringLiteral("0.0009000 A"));
}

void TestDetailedViewWidget::rowsStayInNameOrder()
{
    for (const char *name : {"OPT-100", "HEAT-200", "WS-1 (loop)", "MOD-9"})
        m_view->onDroppedNewDevice(QLatin1String(name));
    QStringList names;
    for (int i = 0; i < list()->count(); ++i)
        names << rowName(i);
    QCOMPARE(names, (QStringList{QStringLiteral("HEAT-200"), QStringLiteral("MOD-9"),
                                 QStringLiteral("OPT-100"), QStringLiteral("WS-1 (loop)")}));
    // The new row is the current one.
    QCOMPARE(list()->currentRow(), 1);
}

void TestDetailedViewWidget::quantityIsCappedAt250()
{
    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    m_view->setDevices({{QStringLiteral("MOD-9"), 300}});
    QCOMPARE(rowSpinBox(0)->value(), 250);
    QCOMPARE(spy.count(), 250);
    QCOMPARE(spy.last().at(1).toInt(), 250);
    // A further drop on a full row is ignored.
    m_view->onDroppedNewDevice(QStringLiteral("MOD-9"));
    QCOMPARE(spy.count(), 250);
    QCOMPARE(rowSpinBox(0)->minimum(), 1);
}

void TestDetailedViewWidget::spinBoxChangeSignalsAndShowsDetails()
{
    m_view->onDroppedNewDevice(QStringLiteral("OPT-100"));
    m_view->onDroppedNewDevice(QStringLiteral("HEAT-200"));
    QCOMPARE(text("devNameLabel"), QStringLiteral("HEAT-200"));
    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    rowSpinBox(1)->setValue(7); // OPT-100
    QCOMPARE(received(spy), (Signals{{QStringLiteral("OPT-100"), 7}}));
    QCOMPARE(text("devNameLabel"), QStringLiteral("OPT-100"));
    QCOMPARE(text("idleCurrentValueLabel"), QStringLiteral("0.0003000 A"));
    QCOMPARE(text("alarmCurrentValueLabel"), QStringLiteral("0.0050000 A"));
    QCOMPARE(text("totalIdleCurrentValueLabel"), QStringLiteral("0.0021000 A"));
    // Every unit counts in alarm here, unlike the loop's 16-unit figure.
    QCOMPARE(text("totalAlarmCurrentValueLabel"), QStringLiteral("0.0350000 A"));
}

void TestDetailedViewWidget::removingARow()
{
    m_view->onDroppedNewDevice(QStringLiteral("OPT-100"));
    m_view->onDroppedNewDevice(QStringLiteral("OPT-100"));
    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    QPushButton *remove = row(0)->findChild<QPushButton *>(QStringLiteral("removeDeviceButton"));
    QCOMPARE(remove->text(), QString(QChar(0x00D7)));
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(received(spy), (Signals{{QStringLiteral("OPT-100"), 0}}));
    QCOMPARE(list()->count(), 0);
    QCOMPARE(text("totalIdleCurrentValueLabel"), QStringLiteral("0 A"));
    QCOMPARE(text("totalAlarmCurrentValueLabel"), QStringLiteral("0 A"));
    // Nothing is left to show: no removed device lingers in the details.
    QCOMPARE(text("devNameLabel"), QString());
    QCOMPARE(text("idleCurrentValueLabel"), QString());
    // The row widget goes with the next event loop turn, without a crash.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_view->onDroppedNewDevice(QStringLiteral("OPT-100"));
    QCOMPARE(rowSpinBox(0)->value(), 1);
}

// Rows, in name order: HEAT-200 x2, MOD-9 x3, OPT-100 x5.
void TestDetailedViewWidget::detailsFollowTheRemainingRows_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedTotalIdle");

    // The shown row goes: the row that takes its place is shown, with its totals.
    QTest::newRow("shown middle row") << "MOD-9"
                                      << "MOD-9"
                                      << "OPT-100"
                                      << "0.0015000 A";
    // The last row goes: the one before it moves up.
    QTest::newRow("shown last row") << "OPT-100"
                                    << "OPT-100"
                                    << "MOD-9"
                                    << "0.0030000 A";
    // Another row goes: the shown device stays, with its own totals.
    QTest::newRow("another row") << "MOD-9"
                                 << "HEAT-200"
                                 << "MOD-9"
                                 << "0.0030000 A";
}

void TestDetailedViewWidget::detailsFollowTheRemainingRows()
{
    QFETCH(QString, shown);
    QFETCH(QString, removed);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedTotalIdle);

    m_view->setDevices(
        {{QStringLiteral("HEAT-200"), 2}, {QStringLiteral("MOD-9"), 3}, {QStringLiteral("OPT-100"), 5}});
    for (int i = 0; i < list()->count(); ++i) {
        if (rowName(i) == shown)
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                              list()->visualItemRect(list()->item(i)).center());
    }
    QCOMPARE(text("devNameLabel"), shown);

    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    for (int i = 0; i < list()->count(); ++i) {
        if (rowName(i) == removed) {
            QTest::mouseClick(row(i)->findChild<QPushButton *>(QStringLiteral("removeDeviceButton")),
                              Qt::LeftButton);
            break;
        }
    }
    QCOMPARE(received(spy), (Signals{{removed, 0}}));
    QCOMPARE(list()->count(), 2);
    QCOMPARE(text("devNameLabel"), expectedName);
    QCOMPARE(text("totalIdleCurrentValueLabel"), expectedTotalIdle);
    QVERIFY(text("totalIdleCurrentValueLabel") != QStringLiteral("0 A"));
    QCOMPARE(m_view->findChild<QListWidget *>(QStringLiteral("devInLoopListWidget"))
                 ->currentItem()
                 ->data(Qt::UserRole)
                 .toString(),
             expectedName);
}

// 4 sounders at 25 %: 1 sounds (floor(1 + 0.99)), 3 stay idle.
void TestDetailedViewWidget::sounderTotalsFollowTheFraction()
{
    m_view->setDevices({{QStringLiteral("WS-1 (loop)"), 4}});
    QCOMPARE(text("totalAlarmCurrentValueLabel"), QStringLiteral("0.0480000 A"));
    m_view->setSoundersActiveFraction(0.25);
    QCOMPARE(text("totalAlarmCurrentValueLabel"), QStringLiteral("0.0135000 A"));
    QCOMPARE(text("totalIdleCurrentValueLabel"), QStringLiteral("0.0020000 A"));
}

void TestDetailedViewWidget::fractionChangeSignalsSounderRowsOnly()
{
    m_view->setDevices({{QStringLiteral("OPT-100"), 2}});
    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    m_view->setSoundersActiveFraction(0.5);
    QCOMPARE(spy.count(), 0);
    m_view->setDevices({{QStringLiteral("OPT-100"), 2}, {QStringLiteral("WS-1 (loop)"), 3}});
    spy.clear();
    m_view->setSoundersActiveFraction(0.25);
    QCOMPARE(received(spy), (Signals{{QStringLiteral("WS-1 (loop)"), 3}}));
}

void TestDetailedViewWidget::descriptionFallback()
{
    m_view->showDeviceDetails(QStringLiteral("OPT-100"));
    QCOMPARE(text("devDescriptionLabel"), QStringLiteral("No description available for this device."));
    QTest::ignoreMessage(QtWarningMsg, "Device not found: NOPE");
    m_view->showDeviceDetails(QStringLiteral("NOPE"));
    QCOMPARE(text("idleCurrentValueLabel"), QStringLiteral("0.0000000 A"));
    QVERIFY(
        m_view->findChild<QLabel *>(QStringLiteral("deviceImageLabel"))->pixmap(Qt::ReturnByValue).isNull());
}

// A sounder whose details are shown from the tree, without being the
// current row, still gets its totals refreshed.
void TestDetailedViewWidget::fractionRefreshesTheShownSounder()
{
    m_view->setDevices({{QStringLiteral("WS-1 (loop)"), 4}, {QStringLiteral("OPT-100"), 1}});
    list()->setCurrentRow(0); // OPT-100
    m_view->showDeviceDetails(QStringLiteral("WS-1 (loop)"));
    m_view->setSoundersActiveFraction(0.25);
    QCOMPARE(text("totalAlarmCurrentValueLabel"), QStringLiteral("0.0135000 A"));
}

void TestDetailedViewWidget::imagesScaleIntoTheirLabel()
{
    initGuiResources();
    const QString folder = Catalogue::dataLocation() + QStringLiteral("/data/images");
    QVERIFY(QDir().mkpath(folder));
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkBlue);
    QVERIFY(wide.save(folder + QStringLiteral("/wide.png")));
    CatalogueData data = sampleData();
    data.devices[0].image = QStringLiteral("wide.png");
    data.devices[1].image = QStringLiteral("absent.png");
    const Catalogue catalogue(data);
    DetailedViewWidget view(&catalogue);
    auto *label = view.findChild<QLabel *>(QStringLiteral("deviceImageLabel"));
    label->resize(80, 80);

    view.showDeviceDetails(QStringLiteral("OPT-100"));
    QPixmap shown = label->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.size(), QSize(80, 40));

    // A missing picture shows the stand-in and says where it looked.
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Image not found: ") + folder +
                                                  QStringLiteral("/absent.png")));
    view.showDeviceDetails(QStringLiteral("HEAT-200"));
    shown = label->pixmap(Qt::ReturnByValue);
    QVERIFY(!shown.isNull());
    QVERIFY(shown.width() <= 80 && shown.height() <= 80);
}

void TestDetailedViewWidget::setDevicesRebuildsTheRows()
{
    m_view->setDevices({{QStringLiteral("OPT-100"), 2}, {QStringLiteral("MOD-9"), 1}});
    QSignalSpy spy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    m_view->setDevices({{QStringLiteral("HEAT-200"), 2}});
    QCOMPARE(list()->count(), 1);
    QCOMPARE(rowName(0), QStringLiteral("HEAT-200"));
    QCOMPARE(received(spy), (Signals{{QStringLiteral("HEAT-200"), 1}, {QStringLiteral("HEAT-200"), 2}}));
    spy.clear();
    m_view->setDevices({});
    QCOMPARE(list()->count(), 0);
    QCOMPARE(spy.count(), 0);
}

using DeviceMap = QMap<QString, int>;

void TestDetailedViewWidget::setDevicesOverRowsEndsAsOnAnEmptyView_data()
{
    QTest::addColumn<DeviceMap>("before");
    QTest::addColumn<DeviceMap>("after");
    const DeviceMap three{{"HEAT-200", 7}, {"MOD-9", 250}, {"OPT-100", 3}};
    QTest::newRow("one quantity") << three << DeviceMap{{"HEAT-200", 7}, {"MOD-9", 249}, {"OPT-100", 3}};
    QTest::newRow("same devices") << three << three;
    QTest::newRow("one gone, one new")
        << three << DeviceMap{{"HEAT-200", 1}, {"OPT-100", 300}, {"WS-1 (loop)", 2}};
    QTest::newRow("first and last gone") << three << DeviceMap{{"MOD-9", 4}, {"NOT-KNOWN", 0}};
    QTest::newRow("from empty") << DeviceMap{} << three;
}

// Rows already there are kept; the view must end as a fresh one given the
// same devices: rows, quantities, current row, details and signals alike.
void TestDetailedViewWidget::setDevicesOverRowsEndsAsOnAnEmptyView()
{
    QFETCH(DeviceMap, before);
    QFETCH(DeviceMap, after);
    DetailedViewWidget fresh(m_catalogue);
    m_view->setDevices(before);
    QSignalSpy keptSpy(m_view, &DetailedViewWidget::updateDeviceQuantity);
    QSignalSpy freshSpy(&fresh, &DetailedViewWidget::updateDeviceQuantity);
    m_view->setDevices(after);
    fresh.setDevices(after);
    QCOMPARE(received(keptSpy), received(freshSpy));
    const auto rows = [](DetailedViewWidget &view) {
        auto *rowList = view.findChild<QListWidget *>(QStringLiteral("devInLoopListWidget"));
        QStringList lines;
        for (int i = 0; i < rowList->count(); ++i) {
            QWidget *rowWidget = rowList->itemWidget(rowList->item(i));
            lines << rowWidget->findChild<QLabel *>(QStringLiteral("deviceNameLabel"))->text() + " " +
                         QString::number(
                             rowWidget->findChild<QSpinBox *>(QStringLiteral("quantitySpinBox"))->value());
        }
        lines << "current " + QString::number(rowList->currentRow());
        for (const char *name : {"devNameLabel", "totalIdleCurrentValueLabel", "totalAlarmCurrentValueLabel"})
            lines << view.findChild<QLabel *>(QLatin1String(name))->text();
        return lines;
    };
    QCOMPARE(rows(*m_view), rows(fresh));
    // A kept row still answers its spin box.
    if (list()->count() > 0) {
        keptSpy.clear();
        rowSpinBox(0)->setValue(rowSpinBox(0)->value() == 1 ? 2 : 1);
        QCOMPARE(keptSpy.count(), 1);
    }
}

void TestDetailedViewWidget::pictureFollowsTheDeviceAndTheLabel()
{
    // Loading a loop shows the same device once per unit; the picture must
    // still switch with the device and rescale with its label.
    initGuiResources();
    const QString folder = Catalogue::dataLocation() + QStringLiteral("/data/images");
    QVERIFY(QDir().mkpath(folder));
    QImage red(100, 100, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(folder + QStringLiteral("/red.png")));
    QImage blue(100, 50, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(folder + QStringLiteral("/blue.png")));
    CatalogueData data = sampleData();
    data.devices[0].image = QStringLiteral("red.png");
    data.devices[2].image = QStringLiteral("blue.png");
    data.devices[3].image = QStringLiteral("gone.png");
    const Catalogue catalogue(data);
    DetailedViewWidget view(&catalogue);
    auto *label = view.findChild<QLabel *>(QStringLiteral("deviceImageLabel"));
    label->resize(80, 80);

    view.showDeviceDetails(QStringLiteral("OPT-100"));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5), QColor(Qt::red));
    view.showDeviceDetails(QStringLiteral("WS-1 (loop)"));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(80, 40));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5), QColor(Qt::blue));
    view.showDeviceDetails(QStringLiteral("OPT-100"));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5), QColor(Qt::red));
    // A hidden label gets its resize event only when shown; deliver it now.
    label->resize(70, 70);
    QResizeEvent resized(QSize(70, 70), QSize(80, 80));
    QCoreApplication::sendEvent(label, &resized);
    QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(70, 70));

    // Forty units of a device without its picture file: one warning, not forty.
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtWarningMsg)
                warnings << message;
        });
    view.setDevices({{QStringLiteral("MOD-9"), 40}});
    qInstallMessageHandler(previous);
    QCOMPARE(warnings,
             QStringList{QStringLiteral("Image not found: ") + folder + QStringLiteral("/gone.png")});
    QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(TestDetailedViewWidget)
#include "tst_detailedviewwidget.moc"

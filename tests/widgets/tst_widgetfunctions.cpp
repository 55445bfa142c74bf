#include "widgets/guiresources.h"
#include "widgets/rangeguard.h"
#include "widgets/widgetfunctions.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

// The style sheet turns the dynamic properties into colours; these tests look
// at the painted pixels, since a property nobody re-polishes changes nothing.
class TestWidgetFunctions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void setFaultRecolours_data();
    void setFaultRecolours();
    void faultySpinBoxTurnsRed();
    void setFaultAppliesBoxOfLatePolishedLabel();
    void setTransparentClearsBackground();
    void addHelpSymbolKeepsLinesAndAddsSymbol();
    void twoToolTipsCloseIndependently();
    void clickClosesToolTipBeforeItsTimer();
    void toolTipSitsBelowWidgetInItsWindow();
    void judgesTypedValues_data();
    void judgesTypedValues();
    void typedValuesAreCappedNotCut_data();
    void typedValuesAreCappedNotCut();

private:
    static QColor centreColour(QWidget *widget);
    static void processDeferredDeletes();
};

void TestWidgetFunctions::initTestCase()
{
    initGuiResources();
    QFile qss(QStringLiteral(":/resources/styles_blue.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromLatin1(qss.readAll()));
}

QColor TestWidgetFunctions::centreColour(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

void TestWidgetFunctions::processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestWidgetFunctions::setFaultRecolours_data()
{
    QTest::addColumn<QString>("labelType");
    QTest::addColumn<bool>("fault");
    QTest::addColumn<QString>("dominant"); // "red", "green" or "neutral"

    QTest::newRow("infoBox fault") << "infoBox" << true << "red";
    QTest::newRow("infoBox fine") << "infoBox" << false << "green";
    QTest::newRow("resultBox fault") << "resultBox" << true << "red";
    QTest::newRow("resultBox fine") << "resultBox" << false << "neutral";
}

void TestWidgetFunctions::setFaultRecolours()
{
    QFETCH(QString, labelType);
    QFETCH(bool, fault);
    QFETCH(QString, dominant);

    QWidget window;
    auto *label = new QLabel(&window);
    label->setProperty("labelType", labelType);
    label->setMinimumSize(120, 40);
    window.adjustSize();
    // Mark it the other way first, so the colour must change to pass.
    setFault(label, !fault);
    const QColor before = centreColour(label);
    setFault(label, fault);
    const QColor after = centreColour(label);

    QCOMPARE(label->property("fault").toBool(), fault);
    QVERIFY2(before != after, "setFault did not re-polish the label");
    if (dominant == QLatin1String("red")) {
        QVERIFY2(after.red() > after.green() + 8 && after.red() > after.blue() + 8, qPrintable(after.name()));
    } else if (dominant == QLatin1String("green")) {
        QVERIFY2(after.green() > after.red() + 8 && after.green() > after.blue(), qPrintable(after.name()));
    } else {
        QVERIFY2(!(after.red() > after.green() + 8), qPrintable(after.name()));
    }
}

void TestWidgetFunctions::faultySpinBoxTurnsRed()
{
    QWidget window;
    auto *spin = new QDoubleSpinBox(&window);
    spin->setMinimumSize(120, 30);
    window.adjustSize();
    setFault(spin, false);
    const QColor fine = centreColour(spin);
    setFault(spin, true);
    const QColor faulty = centreColour(spin);
    QVERIFY2(faulty.red() > faulty.green() + 8, qPrintable(faulty.name()));
    QVERIFY(fine != faulty);
    setFault(spin, false);
    QCOMPARE(centreColour(spin), fine);
}

void TestWidgetFunctions::setFaultAppliesBoxOfLatePolishedLabel()
{
    // A label polished before a form gave it its labelType (as happens inside
    // scroll areas) must get the box's padding, not only its colours.
    QWidget window;
    auto *label = new QLabel(QStringLiteral("Loop setup OK."), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label->contentsRect().left(), 0);
    label->setProperty("labelType", QStringLiteral("infoBox"));
    setFault(label, false);
    QVERIFY2(label->contentsRect().left() >= 8, qPrintable(QString::number(label->contentsRect().left())));
}

void TestWidgetFunctions::setTransparentClearsBackground()
{
    // Frames get a red background from a plain type rule, which the
    // transparency rule outranks once the property is set and re-polished.
    const QString appSheet = qApp->styleSheet();
    qApp->setStyleSheet(appSheet + QStringLiteral("\nQFrame { background-color: rgb(200, 10, 10); }"));

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(20, 20, 20, 20);
    auto *row = new QFrame(&window);
    row->setMinimumSize(80, 40);
    layout->addWidget(row);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto pixelAt = [&](const QPoint &point) { return window.grab().toImage().pixelColor(point); };
    const QPoint inRow = row->geometry().center();
    const QColor windowColour = pixelAt(QPoint(5, 5));
    QCOMPARE(pixelAt(inRow), QColor(200, 10, 10));

    setTransparent(row);
    QCOMPARE(row->property("transparent").toBool(), true);
    QCOMPARE(pixelAt(inRow), windowColour);

    qApp->setStyleSheet(appSheet);
}

void TestWidgetFunctions::addHelpSymbolKeepsLinesAndAddsSymbol()
{
    QLabel label(QStringLiteral("Battery\ndegradation"));
    const int oneLine = QLabel(QStringLiteral("Battery degradation")).sizeHint().height();
    addHelpSymbol(&label, QStringLiteral("Share of capacity lost."));

    QCOMPARE(label.textFormat(), Qt::RichText);
    QCOMPARE(label.text(),
             QStringLiteral("Battery<br>degradation <img src=':/resources/icons/help_symbol-12x12.png' "
                            "align=middle>"));
    QCOMPARE(label.toolTip(), QStringLiteral("Share of capacity lost."));
    // Still two lines on screen, and the symbol's picture is a real resource.
    QVERIFY(label.sizeHint().height() > oneLine * 3 / 2);
    QVERIFY(!QPixmap(QStringLiteral(":/resources/icons/help_symbol-12x12.png")).isNull());
}

void TestWidgetFunctions::twoToolTipsCloseIndependently()
{
    QWidget window;
    auto *spin = new QSpinBox(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QPointer<MyToolTip> first = showToolTip(spin, QStringLiteral("Value too high!"), QPoint(0, 20), 150);
    QPointer<MyToolTip> second = showToolTip(spin, QStringLiteral("Adjusted."), QPoint(0, 40), 600);
    QVERIFY(first && second);
    QVERIFY(first != second);
    QVERIFY(first->isVisible() && second->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 2000);
    QVERIFY2(!second.isNull(), "the second tooltip closed on the first one's timer");
    QVERIFY(second->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), 3000);
}

void TestWidgetFunctions::clickClosesToolTipBeforeItsTimer()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QPointer<MyToolTip> tip =
        showToolTip(&window, QStringLiteral("Install the power card first."), QPoint(0, 0), 400);
    QVERIFY(tip);
    QTest::mouseClick(tip.data(), Qt::LeftButton);
    processDeferredDeletes();
    QVERIFY2(tip.isNull(), "a click did not close the tooltip");

    // The timer of the deleted tooltip fires into nothing.
    QTest::qWait(600);
    QVERIFY(window.isVisible());
}

void TestWidgetFunctions::toolTipSitsBelowWidgetInItsWindow()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *inner = new QWidget(&window);
    auto *spin = new QSpinBox(inner);
    layout->addWidget(inner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint below(0, spin->height());
    QPointer<MyToolTip> tip =
        showToolTip(spin, QStringLiteral("Limited to 0.5000 A by the fuse."), below, 5000);
    QVERIFY(tip);
    QCOMPARE(tip->parentWidget(), &window);
    QCOMPARE(tip->pos(), spin->mapToGlobal(below));
    QVERIFY(tip->windowFlags() & Qt::Popup);
    QVERIFY(tip->wordWrap());
    QCOMPARE(tip->text(), QStringLiteral("Limited to 0.5000 A by the fuse."));
    delete tip.data();
}

QTEST_MAIN(TestWidgetFunctions)
void TestWidgetFunctions::judgesTypedValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::newRow("inside") << "500" << 100.0 << 2500.0 << 0 << int(RangeVerdict::Fits) << 500.0;
    QTest::newRow("above: the maximum") << "3000" << 100.0 << 2500.0 << 0 << int(RangeVerdict::AboveMaximum)
                                        << 2500.0;
    QTest::newRow("below: the minimum") << "30" << 100.0 << 2500.0 << 0 << int(RangeVerdict::BelowMinimum)
                                        << 100.0;
    QTest::newRow("fifth decimal rounds") << "0.12345" << 0.0 << 99.9999 << 4
                                          << int(RangeVerdict::TooPrecise) << 0.1235;
    QTest::newRow("decimal comma") << "0,5" << 0.0 << 99.9999 << 4 << int(RangeVerdict::Fits) << 0.5;
    QTest::newRow("current above") << "150" << 0.0 << 99.9999 << 4 << int(RangeVerdict::AboveMaximum)
                                   << 99.9999;
    QTest::newRow("empty") << "" << 0.0 << 10.0 << 0 << int(RangeVerdict::NotANumber) << 0.0;
    QTest::newRow("words") << "abc" << 0.0 << 10.0 << 0 << int(RangeVerdict::NotANumber) << 0.0;
}

void TestWidgetFunctions::judgesTypedValues()
{
    QFETCH(QString, text);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, decimals);
    QFETCH(int, kind);
    QFETCH(double, value);
    const RangeVerdict verdict = judgeTypedValue(text, minimum, maximum, decimals);
    QCOMPARE(int(verdict.kind), kind);
    if (kind != RangeVerdict::NotANumber)
        QCOMPARE(verdict.value, value);
}

// Typed as a user types, key by key: the field ends at the capped value and
// says its range, instead of dropping the last digit.
void TestWidgetFunctions::typedValuesAreCappedNotCut_data()
{
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::newRow("loop length 3000") << false << "3000"
                                      << "2500 m"
                                      << "3000 m is above the maximum; 2500 m is used.\nAllowed range: 100 m "
                                         "to 2500 m.";
    QTest::newRow("loop length 30, then Enter")
        << false << "30\n"
        << "100 m"
        << "30 m is below the minimum; 100 m is used.\nAllowed range: 100 m to 2500 m.";
    QTest::newRow("current 150 A") << true << "150"
                                   << "99.9999 A"
                                   << "150 A is above the maximum; 99.9999 A is used.\nAllowed range: "
                                      "0.0000 A to 99.9999 A.";
    QTest::newRow("current with a fifth decimal")
        << true << "0.12345"
        << "0.1235 A"
        << "This field takes 4 decimal(s); 0.1235 A is used.\nAllowed range: 0.0000 A to 99.9999 A.";
    QTest::newRow("in range: no note") << false << "2000"
                                       << "2000 m" << QString();
}

void TestWidgetFunctions::typedValuesAreCappedNotCut()
{
    QFETCH(bool, decimal);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    RangeGuard::install();
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QAbstractSpinBox *field = nullptr;
    if (decimal) {
        auto *spin = new QDoubleSpinBox;
        spin->setDecimals(4);
        spin->setRange(0, 99.9999);
        spin->setSuffix(QStringLiteral(" A"));
        field = spin;
    } else {
        auto *spin = new QSpinBox;
        spin->setRange(100, 2500);
        spin->setValue(500);
        spin->setSuffix(QStringLiteral(" m"));
        field = spin;
    }
    layout->addWidget(field);
    layout->addWidget(new QSpinBox); // somewhere to go
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    field->selectAll();
    const QString before = RangeGuard::lastMessage();
    for (const QChar c : keys) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(field, Qt::Key_Return);
        else
            QTest::keyClick(field, c.toLatin1());
    }
    QCOMPARE(field->text(), shown);
    if (message.isEmpty()) {
        QCOMPARE(RangeGuard::lastMessage(), before);
        QVERIFY(window.findChildren<MyToolTip *>().isEmpty());
    } else {
        QCOMPARE(RangeGuard::lastMessage(), message);
        const QList<MyToolTip *> notes = window.findChildren<MyToolTip *>();
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.first()->text(), message);
        // The note leaves the keyboard to the field.
        QVERIFY(notes.first()->windowFlags().testFlag(Qt::ToolTip));
    }
}

#include "tst_widgetfunctions.moc"

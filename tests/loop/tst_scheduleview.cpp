#include "../setup/setupfixtures.h"

#include "design/designdocument.h"
#include "editors/scheduletablemodel.h"
#include "editors/scheduleview.h"
#include "loop/voltageprofile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestScheduleView : public QObject
{
    Q_OBJECT
private slots:
    void editsGoToTheDocument();
    void profilePicture();
};

namespace
{

QStringList column(const QTableView *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts << table->model()->index(row, column).data().toString();
    return texts;
}

// Types into a cell as its editor would hand the text over.
void type(QTableView *table, int row, int column, const QString &text)
{
    table->model()->setData(table->model()->index(row, column), text);
}

QString cell(const QTableView *table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

} // namespace

void TestScheduleView::editsGoToTheDocument()
{
    const Catalogue catalogue(demoData());
    QTemporaryDir recovery;
    DesignDocument document(&catalogue, recovery.path());
    Design design = Design::fromSetupData(fullDesign());
    design.main.loops[1].devices = {{QStringLiteral("HD-220"), 3}, {QStringLiteral("ZM-404"), 1}};
    document.reset(design, QString());

    ScheduleView view;
    view.setDocument(&document, [] { return -1; }, 1);
    auto *make = view.findChild<QPushButton *>(QStringLiteral("makeScheduleButton"));
    QVERIFY(make->isVisibleTo(&view));
    QVERIFY(!view.table()->isVisibleTo(&view));

    view.makeSchedule();
    QVERIFY(document.design().main.schedules.contains(1));
    QTableView *table = view.table();
    QCOMPARE(table->model()->rowCount(), 4);
    // Loop 2 runs from 100 m to 800 - 150 m, degraded mode: one drop column.
    QCOMPARE(column(table, ScheduleView::Position), QStringList({"100", "283", "467", "650"}));
    QCOMPARE(column(table, ScheduleView::Address), QStringList({"1", "2", "3", "4"}));
    QVERIFY(table->isColumnHidden(ScheduleView::BreakAtOut));
    QCOMPARE(view.faultsText(), QStringLiteral("Device-level check OK."));

    // A location with a separator is refused; a good one goes to the document.
    type(table, 0, ScheduleView::Location, QStringLiteral("Hall; east"));
    QCOMPARE(document.design().main.schedules.value(1).units.at(0).location, QString());
    QCOMPARE(cell(table, 0, ScheduleView::Location), QString());
    type(table, 0, ScheduleView::Location, QStringLiteral("Hall east"));
    QCOMPARE(document.design().main.schedules.value(1).units.at(0).location, QStringLiteral("Hall east"));

    // Moving the first position moves the loop's start distance with it.
    type(table, 0, ScheduleView::Position, QStringLiteral("120"));
    QCOMPARE(document.design().main.loops.at(1).startDistance, 120);

    // Ctrl+Down takes the unit one place along; the positions stay.
    table->setCurrentIndex(table->model()->index(0, ScheduleView::Device));
    QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(column(table, ScheduleView::Address), QStringList({"2", "1", "3", "4"}));
    QCOMPARE(column(table, ScheduleView::Position), QStringList({"120", "283", "467", "650"}));
    QCOMPARE(table->currentIndex().row(), 1);

    // A position going backwards is a fault of the row.
    type(table, 2, ScheduleView::Position, QStringLiteral("200"));
    QCOMPARE(cell(table, 2, ScheduleView::Status), QStringLiteral("FAULT"));
    QVERIFY(view.faultsText().contains(QStringLiteral("lies before the unit ahead of it")));

    // The filter hides rows that do not match.
    view.filterField()->setText(QStringLiteral("ZM-404"));
    QVERIFY(table->isRowHidden(0));
    QVERIFY(!table->isRowHidden(3));
    view.filterField()->clear();
    // The clear button fades out with an animation that has no parent; a
    // field destroyed before it ends leaves it behind for the leak checker.
    QTest::qWait(400);

    // Quantities edited in the device list: the schedule follows and says so.
    document.setQuantity(-1, 1, QStringLiteral("HD-220"), 4);
    QCOMPARE(table->model()->rowCount(), 5);
    QVERIFY(view.noteText().contains(QStringLiteral("1 unit(s) added at its end, 0 removed")));

    view.renumber();
    QCOMPARE(column(table, ScheduleView::Address), QStringList({"1", "2", "3", "4", "8"}));

    // Every command was one step of the document.
    document.undo();
    QCOMPARE(table->model()->rowCount(), 5);
    QCOMPARE(column(table, ScheduleView::Address).last(), QStringLiteral("-"));
    view.removeSchedule();
    QVERIFY(!document.design().main.schedules.contains(1));
    QVERIFY(!table->isVisibleTo(&view));
}

void TestScheduleView::profilePicture()
{
    const Catalogue catalogue(demoData());
    LoopConfig config = fullDesign().loops.at(0);
    LoopSchedule schedule = ScheduleRules::fromQuantities(
        config, ScheduleRules::records(LoopCalc::resolveDevices(config.devices, catalogue)));
    const LoopDeviceCheck check = LoopDeviceCheck::evaluate(config, schedule, 6.9, 250, 1, catalogue);
    const QImage image = VoltageProfile::picture(schedule, check, config.loopLength, QSize(600, 300));
    QCOMPARE(image.size(), QSize(600, 300));
    // Something besides the white background was drawn.
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            coloured += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    QVERIFY(coloured > 100);
}

QTEST_MAIN(TestScheduleView)
#include "tst_scheduleview.moc"

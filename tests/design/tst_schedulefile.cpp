#include "../setup/setupfixtures.h"

#include "design/designevaluation.h"
#include "design/designfile.h"
#include "loop/schedulerules.h"

#include <QtTest>

namespace
{

// Collects the warnings a refused file logs.
QStringList g_warnings;
void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        g_warnings << text;
}

// The full demo design with loop 1 of the main panel and loop 2 of the
// second box scheduled from their quantities.
Design scheduledDesign(const Catalogue &catalogue)
{
    Design design = Design::fromSetupData(fullDesign());
    const auto schedule = [&](SystemDesign &system, int loop) {
        const LoopConfig &config = system.loops.at(loop);
        LoopSchedule s = ScheduleRules::fromQuantities(
            config, ScheduleRules::records(LoopCalc::resolveDevices(config.devices, catalogue)));
        system.schedules.insert(loop, s);
    };
    schedule(design.main, 0);
    design.main.schedules[0].units[3].zone = QStringLiteral("Z1");
    design.main.schedules[0].units[3].location = QStringLiteral("Stair 2, level 3");
    schedule(design.boxes[1], 1);
    return design;
}

} // namespace

class TestScheduleFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTripByteForByte();
    void twoZeroUnchanged();
    void brokenRulesRefused_data();
    void brokenRulesRefused();
    void evaluationCarriesTheCheck();
};

void TestScheduleFile::roundTripByteForByte()
{
    const Catalogue catalogue(demoData());
    const Design design = scheduledDesign(catalogue);
    const QString text = DesignFile::compose(design);
    QVERIFY(text.startsWith(QStringLiteral("Setup format version:;2.1\n")));
    QVERIFY(text.contains(QStringLiteral("\nLoop schedule;Main panel;1\nUnit:;0;CP-300;1;;\n")));
    QVERIFY(text.contains(QStringLiteral("Loop schedule;Expansion box 2;2\nUnit:;10;SB-510 (loop);1;;\n")));
    QVERIFY(text.contains(QStringLiteral(";Z1;Stair 2, level 3\n")));
    Design read;
    QVERIFY(DesignFile::parse(text, read, catalogue));
    QCOMPARE(read, design);
    QCOMPARE(DesignFile::compose(read), text);
}

void TestScheduleFile::twoZeroUnchanged()
{
    const Catalogue catalogue(demoData());
    const SetupFile::SetupData data = fullDesign();
    const QString text = SetupFile::composeSetupText(data);
    Design read;
    QVERIFY(DesignFile::parse(text, read, catalogue));
    QVERIFY(read.main.schedules.isEmpty());
    QCOMPARE(DesignFile::compose(read), text);
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(read, catalogue);
    QVERIFY(evaluation.main.deviceChecks.isEmpty());
}

void TestScheduleFile::brokenRulesRefused_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");

    QTest::newRow("a unit too many")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;0;CP-300;1;;\nUnit:;0;CP-300;1;;\n"
        << "Schedule units do not match the devices of loop 1: CP-300 has 9 units in the schedule and 8 in the loop";
    QTest::newRow("an unknown device")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;0;XX-1;1;;\n"
        << "Schedule units do not match the devices of loop 1: CP-300 has 7 units";
    QTest::newRow("first position off the start distance")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;5;CP-300;1;;\n"
        << "Schedule position does not match the start distance of loop 1, line 2: 5";
    QTest::newRow("last position off the end distance")
        << "Unit:;180;SB-510 (loop);4;;\n" << "Unit:;175;SB-510 (loop);4;;\n"
        << "Schedule position does not match the end distance of loop 2 of expansion box 2, line 5: 175";
    QTest::newRow("a separator in a location")
        << ";Z1;Stair 2, level 3\n" << ";Z1;Stair 2; level 3\n" << "Invalid schedule line 5 in loop 1:";
    QTest::newRow("a location too long")
        << ";Z1;Stair 2, level 3\n" << ";Z1;" + QString(81, QLatin1Char('x')) + "\n"
        << "Schedule location longer than 80 characters in loop 1, line 5:";
    QTest::newRow("an address that is no number")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;0;CP-300;A1;;\n" << "Invalid schedule line 2 in loop 1:";
    // Numbers are read only as they are written: no sign, blank or leading zero.
    for (const char *position : {"+0", "00", "-0", " 0", "0 ", "", "2147483648"}) {
        QTest::addRow("position \"%s\"", position)
            << "Unit:;0;CP-300;1;;\n" << QString("Unit:;%1;CP-300;1;;\n").arg(position)
            << "Invalid schedule line 2 in loop 1:";
    }
    for (const char *address : {"0", "01", "+1", "-1", "1 ", ""}) {
        QTest::addRow("address \"%s\"", address)
            << "Unit:;0;CP-300;1;;\n" << QString("Unit:;0;CP-300;%1;;\n").arg(address)
            << "Invalid schedule line 2 in loop 1:";
    }
    QTest::newRow("a field too many")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;0;CP-300;1;;;\n" << "Invalid schedule line 2 in loop 1:";
    QTest::newRow("a field too few")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;0;CP-300;1;\n" << "Invalid schedule line 2 in loop 1:";
    QTest::newRow("no device")
        << "Unit:;0;CP-300;1;;\n" << "Unit:;0;;1;;\n" << "Invalid schedule line 2 in loop 1:";
    QTest::newRow("a loop the panel does not have")
        << "Loop schedule;Main panel;1\n" << "Loop schedule;Main panel;9\n"
        << "Loop schedule for a loop the design does not have: Loop schedule;Main panel;9";
}

void TestScheduleFile::brokenRulesRefused()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    const Catalogue catalogue(demoData());
    const QString text = replacedOnce(DesignFile::compose(scheduledDesign(catalogue)), from, to);
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    Design read;
    const bool ok = DesignFile::parse(text, read, catalogue);
    qInstallMessageHandler(previous);
    QVERIFY(!ok);
    QVERIFY2(g_warnings.join(QLatin1Char('\n')).contains(message), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    QVERIFY(read.main.schedules.isEmpty());
}

void TestScheduleFile::evaluationCarriesTheCheck()
{
    const Catalogue catalogue(demoData());
    Design design = scheduledDesign(catalogue);
    DesignEvaluation evaluation = DesignEvaluation::evaluate(design, catalogue);
    QCOMPARE(evaluation.main.deviceChecks.keys(), QList<int>{0});
    QCOMPARE(evaluation.boxes.at(1).deviceChecks.keys(), QList<int>{1});
    const LoopDeviceCheck &check = evaluation.main.deviceChecks.value(0);
    QCOMPARE(check.electrical.intact.drops.size(), 60);
    QCOMPARE(check.limit, evaluation.main.loopResults.at(0).results.maxVoltageDrop);
    QVERIFY(check.faultsText.isEmpty());
    QVERIFY(!evaluation.hasFault() || evaluation.main.panel.flags.any());

    // Two units on one address: the loop's check fails and so does the design.
    design.main.schedules[0].units[1].address = QStringLiteral("1");
    evaluation = DesignEvaluation::evaluate(design, catalogue);
    QVERIFY(evaluation.main.deviceChecks.value(0).hasFault());
    QVERIFY(evaluation.main.hasDeviceCheckFault());
    QVERIFY(evaluation.hasFault());
    // The maker's figures and verdicts are the same with or without a schedule.
    Design plain = design;
    plain.main.schedules.clear();
    const DesignEvaluation without = DesignEvaluation::evaluate(plain, catalogue);
    QCOMPARE(without.main.loopResults.at(0).faultsText, evaluation.main.loopResults.at(0).faultsText);
    QCOMPARE(without.main.panel.flags.any(), evaluation.main.panel.flags.any());
}

QTEST_GUILESS_MAIN(TestScheduleFile)
#include "tst_schedulefile.moc"

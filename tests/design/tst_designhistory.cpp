// The undo history of whole design states, what a model change drops, and
// the recovery copy; all without a window.
#include "../setup/setupfixtures.h"

#include "design/designhistory.h"
#include "setup/recoveryfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// A design told apart by its panel's model and its boxes' page names.
Design state(const char *text, const QStringList &boxes = {})
{
    Design design;
    design.main.config.model = QString::fromLatin1(text);
    for (const QString &name : boxes) {
        design.boxes.append(SystemDesign());
        design.boxes.last().name = name;
    }
    return design;
}

// Walks a history by a script: "a" records state a, "a@k" records it with
// merge key k, "u" undoes, "r" redoes, "s" marks saved, "c" closes the step.
// Returns the current text after each command, and "*" when modified.
QStringList run(DesignHistory &history, const QStringList &script)
{
    QStringList trail;
    for (const QString &command : script) {
        if (command == "u")
            history.undo();
        else if (command == "r")
            history.redo();
        else if (command == "s")
            history.markSaved();
        else if (command == "c")
            history.closeStep();
        else
            history.record(state(qPrintable(command.section('@', 0, 0))), command.section('@', 1).toUInt());
        trail << history.current().main.config.model + (history.isModified() ? "*" : "");
    }
    return trail;
}

} // namespace

class TestDesignHistory : public QObject
{
    Q_OBJECT

private slots:
    void walks_data();
    void walks();
    void sameStateIsNoStep();
    void limitForgetsTheOldest();
    void droppedByModelChange_data();
    void droppedByModelChange();
    void recoveryFileRoundTrip();
    void recoveryFileClaimedOnce();
    void damagedRecoveryFileIsSetAside();
};

void TestDesignHistory::walks_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("trail");
    // Every history starts at "0", which the file holds.
    QTest::newRow("undo and redo") << QStringList{"a", "b", "u", "u", "u", "r", "r", "r"}
                                   << QStringList{"a*", "b*", "a*", "0", "0", "a*", "b*", "b*"};
    QTest::newRow("an edit drops the redo")
        << QStringList{"a", "b", "u", "x", "r", "u"} << QStringList{"a*", "b*", "a*", "x*", "x*", "a*"};
    QTest::newRow("saved state") << QStringList{"a", "s", "b", "u", "u", "r"}
                                 << QStringList{"a*", "a", "b*", "a", "0*", "a"};
    QTest::newRow("saved state overwritten")
        << QStringList{"a", "s", "u", "b", "u", "r"} << QStringList{"a*", "a", "0*", "b*", "0*", "b*"};
    QTest::newRow("one key merges") << QStringList{"a@1", "b@1", "c@1", "u", "r"}
                                    << QStringList{"a*", "b*", "c*", "0", "c*"};
    QTest::newRow("another key starts a step")
        << QStringList{"a@1", "b@2", "u", "u"} << QStringList{"a*", "b*", "a*", "0"};
    QTest::newRow("closed step stays")
        << QStringList{"a@1", "c", "b@1", "u"} << QStringList{"a*", "a*", "b*", "a*"};
    QTest::newRow("no key never merges") << QStringList{"a", "b", "u"} << QStringList{"a*", "b*", "a*"};
    QTest::newRow("merged back to the start")
        << QStringList{"a", "b@1", "a@1", "u"} << QStringList{"a*", "b*", "a*", "0"};
    QTest::newRow("no merge into the saved state")
        << QStringList{"a@1", "s", "b@1", "u"} << QStringList{"a*", "a", "b*", "a"};
    QTest::newRow("undo closes the step")
        << QStringList{"a@1", "b@1", "u", "x@1", "y@1", "u"} << QStringList{"a*", "b*", "0", "x*", "y*", "0"};
}

void TestDesignHistory::walks()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, trail);
    DesignHistory history;
    history.reset(state("0"));
    QVERIFY(!history.isModified());
    QCOMPARE(run(history, script), trail);
}

void TestDesignHistory::sameStateIsNoStep()
{
    DesignHistory history;
    history.reset(state("x", {"B"}));
    QVERIFY(!history.record(state("x", {"B"})));
    QVERIFY(!history.canUndo());
    // The page names are part of the state.
    QVERIFY(history.record(state("x", {"B (2)"})));
    QVERIFY(history.canUndo());
    QVERIFY(history.isModified());
    history.markUnsaved();
    history.undo();
    QVERIFY(history.isModified()); // a restored design is held by no file
}

void TestDesignHistory::limitForgetsTheOldest()
{
    DesignHistory history(5);
    history.reset(state("0"));
    for (const char *s : {"1", "2", "3", "4", "5", "6"})
        history.record(state(s));
    QCOMPARE(history.size(), 5);
    int undos = 0;
    while (history.canUndo()) {
        history.undo();
        ++undos;
    }
    QCOMPARE(undos, 4);
    QCOMPARE(history.current().main.config.model, QStringLiteral("2"));
    // The saved state was forgotten: every state is unsaved now.
    QVERIFY(history.isModified());
}

void TestDesignHistory::droppedByModelChange_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("loopsBefore");
    QTest::addColumn<QStringList>("boxesBefore");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("loopsAfter");
    QTest::addColumn<QStringList>("expected"); // model|battery|cards|supplies|loops|boxes

    const QStringList full = fullDesign().panel;
    QStringList small = full;
    small[0] = "TXC 101";
    small[1] = "TVB 12-7";
    small[8] = "";
    small[9] = small[10] = "-";
    QTest::newRow("everything goes")
        << full << 6 << QStringList{"TXE 2", "TXE 2 (2)"} << small << 1
        << QStringList{"TXC 101",   "TVB 12-26",      "VRAL-2,ORN-PSLINK,ZEP-NET", "KSP900 EN,TVB 12-26",
                       "2,3,4,5,6", "TXE 2,TXE 2 (2)"};
    QStringList kept = full;
    kept[0] = "TXP 808";
    kept[8] = "ORN-PSLINK,ZEP-NET,VRAL-2";
    QTest::newRow("what the new model keeps is not dropped")
        << full << 6 << QStringList{} << kept << 6 << QStringList{"TXP 808", "", "", "", "", ""};
    QStringList twoCards = full;
    twoCards[8] = "VRAL-2,VRAL-2";
    QStringList oneCard = full;
    oneCard[0] = "TXP 808";
    oneCard[8] = "VRAL-2";
    QTest::newRow("loop cards are counted") << twoCards << 8 << QStringList{} << oneCard << 6
                                            << QStringList{"TXP 808", "", "VRAL-2", "", "7,8", ""};
    QTest::newRow("same model drops nothing")
        << full << 6 << QStringList{"TXE 2"} << full << 1 << QStringList{"", "", "", "", "", ""};
}

void TestDesignHistory::droppedByModelChange()
{
    QFETCH(QStringList, before);
    QFETCH(int, loopsBefore);
    QFETCH(QStringList, boxesBefore);
    QFETCH(QStringList, after);
    QFETCH(int, loopsAfter);
    QFETCH(QStringList, expected);
    SetupFile::SetupData old;
    old.panel = before;
    old.loops.resize(loopsBefore);
    SetupFile::SetupData now;
    now.panel = after;
    now.loops.resize(loopsAfter);
    Design oldDesign = Design::fromSetupData(old);
    for (const QString &name : boxesBefore) {
        oldDesign.boxes.append(SystemDesign());
        oldDesign.boxes.last().name = name;
    }
    const DroppedParts dropped = ::droppedByModelChange(oldDesign, Design::fromSetupData(now));
    const QString comma = QStringLiteral(",");
    QCOMPARE((QStringList{dropped.newModel, dropped.battery, dropped.cards.join(comma),
                          dropped.powerSupplies.join(comma), dropped.loops.join(comma),
                          dropped.boxes.join(comma)}),
             expected);
    QCOMPARE(dropped.isEmpty(), expected.mid(1).join(QString()).isEmpty());
}

void TestDesignHistory::recoveryFileRoundTrip()
{
    QTemporaryDir dir;
    const Catalogue catalogue(demoData());
    RecoveryFile recovery(dir.filePath("deep/recovery"));
    QVERIFY(!recovery.exists());
    const QString text = SetupFile::composeSetupText(fullDesign());
    QVERIFY(recovery.write(text, "/home/user/office_block.csv"));
    QVERIFY(recovery.exists());
    QVERIFY(qAbs(recovery.lastWritten().secsTo(QDateTime::currentDateTime())) < 60);
    QCOMPARE(recovery.sourceFile(), QStringLiteral("/home/user/office_block.csv"));
    SetupFile::SetupData data;
    QVERIFY(recovery.read(data, catalogue));
    QCOMPARE(data, fullDesign());
    // Written again in place: no temporary file is left beside it.
    QVERIFY(recovery.write(text, QString()));
    QCOMPARE(recovery.sourceFile(), QString());
    QCOMPARE(QDir(dir.filePath("deep/recovery")).entryList(QDir::Files | QDir::Hidden).size(), 2);
    recovery.remove();
    QVERIFY(!recovery.exists());
    QCOMPARE(QDir(dir.filePath("deep/recovery")).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void TestDesignHistory::recoveryFileClaimedOnce()
{
    QTemporaryDir dir;
    auto first = std::make_unique<RecoveryFile>(dir.path());
    RecoveryFile second(dir.path());
    QVERIFY(first->claim());
    QVERIFY(first->isClaimed());
    // Another run of the program must not take this run's copy: it keeps
    // its own beside it.
    QVERIFY(second.claim());
    QVERIFY(second.folder() != first->folder());
    const QString firstFolder = first->folder();
    first.reset();
    RecoveryFile third(dir.path());
    QVERIFY(third.claim());
    QCOMPARE(third.folder(), firstFolder);
}

void TestDesignHistory::damagedRecoveryFileIsSetAside()
{
    QTemporaryDir dir;
    const Catalogue catalogue(demoData());
    RecoveryFile recovery(dir.path());
    const QString text = SetupFile::composeSetupText(fullDesign());
    QVERIFY(recovery.write(text.left(text.size() / 2), QString()));
    SetupFile::SetupData data = fullDesign();
    data.panel[0] = "untouched";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Invalid loop headers"));
    const bool read = recovery.read(data, catalogue);
    QVERIFY(!read);
    QCOMPARE(data.panel.at(0), QStringLiteral("untouched"));
    const QString aside = recovery.setAside();
    QVERIFY(aside.contains("unsaved_design.damaged-"));
    QVERIFY(!recovery.exists());
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(kept.readAll()), text.left(text.size() / 2));
    // A second one the same second gets a name of its own.
    QVERIFY(recovery.write(QStringLiteral("junk"), QString()));
    const QString second = recovery.setAside();
    QVERIFY(!second.isEmpty() && second != aside);
}

QTEST_MAIN(TestDesignHistory)
#include "tst_designhistory.moc"

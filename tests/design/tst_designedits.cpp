// The document's typed panel edits: what each one changes beside its own
// value, that any sequence of them is taken back exactly by undo, and that
// the document's evaluation after each is that of the design from scratch.

#include "../setup/setupfixtures.h"

#include "design/designdocument.h"
#include "design/designjson.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

class TestDesignEdits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void consequences_data();
    void consequences();
    void boxes();
    void loopsThatComeBack();
    void randomEditsUndoToTheStart();
    void newLanguageEvaluatesAnew();

private:
    std::unique_ptr<Catalogue> m_catalogue;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DesignDocument> m_document;
    Design m_start;
};

void TestDesignEdits::initTestCase()
{
    m_catalogue = std::make_unique<Catalogue>(demoData());
    m_start = Design::fromSetupData(fullDesign()).normalised(*m_catalogue);
}

void TestDesignEdits::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_document =
        std::make_unique<DesignDocument>(m_catalogue.get(), m_dir->filePath(QStringLiteral("recovery")));
    m_document->reset(m_start, QString());
}

void TestDesignEdits::cleanup()
{
    m_document.reset();
    m_dir.reset();
}

using Edit = std::function<void(DesignDocument &)>;
Q_DECLARE_METATYPE(Edit)

void TestDesignEdits::consequences_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<int>("mainLoops");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("source1");

    // The full design: a TXP 816 with one loop card (4 base loops + 2), the
    // power card with KSP900 EN, the network card, two boxes.
    const QStringList cards{"VRAL-2", "ORN-PSLINK", "ZEP-NET"};
    QTest::newRow("model change drops cards, supplies, loops and boxes")
        << Edit([](DesignDocument &d) { d.changeModel(QStringLiteral("TXP 408")); }) << "TXP 408"
        << QStringList() << m_catalogue->findPanel(QStringLiteral("TXP 408")).baseLoops << 0 << QString();
    QTest::newRow("an unknown model changes nothing")
        << Edit([](DesignDocument &d) { d.changeModel(QStringLiteral("NO-SUCH")); }) << "TXP 816" << cards
        << 6 << 2 << "KSP900 EN";
    QTest::newRow("a second loop card brings two loops") << Edit([](DesignDocument &d) {
        d.setCards(-1, {"VRAL-2", "ORN-PSLINK", "ZEP-NET", "VRAL-2"});
    }) << "TXP 816" << QStringList{"VRAL-2", "VRAL-2", "ORN-PSLINK", "ZEP-NET"}
                                                         << 8 << 2 << "KSP900 EN";
    QTest::newRow("no loop card takes two loops away") << Edit([](DesignDocument &d) {
        d.setCards(-1, {"ORN-PSLINK", "ZEP-NET"});
    }) << "TXP 816" << QStringList{"ORN-PSLINK", "ZEP-NET"}
                                                       << 4 << 2 << "KSP900 EN";
    QTest::newRow("an unknown source is none, and its battery with it")
        << Edit([](DesignDocument &d) { d.setExternalPower(-1, "NO-PSU", "TVB 12-26", "", ""); }) << "TXP 816"
        << cards << 6 << 2 << QString();
}

void TestDesignEdits::consequences()
{
    QFETCH(Edit, edit);
    QFETCH(QString, model);
    QFETCH(QStringList, cards);
    QFETCH(int, mainLoops);
    QFETCH(int, boxes);
    QFETCH(QString, source1);

    edit(*m_document);
    const Design &after = m_document->design();
    QCOMPARE(after.main.config.model, model);
    QCOMPARE(after.main.config.cards, cards);
    QCOMPARE(after.main.loops.size(), mainLoops);
    QCOMPARE(after.boxes.size(), boxes);
    QCOMPARE(after.main.config.source1, source1);
    if (source1.isEmpty())
        QVERIFY(after.main.config.battery1.isEmpty());
    // What the document holds is what it evaluates: one loop result per loop.
    QCOMPARE(m_document->evaluation().main.loopResults.size(), mainLoops);
    // Loops that stay keep what they held.
    for (int i = 0; i < std::min(mainLoops, int(m_start.main.loops.size())); ++i)
        QCOMPARE(after.main.loops.at(i), m_start.main.loops.at(i));
    if (after != m_start) {
        m_document->undo();
        QCOMPARE(m_document->design(), m_start);
    }
}

void TestDesignEdits::boxes()
{
    const int max = m_catalogue->findPanel(QStringLiteral("TXP 816")).maxExpansionBoxes;
    // Named as the main panel names them: the third TXE 2 is "TXE 2 (3)".
    QVERIFY(max > 2);
    QVERIFY(m_document->addBox(QStringLiteral("TXE 2")));
    const SystemDesign &added = m_document->design().boxes.last();
    QCOMPARE(added.name, QStringLiteral("TXE 2 (3)"));
    QVERIFY(added.config.expansionBox);
    QCOMPARE(added.loops.size(), m_catalogue->findExpansionBox(QStringLiteral("TXE 2")).baseLoops);
    QVERIFY(!m_document->addBox(QStringLiteral("NO-SUCH-BOX")));
    while (m_document->design().boxes.size() < max)
        QVERIFY(m_document->addBox(QStringLiteral("TXE 2")));
    QVERIFY(!m_document->addBox(QStringLiteral("TXE 2")));

    m_document->removeBox(QStringLiteral("TXE 2 (2)"));
    QCOMPARE(m_document->design().boxes.size(), max - 1);
    QCOMPARE(m_document->design().boxes.at(1).name, QStringLiteral("TXE 2 (3)"));
    // A box's model is its own, whatever a configuration says.
    PanelConfig other = m_document->design().boxes.at(0).config;
    other.model = QStringLiteral("TXP 408");
    other.batteryDegradation = 40;
    m_document->setPanelConfig(0, other);
    QCOMPARE(m_document->design().boxes.at(0).config.model, QStringLiteral("TXE 2"));
    QCOMPARE(m_document->design().boxes.at(0).config.batteryDegradation, 40);
}

void TestDesignEdits::loopsThatComeBack()
{
    // A second loop card on the full design's main panel brings loops 7 and 8:
    // the seventh as its editor kept it, the eighth fresh; loops in use stay.
    PanelConfig config = m_start.main.config;
    config.cards.append(QStringLiteral("VRAL-2"));
    LoopConfig changed = m_start.main.loops.at(0);
    changed.loopLength += 100;
    const QMap<int, LoopConfig> returning{{2, changed}, {6, m_start.main.loops.at(0)}};
    QVERIFY(m_document->setPanelConfig(-1, config, 0, returning));
    const QVector<LoopConfig> &loops = m_document->design().main.loops;
    QCOMPARE(loops.size(), 8);
    QCOMPARE(loops.mid(0, 6), m_start.main.loops);
    QCOMPARE(loops.at(6), m_start.main.loops.at(0));
    QCOMPARE(loops.at(7), LoopConfig());
    QVERIFY(!m_document->setPanelConfig(-1, config, 0, returning));
    m_document->undo();
    QCOMPARE(m_document->design(), m_start);
}

void TestDesignEdits::randomEditsUndoToTheStart()
{
    QRandomGenerator random(20261209);
    QStringList models;
    for (const Panel &panel : m_catalogue->panels())
        models.append(panel.name);
    QStringList batteries{QString()};
    for (const Battery &battery : m_catalogue->batteries())
        batteries.append(battery.name);
    QStringList devices;
    for (const Device &device : m_catalogue->devices())
        devices.append(device.name);
    QVector<Design> states{m_document->design()};
    const auto pick = [&random](const QStringList &list) { return list.at(random.bounded(list.size())); };
    for (int i = 0; i < 1000; ++i) {
        DesignDocument &d = *m_document;
        const int system = random.bounded(-1, int(d.design().boxes.size()));
        QStringList offered;
        for (const AuxiliaryCard &card :
             m_catalogue->compatibleAuxiliaryCards(d.design().system(system)->config.model))
            offered.append(card.name);
        switch (random.bounded(10)) {
        case 0:
            d.changeModel(pick(models));
            break;
        case 1:
            d.setInternalBattery(system, pick(batteries));
            break;
        case 2:
            d.setOutputs(
                {random.bounded(0.5), random.bounded(0.5), random.bounded(0.5), random.bounded(0.5), 0, 0});
            break;
        case 3:
            if (!offered.isEmpty())
                d.setCards(system, {pick(offered), pick(offered), pick(offered)});
            break;
        case 4:
            d.setExternalPower(system, QStringLiteral("KSP900 EN"), pick(batteries), QString(), QString());
            break;
        case 5:
            d.setAdvancedSettings(system, random.bounded(100), random.bounded(101),
                                  pick(PanelConfig::idleTimes()), pick(PanelConfig::alarmTimes()));
            break;
        case 6: {
            QStringList boxes;
            for (const ExpansionBox &box :
                 m_catalogue->compatibleExpansionBoxes(d.design().main.config.model))
                boxes.append(box.name);
            if (!boxes.isEmpty())
                d.addBox(pick(boxes));
            break;
        }
        case 8:
        case 9: {
            const int loops = d.design().system(system)->loops.size();
            if (loops > 0)
                d.setQuantity(system, random.bounded(loops), pick(devices), random.bounded(-2, 40));
            break;
        }
        default:
            if (!d.design().boxes.isEmpty())
                d.removeBox(d.design().boxes.at(random.bounded(d.design().boxes.size())).name);
            break;
        }
        // Every state the edits leave is normalised, with as many loops as its cards give.
        const Design &now = d.design();
        QCOMPARE(now, now.normalised(*m_catalogue));
        for (int s = -1; s < now.boxes.size(); ++s)
            QCOMPARE(now.system(s)->loops.size(), now.system(s)->config.loopCount(*m_catalogue));
        if (now != states.last())
            states.append(now);
        // Only the systems an edit touched are evaluated again.
        const QJsonObject evaluated = DesignJson::designObject({}, now, d.evaluation());
        QCOMPARE(evaluated, DesignJson::designObject({}, now, DesignEvaluation::evaluate(now, *m_catalogue)));
    }
    QVERIFY(states.size() > 500);
    // The history keeps only so many steps; those it keeps come back exactly.
    const int steps = std::min(int(states.size()) - 1, m_document->history().size() - 1);
    for (int i = 0; i < steps; ++i) {
        m_document->undo();
        QCOMPARE(m_document->design(), states.at(states.size() - 2 - i));
    }
    for (int i = 0; i < steps; ++i)
        m_document->redo();
    QCOMPARE(m_document->design(), states.last());
}

namespace
{
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QStringLiteral("~") + QString::fromUtf8(source);
    }
};
} // namespace

void TestDesignEdits::newLanguageEvaluatesAnew()
{
    DesignDocument &d = *m_document;
    d.setQuantity(-1, 0, m_catalogue->devices().first().name, 250);
    const QJsonObject before = DesignJson::designObject({}, d.design(), d.evaluation());
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QJsonObject translated = DesignJson::designObject({}, d.design(), d.evaluation());
    const QJsonObject fresh =
        DesignJson::designObject({}, d.design(), DesignEvaluation::evaluate(d.design(), *m_catalogue));
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(translated != before);
    QCOMPARE(translated, fresh);
    QCOMPARE(DesignJson::designObject({}, d.design(), d.evaluation()), before);
}

QTEST_MAIN(TestDesignEdits)
#include "tst_designedits.moc"

#include "catalogue/catalogue.h"
#include "editors/expansionboxwidget.h"
#include "editors/panelwidget.h"
#include "panelfixture.h"
#include "widgets/messagebox.h"
#include "widgets/widgetfunctions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

// The selector text of a name: "-" for none.
static QString orDash(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

namespace
{

template <typename T> T *child(QWidget &w, const char *name)
{
    T *found = w.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString text(QWidget &w, const char *labelName)
{
    return child<QLabel>(w, labelName)->text();
}

// A control of the form itself: the loop rows reuse some of its label names.
QWidget *formChild(QWidget &w, const char *name)
{
    for (QWidget *found : w.findChildren<QWidget *>(QString::fromLatin1(name))) {
        bool inList = false;
        for (QObject *p = found->parent(); p && !inList; p = p->parent())
            inList = qobject_cast<QListWidget *>(p) != nullptr;
        if (!inList)
            return found;
    }
    qFatal("no form control %s", name);
    return nullptr;
}

// A widget of the current card rows (old rows linger until deleted later).
template <typename T> T *cardRowChild(QWidget &w, int row, const char *name)
{
    auto *list = child<QListWidget>(w, "auxCardsListWidget");
    return list->itemWidget(list->item(row))->findChild<T *>(QString::fromLatin1(name));
}

QPushButton *addButton(QWidget &w)
{
    return child<QPushButton>(w, "addExpansionBoxButton");
}

QStringList comboItems(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Rows are read through the list: rebuilt lists leave their old row widgets
// behind until the event loop deletes them.
struct BoxRow {
    QWidget *row;
    QString name;
    QLabel *status;
    QPushButton *remove;
};

QVector<BoxRow> boxRows(QWidget &w)
{
    auto *list = child<QListWidget>(w, "expansionBoxesListWidget");
    QVector<BoxRow> rows;
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        rows.append({row, row->findChild<QLabel *>(QStringLiteral("expansionBoxNameLabel"))->text(),
                     row->findChild<QLabel *>(QStringLiteral("expansionBoxStatusLabel")),
                     row->findChild<QPushButton *>(QStringLiteral("expansionBoxRemoveButton"))});
    }
    return rows;
}

QStringList rowNames(QWidget &w)
{
    QStringList names;
    for (const BoxRow &row : boxRows(w))
        names << row.name;
    return names;
}

BoxRow boxRow(QWidget &w, const QString &name)
{
    for (const BoxRow &row : boxRows(w)) {
        if (row.name == name)
            return row;
    }
    qFatal("no expansion box row %s", qPrintable(name));
    return {};
}

QStringList toolTipTexts(QWidget &w)
{
    QStringList texts;
    for (MyToolTip *tip : w.findChildren<MyToolTip *>())
        texts << tip->text();
    return texts;
}

// Answers the "Select Expansion Box" dialog while it runs: picks `choice`
// and presses OK, or presses Cancel when `choice` is empty. Records what the
// dialog showed. Any dialog that opens while it lives is answered, so a test
// that expects none cannot hang; it checks `shown` instead.
class DialogAnswer
{
public:
    explicit DialogAnswer(const QString &choice) : choice(choice)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { answer(); });
        timer.start();
    }

    int shown = 0;
    QString title;
    QString label;
    QStringList items;
    QSize minimumSize;
    bool contextHelpButton = true;
    bool modal = false;
    QWidget *parent = nullptr;

private:
    void answer()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ++shown;
        title = dialog->windowTitle();
        const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
        label = labels.isEmpty() ? QString() : labels.first()->text();
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("expansionBoxComboBox"));
        items = combo ? comboItems(combo) : QStringList();
        minimumSize = dialog->minimumSize();
        contextHelpButton = dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
        modal = dialog->isModal();
        parent = dialog->parentWidget();
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        if (!choice.isEmpty() && combo && buttons) {
            combo->setCurrentText(choice);
            buttons->button(QDialogButtonBox::Ok)->click();
        } else if (buttons) {
            buttons->button(QDialogButtonBox::Cancel)->click();
        } else {
            dialog->reject();
        }
    }

    QString choice;
    QTimer timer;
};

// Adds a box through the button and the dialog, as the user does.
void addBox(QWidget &w, const QString &choice)
{
    DialogAnswer answer(choice);
    QTest::mouseClick(addButton(w), Qt::LeftButton);
    QCOMPARE(answer.shown, 1);
}

} // namespace

class TestExpansionBoxes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    // The expansion box list of the main panel.
    void counterFollowsTheBoxes();
    void selectDialog();
    void displayNames();
    void cancelChangesNothing();
    void noCompatibleBoxes();
    void panelWithoutBoxes();
    void modelChangeRemovesEveryBox();
    void faultStatus_data();
    void faultStatus();
    void faultyBoxShowsAtOnce();
    void setExpansionBoxNames();

    // The expansion box editor.
    void boxEditorLayout();
    void boxEditorNeverChangesModel();
    void boxFiguresAreItsOwn();
    void boxApplyConfiguration();
    void boxResetKeepsModel();

private:
    CatalogueData data;
};

void TestExpansionBoxes::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    data = panelTestCatalogue();
    // KX-8000 takes 3 boxes (KXE-4, KXE-2), KX-7000 one (KXE-2 only),
    // KX-0100 three but none fits it; KX-0000 takes none.
    data.panels[1].maxExpansionBoxes = 1;
    Panel none = data.panels[0];
    none.name = QStringLiteral("KX-0000");
    none.maxExpansionBoxes = 0;
    data.panels.append(none);
}

void TestExpansionBoxes::init()
{
    MessageBox::setTestMode(true);
}

void TestExpansionBoxes::counterFollowsTheBoxes()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (0/3)"));
    QVERIFY(addButton(w)->isEnabled());

    QSignalSpy added(&w, &PanelWidget::expansionBoxAdded);
    for (int n = 1; n <= 3; ++n) {
        addBox(w, QStringLiteral("KXE-2"));
        QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (%1/3)").arg(n));
        QCOMPARE(addButton(w)->isEnabled(), n < 3);
        QCOMPARE(boxRows(w).size(), n);
    }
    QCOMPARE(added.count(), 3);

    // At the limit the button takes no click, so no dialog opens.
    {
        DialogAnswer answer(QStringLiteral("KXE-2"));
        QTest::mouseClick(addButton(w), Qt::LeftButton);
        QCOMPARE(answer.shown, 0);
    }
    QCOMPARE(added.count(), 3);

    // A row: its name, a green OK before any report, and its "Remove".
    const BoxRow first = boxRows(w).first();
    QCOMPARE(first.row->objectName(), QStringLiteral("listItem"));
    QCOMPARE(first.status->text(), QStringLiteral("OK"));
    QCOMPARE(first.status->styleSheet(), QStringLiteral("color: green;"));
    QCOMPARE(first.remove->text(), QStringLiteral("Remove"));
    QCOMPARE(first.remove->size(), QSize(80, 25));
    auto *list = child<QListWidget>(w, "expansionBoxesListWidget");
    QVERIFY(!(list->item(0)->flags() & Qt::ItemIsSelectable));
    QVERIFY(list->height() <= 200);

    QSignalSpy removed(&w, &PanelWidget::expansionBoxRemoved);
    boxRow(w, QStringLiteral("KXE-2 (2)")).remove->click();
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(0).toString(), QStringLiteral("KXE-2 (2)"));
    QCOMPARE(w.expansionBoxDisplayNames(), QStringList({"KXE-2", "KXE-2 (3)"}));
    QCOMPARE(rowNames(w), w.expansionBoxDisplayNames());
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (2/3)"));
    QVERIFY(addButton(w)->isEnabled());
    // The clicked row is deleted once its click is over; the rest stay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rowNames(w), QStringList({"KXE-2", "KXE-2 (3)"}));
}

void TestExpansionBoxes::selectDialog()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    {
        DialogAnswer answer(QStringLiteral("KXE-2"));
        QTest::mouseClick(addButton(w), Qt::LeftButton);
        QCOMPARE(answer.shown, 1);
        QCOMPARE(answer.title, QStringLiteral("Select Expansion Box"));
        QCOMPARE(answer.label, QStringLiteral("Select an expansion box:"));
        // The boxes for this panel, in catalogue order.
        QCOMPARE(answer.items, QStringList({"KXE-4", "KXE-2"}));
        QCOMPARE(answer.minimumSize, QSize(300, 150));
        QVERIFY(!answer.contextHelpButton);
        QVERIFY(answer.modal);
        QCOMPARE(answer.parent, static_cast<QWidget *>(&w));
    }
    QCOMPARE(w.expansionBoxDisplayNames(), QStringList({"KXE-2"}));

    // Another panel offers only the boxes that fit it.
    child<QComboBox>(w, "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
    DialogAnswer answer{QString()};
    QTest::mouseClick(addButton(w), Qt::LeftButton);
    QCOMPARE(answer.items, QStringList({"KXE-2"}));
}

void TestExpansionBoxes::displayNames()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QSignalSpy added(&w, &PanelWidget::expansionBoxAdded);
    for (int i = 0; i < 3; ++i)
        addBox(w, QStringLiteral("KXE-4"));
    const QStringList three = {"KXE-4", "KXE-4 (2)", "KXE-4 (3)"};
    QCOMPARE(w.expansionBoxDisplayNames(), three);
    QCOMPARE(rowNames(w), three);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(added.at(i).at(0).toString(), QStringLiteral("KXE-4")); // the base name for the editor
        QCOMPARE(added.at(i).at(1).toString(), three.at(i));
    }

    // The freed name is taken again, at the end of the list.
    boxRow(w, QStringLiteral("KXE-4 (2)")).remove->click();
    addBox(w, QStringLiteral("KXE-4"));
    QCOMPARE(w.expansionBoxDisplayNames(), QStringList({"KXE-4", "KXE-4 (3)", "KXE-4 (2)"}));
    QCOMPARE(added.last().at(1).toString(), QStringLiteral("KXE-4 (2)"));

    // Removing the first frees the plain name.
    boxRow(w, QStringLiteral("KXE-4")).remove->click();
    boxRow(w, QStringLiteral("KXE-4 (3)")).remove->click();
    addBox(w, QStringLiteral("KXE-4"));
    QCOMPARE(w.expansionBoxDisplayNames(), QStringList({"KXE-4 (2)", "KXE-4"}));
    QCOMPARE(rowNames(w), w.expansionBoxDisplayNames());
}

void TestExpansionBoxes::cancelChangesNothing()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    addBox(w, QStringLiteral("KXE-4"));
    QSignalSpy added(&w, &PanelWidget::expansionBoxAdded);
    QSignalSpy removed(&w, &PanelWidget::expansionBoxRemoved);
    QSignalSpy loops(&w, &PanelWidget::loopsChanged);
    QSignalSpy faults(&w, &PanelWidget::faultStateChanged);

    addBox(w, QString()); // cancelled
    QCOMPARE(added.count(), 0);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(loops.count(), 0);
    QCOMPARE(faults.count(), 0);
    QCOMPARE(w.expansionBoxDisplayNames(), QStringList({"KXE-4"}));
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (1/3)"));
}

void TestExpansionBoxes::noCompatibleBoxes()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.show();
    child<QComboBox>(w, "panelComboBox")->setCurrentText(QStringLiteral("KX-0100"));
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (0/3)"));
    QSignalSpy added(&w, &PanelWidget::expansionBoxAdded);
    {
        DialogAnswer answer(QStringLiteral("KXE-4"));
        QTest::mouseClick(addButton(w), Qt::LeftButton);
        QCOMPARE(answer.shown, 0);
    }
    QCOMPARE(toolTipTexts(w), QStringList({"No compatible expansion boxes available for this panel."}));
    QCOMPARE(added.count(), 0);
    QVERIFY(w.expansionBoxDisplayNames().isEmpty());
}

void TestExpansionBoxes::panelWithoutBoxes()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    child<QComboBox>(w, "panelComboBox")->setCurrentText(QStringLiteral("KX-0000"));
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (0/0)"));
    QVERIFY(!addButton(w)->isEnabled());

    // Without a catalogue there is no panel and nothing to add.
    const Catalogue empty{CatalogueData()};
    PanelWidget none(&empty);
    QCOMPARE(addButton(none)->text(), QStringLiteral("Add expansion box (0/0)"));
    QVERIFY(!addButton(none)->isEnabled());
}

void TestExpansionBoxes::modelChangeRemovesEveryBox()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    addBox(w, QStringLiteral("KXE-4"));
    addBox(w, QStringLiteral("KXE-2"));
    w.onExpansionBoxFaultChanged(QStringLiteral("KXE-2"), true, false, false);

    QStringList order;
    connect(&w, &PanelWidget::expansionBoxRemoved, this,
            [&](const QString &name) { order << QStringLiteral("removed ") + name; });
    connect(&w, &PanelWidget::loopsChanged, this, [&](int n) { order << QStringLiteral("loops %1").arg(n); });
    connect(&w, &PanelWidget::panelChanged, this, [&](const QString &name) { order << name; });
    child<QComboBox>(w, "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));

    QCOMPARE(order, QStringList({"removed KXE-4", "removed KXE-2", "loops 2", "KX-7000"}));
    QVERIFY(w.expansionBoxDisplayNames().isEmpty());
    QCOMPARE(child<QListWidget>(w, "expansionBoxesListWidget")->count(), 0);
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (0/1)"));
    QVERIFY(addButton(w)->isEnabled());
}

void TestExpansionBoxes::faultStatus_data()
{
    QTest::addColumn<bool>("battery");
    QTest::addColumn<bool>("powerLoad");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<bool>("faulty");
    QTest::newRow("healthy") << false << false << false << false;
    QTest::newRow("battery") << true << false << false << true;
    QTest::newRow("power load") << false << true << false << true;
    QTest::newRow("loop") << false << false << true << true;
    QTest::newRow("all") << true << true << true << true;
}

void TestExpansionBoxes::faultStatus()
{
    QFETCH(bool, battery);
    QFETCH(bool, powerLoad);
    QFETCH(bool, loop);
    QFETCH(bool, faulty);
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.setExpansionBoxNames({"KXE-4", "KXE-2"});

    // From the opposite state, so every report has something to change.
    w.onExpansionBoxFaultChanged(QStringLiteral("KXE-2"), !faulty, false, false);
    w.onExpansionBoxFaultChanged(QStringLiteral("KXE-2"), battery, powerLoad, loop);
    const BoxRow row = boxRow(w, QStringLiteral("KXE-2"));
    QCOMPARE(row.status->text(), faulty ? QStringLiteral("FAULT") : QStringLiteral("OK"));
    QCOMPARE(row.status->styleSheet(),
             faulty ? QStringLiteral("color: red;") : QStringLiteral("color: green;"));
    QCOMPARE(row.row->property("fault").toBool(), faulty);

    // The other box is untouched.
    const BoxRow other = boxRow(w, QStringLiteral("KXE-4"));
    QCOMPARE(other.status->text(), QStringLiteral("OK"));
    QCOMPARE(other.row->property("fault").toBool(), false);

    // The state survives a rebuild of the list.
    w.setExpansionBoxNames({"KXE-2", "KXE-4"});
    QCOMPARE(boxRow(w, QStringLiteral("KXE-2")).status->text(),
             faulty ? QStringLiteral("FAULT") : QStringLiteral("OK"));
    QCOMPARE(boxRow(w, QStringLiteral("KXE-2")).row->property("fault").toBool(), faulty);
}

void TestExpansionBoxes::faultyBoxShowsAtOnce()
{
    // The main window reports a new box's state as soon as it has built it.
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    connect(&w, &PanelWidget::expansionBoxAdded, &w, [&w](const QString &, const QString &displayName) {
        w.onExpansionBoxFaultChanged(displayName, true, false, false);
    });
    addBox(w, QStringLiteral("KXE-4"));
    const BoxRow row = boxRow(w, QStringLiteral("KXE-4"));
    QCOMPARE(row.status->text(), QStringLiteral("FAULT"));
    QCOMPARE(row.status->styleSheet(), QStringLiteral("color: red;"));
    QVERIFY(row.row->property("fault").toBool());
}

void TestExpansionBoxes::setExpansionBoxNames()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    addBox(w, QStringLiteral("KXE-4"));
    QSignalSpy added(&w, &PanelWidget::expansionBoxAdded);
    QSignalSpy removed(&w, &PanelWidget::expansionBoxRemoved);
    QSignalSpy loops(&w, &PanelWidget::loopsChanged);
    QSignalSpy panel(&w, &PanelWidget::panelChanged);

    w.setExpansionBoxNames({"KXE-2", "KXE-4", "KXE-4 (2)"});
    QCOMPARE(rowNames(w), QStringList({"KXE-2", "KXE-4", "KXE-4 (2)"}));
    QCOMPARE(addButton(w)->text(), QStringLiteral("Add expansion box (3/3)"));
    QVERIFY(!addButton(w)->isEnabled());
    QCOMPARE(added.count() + removed.count() + loops.count() + panel.count(), 0);

    // Names continue from the list that was set.
    w.setExpansionBoxNames({"KXE-4", "KXE-4 (2)"});
    addBox(w, QStringLiteral("KXE-4"));
    QCOMPARE(w.expansionBoxDisplayNames().last(), QStringLiteral("KXE-4 (3)"));
}

void TestExpansionBoxes::boxEditorLayout()
{
    Catalogue catalogue(data);
    ExpansionBoxWidget w(&catalogue, QStringLiteral("KXE-4"));
    QVERIFY(w.isExpansionBox());
    for (const char *name : {"panelOutputLabel", "idleCurrentLabel", "alarmCurrentLabel", "aux24VLabel",
                             "aux24VIdleDSpinBox", "aux24VAlarmDSpinBox", "snd1Label", "snd1IdleDSpinBox",
                             "snd1AlarmDSpinBox", "snd2Label", "snd2IdleDSpinBox", "snd2AlarmDSpinBox",
                             "expansionBoxesLabel", "addExpansionBoxButton", "expansionBoxesListWidget"}) {
        QVERIFY2(formChild(w, name)->isHidden(), name);
    }
    for (const char *name :
         {"battComboBox", "auxCardsListWidget", "externalPowerSource1ComboBox", "battDegradationSpinBox",
          "totalIdleCurrentValueLabel", "individualLoopCurrentsList", "resetPanelButton"}) {
        QVERIFY2(!formChild(w, name)->isHidden(), name);
    }

    auto *model = child<QComboBox>(w, "panelComboBox");
    QCOMPARE(comboItems(model), QStringList({"KXE-4"}));
    QVERIFY(!model->isEnabled());
    QCOMPARE(w.modelName(), QStringLiteral("KXE-4"));
    QCOMPARE(text(w, "sysGeneralLabel"), QStringLiteral("Expansion Box Configuration"));
    QCOMPARE(text(w, "panelLabel"), QStringLiteral("Expansion Box"));

    // The box's own record: 17 Ah inside (the first panel takes only 12),
    // four base loops (the first panel has two), and its own cards.
    QCOMPARE(comboItems(child<QComboBox>(w, "battComboBox")),
             QStringList({"No internal battery", "BAT-7", "BAT-12", "BAT-17"}));
    QCOMPARE(w.currentLoopCount(), 4);
    QCOMPARE(child<QListWidget>(w, "individualLoopCurrentsList")->count(), 4);
    auto *cards = child<QListWidget>(w, "auxCardsListWidget");
    QStringList cardNames;
    for (int i = 0; i < cards->count(); ++i)
        cardNames << cardRowChild<QLabel>(w, i, "auxCardNameLabel")->text();
    QCOMPARE(cardNames, QStringList({"VRAL-2", "ORN-PSLINK", "ZEP-1", "ZEP-2"}));
    QCOMPARE(comboItems(child<QComboBox>(w, "externalPowerSource1ComboBox")),
             QStringList({"No external power source", "PSU-12", "PSU-7"}));

    // Loop cards up to the box's own limit of 8 loops.
    QVERIFY(w.addLoopCards(4));
    QCOMPARE(w.currentLoopCount(), 8);
    QVERIFY(!w.addLoopCards(2));
}

void TestExpansionBoxes::boxEditorNeverChangesModel()
{
    Catalogue catalogue(data);
    ExpansionBoxWidget w(&catalogue, QStringLiteral("KXE-2"));
    QSignalSpy panel(&w, &PanelWidget::panelChanged);
    QSignalSpy loops(&w, &PanelWidget::loopsChanged);
    // Even if the selector were moved, no model change may run in a box.
    auto *model = child<QComboBox>(w, "panelComboBox");
    model->addItem(QStringLiteral("KX-8000"));
    model->setCurrentIndex(1);
    QCOMPARE(panel.count(), 0);
    QCOMPARE(loops.count(), 0);
    QCOMPARE(w.currentLoopCount(), 1);
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.0800000 A"));
}

void TestExpansionBoxes::boxFiguresAreItsOwn()
{
    Catalogue catalogue(data);
    PanelWidget main(&catalogue);
    ExpansionBoxWidget box(&catalogue, QStringLiteral("KXE-4"));
    // Only the box's own consumption: 0.12 / 0.18 A (the panel's is 0.2 / 0.3).
    QCOMPARE(text(box, "totalIdleCurrentValueLabel"), QStringLiteral("0.1200000 A"));
    QCOMPARE(text(box, "totalAlarmCurrentValueLabel"), QStringLiteral("0.1800000 A"));

    main.onUpdateLoopCurrents(0, 0.36, 0.72);
    box.onUpdateLoopCurrents(0, 0.036, 0.072); // 0.055 / 0.11 A after 55/36
    QTest::mouseClick(cardRowChild<QPushButton>(box, 0, "auxCardAddButton"), Qt::LeftButton); // VRAL-2
    QCOMPARE(box.currentLoopCount(), 6);
    cardRowChild<QCheckBox>(box, 2, "auxCardCheckBox")->setChecked(true); // ZEP-1

    // idle 0.055 + 0.05 (loop card) + 0.03 (ZEP-1) + 0.12 = 0.255;
    // alarm 0.11 + 0.05 + 0.03 + 0.18 = 0.37.
    QCOMPARE(text(box, "totalIdleCurrentValueLabel"), QStringLiteral("0.2550000 A"));
    QCOMPARE(text(box, "totalAlarmCurrentValueLabel"), QStringLiteral("0.3700000 A"));
    // 72 h, 30 min, 20 %: 1.25 * (0.5 * 0.37 + 72 * 0.255) = 23.18125.
    QCOMPARE(text(box, "minBattRequiredValueLabel"), QStringLiteral("23.18 Ah"));
    // The main panel saw none of it: 0.55 + 0.2 = 0.75.
    QCOMPARE(text(main, "totalIdleCurrentValueLabel"), QStringLiteral("0.7500000 A"));

    // Judged against the box's 3 A supply, not the panel's 2 A:
    // 1.44 * 55/36 = 2.2 A more gives 2.57 A.
    QSignalSpy faults(&box, &PanelWidget::faultStateChanged);
    box.onUpdateLoopCurrents(1, 0, 1.44);
    QCOMPARE(text(box, "totalAlarmCurrentValueLabel"), QStringLiteral("2.5700000 A"));
    QVERIFY(text(box, "totalPwrLoadStatusLabel").startsWith(QStringLiteral("System's power load OK.")));
    QVERIFY(!box.computeFaultFlags().hasPowerLoadFault);
    QVERIFY(!faults.last().at(1).toBool());
    box.onUpdateLoopCurrents(1, 0, 1.8); // 2.75 A more: 3.12 A
    QVERIFY(box.computeFaultFlags().hasPowerLoadFault);
    QVERIFY(faults.last().at(1).toBool());

    // The box's report notes use its own figures too.
    QVERIFY(box.powerReportNotes().contains(QStringLiteral("Panel maximum capacity: 3 A")));
}

void TestExpansionBoxes::boxApplyConfiguration()
{
    Catalogue catalogue(data);
    ExpansionBoxWidget w(&catalogue, QStringLiteral("KXE-4"));
    QSignalSpy loops(&w, &PanelWidget::loopsChanged);
    QSignalSpy panel(&w, &PanelWidget::panelChanged);
    PanelConfig config;
    config.expansionBox = true;
    config.model = QStringLiteral("KX-8000");
    config.internalBattery = QStringLiteral("BAT-17");
    config.cards = QStringList{"VRAL-2", "ORN-PSLINK", "VRAL-2", "ZEP-1"};
    config.source1 = QStringLiteral("PSU-12");
    config.battery1 = QStringLiteral("BAT-7");
    config.source2 = QStringLiteral("PSU-7");
    config.batteryDegradation = 35;
    config.soundersActive = 50;
    config.idleTime = QStringLiteral("24 h");
    config.alarmTime = QStringLiteral("5 min");
    w.applyConfig(config);
    // Its selector holds only its own model, so the model stays.
    QCOMPARE(w.modelName(), QStringLiteral("KXE-4"));
    QCOMPARE(panel.count(), 0);
    // BAT-17 fits only the box (the first panel takes 12 Ah).
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("BAT-17"));
    QCOMPARE(w.configuration().cards, QStringList({"VRAL-2", "VRAL-2", "ORN-PSLINK", "ZEP-1"}));
    QCOMPARE(w.currentLoopCount(), 8);
    QCOMPARE(loops.last().at(0).toInt(), 8);
    QCOMPARE(orDash(w.configuration().source1), QStringLiteral("PSU-12"));
    QCOMPARE(orDash(w.configuration().battery1), QStringLiteral("BAT-7"));
    QCOMPARE(orDash(w.configuration().source2), QStringLiteral("PSU-7"));
    QCOMPARE(orDash(w.configuration().battery2), QStringLiteral("-"));
    QCOMPARE(w.configuration().batteryDegradation, 35);
    QCOMPARE(w.configuration().soundersActive, 50);
    QCOMPARE(w.configuration().idleTime, QStringLiteral("24 h"));
    QCOMPARE(w.configuration().alarmTime, QStringLiteral("5 min"));
    QCOMPARE(w.configuration().outputs.aux24VAlarm + w.configuration().outputs.snd1Alarm +
                 w.configuration().outputs.snd2Alarm, 0.0);
    // 17 + 7 Ah.
    QCOMPARE(text(w, "currentSelectedBattValueLabel"), QStringLiteral("24.00 Ah"));
    // 0.12 + 2 * 0.05 + 0.02 + 0.03 = 0.27 A in idle.
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2700000 A"));
}

void TestExpansionBoxes::boxResetKeepsModel()
{
    Catalogue catalogue(data);
    ExpansionBoxWidget w(&catalogue, QStringLiteral("KXE-4"));
    PanelConfig config;
    config.expansionBox = true;
    config.model = QStringLiteral("KXE-4");
    config.internalBattery = QStringLiteral("BAT-17");
    config.cards = QStringList{"VRAL-2", "ORN-PSLINK"};
    config.source1 = QStringLiteral("PSU-12");
    config.battery1 = QStringLiteral("BAT-7");
    config.batteryDegradation = 35;
    config.soundersActive = 50;
    config.idleTime = QStringLiteral("24 h");
    config.alarmTime = QStringLiteral("5 min");
    w.applyConfig(config);
    QSignalSpy loops(&w, &PanelWidget::loopsChanged);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(w, "resetPanelButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::takeShown().size(), 1);
    QCOMPARE(w.modelName(), QStringLiteral("KXE-4"));
    QCOMPARE(loops.last().at(0).toInt(), 4);
    QCOMPARE(w.configuration().cards, QStringList());
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("-"));
    QCOMPARE(orDash(w.configuration().source1), QStringLiteral("-"));
    // The box's battery range and consumption are still its own.
    QCOMPARE(child<QComboBox>(w, "battComboBox")->count(), 4);
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.1200000 A"));
    QVERIFY(child<QWidget>(w, "aux24VIdleDSpinBox")->isHidden());
}

QTEST_MAIN(TestExpansionBoxes)
#include "tst_expansionboxes.moc"

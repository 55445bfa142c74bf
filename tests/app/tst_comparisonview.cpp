#include "../setup/setupfixtures.h"

#include "app/comparisonview.h"
#include "design/designdocument.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

// The comparison view follows the open document: it shows the changes since
// the other revision grouped, verdicts first, marked by kind, and leads to
// their place.
class TestComparisonView : public QObject
{
    Q_OBJECT
private slots:
    void followsTheDocumentAndLeadsToThePlace();

private:
    Catalogue catalogue{demoData()};
};

void TestComparisonView::followsTheDocumentAndLeadsToThePlace()
{
    QTemporaryDir recovery;
    DesignDocument document(&catalogue, recovery.path());
    const Design revision = Design::fromSetupData(fullDesign());
    document.reset(revision, QString());
    ComparisonView view(&document, revision, "/tmp/rev-A.csv");
    QCOMPARE(view.tree()->topLevelItemCount(), 0);
    QVERIFY(view.summary().contains("rev-A.csv"));
    QVERIFY(view.windowTitle().contains("rev-A.csv"));

    // An edit redraws once its event is over.
    document.setQuantity(-1, 0, "OD-210", 41);          // a quantity in loop 1
    document.setQuantity(1, 2, "MD-230", 0);            // a device gone from box 2's loop 3
    document.setQuantity(-1, 3, "VAD-520 (loop)", 250); // far too many sounders on loop 4
    QCOMPARE(view.tree()->topLevelItemCount(), 0);
    QTRY_VERIFY(view.tree()->topLevelItemCount() > 0);
    int entries = 0;
    for (int i = 0; i < view.tree()->topLevelItemCount(); ++i)
        entries += view.tree()->topLevelItem(i)->childCount();
    QCOMPARE(entries, view.comparison().differences.size());

    // Verdicts at the top, a fault marked as one.
    QTreeWidgetItem *verdicts = view.tree()->topLevelItem(0);
    QCOMPARE(verdicts->text(0), QString("Verdicts"));
    QCOMPARE(verdicts->child(0)->data(0, ComparisonView::MarkRole).toString(), QString("fault"));

    // Each entry marked by kind and leading to its panel or loop.
    QStringList marks;
    QTreeWidgetItem *removed = nullptr;
    for (int i = 0; i < view.tree()->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = view.tree()->topLevelItem(i);
        for (int j = 0; j < group->childCount(); ++j) {
            QTreeWidgetItem *item = group->child(j);
            marks << item->data(0, ComparisonView::MarkRole).toString();
            if (item->data(0, ComparisonView::MarkRole).toString() == "removed")
                removed = item;
        }
    }
    QVERIFY(marks.contains("changed"));
    QCOMPARE(marks.count("removed"), 1);
    QVERIFY(removed);
    QVERIFY(removed->text(1).contains("MD-230"));
    QSignalSpy activated(&view, &ComparisonView::placeActivated);
    emit view.tree()->itemActivated(removed, 1);
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated.first().at(0).toInt(), 1);
    QCOMPARE(activated.first().at(1).toInt(), 2);
    // A group title leads nowhere.
    emit view.tree()->itemActivated(verdicts, 0);
    QCOMPARE(activated.size(), 1);

    // Undoing everything leaves no changes.
    document.undo();
    document.undo();
    document.undo();
    QTRY_COMPARE(view.tree()->topLevelItemCount(), 0);
    QVERIFY(view.summary().startsWith("No changes"));
}

QTEST_MAIN(TestComparisonView)
#include "tst_comparisonview.moc"

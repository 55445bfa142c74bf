// Every page of the window laid out on a small laptop screen (1366x768) with
// the demo product range: nothing squeezed below its size, no text wider than
// its label, scroll bars where the page is taller than the screen; and on a
// large screen (2560x1440) the pages use the width.
#include "app/mainwindow.h"
#include "systemfixtures.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QTranslator>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace SystemFixtures;

namespace
{

void settle()
{
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents();
}

QTabWidget *pages(MainWindow &window)
{
    return child<QTabWidget>(&window, "externalTabWidget");
}

QString where(const QWidget *widget)
{
    QStringList path;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            path.prepend(w->objectName());
    }
    return path.join(QLatin1Char('/'));
}

// What is wrong with the visible labels and controls of one page.
QStringList layoutProblems(QWidget *page)
{
    QStringList problems;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        if (label->wordWrap()) {
            // Wrapped text needs the height of its lines at this width.
            if (label->heightForWidth(label->width()) > label->height() + 1)
                problems << QStringLiteral("%1: wrapped text needs %2 px, has %3 px")
                                .arg(where(label))
                                .arg(label->heightForWidth(label->width()))
                                .arg(label->height());
            continue;
        }
        int needed = 0;
        if (rich) {
            needed = label->minimumSizeHint().width();
            if (needed > label->width())
                problems << QStringLiteral("%1: rich text needs %2 px, has %3 px")
                                .arg(where(label))
                                .arg(needed)
                                .arg(label->width());
            continue;
        }
        const QFontMetrics metrics(label->font());
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            needed = qMax(needed, metrics.horizontalAdvance(line));
        if (needed > room.width())
            problems << QStringLiteral("%1 \"%2\": text %3 px wide, label %4 px")
                            .arg(where(label), label->text())
                            .arg(needed)
                            .arg(room.width());
    }
    const auto controls = page->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisible() ||
            !(qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control) ||
              qobject_cast<QAbstractSpinBox *>(control)))
            continue;
        // What a layout must give it: a size set on purpose, otherwise the
        // smaller of its hints (styled spin boxes hint a minimum above their
        // fixed height).
        QSize needed = control->minimumSizeHint().boundedTo(control->sizeHint());
        if (control->minimumWidth() > 0)
            needed.setWidth(control->minimumWidth());
        if (control->minimumHeight() > 0)
            needed.setHeight(control->minimumHeight());
        if (control->width() < needed.width() || control->height() < needed.height())
            problems << QStringLiteral("%1: squeezed to %2x%3, needs %4x%5")
                            .arg(where(control))
                            .arg(control->width())
                            .arg(control->height())
                            .arg(needed.width())
                            .arg(needed.height());
        // Whatever its size, a button's caption must fit.
        if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            if (!button->text().isEmpty() && text > button->contentsRect().width())
                problems << QStringLiteral("%1 \"%2\": caption %3 px wide, button %4 px")
                                .arg(where(button), button->text())
                                .arg(text)
                                .arg(button->contentsRect().width());
        }
    }
    // A page taller or wider than its room scrolls.
    for (QScrollArea *area : page->findChildren<QScrollArea *>()) {
        if (!area->isVisible() || !area->widget() || !area->widgetResizable())
            continue;
        const QSize needed = area->widget()->minimumSizeHint();
        const QSize room = area->maximumViewportSize();
        if (needed.height() > room.height() && !area->verticalScrollBar()->isVisible())
            problems << QStringLiteral("%1: %2 px tall in %3 px, no scroll bar")
                            .arg(where(area))
                            .arg(needed.height())
                            .arg(room.height());
        if (needed.width() > room.width() && !area->horizontalScrollBar()->isVisible())
            problems << QStringLiteral("%1: %2 px wide in %3 px, no scroll bar")
                            .arg(where(area))
                            .arg(needed.width())
                            .arg(room.width());
    }
    return problems;
}

// The demo range with a real installation: a TXP 408 main panel whose first
// loop holds devices, and an expansion box.
void buildInstallation(MainWindow &window)
{
    SystemContainerWidget *main = qobject_cast<SystemContainerWidget *>(pages(window)->widget(0));
    PanelWidget *panel = main->panelWidget();
    child<QComboBox>(panel, "panelComboBox")->setCurrentText(QStringLiteral("TXP 408"));
    QMap<QString, int> devices;
    LoopWidget *loop = main->loopWidgets().at(0);
    auto *tree = child<QTreeWidget>(loop, "devAvailableTree");
    int taken = 0;
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NoChildren); *it && taken < 6;
         ++it, ++taken)
        devices.insert((*it)->text(0), 3 + taken);
    loop->applyDevices(devices);

    ModalAnswerer answerer([](QDialog *dialog) {
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("expansionBoxComboBox"));
        if (!combo)
            qFatal("not the expansion box dialog");
        combo->setCurrentIndex(0);
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(panel, "addExpansionBoxButton")->click();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyPageFitsASmallScreen_data();
    void everyPageFitsASmallScreen();
    void pagesUseAWideScreen();

private:
    Catalogue *m_catalogue = nullptr;
};

void TestLayout::initTestCase()
{
    initGuiResources();
    MessageBox::setTestMode(true);
    m_catalogue = new Catalogue(demoData());
}

void TestLayout::cleanupTestCase()
{
    delete m_catalogue;
}

// English always; every other language whose translation the build made.
void TestLayout::everyPageFitsASmallScreen_data()
{
    QTest::addColumn<QString>("translation");
    QTest::newRow("en") << QString();
    const QDir built(QStringLiteral(KALVIX_BUILD_DIR "/translations"));
    for (const QString &file : built.entryList({QStringLiteral("Kalvix_*.qm")}, QDir::Files)) {
        if (file != QLatin1String("Kalvix_en.qm"))
            QTest::newRow(qPrintable(file)) << built.filePath(file);
    }
}

void TestLayout::everyPageFitsASmallScreen()
{
    QFETCH(QString, translation);
    QTranslator translator;
    if (!translation.isEmpty()) {
        QVERIFY(translator.load(translation));
        QCoreApplication::installTranslator(&translator);
    }
    MainWindow window(m_catalogue);
    buildInstallation(window);
    QCOMPARE(pages(window)->count(), 2);
    // Room left by a desktop's title bar and panel on a 1366x768 screen.
    const QSize screen(1366, 740);
    window.resize(screen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    settle();
    QVERIFY2(window.minimumSizeHint().width() <= screen.width() &&
                 window.minimumSizeHint().height() <= screen.height(),
             qPrintable(QStringLiteral("window needs %1x%2")
                            .arg(window.minimumSizeHint().width())
                            .arg(window.minimumSizeHint().height())));
    QCOMPARE(window.size(), screen);

    int pagesChecked = 0;
    QStringList problems;
    for (int p = 0; p < pages(window)->count(); ++p) {
        pages(window)->setCurrentIndex(p);
        auto *container = qobject_cast<SystemContainerWidget *>(pages(window)->widget(p));
        QTabWidget *tabs = tabsOf(container);
        for (int t = 0; t < tabs->count(); ++t) {
            if (!tabs->isTabVisible(t))
                continue;
            tabs->setCurrentIndex(t);
            settle();
            for (const QString &problem : layoutProblems(tabs->widget(t)))
                problems << pages(window)->tabText(p) + QLatin1Char('/') + tabs->tabText(t) +
                                QStringLiteral(": ") + problem;
            ++pagesChecked;
        }
    }
    // QtTest cuts long messages short: list every problem first.
    for (const QString &problem : qAsConst(problems))
        qInfo().noquote() << problem;
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 layout problems").arg(problems.size())));
    QVERIFY(pagesChecked >= 6); // panel, 2 loops; box, 2 loops
    QCoreApplication::removeTranslator(&translator);
}

void TestLayout::pagesUseAWideScreen()
{
    MainWindow window(m_catalogue);
    buildInstallation(window);
    window.resize(2560, 1400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    settle();
    auto *main = qobject_cast<SystemContainerWidget *>(pages(window)->widget(0));
    QTabWidget *tabs = tabsOf(main);
    const int pageWidth = tabs->width();

    tabs->setCurrentIndex(0);
    settle();
    QWidget *left = child<QWidget>(main->panelWidget(), "leftColumn");
    QWidget *right = child<QWidget>(main->panelWidget(), "rightColumn");
    QVERIFY2(
        left->width() + right->width() > pageWidth * 8 / 10,
        qPrintable(
            QStringLiteral("columns %1 + %2 of %3").arg(left->width()).arg(right->width()).arg(pageWidth)));

    tabs->setCurrentIndex(1);
    settle();
    LoopWidget *loop = main->loopWidgets().at(0);
    QWidget *tree = child<QWidget>(loop, "devAvailableTree");
    QWidget *view = child<QWidget>(loop, "stackedWidget");
    QVERIFY2(
        tree->width() + view->width() > pageWidth / 2,
        qPrintable(
            QStringLiteral("tree %1 + view %2 of %3").arg(tree->width()).arg(view->width()).arg(pageWidth)));
    const QStringList problems = layoutProblems(loop);
    for (const QString &problem : problems)
        qInfo().noquote() << problem;
    QVERIFY(problems.isEmpty());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"

// Renders the whole program for review, as a customer would see it: the real
// main window on the installed data (run `Kalvix --import-data-pack` first,
// with the same HOME / XDG_DATA_HOME), holding a realistic installation: a
// panel with two loop cards and four populated loops (one in fault) and one
// expansion box with two loops.
// Usage: system_screenshots <folder> [width height [extra.qss]]
#include "app/mainwindow.h"
#include "bench/common/typedsetup.h"
#include "bench/common/screenshots.h"
#include "catalogue/catalogue.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>

namespace
{

using LoopSetup = QPair<QStringList, QMap<QString, int>>;
using Screenshots::innerTabs;
using Screenshots::save;
using Screenshots::settle;
using Screenshots::whenDialogOpens;

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_LOGGING_RULES", "qt.gui.icc=false");
    QApplication app(argc, argv);
    // The data the program itself installed.
    QCoreApplication::setApplicationName(QStringLiteral("Kalvix"));
    if (argc < 2) {
        QTextStream(stderr) << "usage: system_screenshots <folder> [width height [extra.qss]]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int width = argc > 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 1600;
    const int height = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1000;
    initGuiResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/resources/icons/icon.ico")));

    Catalogue catalogue;
    if (catalogue.integrityFailed()) {
        QTextStream(stderr) << "no installed data: run Kalvix --import-data-pack first\n";
        return 1;
    }
    MainWindow window(&catalogue);
    // Style rules to try on top of the program's sheet.
    QFile extra(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString());
    if (argc > 4 && extra.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(qApp->styleSheet() + QString::fromLatin1(extra.readAll()));
    window.resize(width, height);
    window.show();
    settle();

    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("externalTabWidget"));
    auto *main = qobject_cast<SystemContainerWidget *>(pages->widget(0));

    const auto loop = [](const char *cable, const char *topology, int length, QMap<QString, int> devices) {
        return LoopSetup({QString::fromUtf8(cable), QString::fromLatin1(topology), QStringLiteral("80"),
                          QString::number(length), QStringLiteral("15"), QStringLiteral("15")},
                         devices);
    };
    const QVector<LoopSetup> mainLoops = {
        loop("1,5 mm2 (16 AWG)", "A", 900,
             {{"OD-210", 42}, {"HD-220", 10}, {"CP-300", 8}, {"SD-500 (loop)", 12}, {"ISO-700", 6}}),
        loop("1,5 mm2 (16 AWG)", "A", 1200,
             {{"OD-210", 60},
              {"MD-230", 15},
              {"CP-300", 12},
              {"SB-510 (loop)", 10},
              {"IOM-421", 4},
              {"ISO-700", 8}}),
        loop("2,5 mm2 (14 AWG)", "A", 1500,
             {{"OD-210", 35}, {"CO-240", 5}, {"CP-310 IP67", 6}, {"VAD-520 (loop)", 8}, {"ZM-401", 2}}),
        // A long run on thin cable: too much voltage drop.
        loop("0,5 mm2 (21 AWG)", "A", 2000, {{"OD-210", 110}, {"SD-500 (loop)", 30}, {"CP-300", 20}}),
        loop("1,5 mm2 (16 AWG)", "A", 500, {}), loop("1,5 mm2 (16 AWG)", "A", 500, {})};
    // Batteries for 30 h: the internal one and one more beside an external power source.
    main->applySetup(BenchSetup::panel({"TXP 408", "TVB 12-26", "0.15", "0.05", "0.3", "0.01", "0", "0",
                      "VRAL-2,VRAL-2,ORN-PSLINK,ZEP-NET", "KSP900 EN", "TVB 12-26", "-", "-", "20", "100",
                      "30 h", "30 min"}), BenchSetup::loops(mainLoops));

    // The expansion box, through the button and its dialog.
    whenDialogOpens([](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("expansionBoxComboBox"))
            ->setCurrentText(QStringLiteral("TXE 2"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    main->panelWidget()->findChild<QPushButton *>(QStringLiteral("addExpansionBoxButton"))->click();
    settle();
    auto *box = qobject_cast<SystemContainerWidget *>(pages->widget(1));
    if (!box) {
        QTextStream(stderr) << "no expansion box page\n";
        return 1;
    }
    box->applySetup(BenchSetup::panel({"TXE 2", "TVB 12-17", "-", "-", "-", "-", "-", "20", "100", "30 h", "30 min"}), BenchSetup::loops({loop("1,5 mm2 (16 AWG)", "A", 700,
                          {{"OD-210", 30}, {"CP-300", 6}, {"SBS-505 (loop)", 8}, {"ISO-700", 4}}),
                     loop("1,5 mm2 (16 AWG)", "A", 650, {{"OD-210", 24}, {"HD-220", 6}, {"CP-300", 4}})}));

    pages->setCurrentIndex(0);
    innerTabs(main)->setCurrentIndex(0);
    save(&window, folder + QStringLiteral("/system-main-panel.png"));
    // The whole page, also below the fold (the expansion box list).
    save(main->panelWidget()->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents")),
         folder + QStringLiteral("/system-main-panel-full.png"));

    // Loop 2, with a device picked in the tree, as a user does before dragging it.
    LoopWidget *loop2 = main->loopWidgets().at(1);
    innerTabs(main)->setCurrentWidget(loop2);
    auto *tree = loop2->findChild<QTreeWidget *>(QStringLiteral("devAvailableTree"));
    const QList<QTreeWidgetItem *> picked =
        tree->findItems(QStringLiteral("SB-510 (loop)"), Qt::MatchExactly | Qt::MatchRecursive);
    if (!picked.isEmpty())
        tree->setCurrentItem(picked.first());
    save(&window, folder + QStringLiteral("/system-loop.png"));
    const QPixmap treeShot = tree->grab();
    treeShot.scaled(treeShot.size() * 2).save(folder + QStringLiteral("/system-loop-tree-zoom.png"));

    // The same loop with the device filter in use.
    if (auto *filter = loop2->findChild<QLineEdit *>(QStringLiteral("devFilterLineEdit"))) {
        filter->setText(QStringLiteral("snd"));
        save(&window, folder + QStringLiteral("/system-loop-filter.png"));
        filter->clear();
    }

    innerTabs(main)->setCurrentWidget(main->loopWidgets().at(3));
    save(&window, folder + QStringLiteral("/system-loop-fault.png"));

    pages->setCurrentIndex(1);
    innerTabs(box)->setCurrentIndex(0);
    save(&window, folder + QStringLiteral("/system-expansion-box.png"));
    innerTabs(box)->setCurrentIndex(1);
    save(&window, folder + QStringLiteral("/system-box-loop.png"));

    // The duplication dialog, from loop 1 of the main panel.
    pages->setCurrentIndex(0);
    innerTabs(main)->setCurrentWidget(main->loopWidgets().at(0));
    settle();
    whenDialogOpens([&folder](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("targetLoopsListWidget"));
        if (list && list->count() > 1)
            list->item(1)->setSelected(true);
        save(dialog, folder + QStringLiteral("/system-duplicate-dialog.png"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    main->loopWidgets().at(0)->findChild<QPushButton *>(QStringLiteral("duplicateLoopButton"))->click();
    return 0;
}

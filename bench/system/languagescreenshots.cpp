// Renders the program after a language switch, for review of the translation
// as a customer reads it: the real main window on the installed data (run
// `Kalvix --import-data-pack` first, with the same HOME / XDG_DATA_HOME)
// holding a panel with two loop cards, four populated loops and one
// expansion box, switched to the given language through the language menu.
// Pictures: the panel page, a loop with a device picked in the loop's list,
// the four help windows, and the report (PDF) with its dialog filled in.
// Usage: language_screenshots <folder> <language code> [width height]
#include "app/mainwindow.h"
#include "bench/common/typedsetup.h"
#include "bench/common/screenshots.h"
#include "catalogue/catalogue.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
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
    QCoreApplication::setApplicationName(QStringLiteral("Kalvix"));
    if (argc < 3) {
        QTextStream(stderr) << "usage: language_screenshots <folder> <language code> [width height]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString code = QString::fromLocal8Bit(argv[2]);
    const int width = argc > 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 1600;
    const int height = argc > 4 ? QString::fromLocal8Bit(argv[4]).toInt() : 1000;
    initGuiResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/resources/icons/icon.ico")));

    Catalogue catalogue;
    if (catalogue.integrityFailed()) {
        QTextStream(stderr) << "no installed data: run Kalvix --import-data-pack first\n";
        return 1;
    }
    MainWindow window(&catalogue);
    window.resize(width, height);
    window.show();
    settle();

    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("externalTabWidget"));
    auto *main = qobject_cast<SystemContainerWidget *>(pages->widget(0));
    const auto loop = [](const char *cable, int length, QMap<QString, int> devices) {
        return LoopSetup({QString::fromUtf8(cable), QStringLiteral("A"), QStringLiteral("80"),
                          QString::number(length), QStringLiteral("15"), QStringLiteral("15")},
                         devices);
    };
    main->applySetup(BenchSetup::panel({"TXP 408", "TVB 12-26", "0.15", "0.05", "0.3", "0.01", "0", "0", "VRAL-2,VRAL-2,ORN-PSLINK,ZEP-NET",
         "KSP900 EN", "TVB 12-26", "-", "-", "20", "100", "48 h", "30 min"}), BenchSetup::loops({loop("1,5 mm2 (16 AWG)", 900,
              {{"OD-210", 42}, {"HD-220", 10}, {"CP-300", 8}, {"SD-500 (loop)", 12}, {"ISO-700", 6}}),
         loop("1,5 mm2 (16 AWG)", 1200,
              {{"OD-210", 60}, {"MD-230", 15}, {"CP-300", 12}, {"SB-510 (loop)", 10}, {"ISO-700", 8}}),
         loop("2,5 mm2 (14 AWG)", 1500,
              {{"OD-210", 35}, {"CO-240", 5}, {"BD-260", 2}, {"VAD-520 (loop)", 8}, {"ZM-401", 2}}),
         loop("0,5 mm2 (21 AWG)", 2000, {{"OD-210", 110}, {"SD-500 (loop)", 30}, {"CP-300", 20}}),
         loop("1,5 mm2 (16 AWG)", 500, {}), loop("1,5 mm2 (16 AWG)", 500, {})}));
    QMetaObject::invokeMethod(&window, "onExpansionBoxAdded", Q_ARG(QString, QStringLiteral("TXE 2")),
                              Q_ARG(QString, QStringLiteral("TXE 2")));
    main->panelWidget()->setExpansionBoxNames({QStringLiteral("TXE 2")});
    qobject_cast<SystemContainerWidget *>(pages->widget(1))
        ->applySetup(BenchSetup::panel({"TXE 2", "TVB 12-17", "-", "-", "-", "-", "-", "20", "100", "30 h", "30 min"}), BenchSetup::loops({loop("1,5 mm2 (16 AWG)", 700, {{"OD-210", 30}, {"CP-300", 6}, {"SBS-505 (loop)", 8}}),
                      loop("1,5 mm2 (16 AWG)", 650, {{"OD-210", 24}, {"HD-220", 6}, {"CP-300", 4}})}));
    settle();

    // Through the menu, as a user switches.
    QMenu *languages = window.findChild<QAction *>(QStringLiteral("actionChange_language"))->menu();
    bool switched = false;
    for (QAction *entry : languages ? languages->actions() : QList<QAction *>()) {
        if (entry->data().toString() == code) {
            QElapsedTimer timer;
            timer.start();
            entry->trigger();
            settle();
            QTextStream(stdout) << "switched to " << entry->text() << " in " << timer.elapsed() << " ms\n";
            switched = true;
        }
    }
    if (!switched) {
        QTextStream(stderr) << "no language entry " << code << "\n";
        return 1;
    }
    main = qobject_cast<SystemContainerWidget *>(pages->widget(0));

    pages->setCurrentIndex(0);
    innerTabs(main)->setCurrentIndex(0);
    save(&window, folder + QStringLiteral("/main-panel.png"));
    save(main->panelWidget()->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents")),
         folder + QStringLiteral("/main-panel-full.png"));

    LoopWidget *loop2 = main->loopWidgets().at(1);
    innerTabs(main)->setCurrentWidget(loop2);
    auto *inLoop = loop2->findChild<QListWidget *>(QStringLiteral("devInLoopListWidget"));
    // A click on a device row shows its details and description.
    for (int row = 0; row < inLoop->count(); ++row) {
        QListWidgetItem *item = inLoop->item(row);
        auto *name = inLoop->itemWidget(item)
                         ? inLoop->itemWidget(item)->findChild<QLabel *>(QStringLiteral("deviceNameLabel"))
                         : nullptr;
        if (name && name->text() == QStringLiteral("SB-510 (loop)")) {
            inLoop->setCurrentItem(item);
            emit inLoop->itemClicked(item);
        }
    }
    auto *tree = loop2->findChild<QTreeWidget *>(QStringLiteral("devAvailableTree"));
    const QList<QTreeWidgetItem *> picked =
        tree->findItems(QStringLiteral("MD-230"), Qt::MatchExactly | Qt::MatchRecursive);
    if (!picked.isEmpty())
        tree->setCurrentItem(picked.first());
    save(&window, folder + QStringLiteral("/loop.png"));
    innerTabs(main)->setCurrentWidget(main->loopWidgets().at(3));
    save(&window, folder + QStringLiteral("/loop-fault.png"));
    pages->setCurrentIndex(1);
    save(&window, folder + QStringLiteral("/expansion-box.png"));
    pages->setCurrentIndex(0);

    const QList<QPair<const char *, const char *>> helps = {
        {"actionPower_sources", "help-power-sources.png"},
        {"actionDistribution_factor", "help-distribution.png"},
        {"actionUser_manual", "help-manual.png"},
        {"actionAbout", "help-about.png"}};
    for (const auto &help : helps) {
        const QWidgetList tops = QApplication::topLevelWidgets();
        const QSet<QWidget *> before(tops.cbegin(), tops.cend());
        window.findChild<QAction *>(QLatin1String(help.first))->trigger();
        settle();
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!before.contains(top) && top->isVisible())
                save(top, folder + QLatin1Char('/') + QLatin1String(help.second));
        }
        window.findChild<QAction *>(QLatin1String(help.first))->trigger();
        settle();
    }

    // The toolkit's own dialogs, as Save as and a question show them.
    QFileDialog files(&window, QStringLiteral("Export Setup"), QDir::homePath(),
                      QStringLiteral("Comma separated values (*.csv)"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.show();
    save(&files, folder + QStringLiteral("/file-dialog.png"));
    files.close();
    QMessageBox question(QMessageBox::Warning, QStringLiteral("?"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No, &window);
    question.show();
    save(&question, folder + QStringLiteral("/question.png"));
    question.close();

    // The report, with its dialog answered; message boxes are recorded, not shown.
    MessageBox::setTestMode(true);
    FileDialog::setNextFileName(folder + QStringLiteral("/report.pdf"));
    whenDialogOpens([&folder](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("facilityNameLineEdit"))
            ->setText(QStringLiteral("Hospital Comarcal"));
        dialog->findChild<QLineEdit *>(QStringLiteral("addressLineEdit"))
            ->setText(QStringLiteral("Calle Mayor 12, Zaragoza"));
        dialog->findChild<QLineEdit *>(QStringLiteral("installerCompanyLineEdit"))
            ->setText(QStringLiteral("Instalaciones Contra Incendios SL"));
        save(dialog, folder + QStringLiteral("/report-dialog.png"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    window.findChild<QAction *>(QStringLiteral("actionGenerate_report"))->trigger();
    for (const MessageBox::Shown &shown : MessageBox::takeShown())
        QTextStream(stdout) << shown.title << ": " << shown.text << "\n";
    return 0;
}

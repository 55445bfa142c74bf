// Walks through working safely with a design as a new user would, with the
// real dialogs, and takes screenshots of the whole screen (run under
// xvfb-run with a window manager, on the data installed by
// `Kalvix --import-data-pack`, with the same HOME / XDG_DATA_HOME):
//   document_walk <folder> edit     builds a design, changes the panel to a
//                                   smaller model, undoes it, saves it under
//                                   a bare name, closes with a further change
//                                   (Cancel, then Save), reopens it from the
//                                   recent files, edits it, and waits until
//                                   the recovery copy is written (2 minutes)
//                                   for the caller to kill it
//   document_walk <folder> restore  the next start: the recovery offer
#include "app/designsession.h"
#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "setup/recoveryfile.h"
#include "widgets/guiresources.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <functional>

namespace
{

QString folder;
QTextStream out(stdout);

void settle(int ms = 300)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

void shoot(const QString &name)
{
    settle();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    out << "screenshot " << path << "\n";
    out.flush();
}

template <typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Answers the next modal dialog that opens: `answer` runs once it shows.
void whenModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}

void clickButton(QWidget *box, QMessageBox::StandardButton which)
{
    auto *messageBox = qobject_cast<QMessageBox *>(box);
    if (!messageBox)
        qFatal("not a message box: %s", box->metaObject()->className());
    out << "  box \"" << messageBox->text().replace('\n', ' ') << "\"\n";
    messageBox->button(which)->click();
}

SystemContainerWidget *page(MainWindow &window, int index)
{
    return qobject_cast<SystemContainerWidget *>(
        child<QTabWidget>(&window, "externalTabWidget")->widget(index));
}

void title(MainWindow &window)
{
    out << "  title: "
        << window.windowTitle().replace(QStringLiteral("[*]"), window.isWindowModified() ? "*" : "") << "\n";
    out.flush();
}

void buildDesign(MainWindow &window)
{
    PanelWidget *panel = page(window, 0)->panelWidget();
    child<QComboBox>(panel, "panelComboBox")->setCurrentText(QStringLiteral("TXP 408"));
    settle();
    auto *cards = child<QListWidget>(panel, "auxCardsListWidget");
    for (int i = 0; i < cards->count(); ++i) {
        if (auto *add = cards->itemWidget(cards->item(i))->findChild<QPushButton *>("auxCardAddButton")) {
            add->click();
            break;
        }
    }
    child<QComboBox>(panel, "battComboBox")->setCurrentText(QStringLiteral("TVB 12-24"));
    settle();
    const QStringList devices = {"OD-210", "CP-300", "SD-500 (loop)", "HD-220"};
    for (int l = 0; l < 4; ++l) {
        LoopWidget *loop = page(window, 0)->loopWidgets().at(l);
        for (int n = 0; n < 6 + 3 * l; ++n)
            emit loop->addDevice(devices.at(n % devices.size()));
    }
    whenModal([](QWidget *dialog) {
        child<QComboBox>(dialog, "expansionBoxComboBox")->setCurrentText(QStringLiteral("TXE 2"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(panel, "addExpansionBoxButton")->click();
    settle();
    for (int n = 0; n < 10; ++n)
        emit page(window, 1)->loopWidgets().at(0)->addDevice(QStringLiteral("OD-210"));
    settle();
}

void firstSession(Catalogue &catalogue)
{
    MainWindow window(&catalogue);
    window.setWindowState(Qt::WindowMaximized);
    window.show();
    settle(800);
    buildDesign(window);
    title(window);
    shoot(QStringLiteral("01-design-untitled"));

    // A smaller panel drops the card, the battery, loops 3 and 4 and the box.
    child<QComboBox>(page(window, 0)->panelWidget(), "panelComboBox")
        ->setCurrentText(QStringLiteral("TXS 202"));
    settle();
    out << "  status bar: " << window.statusBar()->currentMessage() << "\n";
    shoot(QStringLiteral("02-model-changed"));

    // The Edit menu, open.
    QMenu *editMenu = child<QMenu>(&window, "menuEdit");
    window.menuBar()->setActiveAction(editMenu->menuAction());
    shoot(QStringLiteral("03-edit-menu"));
    editMenu->close();
    window.menuBar()->setActiveAction(nullptr);
    settle();
    child<QAction>(&window, "actionUndo")->trigger();
    settle();
    shoot(QStringLiteral("04-undone"));

    // Save with a bare name, in the real dialog.
    whenModal([](QWidget *dialog) {
        auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
        if (!fileDialog)
            qFatal("not a file dialog");
        fileDialog->setDirectory(folder);
        fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("office_block"));
        shoot(QStringLiteral("05-save-dialog"));
        static_cast<QDialog *>(fileDialog)->accept();
        whenModal([](QWidget *box) {
            shoot(QStringLiteral("06-saved"));
            clickButton(box, QMessageBox::Ok);
        });
    });
    child<QAction>(&window, "actionSave")->trigger();
    settle();
    out << "  written: " << QFileInfo(folder + "/office_block.csv").exists() << " (office_block.csv)\n";
    title(window);

    // A further change, then close: Cancel, then Save.
    child<QComboBox>(page(window, 0)->panelWidget(), "idleTimeComboBox")->setCurrentIndex(1);
    settle();
    title(window);
    whenModal([](QWidget *box) {
        shoot(QStringLiteral("07-guard-question"));
        clickButton(box, QMessageBox::Cancel);
    });
    out << "  closed after Cancel: " << window.close() << "\n";
    title(window);
    whenModal([](QWidget *box) { clickButton(box, QMessageBox::Save); });
    out << "  closed after Save: " << window.close() << "\n";
    settle();
}

int edit(Catalogue &catalogue)
{
    firstSession(catalogue);

    // Start again and reopen it from the recent files.
    MainWindow again(&catalogue);
    again.setWindowState(Qt::WindowMaximized);
    again.show();
    settle(800);
    QMenu *fileMenu = child<QMenu>(&again, "menuFile");
    QMenu *recent = child<QMenu>(&again, "menuRecent_files");
    again.menuBar()->setActiveAction(fileMenu->menuAction());
    settle();
    fileMenu->setActiveAction(recent->menuAction());
    recent->popup(fileMenu->pos() +
                  QPoint(fileMenu->width(), fileMenu->actionGeometry(recent->menuAction()).y()));
    shoot(QStringLiteral("08-recent-files"));
    QAction *first = recent->actions().value(0);
    recent->close();
    fileMenu->close();
    again.menuBar()->setActiveAction(nullptr);
    settle();
    first->trigger();
    settle();
    title(again);
    out << "  idle time reopened: "
        << child<QComboBox>(page(again, 0)->panelWidget(), "idleTimeComboBox")->currentText() << "\n";

    // An edit, then wait for the recovery copy and let the caller kill us.
    child<QComboBox>(page(again, 0)->panelWidget(), "alarmTimeComboBox")->setCurrentIndex(3);
    settle();
    title(again);
    shoot(QStringLiteral("09-edited-before-crash"));
    RecoveryFile &recovery = child<DesignSession>(&again, "designSession")->recovery();
    out << "  waiting for the recovery copy " << recovery.path() << "\n";
    out.flush();
    while (!recovery.exists())
        settle(1000);
    out << "RECOVERY WRITTEN\n";
    out.flush();
    for (;;)
        settle(1000);
}

int restore(Catalogue &catalogue)
{
    MainWindow window(&catalogue);
    window.setWindowState(Qt::WindowMaximized);
    window.show();
    settle(800);
    whenModal([](QWidget *box) {
        shoot(QStringLiteral("10-recovery-offer"));
        clickButton(box, QMessageBox::Yes);
    });
    out << "  restored: " << window.offerRecovery() << "\n";
    title(window);
    out << "  alarm time: "
        << child<QComboBox>(page(window, 0)->panelWidget(), "alarmTimeComboBox")->currentText() << "\n";
    shoot(QStringLiteral("11-restored"));
    whenModal([](QWidget *box) {
        shoot(QStringLiteral("12-guard-on-quit"));
        clickButton(box, QMessageBox::Discard);
    });
    child<QAction>(&window, "actionQuit")->trigger();
    settle();
    out << "  recovery copy left: "
        << QFileInfo::exists(child<DesignSession>(&window, "designSession")->recovery().path()) << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The program's own per-user folders: its data, its recovery copy.
    app.setApplicationName(QStringLiteral("Kalvix"));
    if (argc < 3)
        qFatal("usage: document_walk <folder> edit|restore");
    initGuiResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/resources/icons/icon.ico")));
    folder = QString::fromLocal8Bit(argv[1]);
    Catalogue catalogue;
    if (catalogue.integrityFailed())
        qFatal("install the demo pack first");
    return QString::fromLocal8Bit(argv[2]) == QLatin1String("restore") ? restore(catalogue) : edit(catalogue);
}

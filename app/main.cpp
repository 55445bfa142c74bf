#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/settingsfile.h"
#include "app/splashscreen.h"
#include "catalogue/catalogue.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    qputenv("QT_LOGGING_RULES", "qt.gui.icc=false");

    // Command-line work (installing a data pack, checking designs, help)
    // needs no display; the report paints, but into a PDF only, so offscreen
    // whatever display there is. No application name is set in any path, so
    // all use the same per-user data folder, named after the executable.
    const CommandLine::Request console = CommandLine::parseRaw(argc, argv);
    if (console.action != CommandLine::Action::RunGui) {
        std::unique_ptr<QTemporaryDir> runtime; // outlives the application object
        std::unique_ptr<QCoreApplication> app;
        if (CommandLine::needsGuiApplication(console)) {
            // A build server has no session folder; give the toolkit a
            // private one rather than a warning on every run.
            if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
                runtime.reset(new QTemporaryDir);
                if (runtime->isValid()) {
                    QFile::setPermissions(runtime->path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                    qputenv("XDG_RUNTIME_DIR", runtime->path().toLocal8Bit());
                }
            }
            qputenv("QT_QPA_PLATFORM", "offscreen");
            // The report is laid out at 96 dots per inch, as on a usual
            // desktop; the offscreen screen would claim 100 and move every
            // page break.
            QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
            app.reset(new QGuiApplication(argc, argv));
            initGuiResources(); // the report's pictures
        } else {
            app.reset(new QCoreApplication(argc, argv));
        }
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::run(console, app->arguments().value(0), out, err);
    }

    QApplication app(argc, argv);
    // Before anything reads the settings: a pipe there or a dead lock of it
    // would hang the start.
    SettingsFile::prepare();

    initGuiResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/resources/icons/icon.ico")));

    Catalogue catalogue;
    MainWindow window(&catalogue);

    SplashScreen splash;
    splash.show();
    app.processEvents();

    // A file named on the command line opens once the window is up, after
    // any design a crashed run left behind was offered.
    const QString fileToOpen = console.file;
    QTimer::singleShot(3000, &window, [&window, &splash, fileToOpen] {
        window.setWindowState(Qt::WindowMaximized);
        window.show();
        splash.close();
        window.startSession(fileToOpen);
    });

    return app.exec();
}

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/splashscreen.h"
#include "catalogue/catalogue.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_LOGGING_RULES", "qt.gui.icc=false");

    // Command-line work (installing a data pack, help) needs no display. No
    // application name is set in either path, so both use the same per-user
    // data folder, named after the executable.
    if (CommandLine::isConsoleRequest(argc, argv)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::run(CommandLine::parse(app.arguments()), app.arguments().value(0), out, err);
    }

    QApplication app(argc, argv);
    // The toolkit has taken its own options out by now; anything left is a mistake.
    const CommandLine::Request request = CommandLine::parse(app.arguments());
    if (request.action != CommandLine::Action::RunGui) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::run(request, app.arguments().value(0), out, err);
    }

    initGuiResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/resources/icons/icon.ico")));

    Catalogue catalogue;
    MainWindow window(&catalogue);

    SplashScreen splash;
    splash.show();
    app.processEvents();

    const QString designFile = request.file;
    QTimer::singleShot(3000, &window, [&window, &splash, designFile] {
        window.setWindowState(Qt::WindowMaximized);
        window.show();
        splash.close();
        window.startSession(designFile);
    });

    return app.exec();
}

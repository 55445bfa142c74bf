#include "catalogue/catalogue.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initGuiResources();
    Catalogue catalogue;
    QMainWindow window;
    window.show();
    return app.exec();
}

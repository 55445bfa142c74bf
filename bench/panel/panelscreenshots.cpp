// Renders the panel page for review: a healthy panel with two expansion boxes
// (one faulty), one with a battery fault, an overload and a faulty loop, an
// expansion box editor and the expansion box selection dialog, with the demo
// product range and the application style sheet.
// Usage: panel_screenshots <catalogue.csv> <folder> [extra.qss]
#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "editors/expansionboxwidget.h"
#include "editors/panelwidget.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextStream>
#include <QTimer>

namespace
{

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

QCheckBox *cardBox(PanelWidget &w, const QString &name)
{
    auto *list = w.findChild<QListWidget *>(QStringLiteral("auxCardsListWidget"));
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        if (row->findChild<QLabel *>(QStringLiteral("auxCardNameLabel"))->text() == name)
            return row->findChild<QCheckBox *>(QStringLiteral("auxCardCheckBox"));
    }
    return nullptr;
}

void save(PanelWidget &w, const QString &folder, const QString &name)
{
    settle();
    w.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    // The whole page, also what lies below the fold.
    auto *contents = w.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"));
    contents->grab().save(folder + QLatin1Char('/') + name + QStringLiteral("-full.png"));
    // The card list at twice the size, to check the small controls of its rows.
    const QPixmap cards = w.findChild<QWidget *>(QStringLiteral("auxCardsListWidget"))->grab();
    cards.scaled(cards.size() * 2).save(folder + QLatin1Char('/') + name + QStringLiteral("-cards.png"));
}

void combo(PanelWidget &w, const char *name, const QString &text)
{
    w.findChild<QComboBox *>(QString::fromLatin1(name))->setCurrentText(text);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        QTextStream(stderr) << "usage: panel_screenshots <catalogue.csv> <folder> [extra.qss]\n";
        return 2;
    }
    initGuiResources();
    QFile style(QStringLiteral(":/resources/styles_blue.qss"));
    QString styleSheet;
    if (style.open(QIODevice::ReadOnly))
        styleSheet = QString::fromLatin1(style.readAll());
    // An optional third argument: style rules to try on top of the sheet.
    QFile extra(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    if (argc > 3 && extra.open(QIODevice::ReadOnly))
        styleSheet += QString::fromLatin1(extra.readAll());
    app.setStyleSheet(styleSheet);

    QFile file(QString::fromLocal8Bit(argv[1]));
    CatalogueData data;
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data)) {
        QTextStream(stderr) << "cannot read " << argv[1] << "\n";
        return 1;
    }
    const Catalogue catalogue(data);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);

    {
        PanelWidget w(&catalogue);
        w.resize(1600, 1000);
        w.show();
        combo(w, "panelComboBox", QStringLiteral("TXP 408"));
        w.addLoopCards(2);
        const double idle[] = {0.031, 0.042, 0.027, 0.036};
        const double alarm[] = {0.21, 0.34, 0.18, 0.29};
        for (int i = 0; i < 4; ++i)
            w.onUpdateLoopCurrents(i, idle[i], alarm[i]);
        combo(w, "battComboBox", QStringLiteral("TVB 12-26"));
        cardBox(w, QStringLiteral("ORN-PSLINK"))->setChecked(true);
        cardBox(w, QStringLiteral("ZEP-NET"))->setChecked(true);
        combo(w, "externalPowerSource1ComboBox", QStringLiteral("KSP900 EN"));
        combo(w, "additionalBatt1ComboBox", QStringLiteral("TVB 12-26"));
        combo(w, "externalPowerSource2ComboBox", QStringLiteral("KSP600"));
        combo(w, "additionalBatt2ComboBox", QStringLiteral("TVB 12-17"));
        // The selection dialog, grabbed while it runs and then cancelled.
        QTimer::singleShot(200, [&folder] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                dialog->grab().save(folder + QStringLiteral("/panel-select-box.png"));
                dialog->reject();
            }
        });
        w.findChild<QPushButton *>(QStringLiteral("addExpansionBoxButton"))->click();
        w.setExpansionBoxNames({QStringLiteral("TXE 4"), QStringLiteral("TXE 4 (2)")});
        w.onExpansionBoxFaultChanged(QStringLiteral("TXE 4"), false, false, false);
        w.onExpansionBoxFaultChanged(QStringLiteral("TXE 4 (2)"), true, false, false);
        save(w, folder, QStringLiteral("panel-healthy"));
        const QPixmap boxes = w.findChild<QWidget *>(QStringLiteral("expansionBoxesListWidget"))->grab();
        boxes.scaled(boxes.size() * 2).save(folder + QStringLiteral("/panel-healthy-boxes.png"));

        w.resize(1180, 760);
        save(w, folder, QStringLiteral("panel-healthy-small"));
    }
    {
        PanelWidget w(&catalogue);
        w.resize(1600, 1000);
        w.show();
        combo(w, "panelComboBox", QStringLiteral("TXS 202"));
        w.addLoopCards(2);
        const double idle[] = {0.052, 0.047, 0.061, 0.038};
        const double alarm[] = {0.62, 0.71, 0.55, 0.48};
        for (int i = 0; i < 4; ++i)
            w.onUpdateLoopCurrents(i, idle[i], alarm[i]);
        w.onLoopFaultChanged(1, true);
        combo(w, "idleTimeComboBox", QStringLiteral("48 h"));
        cardBox(w, QStringLiteral("ORN-PSLINK"))->setChecked(true);
        combo(w, "externalPowerSource1ComboBox", QStringLiteral("BQR3105-E"));
        save(w, folder, QStringLiteral("panel-faults"));
        combo(w, "additionalBatt1ComboBox", QStringLiteral("TVB 12-26"));
        save(w, folder, QStringLiteral("panel-faults-battery"));
    }
    {
        ExpansionBoxWidget w(&catalogue, QStringLiteral("TXE 4"));
        w.resize(1600, 1000);
        w.show();
        w.addLoopCards(2);
        const double idle[] = {0.044, 0.029, 0.038, 0.051};
        const double alarm[] = {0.31, 0.22, 0.27, 0.36};
        for (int i = 0; i < 4; ++i)
            w.onUpdateLoopCurrents(i, idle[i], alarm[i]);
        combo(w, "battComboBox", QStringLiteral("TVB 12-17"));
        cardBox(w, QStringLiteral("ORN-PSLINK"))->setChecked(true);
        combo(w, "externalPowerSource1ComboBox", QStringLiteral("KSP600"));
        combo(w, "additionalBatt1ComboBox", QStringLiteral("TVB 12-12"));
        save(w, folder, QStringLiteral("expansionbox"));
    }
    return 0;
}

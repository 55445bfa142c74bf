#include "app/firststart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <memory>

namespace
{

const QString DemoPackName = QStringLiteral("Kalvix/demo.tarvex");
const QString DismissedKey = QStringLiteral("gettingStarted/dismissed");

std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kalvix"), QStringLiteral("Kalvix"));
}

} // namespace

NoDataPage::NoDataPage(const QString &demoPack, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("noDataPage"));
    auto *title = new QLabel(tr("No product data installed yet"), this);
    title->setObjectName(QStringLiteral("noDataTitleLabel"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    auto *text = new QLabel(
        tr("Kalvix designs installations with the products of a data pack: a signed .tarvex file from the "
           "maker that holds the product range (panels, batteries, power supplies, loop devices) and their "
           "pictures. Install a data pack to start a design; the products stay installed for the next "
           "starts."),
        this);
    text->setObjectName(QStringLiteral("noDataTextLabel"));
    text->setWordWrap(true);

    auto *import = new QPushButton(tr("Import data pack..."), this);
    import->setObjectName(QStringLiteral("importDataPackButton"));
    connect(import, &QPushButton::clicked, this, &NoDataPage::importRequested);
    auto *demo = new QPushButton(tr("Install the demo range"), this);
    demo->setObjectName(QStringLiteral("installDemoButton"));
    demo->setToolTip(tr("A small made-up range to try the program with."));
    demo->setVisible(!demoPack.isEmpty());
    connect(demo, &QPushButton::clicked, this, &NoDataPage::installDemoRequested);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(import);
    buttons->addWidget(demo);
    buttons->addStretch();
    // A column of reading width in the middle; its labels wrap within it.
    auto *column = new QWidget(this);
    column->setMaximumWidth(640);
    auto *columnLayout = new QVBoxLayout(column);
    title->setAlignment(Qt::AlignHCenter);
    columnLayout->addWidget(title);
    columnLayout->addWidget(text);
    columnLayout->addSpacing(12);
    columnLayout->addLayout(buttons);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(column, 1);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch(2);
}

QString NoDataPage::shippedDemoPack()
{
    // Installed beside the program (<prefix>/bin and <prefix>/share/Kalvix),
    // else in any of the system's shared data folders.
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/") + DemoPackName);
    if (QFileInfo(besideProgram).isFile())
        return QFileInfo(besideProgram).canonicalFilePath();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, DemoPackName);
}

GettingStartedPanel::GettingStartedPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("gettingStartedPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto *text = new QLabel(
        tr("<b>Getting started</b>: 1. Pick the panel model on the Panel tab. 2. Add loops with loop cards "
           "(+). 3. On a loop tab, find devices with the filter (Ctrl+F) and add them with Enter, or type a "
           "quantity first. 4. Save the design (Ctrl+S)."),
        this);
    text->setObjectName(QStringLiteral("gettingStartedLabel"));
    text->setWordWrap(true);
    auto *close = new QPushButton(tr("Got it"), this);
    close->setObjectName(QStringLiteral("gettingStartedCloseButton"));
    connect(close, &QPushButton::clicked, this, [this] {
        settings()->setValue(DismissedKey, true);
        hide();
        emit dismissed();
    });
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(close, 0, Qt::AlignVCenter);
}

bool GettingStartedPanel::wasDismissed()
{
    return settings()->value(DismissedKey, false).toBool();
}

void GettingStartedPanel::resetDismissed()
{
    settings()->remove(DismissedKey);
}

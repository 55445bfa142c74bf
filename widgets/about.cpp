#include "widgets/about.h"

#include "core/constants.h"
#include "ui_about.h"

#include <QPixmap>

About::About(QWidget *parent)
    : QFrame(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint),
      ui(new Ui::About)
{
    ui->setupUi(this);
    setWindowTitle(tr("About"));
    setObjectName(QStringLiteral("aboutWindow"));

    ui->tarvexLogoLabel->setPixmap(QPixmap(QStringLiteral(":/resources/icons/tarvex_logo.png")));
    ui->tarvexLogoLabel->setScaledContents(true);
    ui->tarvexLogoLabel->setFixedSize(409, 83);

    ui->aboutLabel->setText(tr("App: %1\nVersion: %2\nRelease date: %3\nDeveloped by: %4\nContact: %5")
                                .arg(Constants::ApplicationName, Constants::Version, Constants::ReleaseDate,
                                     Constants::OrganisationName, Constants::WebAddress));
    QFont font = ui->aboutLabel->font();
    font.setWeight(75);
    ui->aboutLabel->setFont(font);

    ui->disclaimerLabel->setWordWrap(true);
    ui->disclaimerLabel->setText(QString());
    // An empty disclaimer would only add a blank gap under the details.
    ui->disclaimerLabel->setVisible(!ui->disclaimerLabel->text().isEmpty());

    adjustSize();
}

About::~About()
{
    delete ui;
}

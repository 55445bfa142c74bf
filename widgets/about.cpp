#include "widgets/about.h"

#include "core/constants.h"
#include "ui_about.h"

#include <QPixmap>

About::About(QWidget *parent)
    : QFrame(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint),
      m_ui(new Ui::About)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("About"));
    setObjectName(QStringLiteral("aboutWindow"));

    m_ui->tarvexLogoLabel->setPixmap(QPixmap(QStringLiteral(":/resources/icons/tarvex_logo.png")));
    m_ui->tarvexLogoLabel->setScaledContents(true);
    m_ui->tarvexLogoLabel->setFixedSize(409, 83);

    m_ui->aboutLabel->setText(tr("App: %1\nVersion: %2\nRelease date: %3\nDeveloped by: %4\nContact: %5")
                                .arg(Constants::ApplicationName, Constants::Version, Constants::ReleaseDate,
                                     Constants::OrganisationName, Constants::WebAddress));
    QFont font = m_ui->aboutLabel->font();
    font.setWeight(75);
    m_ui->aboutLabel->setFont(font);

    m_ui->disclaimerLabel->setWordWrap(true);
    m_ui->disclaimerLabel->setText(QString());
    // An empty disclaimer would only add a blank gap under the details.
    m_ui->disclaimerLabel->setVisible(!m_ui->disclaimerLabel->text().isEmpty());

    adjustSize();
}

About::~About()
{
    delete m_ui;
}

#include "app/splashscreen.h"

#include "core/constants.h"
#include "ui_splashscreen.h"

#include <QFile>

SplashScreen::SplashScreen(QWidget *parent) : QWidget(parent), m_ui(new Ui::SplashScreen)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("splashScreen"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // The style sheet paints the picture; a plain widget needs this to let it.
    setAttribute(Qt::WA_StyledBackground);
    setMinimumSize(637, 335);
    resize(637, 335);

    QFile styleSheet(QStringLiteral(":/resources/styles_blue.qss"));
    if (styleSheet.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromLatin1(styleSheet.readAll()));

    m_ui->splashScreenLabel->setText(Constants::ApplicationName + QStringLiteral(" ") + Constants::Version +
                                   QStringLiteral("\n") + Constants::OrganisationName + QStringLiteral("\n") +
                                   Constants::WebAddress + QStringLiteral("\n") + Constants::ReleaseDate);
}

SplashScreen::~SplashScreen()
{
    delete m_ui;
}

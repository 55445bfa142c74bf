#include "widgets/helpinfowindow.h"

#include "ui_helpinfowindow.h"

#include <QPixmap>

// Title bar with a close button only: these windows are read, not resized
// into anything else.
static constexpr Qt::WindowFlags helpWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint;

HelpInfoWindow::HelpInfoWindow(QWidget *parent) : QWidget(parent, helpWindowFlags), ui(new Ui::HelpInfoWindow)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("helpInfoWindow"));
    // Lets the style sheet paint this plain widget's background.
    setAttribute(Qt::WA_StyledBackground);
}

HelpInfoWindow::~HelpInfoWindow()
{
    delete ui;
}

void HelpInfoWindow::setHeader(const QString &text)
{
    ui->headerLabel->setText(text);
}

void HelpInfoWindow::setPrimarySection(const QString &title, const QString &text)
{
    ui->primarySectionTitleLabel->setText(title);
    ui->primarySectionLabel->setText(text);
}

void HelpInfoWindow::setSecondarySection(const QString &title, const QString &text)
{
    ui->secondarySectionTitleLabel->setText(title);
    ui->secondarySectionLabel->setText(text);
}

void HelpInfoWindow::setImage(const QString &resourcePath, const QSize &size)
{
    const QPixmap pixmap(resourcePath);
    if (pixmap.isNull()) {
        ui->imageLabel->clear();
        return;
    }
    ui->imageLabel->setAlignment(Qt::AlignCenter);
    if (size.width() < 0 || size.height() < 0) {
        ui->imageLabel->setPixmap(pixmap);
        ui->imageLabel->setMinimumSize(1, 1);
        ui->imageLabel->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        ui->imageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    } else {
        ui->imageLabel->setPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        ui->imageLabel->setFixedSize(size);
    }
}

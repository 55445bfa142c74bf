#include "widgets/helpinfowindow.h"

#include "ui_helpinfowindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>

// Title bar with a close button only: these windows are read, not resized
// into anything else.
static constexpr Qt::WindowFlags helpWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint;

HelpInfoWindow::HelpInfoWindow(QWidget *parent) : QWidget(parent, helpWindowFlags), m_ui(new Ui::HelpInfoWindow)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("helpInfoWindow"));
    // Lets the style sheet paint this plain widget's background.
    setAttribute(Qt::WA_StyledBackground);
    // The scroll area shows, and so polishes, its contents while the form is
    // built, before the form sets labelType. Polish again, and tell the labels
    // so that they take the box's padding as well as its colours.
    for (QLabel *label : {m_ui->primarySectionLabel, m_ui->secondarySectionLabel}) {
        label->style()->unpolish(label);
        label->style()->polish(label);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(label, &styleChange);
    }
    m_ui->textScrollArea->viewport()->setAutoFillBackground(false);
    m_ui->textScrollArea->widget()->setAutoFillBackground(false);
}

HelpInfoWindow::~HelpInfoWindow()
{
    delete m_ui;
}

void HelpInfoWindow::setHeader(const QString &text)
{
    m_ui->headerLabel->setText(text);
}

void HelpInfoWindow::setPrimarySection(const QString &title, const QString &text)
{
    m_ui->primarySectionTitleLabel->setText(title);
    m_ui->primarySectionLabel->setText(text);
    fitTextColumn();
}

void HelpInfoWindow::setSecondarySection(const QString &title, const QString &text)
{
    m_ui->secondarySectionTitleLabel->setText(title);
    m_ui->secondarySectionLabel->setText(text);
    fitTextColumn();
}

void HelpInfoWindow::fitTextColumn()
{
    // Short texts get all the height they need, so nothing is clipped; long
    // ones (a big catalogue) scroll instead of pushing the window off screen.
    QWidget *contents = m_ui->textScrollArea->widget();
    contents->ensurePolished();
    const int width =
        m_ui->textScrollArea->maximumWidth() - m_ui->textScrollArea->verticalScrollBar()->sizeHint().width();
    m_ui->textScrollArea->setMinimumHeight(qMin(contents->heightForWidth(width), MaxTextHeight));
}

void HelpInfoWindow::setImage(const QString &resourcePath, const QSize &size)
{
    const QPixmap pixmap(resourcePath);
    if (pixmap.isNull()) {
        m_ui->imageLabel->clear();
        return;
    }
    m_ui->imageLabel->setAlignment(Qt::AlignCenter);
    if (size.width() < 0 || size.height() < 0) {
        m_ui->imageLabel->setPixmap(pixmap);
        m_ui->imageLabel->setMinimumSize(1, 1);
        m_ui->imageLabel->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_ui->imageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    } else {
        m_ui->imageLabel->setPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_ui->imageLabel->setFixedSize(size);
    }
}

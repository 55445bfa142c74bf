#include "widgets/manualwindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace
{

QString &pageFolder()
{
    static QString folder;
    return folder;
}

} // namespace

ManualWindow::ManualWindow(const QString &languageCode, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint),
      m_languageCode(languageCode), m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("User manual"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(0);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    m_browser->setReadOnly(true);
    m_browser->setStyleSheet(QStringLiteral(
        "QTextBrowser { border: 1px solid #d7e0e8; border-radius: 10px; background: #ffffff; }"));
    layout->addWidget(m_browser);
    resize(1080, 820);
    loadManual();
}

QString ManualWindow::pagePath(const QString &languageCode)
{
    const QString folder = pageFolder().isEmpty() ? QStringLiteral(":/resources/manual_guide") : pageFolder();
    const bool spanish = languageCode.startsWith(QStringLiteral("es"), Qt::CaseSensitive);
    return folder + (spanish ? QStringLiteral("/manual_es.html") : QStringLiteral("/manual_en.html"));
}

void ManualWindow::setPageFolder(const QString &folder)
{
    pageFolder() = folder;
}

void ManualWindow::loadManual()
{
    QFile file(pagePath(m_languageCode));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_browser->setHtml(tr("<html><body><h1>Manual unavailable</h1><p>The bundled manual could not be "
                            "loaded.</p></body></html>"));
        return;
    }
    QByteArray bytes = file.readAll();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    m_browser->setHtml(QString::fromUtf8(bytes));
}

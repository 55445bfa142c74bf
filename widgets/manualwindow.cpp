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
      languageCode(languageCode), browser(new QTextBrowser(this))
{
    setWindowTitle(tr("User manual"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(0);
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(true);
    browser->setReadOnly(true);
    browser->setStyleSheet(QStringLiteral(
        "QTextBrowser { border: 1px solid #d7e0e8; border-radius: 10px; background: #ffffff; }"));
    layout->addWidget(browser);
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
    QFile file(pagePath(languageCode));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        browser->setHtml(tr("<html><body><h1>Manual unavailable</h1><p>The bundled manual could not be "
                            "loaded.</p></body></html>"));
        return;
    }
    QByteArray bytes = file.readAll();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    browser->setHtml(QString::fromUtf8(bytes));
}

#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The user guide, in Spanish for Spanish language codes, else in English.
class ManualWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ManualWindow(const QString &languageCode, QWidget *parent = nullptr);

    // The page shown for a language code.
    static QString pagePath(const QString &languageCode);

    // Test seam: the folder the pages are read from (empty: the built-in pages).
    static void setPageFolder(const QString &folder);

private:
    void loadManual();

    QString m_languageCode;
    QTextBrowser *m_browser;
};

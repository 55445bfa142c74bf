#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

namespace Ui
{
class HelpInfoWindow;
}

// A help window with a header, two text sections and an illustration.
// The concrete help windows only fill it in.
class HelpInfoWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpInfoWindow(QWidget *parent = nullptr);
    ~HelpInfoWindow() override;

    void setHeader(const QString &text);
    void setPrimarySection(const QString &title, const QString &text);
    void setSecondarySection(const QString &title, const QString &text);
    // A negative width or height shows the picture unscaled.
    void setImage(const QString &resourcePath, const QSize &size);

private:
    void fitTextColumn();

    static constexpr int MaxTextHeight = 600;
    Ui::HelpInfoWindow *m_ui;
};

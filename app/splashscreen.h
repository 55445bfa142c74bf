#pragma once

#include <QWidget>

namespace Ui
{
class SplashScreen;
}

// The picture with the program's name and version shown while it starts.
class SplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SplashScreen(QWidget *parent = nullptr);
    ~SplashScreen() override;

private:
    Ui::SplashScreen *m_ui;
};

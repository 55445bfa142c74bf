#pragma once

#include <QFrame>

namespace Ui
{
class About;
}

// Program name, version, release date and maker.
class About : public QFrame
{
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);
    ~About() override;

private:
    Ui::About *m_ui;
};

#pragma once

#include <QString>

class About;
class Catalogue;
class DistributionFactor;
class ManualWindow;
class PowerSources;
class QWidget;

// The Help menu's windows, children of the main window. Each command toggles
// its own window: the first use opens it, the next closes it. A window
// deletes itself when closed.
class HelpWindows
{
public:
    HelpWindows(QWidget *owner, const Catalogue *catalogue);
    // Open windows report their end to these members, so they go first.
    ~HelpWindows();
    HelpWindows(const HelpWindows &) = delete;
    HelpWindows &operator=(const HelpWindows &) = delete;

    void toggleAbout();
    void togglePowerSources();
    void toggleDistributionFactor();
    // The manual in `language`, raised above the window when opened.
    void toggleManual(const QString &language);
    // Closes every open window, so that the next command opens one in the
    // language then in force.
    void closeAll();

private:
    QWidget *m_owner;
    const Catalogue *m_catalogue;
    About *m_about = nullptr;
    bool m_aboutOpen = false;
    PowerSources *m_powerSources = nullptr;
    bool m_powerSourcesOpen = false;
    DistributionFactor *m_distributionFactor = nullptr;
    bool m_distributionFactorOpen = false;
    ManualWindow *m_manual = nullptr;
    bool m_manualOpen = false;
};

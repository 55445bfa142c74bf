#include "app/helpwindows.h"

#include "widgets/about.h"
#include "widgets/distributionfactor.h"
#include "widgets/manualwindow.h"
#include "widgets/powersources.h"

#include <QObject>

#include <algorithm>

namespace
{

// Clears the pointer and open flag once that very window is gone; a window
// closed and reopened quickly must not clear its successor's state.
template <typename Window>
void forgetWhenDestroyed(QWidget *owner, Window *window, Window *&pointer, bool &open)
{
    QObject::connect(window, &QObject::destroyed, owner, [window, &pointer, &open] {
        if (pointer == window) {
            pointer = nullptr;
            open = false;
        }
    });
}

template <typename Window, typename Create, typename Size>
void toggle(QWidget *owner, Window *&pointer, bool &open, Create create, Size size)
{
    if (open) {
        if (pointer)
            pointer->close();
    } else {
        pointer = create();
        pointer->setAttribute(Qt::WA_DeleteOnClose);
        forgetWhenDestroyed(owner, pointer, pointer, open);
        size(pointer);
        pointer->show();
    }
    open = !open;
}

} // namespace

HelpWindows::HelpWindows(QWidget *owner, const Catalogue *catalogue) : m_owner(owner), m_catalogue(catalogue)
{
}

HelpWindows::~HelpWindows()
{
    delete m_about;
    delete m_powerSources;
    delete m_distributionFactor;
    delete m_manual;
}

void HelpWindows::toggleAbout()
{
    toggle(
        m_owner, m_about, m_aboutOpen, [this] { return new About(m_owner); },
        [](About *window) { window->adjustSize(); });
}

void HelpWindows::togglePowerSources()
{
    toggle(
        m_owner, m_powerSources, m_powerSourcesOpen,
        [this] { return new PowerSources(m_catalogue, m_owner); },
        [](PowerSources *window) { window->adjustSize(); });
}

void HelpWindows::toggleDistributionFactor()
{
    toggle(
        m_owner, m_distributionFactor, m_distributionFactorOpen,
        [this] { return new DistributionFactor(m_owner); },
        [](DistributionFactor *window) { window->adjustSize(); });
}

void HelpWindows::toggleManual(const QString &language)
{
    toggle(
        m_owner, m_manual, m_manualOpen, [this, language] { return new ManualWindow(language, m_owner); },
        [this](ManualWindow *window) {
            window->resize(std::max(900, 3 * m_owner->width() / 4), std::max(650, 3 * m_owner->height() / 4));
        });
    if (m_manualOpen && m_manual) {
        m_manual->raise();
        m_manual->activateWindow();
    }
}

void HelpWindows::closeAll()
{
    // Each deletes itself once closed; the flags are cleared now.
    const auto close = [](QWidget *window) {
        if (window)
            window->close();
    };
    close(m_about);
    close(m_powerSources);
    close(m_distributionFactor);
    close(m_manual);
    m_about = nullptr;
    m_powerSources = nullptr;
    m_distributionFactor = nullptr;
    m_manual = nullptr;
    m_aboutOpen = m_powerSourcesOpen = m_distributionFactorOpen = m_manualOpen = false;
}

#pragma once

#include "widgets/helpinfowindow.h"

class Catalogue;

// Which batteries fit each external power source and battery box, with the
// wiring picture of two sources on the power card.
class PowerSources : public HelpInfoWindow
{
    Q_OBJECT
public:
    PowerSources(const Catalogue *catalogue, QWidget *parent = nullptr);

    // The compatibility list as the window shows it.
    static QString compatibilityList(const Catalogue &catalogue);

private:
    const Catalogue *m_catalogue;
};

#pragma once

#include "widgets/helpinfowindow.h"

// Explains the distribution factor of a loop with a picture.
class DistributionFactor : public HelpInfoWindow
{
    Q_OBJECT
public:
    explicit DistributionFactor(QWidget *parent = nullptr);
};

#include "catalogue/catalogue.h"

// Placeholder until the installer lands.
bool Catalogue::installDataPack(const QString &)
{
    return false;
}

void Catalogue::removeTemporaryFolder() const {}

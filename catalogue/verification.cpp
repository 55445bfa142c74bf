#include "catalogue/catalogue.h"

// Placeholder until the signature check lands.
bool Catalogue::verifyDataFolder(const QString &) const
{
    return false;
}

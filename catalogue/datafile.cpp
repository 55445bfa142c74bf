#include "catalogue/catalogue.h"

// Placeholder until the data file reader lands.
bool Catalogue::parseDataFile()
{
    return false;
}

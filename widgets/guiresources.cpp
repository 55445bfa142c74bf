#include "widgets/guiresources.h"

#include <QtGlobal>

static void initResourcesAtGlobalScope()
{
    Q_INIT_RESOURCE(resources);
    // The compiled translations, copied to the user's folder at start-up.
    Q_INIT_RESOURCE(translations);
}

void initGuiResources()
{
    initResourcesAtGlobalScope();
}

#include "widgets/guiresources.h"

#include <QtGlobal>

static void initResourcesAtGlobalScope()
{
    Q_INIT_RESOURCE(resources);
}

void initGuiResources()
{
    initResourcesAtGlobalScope();
}

#include "modulelibs/details/DetailsModule.h"

#include "modulelibs/details/DetailsModuleConsumer.h"

DetailsCons* GetDetailsConsumer()
{
    static DetailsModuleConsumer consumer;
    return &consumer;
}

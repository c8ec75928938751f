#include "modulelibs/offers/OffersModule.h"

#include "modulelibs/offers/OffersModuleConsumer.h"

OffersConsumer* GetOffersConsumer()
{
    static OffersModuleConsumer consumer;
    return &consumer;
}

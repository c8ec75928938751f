#include "core/engine/ConsumerManagerQ4Classic.h"

#include "platform/modules/DetailsCons.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"

void ConsumerManagerQ4Classic::RegisterEditionSettingsGroups()
{
    for (ConsumerBase* consumer : {static_cast<ConsumerBase*>(GetTransListConsumer()),
                                   static_cast<ConsumerBase*>(GetTransactionsMonitorConsumer()),
                                   static_cast<ConsumerBase*>(GetDetailsConsumer()),
                                   static_cast<ConsumerBase*>(GetOffersConsumer())})
        if (consumer)
            AddSettingsGroup(consumer->GeneralSettingsGroupManager());
}

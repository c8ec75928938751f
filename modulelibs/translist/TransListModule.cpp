#include "modulelibs/translist/TransListModule.h"

#include "modulelibs/translist/TransListModuleConsumer.h"

TransListCons* GetTransListConsumer()
{
    static TransListModuleConsumer consumer;
    return &consumer;
}

#include "modulelibs/multidata/MultiDataModule.h"

#include "modulelibs/multidata/MultiDataModuleConsumer.h"

MultiDataConsumer* GetMultiDataConsumer()
{
    static MultiDataModuleConsumer consumer;
    return &consumer;
}

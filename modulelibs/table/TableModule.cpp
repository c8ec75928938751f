#include "modulelibs/table/TableModule.h"

#include "modulelibs/table/TableModuleConsumer.h"

TableConsumer* GetTableConsumer()
{
    static TableModuleConsumer consumer;
    return &consumer;
}

TableConsumer* GetTableCons()
{
    return GetTableConsumer();
}

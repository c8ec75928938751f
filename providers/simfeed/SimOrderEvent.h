#pragma once
// One change of an instrument's order book, order by order, as the orders sheets receive it.

#include "platform/modules/DataSheetItemBase.h"

struct SimOrderEvent
{
    enum class Kind
    {
        New,
        Update,
        Delete,
    };

    Kind kind = Kind::New;
    DataSheetItemBase item;
};

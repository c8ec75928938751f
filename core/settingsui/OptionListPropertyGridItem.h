#pragma once
// The row of an option-list parameter: a choice among the options of the node's list, each
// shown by its caption; the value is the chosen option's index.

#include "core/settingsui/ParameterPropertyGrid.h"
#include "platform/toolkit/PropertyGridItemEnum.h"

class Settings;

class ParameterPropertyGrid::OptionListPropertyGridItem : public PropertyGridItemEnum
{
public:
    explicit OptionListPropertyGridItem(const Settings& node);
};

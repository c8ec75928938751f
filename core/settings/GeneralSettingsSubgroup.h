#pragma once
// A named part of a group that the general settings dialog shows as a link under the group;
// choosing the link shows the subgroup's parameters.

#include "core/settings/GeneralSettingsParametersContainer.h"

#include <QString>

#include <utility>

class GeneralSettingsSubgroup : public GeneralSettingsParametersContainer
{
public:
    explicit GeneralSettingsSubgroup(QString caption) : GeneralSettingsParametersContainer(std::move(caption)) {}
};

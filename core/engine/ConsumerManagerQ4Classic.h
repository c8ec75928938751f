#pragma once
// The consumer manager of the standard edition.

#include "core/engine/ConsumerManager.h"

class ConsumerManagerQ4Classic : public ConsumerManager
{
public:
    using ConsumerManager::ConsumerManager;

    // The groups of the transaction list, the transactions monitor, details and offers, in that order.
    void RegisterEditionSettingsGroups() override;
};

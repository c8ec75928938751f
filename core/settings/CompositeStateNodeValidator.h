#pragma once
// The chain of upgrade steps of a group: every step runs in the order it was attached, so
// a node of any older version passes through each later step and ends at the last
// version. A node newer than the chain knows is left to the steps, which act only on the
// versions they recognise.

#include "core/settings/ISettingsValidator.h"

#include <memory>
#include <vector>

class CompositeStateNodeValidator : public ISettingsValidator
{
public:
    // Null is ignored.
    void AttachAtomicValidator(std::shared_ptr<ISettingsValidator> validator);

    // True when any step changed the node.
    bool Validate(Settings& node) const override;
    // The version of the last step; 0 for an empty chain.
    unsigned FinalStateVersion() const override;

private:
    std::vector<std::shared_ptr<ISettingsValidator>> m_validators;
};

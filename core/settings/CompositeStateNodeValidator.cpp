#include "core/settings/CompositeStateNodeValidator.h"

#include <utility>

void CompositeStateNodeValidator::AttachAtomicValidator(std::shared_ptr<ISettingsValidator> validator)
{
    if (validator)
        m_validators.push_back(std::move(validator));
}

bool CompositeStateNodeValidator::Validate(Settings& node) const
{
    bool changed = false;
    for (const auto& validator : m_validators)
        changed = validator->Validate(node) || changed;
    return changed;
}

unsigned CompositeStateNodeValidator::FinalStateVersion() const
{
    return m_validators.empty() ? 0 : m_validators.back()->FinalStateVersion();
}

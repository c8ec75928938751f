#pragma once
// Values of several alert arguments delivered together (one batch of a source's data),
// in the order the source attached them. A source fills the list and hands it over as a
// shared pointer; from then on nobody changes it.

#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgValue.h"

#include <cstddef>
#include <utility>
#include <vector>

class AlertExprArgList
{
public:
    void Attach(const AlertExprArgDesc& descriptor, const AlertExprArgValue& value)
    {
        m_entries.emplace_back(descriptor, value);
    }

    std::size_t ArgumentsCount() const { return m_entries.size(); }
    // index must be below ArgumentsCount().
    const AlertExprArgDesc& ArgDescription(std::size_t index) const { return m_entries[index].first; }
    const AlertExprArgValue& ArgValue(std::size_t index) const { return m_entries[index].second; }

private:
    std::vector<std::pair<AlertExprArgDesc, AlertExprArgValue>> m_entries;
};

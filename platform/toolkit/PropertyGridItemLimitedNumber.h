#pragma once
// A whole number that must lie between two limits (both taken), typed or stepped with spin
// buttons when the item shows them. A value stored outside the limits is shown as it is; the
// user can only enter one inside them.

#include "platform/toolkit/PropertyGridItemNumber.h"

class PropertyGridItemLimitedNumber : public PropertyGridItemNumber
{
public:
    // Limits given the wrong way round are taken the right way round.
    PropertyGridItemLimitedNumber(QString caption, std::int32_t value, std::int32_t smallest, std::int32_t greatest,
                                  bool showButtons);

    std::int32_t GetSmallestValue() const { return m_smallest; }
    std::int32_t GetGreatestValue() const { return m_greatest; }
    bool GetShowButtons() const { return m_showButtons; }

protected:
    bool CheckNumber(std::int32_t value, QString* errorText) const override;

private:
    std::int32_t m_smallest;
    std::int32_t m_greatest;
    bool m_showButtons;
};

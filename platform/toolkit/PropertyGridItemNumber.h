#pragma once
// A whole number (32-bit signed) typed in the grid.

#include "platform/toolkit/PropertyGridItem.h"

#include <cstdint>

class PropertyGridItemNumber : public PropertyGridItem
{
public:
    PropertyGridItemNumber(QString caption, std::int32_t value);

    std::int32_t GetNumber() const { return m_number; }
    void SetNumber(std::int32_t value);
    // False, with the reason, for a number the item does not take.
    bool EditNumber(std::int32_t value, QString* errorText = nullptr);

    bool EditValue(const QString& text, QString* errorText = nullptr) override;
    EditorKind GetEditorKind() const override { return EditorKind::Number; }

protected:
    // Every number fits unless a derived item limits them.
    virtual bool CheckNumber(std::int32_t value, QString* errorText) const;

private:
    std::int32_t m_number;
};

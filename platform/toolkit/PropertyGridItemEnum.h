#pragma once
// A choice among fixed values ("constraints"), each a caption with a number. The item's
// value is the number of the chosen constraint; it shows that constraint's caption (the
// number itself when no constraint has it).

#include "platform/toolkit/PropertyGridItem.h"

#include <cstdint>
#include <vector>

class PropertyGridItemEnum : public PropertyGridItem
{
public:
    struct Constraint
    {
        QString caption;
        std::int32_t data;
    };

    PropertyGridItemEnum(QString caption, std::int32_t value);

    void AddConstraint(const QString& caption, std::int32_t data);
    const std::vector<Constraint>& GetConstraints() const { return m_constraints; }
    // The index of the constraint of the current value; -1 when none has it.
    int GetCurrentIndex() const;

    std::int32_t GetEnum() const { return m_enum; }
    void SetEnum(std::int32_t value);
    // Only a constraint's number.
    bool EditEnum(std::int32_t value, QString* errorText = nullptr);
    // A constraint's caption (ignoring case and surrounding blanks).
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    EditorKind GetEditorKind() const override { return EditorKind::Enum; }

private:
    void RefreshText();

    std::int32_t m_enum;
    std::vector<Constraint> m_constraints;
};

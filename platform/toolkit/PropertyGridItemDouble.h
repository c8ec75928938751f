#pragma once
// A real number typed in the grid, with ',' or '.' before the fraction.

#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemDouble : public PropertyGridItem
{
public:
    PropertyGridItemDouble(QString caption, double value);

    double GetDouble() const { return m_double; }
    void SetDouble(double value);
    // Refuses values that are no finite number.
    bool EditDouble(double value, QString* errorText = nullptr);

    bool EditValue(const QString& text, QString* errorText = nullptr) override;
    EditorKind GetEditorKind() const override { return EditorKind::Double; }

private:
    double m_double;
};

#pragma once
// A width and a height ("100, 50"), each a whole number of at least 0.

#include "platform/base/Size.h"
#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemSize : public PropertyGridItem
{
public:
    PropertyGridItemSize(QString caption, Size value);

    Size GetSize() const { return m_size; }
    void SetSize(Size value);
    bool EditSize(Size value, QString* errorText = nullptr);
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    EditorKind GetEditorKind() const override { return EditorKind::Size; }

private:
    static QString SizeText(Size value);

    Size m_size;
};

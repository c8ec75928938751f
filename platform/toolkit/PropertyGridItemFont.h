#pragma once
// A font, chosen in the font dialog and shown as its face, size and style
// ("Arial, 10 pt, pogrubiona").

#include "platform/base/LogFont.h"
#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemFont : public PropertyGridItem
{
public:
    PropertyGridItemFont(QString caption, const LogFont& value);

    const LogFont& GetFont() const { return m_font; }
    void SetFont(const LogFont& value);
    bool EditFont(const LogFont& value, QString* errorText = nullptr);
    // A font is chosen, not typed: refused.
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    EditorKind GetEditorKind() const override { return EditorKind::Font; }

    static QString FontText(const LogFont& font);

private:
    LogFont m_font;
};

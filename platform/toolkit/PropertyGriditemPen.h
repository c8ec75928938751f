#pragma once
// A pen: line style, width in pixels and colour ("ciągła, 1 px, kolor 255, 0, 0"), edited with
// the grid's pen editor.

#include "platform/base/LogPen.h"
#include "platform/toolkit/PropertyGridItem.h"

class PropertyGriditemPen : public PropertyGridItem
{
public:
    static constexpr int kMaxWidth = 100;

    PropertyGriditemPen(QString caption, const LogPen& value);

    const LogPen& GetPen() const { return m_pen; }
    void SetPen(const LogPen& value);
    // Refuses an unknown style and a width outside 0..kMaxWidth.
    bool EditPen(const LogPen& value, QString* errorText = nullptr);
    // A pen is chosen, not typed: refused.
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    EditorKind GetEditorKind() const override { return EditorKind::Pen; }

    // The style's name; empty for an unknown style.
    static QString StyleName(quint32 style);
    static QString PenText(const LogPen& pen);

private:
    LogPen m_pen;
};

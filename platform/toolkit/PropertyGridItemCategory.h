#pragma once
// A heading row of a property grid that groups the rows below it; it has no value.

#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemCategory : public PropertyGridItem
{
public:
    explicit PropertyGridItemCategory(QString caption) : PropertyGridItem(std::move(caption)) {}

    EditorKind GetEditorKind() const override { return EditorKind::None; }
    bool IsCategory() const override { return true; }
    bool IsEditable() const override { return false; }
};

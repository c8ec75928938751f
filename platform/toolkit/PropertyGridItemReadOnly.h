#pragma once
// An item whose value can neither be edited nor opened for editing: the grid's view gives it
// no editor and ignores keys and clicks on its value.

#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemReadOnly : public PropertyGridItem
{
public:
    PropertyGridItemReadOnly(QString caption, QString value) : PropertyGridItem(std::move(caption), std::move(value)) {}

    EditorKind GetEditorKind() const override { return EditorKind::None; }
    bool IsEditable() const override { return false; }
};

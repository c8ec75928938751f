#pragma once
// The right half of the general settings dialog: the parameters of a group or subgroup as
// property-grid rows, one kind of row per type of the parameter's node. A parameter that only
// groups others becomes a category holding them. Every row carries its node (Settings*) as
// its item data, through which the pending changes find where the edited value belongs.

#include "platform/toolkit/PropertyGrid.h"

#include <memory>

class GeneralSettingsParameter;
class GeneralSettingsParametersContainer;
class IGeneralSettingsStyles;
class PropertyGridItem;

class ParameterPropertyGrid : public PropertyGrid
{
    Q_OBJECT

public:
    class OptionListPropertyGridItem;
    class StylesListPropertyGridItem;

    // The styles offered to style parameters; none without a source.
    explicit ParameterPropertyGrid(const IGeneralSettingsStyles* styles = nullptr);
    ~ParameterPropertyGrid() override;

    // Adds the container's parameters, in order, below the parent.
    void FillCategory(PropertyGridItem& parent, const GeneralSettingsParametersContainer& container);
    // The row of the parameter; null for an invalid node, a node without a caption and a
    // type that has no row.
    std::unique_ptr<PropertyGridItem> CreateItem(const std::shared_ptr<GeneralSettingsParameter>& parameter) const;
    // Opens every row that has rows below it.
    void ExpandAll();

private:
    const IGeneralSettingsStyles* m_styles;
};

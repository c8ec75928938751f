#pragma once
// The row of a style parameter: a choice among the display styles of the parameter's kind,
// each shown by its name; the value is the chosen style's id.

#include "core/settingsui/ParameterPropertyGrid.h"
#include "platform/toolkit/PropertyGridItemEnum.h"

#include <memory>

class GeneralSettingsParameterStyle;
class IGeneralSettingsStyles;

class ParameterPropertyGrid::StylesListPropertyGridItem : public PropertyGridItemEnum
{
public:
    // Without a styles source the row offers nothing to choose.
    StylesListPropertyGridItem(std::shared_ptr<GeneralSettingsParameterStyle> parameter,
                               const IGeneralSettingsStyles* styles);

    GeneralSettingsParameterStyle& GetParameter() const { return *m_parameter; }

private:
    std::shared_ptr<GeneralSettingsParameterStyle> m_parameter;
};

#include "core/settingsui/StylesListPropertyGridItem.h"

#include "core/settings/GeneralSettingsParameterStyle.h"
#include "core/settingsui/IGeneralSettingsStyles.h"
#include "platform/settings/Settings.h"

#include <utility>

ParameterPropertyGrid::StylesListPropertyGridItem::StylesListPropertyGridItem(
    std::shared_ptr<GeneralSettingsParameterStyle> parameter, const IGeneralSettingsStyles* styles)
    : PropertyGridItemEnum(parameter->Node().GetDisplayName(), parameter->Node().ToInt())
    , m_parameter(std::move(parameter))
{
    if (!styles)
        return;
    for (const IGeneralSettingsStyles::StyleEntry& style : styles->GetAllStylesOfKind(m_parameter->StyleType()))
        AddConstraint(style.name, style.id);
}

#include "sessionstats/ui/GridObjectBase.h"

#include "sessionstats/ui/StyleSessionStatistics.h"
#include "styles/engine/ObjectWithStyle.h"

const IGridLineManager& GridObjectBase::GetGridLineManager() const
{
    return Style();
}

int GridObjectBase::GetRowHighlightType() const
{
    return Style().GetValue(StyleSessionStatistics::ParamHighlightType);
}

quint32 GridObjectBase::GetRowHighlightColor() const
{
    return quint32(Style().GetValue(StyleSessionStatistics::ParamHighlightColor));
}

std::shared_ptr<StyleBase> GridObjectBase::GetTextStyle(int kind) const
{
    return kind >= 0 && kind < 4 ? Style().GetRelatedStyle(kind) : nullptr;
}

const StyleSessionStatistics& GridObjectBase::Style() const
{
    if (m_stale || !m_style)
    {
        m_style = std::dynamic_pointer_cast<const StyleSessionStatistics>(m_module.Style());
        // A module whose style is of no statistics kind shows the default look.
        if (!m_style)
        {
            static const std::shared_ptr<const StyleSessionStatistics> defaults = StyleSessionStatistics::CreateInstance();
            m_style = defaults;
        }
        m_stale = false;
    }
    return *m_style;
}

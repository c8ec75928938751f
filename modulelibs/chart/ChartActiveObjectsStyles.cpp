// A chart window's active objects: the styles its contexts are drawn in and the style
// parameters the style editing changes, applies, cancels and restores.

#include "modulelibs/chart/ChartActiveObjects.h"

#include "modulelibs/chart/ChartStyles.h"
#include "modulelibs/chart/IChartHost.h"

#include <algorithm>

namespace
{
constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 24;
}

int ChartActiveObjects::GetActiveElementStyleId(int context) const
{
    if (context < 0 || context >= ChartDocument::kContexts)
        return 0;
    if (context == ChartDocument::kFormationContext && ActiveFormation())
        return m_document.FormationStyleId(static_cast<std::size_t>(m_document.activeFormation));
    if (m_document.previewStyle && m_document.previewStyle->first == context)
        return m_document.previewStyle->second;
    return m_document.styleIds[context];
}

std::shared_ptr<StyleBase> ChartActiveObjects::GetAutoStyle(int context) const
{
    switch (context)
    {
    case 0:
    case 1:
        return ChartStyles::WindowStyle();
    case 2:
    {
        const ChartSeries* series = SelectedSeries();
        return ChartStyles::ElementStyle(series ? series->kind : ChartSeries::Price);
    }
    case 3:
    {
        const ChartFormation* formation = ActiveFormation();
        return ChartStyles::FormationStyle(formation ? formation->styleId : 0);
    }
    default:
        return nullptr;
    }
}

std::shared_ptr<StyleBase> ChartActiveObjects::GetStyle(int context) const
{
    if (context != ChartDocument::kFormationContext)
        return GetAutoStyle(context);
    if (!ActiveFormation())
        return nullptr;
    const auto index = static_cast<std::size_t>(m_document.activeFormation);
    std::map<int, int> own;
    for (const int parameter : ChartStyles::kFormationDisplayParameters)
    {
        if (const std::optional<int> value = m_document.FormationDisplay(index, parameter))
            own[parameter] = *value;
    }
    return ChartStyles::FormationStyleWith(m_document.FormationStyleId(index), own);
}

ColorRef ChartActiveObjects::GetActiveViewBackgroundColor() const
{
    return ColorRef(static_cast<quint32>(m_document.Param(1, 6)));
}

void ChartActiveObjects::OnChangeStyle(int context, int styleId)
{
    if (context < 0 || context >= ChartDocument::kContexts)
        return;
    m_document.previewStyle = std::make_pair(context, styleId);
}

void ChartActiveObjects::OnCancelStyle()
{
    m_document.previewStyle.reset();
}

void ChartActiveObjects::OnApplyStyle()
{
    if (m_document.previewStyle)
    {
        const auto [context, styleId] = *m_document.previewStyle;
        // A formation style chosen goes to the formation it was previewed on.
        if (ChartFormation* formation = ActiveFormation(); formation && context == ChartDocument::kFormationContext)
            formation->styleId = styleId;
        else
            m_document.styleIds[context] = styleId;
    }
    m_document.previewStyle.reset();
}

void ChartActiveObjects::ReCreateActiveChart()
{
    m_host.Redraw();
}

void ChartActiveObjects::ChangeCbsParams(int context, int parameter, int value)
{
    if (context < 0 || context >= ChartDocument::kContexts)
        return;
    if (context == ChartDocument::kFormationContext && parameter == ChartStyles::kFontSize && ChangeFormationFont(value))
        return;
    if (value == kStepLarger || value == kStepSmaller)
    {
        const int step = value == kStepLarger ? 1 : -1;
        value = std::clamp(m_document.Param(context, parameter) + step, kMinFontSize, kMaxFontSize);
    }
    m_document.previewParams[{context, parameter}] = value;
}

bool ChartActiveObjects::ChangeFormationFont(int command)
{
    ChartFormation* formation = ActiveFormation();
    if (!formation || (command != kStepLarger && command != kStepSmaller && command != kStyleValue))
        return false;
    // A size step is a command, not a preview: it stays with the formation, whatever becomes of
    // the colours still previewed.
    if (command == kStyleValue)
        formation->display.erase(ChartStyles::kFontSize);
    else
    {
        const int step = command == kStepLarger ? 1 : -1;
        formation->display[ChartStyles::kFontSize] =
            std::clamp(GetCbsParams(ChartDocument::kFormationContext, ChartStyles::kFontSize) + step, kMinFontSize, kMaxFontSize);
    }
    return true;
}

int ChartActiveObjects::GetCbsParams(int context, int parameter) const
{
    if (context == ChartDocument::kFormationContext && ActiveFormation())
    {
        const auto index = static_cast<std::size_t>(m_document.activeFormation);
        if (const std::optional<int> value = m_document.FormationDisplay(index, parameter))
            return *value;
        if (const std::optional<int> value = ChartStyles::FormationValue(m_document.FormationStyleId(index), parameter))
            return *value;
    }
    return m_document.Param(context, parameter);
}

void ChartActiveObjects::ApplyCbsParams()
{
    // Formations' values belong to the active formation alone; with none there is nothing to keep.
    ChartFormation* formation = ActiveFormation();
    for (const auto& [key, value] : m_document.previewParams)
    {
        if (key.first == ChartDocument::kFormationContext)
        {
            if (!formation)
                continue;
            if (value == kStyleValue)
                formation->display.erase(key.second);
            else
                formation->display[key.second] = value;
        }
        else if (value == kStyleValue)
            m_document.appliedParams.erase(key);
        else
            m_document.appliedParams[key] = value;
    }
    m_document.previewParams.clear();
    m_host.Redraw();
}

void ChartActiveObjects::CancelCbsParams()
{
    m_document.previewParams.clear();
    m_host.Redraw();
}

void ChartActiveObjects::CbsRestore(int context)
{
    if (ChartFormation* formation = ActiveFormation(); formation && context == ChartDocument::kFormationContext)
        formation->display.clear();
    for (auto* layer : {&m_document.appliedParams, &m_document.previewParams})
        std::erase_if(*layer, [context](const auto& entry) { return entry.first.first == context; });
}

void ChartActiveObjects::CbsRestoreAll()
{
    m_document.appliedParams.clear();
    m_document.previewParams.clear();
}

void ChartActiveObjects::RedrawDialogAfterStyleChanged(int)
{
    m_host.Redraw();
}

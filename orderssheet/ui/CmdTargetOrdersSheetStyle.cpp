#include "orderssheet/ui/CmdTargetOrdersSheetStyle.h"

#include "orderssheet/settings/StyleOrdersSheet.h"
#include "platform/base/ColorRef.h"
#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/toolkit/ToolkitColors.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/IStyleEditHost.h"
#include "styles/ui/OrdersSheetStyleCmdIds.h"
#include "styles/ui/StyleEditModeHandler.h"

#include <QPainter>

#include <algorithm>

using namespace OrdersSheetStyleCmdIds;

namespace
{
using Sheet = StyleOrdersSheet;

QuorvantaRibbonBar* RibbonOf(StyleEditModeHandler& handler)
{
    RibbonsFactory* factory = handler.GetHost().GetRibbonsFactory();
    return factory ? factory->GetRibbonBar() : nullptr;
}
}

CmdTargetOrdersSheetStyle::CmdTargetOrdersSheetStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                                     SaveInSettings saveInSettings, SelectedTab selectedTab)
    : CmdTargetEditGridStyleBase(std::move(style), handler, OwnCopyName)
    , m_saveInSettings(std::move(saveInSettings))
    , m_selectedTab(std::move(selectedTab))
{
    if (!m_selectedTab)
    {
        m_selectedTab = [&handler] {
            const QuorvantaRibbonBar* ribbon = RibbonOf(handler);
            const RibbonTabBase* tab = ribbon ? ribbon->GetSelectedTab() : nullptr;
            return tab ? tab->GetID() : 0u;
        };
    }
    if (GetEditedStyle() == nullptr)
        return;
    AddGeneral();
    for (std::size_t element = 0; element < kElements.size(); ++element)
        AddElement(element);
    AddSummaryColours();
    DrawSummaryIcons();
}

CmdTargetOrdersSheetStyle::~CmdTargetOrdersSheetStyle()
{
    if (QuorvantaRibbonBar* ribbon = RibbonOf(GetHandler()))
    {
        for (const SummaryColour& colour : kSummaryColours)
            ribbon->GetCommandBars()->GetImageManager().SetCustomIcon(colour.id, QIcon());
    }
}

void CmdTargetOrdersSheetStyle::AddGeneral()
{
    OnCommand(ID_DISCARD_AND_LEAVE, [this] { Discard(true); });
    AddChangeCommands(ID_DISCARD, ID_SAVE);
    AddToggle(ID_HORIZONTAL_GRID, Sheet::ParamHGridVisible);
    AddToggle(ID_VERTICAL_GRID, Sheet::ParamVGridVisible);
    AddChoice(ID_COLOUR_COLUMNS, Sheet::ParamColorMode, Sheet::ByColumns);
    AddChoice(ID_COLOUR_ROWS, Sheet::ParamColorMode, Sheet::ByRows);
    AddChoice(ID_HIGHLIGHT_WHOLE_ROWS, Sheet::ParamHighLight, 1);
    AddChoice(ID_HIGHLIGHT_CELLS, Sheet::ParamHighLight, 0);
    for (const std::uint32_t id : {ID_COLOURING, ID_HIGHLIGHT_CHANGES})
        OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });

    // A style without a name is the window's own: its name cannot be edited.
    OnUpdate(ID_STYLE_NAME, [this](CmdUI& cmdUI) {
        const QString name = GetEditedStyle()->GetName();
        cmdUI.Enable(!name.isEmpty());
        const QString shown = name.isEmpty() ? StyleEditCmdHelper::OwnStyleName() : name;
        cmdUI.SetText(shown);
        RibbonEditControl* edit = StyleEditCmdHelper::GetEditControl(cmdUI);
        if (edit && !edit->HasFocus() && edit->GetEditText() != shown)
            edit->SetEditText(shown);
    });
    static const Command commands[] = {
        {ID_GRID_COLOUR, Edit::PenColour, Sheet::ParamGridPen},
        {ID_LINE_TYPE, Edit::PenType, Sheet::ParamGridPen},
        {ID_LINE_WIDTH, Edit::PenWidth, Sheet::ParamGridPen},
        {ID_CURSOR_COLOUR, Edit::Colour, Sheet::ParamCursorColor},
        {ID_ROW_HIGHLIGHT_COLOUR, Edit::Colour, Sheet::ParamHighLightColor},
        {ID_COPY_FROM, Edit::CopyFrom},
        {ID_STYLE_NAME, Edit::Name},
    };
    AddCommands(commands);

    // Only a style the container keeps can stand for new windows.
    OnUpdate(ID_SAVE_IN_SETTINGS, [this](CmdUI& cmdUI) { cmdUI.Enable(IsStoredStyle() && m_saveInSettings); });
    OnCommand(ID_SAVE_IN_SETTINGS, [this] {
        if (IsStoredStyle() && m_saveInSettings)
            m_saveInSettings(GetEditedStyle()->GetId());
    });
}

bool CmdTargetOrdersSheetStyle::IsStoredStyle() const
{
    const std::shared_ptr<StyleBase>& style = GetEditedStyle();
    return StylesContainer::Instance().FindStyle(style->GetId(), style->GetType()) == style;
}

void CmdTargetOrdersSheetStyle::AddElement(std::size_t element)
{
    const ElementIds& ids = kElements[element];
    const int relation = ids.relation;
    std::vector<Command> commands = {
        {ids.styleGallery, Edit::TextFieldStyle, relation},
        {ids.fontName, Edit::FontName, 0, relation},
        {ids.fontSize, Edit::FontSize, 0, relation},
        {ids.copyFrom, Edit::CopyFrom, 0, relation},
    };
    for (std::size_t index = 0; index < ids.colours.size(); ++index)
    {
        if (ids.colours[index] != 0)
            commands.push_back({ids.colours[index], Edit::Colour, OrdersSheetStyleCmdIds::kColourParameters[index], relation});
    }
    for (const Command& command : commands)
        m_elementTabs[command.id] = ids.tab;
    AddCommands(commands);
    OnNotify(ids.styleGallery, NotifyCodes::SpecialStylesRequest,
             [this, relation](NotifyInfo& info) { DescribeRelation(info, relation); });
    OnNotify(ids.copyFrom, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) { DescribeOwnCopies(info); });
}

void CmdTargetOrdersSheetStyle::AddSummaryColours()
{
    std::vector<Command> commands;
    for (const SummaryColour& colour : kSummaryColours)
        commands.push_back({colour.id, Edit::Colour, colour.parameter});
    AddCommands(commands);
}

bool CmdTargetOrdersSheetStyle::OnCmdMsg(std::uint32_t id, int code, void* extra)
{
    const auto element = m_elementTabs.find(id);
    // Taken, and left alone, away from its tab.
    if (element != m_elementTabs.end() && m_selectedTab() != element->second)
        return true;
    const bool handled = CmdTargetEditGridStyleBase::OnCmdMsg(id, code, extra);
    if (handled && code == NotifyCodes::Execute && kSummaryColours.end() !=
        std::find_if(kSummaryColours.begin(), kSummaryColours.end(),
                     [id](const SummaryColour& colour) { return colour.id == id; }))
        DrawSummaryIcons();
    return handled;
}

void CmdTargetOrdersSheetStyle::OnStyleCopied()
{
    CmdTargetEditGridStyleBase::OnStyleCopied();
    DrawSummaryIcons();
}

int CmdTargetOrdersSheetStyle::SummaryParameter(std::uint32_t group, int index)
{
    for (const SummaryColour& colour : kSummaryColours)
    {
        if (colour.group == group && colour.index == index)
            return colour.parameter;
    }
    return kNoSummaryParameter;
}

QImage CmdTargetOrdersSheetStyle::SwatchImage(qint32 colour, const QColor& outline)
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect square(1, 1, 13, 13);
    const ColorRef value(static_cast<quint32>(colour));
    painter.fillRect(square, QColor(value.Red(), value.Green(), value.Blue()));
    painter.setPen(QPen(outline, 1));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    return image;
}

QString CmdTargetOrdersSheetStyle::OwnCopyName(int element)
{
    switch (element)
    {
    case Sheet::RelationOddRow:
        return QStringLiteral("Element nieparzysty");
    case Sheet::RelationEvenRow:
        return QStringLiteral("Element parzysty");
    case Sheet::RelationCurrValueRow:
        return QStringLiteral("W. aktualnej ceny");
    default:
        return StyleEditCmdHelper::OwnStyleName();
    }
}

void CmdTargetOrdersSheetStyle::DescribeOwnCopies(NotifyInfo& info)
{
    m_galleryInfo = std::make_shared<SpecialStylesInfo>();
    // Every related style's own settings, whether or not a stored style stands in for them.
    for (const auto& [element, related] : GetRelatedStyles())
    {
        const std::shared_ptr<StyleBase> own = GetEditedStyle()->GetOwnStyle(static_cast<int>(element));
        if (std::shared_ptr<StyleBase> copy = own ? own->Copy() : nullptr)
        {
            copy->SetName(OwnCopyName(static_cast<int>(element)));
            m_galleryInfo->styles.push_back(std::move(copy));
        }
    }
    info.result = reinterpret_cast<std::intptr_t>(m_galleryInfo.get());
}

void CmdTargetOrdersSheetStyle::DrawSummaryIcons()
{
    const std::shared_ptr<StyleBase>& style = GetEditedStyle();
    if (style == nullptr)
        return;
    const QColor outline = ToolkitColors::Get(kIconOutlineColour);
    QuorvantaRibbonBar* ribbon = RibbonOf(GetHandler());
    for (std::size_t index = 0; index < kSummaryColours.size(); ++index)
    {
        const SummaryColour& colour = kSummaryColours[index];
        const int parameter = SummaryParameter(colour.group, colour.index);
        m_icons[index] = QIcon(QPixmap::fromImage(SwatchImage(style->GetValue(parameter), outline)));
        if (ribbon)
            ribbon->GetCommandBars()->GetImageManager().SetCustomIcon(colour.id, m_icons[index]);
    }
    if (ribbon)
        ribbon->NotifyChanged();
}

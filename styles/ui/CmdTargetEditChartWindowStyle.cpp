#include "styles/ui/CmdTargetEditChartWindowStyle.h"

#include "platform/base/ColorRef.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/ToolkitColors.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleFormation.h"
#include "styles/ui/ChartStyleCommandIds.h"
#include "styles/ui/IStyleEditHost.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <vector>

using namespace ChartStyleCmd;

namespace
{
constexpr int kIconOutlineColour = 53;
}

CmdTargetEditChartWindowStyle::CmdTargetEditChartWindowStyle(std::shared_ptr<StyleBase> style,
                                                             StyleEditModeHandler& handler, ActiveObjects activeObjects)
    : CmdTargetEditChartStyleBase(std::move(style), handler, std::move(activeObjects))
{
    // The alert colours change when chosen only: their handlers stand before the common ones.
    for (const std::uint32_t id : {ID_BUY_ALERT, ID_SELL_ALERT})
    {
        OnNotify(id, NotifyCodes::GalleryPreviewChange, [](NotifyInfo&) {});
        OnNotify(id, NotifyCodes::GalleryPreviewCancel, [](NotifyInfo&) {});
    }
    OnCommand(ID_DISCARD_ANY, [this] { Discard(true); });
    AddChangeCommands(ID_WINDOW_DISCARD, ID_WINDOW_SAVE);

    using W = StyleChartWindow;
    static const Command commands[] = {
        {ID_HEADER_FONT, Edit::FontName, W::ParamHeaderFont},
        {ID_HEADER_FONT_SIZE, Edit::FontSize, W::ParamHeaderFont},
        {ID_HEADER_COLOUR, Edit::Colour, W::ParamHeaderFontColor},
        {ID_HEADER_COLOUR_RISE, Edit::Colour, W::ParamHeaderFontColorRise},
        {ID_HEADER_COLOUR_FALL, Edit::Colour, W::ParamHeaderFontColorFall},
        {ID_GRID_COLOUR, Edit::PenColour, W::ParamGridPen},
        {ID_GRID_TYPE, Edit::PenType, W::ParamGridPen},
        {ID_GRID_WIDTH, Edit::PenWidth, W::ParamGridPen},
        {ID_BACKGROUND, Edit::Colour, W::ParamBkColor},
        {ID_INDICATOR, Edit::Colour, W::ParamIndicatorColor},
        {ID_WINDOW_COPY_FROM, Edit::CopyFrom},
        {ID_AXIS_FONT, Edit::FontName, W::ParamAxisFont},
        {ID_AXIS_FONT_SIZE, Edit::FontSize, W::ParamAxisFont},
        {ID_SIGNIFICANT_GRID, Edit::Colour, W::ParamSignificantGridColor},
        {ID_LABEL_COLOUR, Edit::Colour, W::ParamLabelFontColor},
        {ID_LABEL_COLOUR_RISE, Edit::Colour, W::ParamLabelFontColorRise},
        {ID_LABEL_COLOUR_FALL, Edit::Colour, W::ParamLabelFontColorFall},
        {ID_LABEL_BK_RISE, Edit::Colour, W::ParamLabelBkColorRise},
        {ID_LABEL_BK_FALL, Edit::Colour, W::ParamLabelBkColorFall},
        {ID_WINDOW_NAME, Edit::Name},
        {ID_MARKERS, Edit::Colour, W::ParamMarkersColor},
        {ID_SERIES_HIGHLIGHT, Edit::Colour, W::ParamSeriesHighlightColor},
        {ID_BUY_ALERT, Edit::Colour, W::ParamBuyAlertColor},
        {ID_SELL_ALERT, Edit::Colour, W::ParamSellAlertColor},
    };
    AddCommands(commands);
    std::vector<Command> indicators;
    for (int i = 0; i < 6; ++i)
        indicators.push_back({ID_INDICATOR_COLOURS[i], Edit::Colour, W::ParamFirstIndicatorColor + i});
    AddCommands(indicators);
    AddChecks();
    AddRelatedStyle(ID_PRICE_STYLE, W::RelationPriceSeries, StyleChartElement::Type);
    AddRelatedStyle(ID_VOLUME_STYLE, W::RelationVolume, StyleChartElement::Type);
    AddRelatedStyle(ID_LOP_STYLE, W::RelationLop, StyleChartElement::Type);
    AddRelatedStyle(ID_FORMATION_STYLE, W::RelationFormation, StyleFormation::Type);

    if (ActiveObjectsContainer* active = Active())
        active->ReCreateActiveChart();
    SetIndicatorIcons(true);
}

CmdTargetEditChartWindowStyle::~CmdTargetEditChartWindowStyle()
{
    SetIndicatorIcons(false);
}

void CmdTargetEditChartWindowStyle::OnStyleCopied()
{
    CmdTargetEditChartStyleBase::OnStyleCopied();
    SetIndicatorIcons(true);
}

QIcon CmdTargetEditChartWindowStyle::IndicatorIcon(qint32 colour)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect square(1, 1, 13, 13);
    const ColorRef value(static_cast<quint32>(colour));
    painter.fillRect(square, QColor(value.Red(), value.Green(), value.Blue()));
    painter.setPen(QPen(ToolkitColors::Get(kIconOutlineColour), 1));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

void CmdTargetEditChartWindowStyle::SetIndicatorIcons(bool shown)
{
    RibbonsFactory* factory = GetHandler().GetHost().GetRibbonsFactory();
    QuorvantaRibbonBar* ribbon = factory ? factory->GetRibbonBar() : nullptr;
    const std::shared_ptr<StyleBase>& style = GetEditedStyle();
    if (!ribbon || !ribbon->GetCommandBars() || !style)
        return;
    RibbonImageManager& images = ribbon->GetCommandBars()->GetImageManager();
    for (int i = 0; i < 6; ++i)
        images.SetCustomIcon(ID_INDICATOR_COLOURS[i], shown ? IndicatorIcon(style->GetValue(StyleChartWindow::ParamFirstIndicatorColor + i))
                                                             : QIcon());
    ribbon->NotifyChanged();
}

void CmdTargetEditChartWindowStyle::AddChecks()
{
    using W = StyleChartWindow;
    const std::pair<std::uint32_t, int> checks[] = {
        {ID_HORIZONTAL_GRID, W::ParamHorizontalGrid},
        {ID_VERTICAL_GRID, W::ParamVerticalGrid},
        {ID_COLOUR_LABELS, W::ParamColourLabels},
    };
    for (const auto& [id, parameter] : checks)
    {
        OnCommand(id, [this, parameter = parameter] {
            StyleBase& style = *GetEditedStyle();
            style.SetValue(parameter, style.GetValue(parameter) == 0 ? 1 : 0);
            OnStyleCopied();
            RedrawActiveModuleWindow();
        });
        OnUpdate(id, [this, parameter = parameter](CmdUI& cmdUI) {
            cmdUI.Enable(true);
            cmdUI.SetCheck(GetEditedStyle()->GetValue(parameter) != 0 ? 1 : 0);
        });
    }
}

void CmdTargetEditChartWindowStyle::AddRelatedStyle(std::uint32_t id, int relation, StyleType kind)
{
    OnUpdate(id, [this, relation](CmdUI& cmdUI) {
        StyleEditCmdHelper::UpdateCheckedRelatedStyle(*GetEditedStyle(), relation, cmdUI);
    });
    for (const int code : {NotifyCodes::GalleryPreviewChange, NotifyCodes::GalleryPreviewCancel})
    {
        OnNotify(id, code, [this, relation, kind](NotifyInfo& info) {
            StyleEditCmdHelper::SetRelatedStyleFromGallery(*GetEditedStyle(), relation, info, *GetWorkingCopy(), kind);
            RedrawActiveModuleWindow();
        });
    }
    OnNotify(id, NotifyCodes::Execute, [this, relation, kind](NotifyInfo& info) {
        const GalleryControl* gallery = StyleEditCmdHelper::GetGallery(info);
        const GalleryItem* item = gallery ? gallery->GetItem(gallery->GetSelectedItem()) : nullptr;
        if (item)
            GetEditedStyle()->SetRelatedStyle(relation, static_cast<int>(item->GetID()), kind);
        OnStyleCopied();
        RedrawActiveModuleWindow();
    });
    OnNotify(id, NotifyCodes::SpecialStylesRequest, [this, relation](NotifyInfo& info) {
        auto galleryInfo = std::make_shared<SpecialStylesInfo>();
        const StyleBase& edited = *GetEditedStyle();
        galleryInfo->checkedStyleId = StyleBase::SafeGetId(edited.GetRelatedStyle(relation));
        galleryInfo->background = ColorRef(static_cast<quint32>(edited.GetValue(StyleChartWindow::ParamBkColor)));
        const std::shared_ptr<StyleBase> own = edited.GetOwnStyle(relation);
        if (own && !own->GetName().isEmpty())
        {
            galleryInfo->groupCaption = QStringLiteral("Style lokalne");
            galleryInfo->styles.push_back(own);
        }
        Answer(info, std::move(galleryInfo));
    });
}

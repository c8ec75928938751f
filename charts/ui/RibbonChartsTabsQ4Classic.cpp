#include "charts/ui/RibbonChartsTabsQ4Classic.h"

#include "charts/ui/ChangeIntervalWindowManagerQ4Classic.h"
#include "charts/ui/ChangeMarginsWindowsManager.h"
#include "charts/ui/ChartCommandIds.h"
#include "charts/ui/ChartDayBeginEndManager.h"
#include "charts/ui/ChartGalleryHelpers.h"
#include "charts/ui/ChartMinMaxWindowManager.h"
#include "charts/ui/ChartSeriesBaseSettingsDlg.h"
#include "charts/ui/ChartTabs.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationToolsTab.h"
#include "charts/ui/UserIndicatorsGalleryHelper.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/galleries/ConnectedTableGaleryHalper.h"

using namespace ChartCommandIds;

namespace
{

ConsumerManager* MediatorConsumers()
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetConsumerManager() : nullptr;
}

ChartConsumer* MediatorCharts()
{
    ConsumerManager* consumers = MediatorConsumers();
    return consumers ? consumers->GetChartConsumer() : nullptr;
}

TableConsumer* MediatorTables()
{
    ConsumerManager* consumers = MediatorConsumers();
    return consumers ? consumers->GetTableConsumer() : nullptr;
}

// The caption of a control from another string entry ("description\ncaption").
void SetCaptionFrom(RibbonControl* control, std::uint32_t stringId)
{
    if (!control || !StringTable::Instance().Contains(stringId))
        return;
    const QString text = StringTable::Instance().Get(stringId);
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    control->SetCaption(lineBreak < 0 ? text : text.mid(lineBreak + 1));
}

RibbonControl* AddButton(RibbonGroupBase* group, std::uint32_t id, std::uint32_t captionId = 0)
{
    RibbonControl* control = AddRibbonControl(group, RibbonControlButton, id);
    if (captionId != 0)
        SetCaptionFrom(control, captionId);
    return control;
}

RibbonControl* AddGalleryPopup(RibbonGroupBase* group, std::uint32_t id, std::shared_ptr<IDynamicGalleryHelper> helper,
                               std::uint32_t captionId = 0)
{
    RibbonControl* popup = AddRibbonControl(group, RibbonControlPopup, id);
    if (!popup)
        return nullptr;
    if (captionId != 0)
        SetCaptionFrom(popup, captionId);
    auto bar = std::make_unique<RibbonPopupBar>();
    bar->Add(std::make_unique<CheckBoxGalleryControl>(std::move(helper), CheckBoxGalleryControl::kUncheckedImageId,
                                                      CheckBoxGalleryControl::kCheckedImageId, id),
             id);
    popup->SetCommandBar(std::move(bar));
    return popup;
}

constexpr int kScaleItemWidth = 130;
constexpr int kScaleItemHeight = 22;

// The three time scales the chart can be drawn on, shown in the group; only the linear one has a
// day range.
bool AddTimeAxisGallery(RibbonGroupBase* group)
{
    auto gallery = std::make_unique<GalleryControl>(ID_TIME_AXIS_GALLERY);
    const std::pair<QString, std::uint32_t> scales[] = {
        {QStringLiteral("Transakcyjna"), 342}, {QStringLiteral("Liniowa"), 340}, {QStringLiteral("Liniowa stała"), 341}};
    for (std::uint32_t type = 0; type < 3; ++type)
        gallery->AddItem(type, scales[type].first, scales[type].second)->SetSize(QSize(kScaleItemWidth, kScaleItemHeight));
    gallery->SetItemSize(QSize(kScaleItemWidth, kScaleItemHeight));
    gallery->SetWidth(kScaleItemWidth);
    gallery->SetHeight(3 * kScaleItemHeight);
    gallery->SetShowScrollBar(false);
    return AddRibbonControlObject(group, std::move(gallery), ID_TIME_AXIS_GALLERY) != nullptr;
}

template <typename Manager>
RibbonControl* AddWindowPopup(RibbonGroupBase* group, std::uint32_t id, std::uint32_t captionId, QWidget* parent)
{
    auto control = std::make_unique<RibbonControlPopupEx>(id);
    control->LoadStrings();
    SetCaptionFrom(control.get(), captionId);
    control->SetPopupWindowManager(std::make_unique<Manager>(parent, control.get()));
    return AddRibbonControlObject(group, std::move(control), id);
}

}

RibbonChartsTabsQ4Classic::RibbonChartsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : RibbonChartsTabsQ4Classic(factory, ribbonBar, MediatorCharts(), MediatorTables())
{
}

RibbonChartsTabsQ4Classic::RibbonChartsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                     ChartConsumer* charts, TableConsumer* tables)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_charts(charts)
    , m_tables(tables)
{
}

bool RibbonChartsTabsQ4Classic::AddTab(std::uint32_t stringId, std::unique_ptr<QuorvantaTab> tab)
{
    QuorvantaTab* added = GetRibbonBar().AddTab(stringId, std::move(tab));
    if (!added)
        return false;
    added->SetContextColor(RibbonContextColorOrange);
    added->SetContextCaption(QString());
    GetRibbonsFactory().AddModuleTab(stringId, m_charts, added);
    return true;
}

bool RibbonChartsTabsQ4Classic::CreateTabs()
{
    if (!m_charts)
        return false;
    return AddTab(IDS_TAB_CHART, std::make_unique<ChartMainTabStandard>(*this))
           && AddTab(IDS_TAB_VALUE_AXIS, std::make_unique<ChartAxisValueTab>(*this))
           && AddTab(IDS_TAB_SERIES, std::make_unique<ChartSeriesTabStandard>(*this))
           && AddTab(FormationCommandIds::IDS_TAB_FORMATIONS, std::make_unique<FormationToolsTab>(*this));
}

bool RibbonChartsTabsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* zoom = InsertRibbonGroup(&tab, GROUP_ZOOM);
    RibbonGroupBase* contents = InsertRibbonGroup(&tab, GROUP_CONTENTS);
    RibbonGroupBase* data = InsertRibbonGroup(&tab, GROUP_DATA);
    RibbonGroupBase* view = InsertRibbonGroup(&tab, GROUP_MARGINS);
    RibbonGroupBase* timeAxis = InsertRibbonGroup(&tab, GROUP_DAY_RANGE);
    RibbonGroupBase* indicators = InsertRibbonGroup(&tab, GROUP_INDICATORS);
    if (!zoom || !contents || !data || !view || !timeAxis || !indicators)
        return false;
    RibbonControl* user = AddRibbonControl(indicators, RibbonControlPopup, ID_USER_INDICATORS);
    if (!user || !AddDynamicGallery(user, nullptr, std::make_shared<UserIndicatorsGalleryHelper>(), ID_USER_INDICATORS))
        return false;
    bool added = AddButton(zoom, ID_ZOOM_TOOL) && AddButton(zoom, ID_ZOOM_IN) && AddButton(zoom, ID_ZOOM_OUT)
                 && AddButton(zoom, ID_SHOW_ALL);
    added = added && AddGalleryPopup(contents, ID_REVERT_SERIES, std::make_shared<RevertHiddenSeriesHelper>());
    RibbonControl* link = AddRibbonControl(contents, RibbonControlPopup, ID_CONNECT_TABLE);
    added = added && link
            && AddDynamicGallery(link, nullptr, std::make_shared<ConnectedTableGaleryHalper>(m_tables), ID_CONNECT_TABLE);
    RibbonControl* interval = AddWindowPopup<ChangeIntervalWindowManagerQ4Classic>(data, ID_INTERVAL, ID_INTERVAL_CAPTION, nullptr);
    RibbonControl* synchronize = AddButton(data, ID_SYNCHRONIZE);
    RibbonControl* records = AddButton(data, ID_RECORDS, ID_RECORDS_CAPTION);
    RibbonControl* columns =
        AddGalleryPopup(data, ID_RECORDS_SERIES, std::make_shared<ChartTransactionSeriesGaleryHelper>(), ID_RECORDS_SERIES_CAPTION);
    added = added && AddWindowPopup<ChangeMarginsWindowsManager>(view, ID_MARGINS, ID_MARGINS, nullptr)
            && AddButton(view, ID_WINDOW_STYLE) && AddTimeAxisGallery(timeAxis)
            && AddWindowPopup<ChartDayBeginEndManager>(timeAxis, ID_LINEAR_DAY_RANGE, ID_LINEAR_DAY_RANGE, nullptr);
    if (!added || !interval || !synchronize || !records || !columns)
        return false;
    interval->SetBeginGroup(true);
    records->SetBeginGroup(true);
    return true;
}

bool RibbonChartsTabsQ4Classic::CreateAxisValueTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* range = InsertRibbonGroup(&tab, GROUP_VALUE_RANGE);
    RibbonGroupBase* settings = InsertRibbonGroup(&tab, GROUP_SETTINGS);
    if (!range || !settings)
        return false;
    return AddWindowPopup<ChartMinMaxWindowManager>(range, ID_AXIS_RANGE, ID_AXIS_RANGE_CAPTION, nullptr)
           && AddButton(range, ID_RESET_AXIS, ID_RESET_AXIS_CAPTION)
           && AddGalleryPopup(settings, ID_CONNECTED_SERIES, std::make_shared<AxisValueConnectedSeriesHelper>());
}

bool RibbonChartsTabsQ4Classic::CreateSeriesTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* series = InsertRibbonGroup(&tab, GROUP_SERIES);
    RibbonGroupBase* types = InsertRibbonGroup(&tab, GROUP_CHART_TYPE);
    if (!series || !types)
        return false;
    return AddButton(series, ID_REMOVE_SERIES, ID_REMOVE_SERIES_CAPTION) && AddButton(series, ID_PIN_TO_AXIS, ID_PIN_TO_AXIS_CAPTION)
           && AddButton(series, ID_SERIES_STYLE)
           && AddButton(types, ID_TYPE_LINE, ID_TYPE_LINE_CAPTION) && AddButton(types, ID_TYPE_COLUMN, ID_TYPE_COLUMN_CAPTION)
           && AddButton(types, ID_TYPE_BAR, ID_TYPE_BAR_CAPTION) && AddButton(types, ID_TYPE_CANDLE, ID_TYPE_CANDLE_CAPTION)
           && AddWindowPopup<ChartSeriesBaseSettingsDlg>(types, ID_BASE_LEVEL, ID_BASE_LEVEL, nullptr);
}

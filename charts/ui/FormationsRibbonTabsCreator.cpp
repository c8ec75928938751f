#include "charts/ui/FormationsRibbonTabsCreator.h"

#include "charts/ui/AttachFormationToSerieHelper.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationFiboLevelsWindowManager.h"
#include "charts/ui/FormationFiboTimzoneLevelsWindowManager.h"
#include "charts/ui/FormationGannFanLevelsWindowManager.h"
#include "charts/ui/FormationTab.h"
#include "charts/ui/FormationsNumericValueEditControlPainter.h"
#include "charts/ui/MoreFormationOptionsPopupManager.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IApplicationObject.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "platform/modules/StyleType.h"

#include <initializer_list>
#include <vector>

using namespace FormationCommandIds;
using P = FormationParam;

namespace
{

enum class Part
{
    ShowLabel,    // "Pokaż:" and "Etykietę"
    LabelCheck,   // "Etykieta" alone
    Extension,    // "Przedłużaj", "Do końca", "Do początku"
    Check,
    Edit,
    PricePopup,
    ChannelPopup,
    FiboLevels,
    TimeZoneLevels,
    GannLevels,
};

struct Control
{
    Part part;
    std::uint32_t id = 0;
    std::uint32_t captionId = 0;
    bool beginGroup = false;
    int width = 0;
};

struct TabRow
{
    std::uint32_t tabString;
    std::initializer_list<FormationType> types;
    std::uint32_t settingsGroup;
    std::initializer_list<Control> controls;
};

constexpr std::uint32_t kShowLabel = 33662;
constexpr std::uint32_t kExtendLabel = 33512;
constexpr std::uint32_t kTextboxSettingsGroup = 214;
constexpr std::uint32_t kDisplayOptionsGroup = 330;
constexpr std::uint32_t kStylePopupCaption = 33573;

// The tabs in the order they are made; every settings group ends with the "Powiąż" gallery.
const TabRow kTabs[] = {
    {155, {P::kLine, P::kSegment, P::kRay, P::kParallelChannel}, 257, {{Part::ShowLabel}, {Part::Extension}}},
    {123, {P::kAngleLine}, GROUP_ANGLE_LINE, {{Part::Edit, ID_ANGLE, 0, false, 60}, {Part::LabelCheck}, {Part::Extension}}},
    {224, {P::kVertical, P::kHorizontal}, 277, {{Part::ShowLabel}, {Part::Check, ID_SHOW_VALUE}}},
    {156, {P::kPitchfork}, 259, {{Part::ShowLabel}, {Part::Check, ID_PITCHFORK_CONNECTOR, 33480}}},
    {157, {P::kRegressionChannel}, GROUP_REGRESSION_CHANNEL,
     {{Part::ShowLabel}, {Part::Extension}, {Part::PricePopup, ID_CHANNEL_PRICE_POPUP, 33490, true},
      {Part::ChannelPopup, ID_CHANNEL_TYPE_POPUP, 33491}, {Part::Edit, ID_DEVIATION, 0, false, 95}}},
    {263, {P::kTriangle, P::kRectangle, P::kEllipse}, 264, {{Part::ShowLabel}, {Part::Check, ID_FILL, 33617}}},
    {160, {P::kFiboRetracement, P::kFiboProjection}, GROUP_FIBO,
     {{Part::ShowLabel}, {Part::FiboLevels, ID_FIBO_LEVELS, 33496}, {Part::Check, ID_FIBO_PERCENT, 33561, true}, {Part::Check, ID_FIBO_NUMERIC, 33562}}},
    {243, {P::kFiboTimeRange}, GROUP_TIME_RANGE,
     {{Part::ShowLabel}, {Part::FiboLevels, ID_TIME_RANGE_LEVELS, 33556}, {Part::Check, ID_TIME_RANGE_DESCRIPTION, 33558, true}}},
    {124, {P::kFiboFan, P::kFiboArcs}, GROUP_FIBO_FAN, {{Part::ShowLabel}, {Part::Check, ID_FAN_DESCRIPTION, 33565}}},
    {249, {P::kFiboTimeZones}, GROUP_TIME_ZONES,
     {{Part::ShowLabel}, {Part::Edit, ID_TIME_ZONE_MULTIPLIER, 0, true, 90},
      {Part::TimeZoneLevels, ID_TIME_ZONE_LEVELS, ID_TIME_ZONE_LEVELS}}},
    {250, {P::kGannFan}, GROUP_GANN_FAN,
     {{Part::GannLevels, ID_GANN_LEVELS, 33567}, {Part::ShowLabel}, {Part::Check, ID_GANN_DESCRIPTION, 33569}}},
    {251, {P::kGannLine, P::kGannGrid}, GROUP_GANN_LINE, {{Part::Edit, ID_GANN_INCREMENT, 0, false, 90}, {Part::LabelCheck}}},
    {255, {P::kCycleLines}, GROUP_CYCLE_LINES, {{Part::ShowLabel}, {Part::Edit, ID_CYCLE_LENGTH, 0, true, 100}}},
    {254, {}, 0, {}},
    {256, {P::kFan}, 270, {{Part::ShowLabel}, {Part::Check, ID_EXTEND_TO_END_SECOND, 0}}},
    {103, {P::kText}, 80, {}},
};

ChartConsumer* MediatorCharts()
{
    AppMediator* mediator = AppMediator::Instance();
    ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr;
    return consumers ? consumers->GetChartConsumer() : nullptr;
}

// New styles are written at once, beside the others; not kept back until the program ends.
bool SaveApplicationStyles()
{
    AppMediator* mediator = AppMediator::Instance();
    IApplicationObject* application = mediator ? mediator->GetApplicationObject() : nullptr;
    return application && application->SaveApplicationStyles(false);
}

QString CaptionOf(std::uint32_t stringId)
{
    return StringTable::Instance().Get(stringId).section(QLatin1Char('\n'), -1);
}

RibbonControl* Add(RibbonGroupBase* group, int type, std::uint32_t id, const QString& caption = QString(),
                   bool beginGroup = false)
{
    RibbonControl* control = AddRibbonControl(group, type, id);
    if (!control)
        return nullptr;
    if (!caption.isEmpty())
        control->SetCaption(caption);
    control->SetBeginGroup(beginGroup);
    return control;
}

RibbonControl* AddMenuPopup(RibbonGroupBase* group, std::uint32_t id, std::uint32_t captionId,
                            std::initializer_list<std::uint32_t> items)
{
    RibbonControl* popup = Add(group, RibbonControlPopup, id, CaptionOf(captionId));
    if (!popup)
        return nullptr;
    auto bar = std::make_unique<RibbonPopupBar>();
    for (const std::uint32_t item : items)
    {
        auto button = std::make_unique<RibbonControl>(RibbonControlButton, item);
        button->SetCaption(CaptionOf(item));
        bar->Add(std::move(button), item);
    }
    popup->SetCommandBar(std::move(bar));
    return popup;
}

// A levels button whose popup gets a window manager of its own.
template <typename Manager>
bool AddLevelsPopup(RibbonGroupBase* group, const Control& control, ChartConsumer* charts)
{
    auto popup = std::make_unique<RibbonControlPopupEx>(control.id);
    popup->LoadStrings();
    popup->SetCaption(CaptionOf(control.captionId));
    popup->SetPopupWindowManager(std::make_unique<Manager>(nullptr, popup.get(), charts));
    return AddRibbonControlObject(group, std::move(popup), control.id) != nullptr;
}

// The width of a numeric edit's value: the angle's is widest.
int ValueWidthOf(std::uint32_t editId)
{
    switch (editId)
    {
    case ID_ANGLE:
        return 35;
    case ID_GANN_INCREMENT:
    case ID_DEVIATION:
        return 25;
    default:
        return 20;
    }
}

bool AddPart(RibbonGroupBase* group, const Control& control, ChartConsumer* charts)
{
    switch (control.part)
    {
    case Part::ShowLabel:
        return Add(group, RibbonControlLabel, kShowLabel) && Add(group, RibbonControlCheckBox, ID_SHOW_LABEL, QStringLiteral("Etykietę"));
    case Part::LabelCheck:
        return Add(group, RibbonControlCheckBox, ID_SHOW_LABEL, QStringLiteral("Etykieta"));
    case Part::Extension:
        return Add(group, RibbonControlLabel, kExtendLabel, QString(), true)
               && Add(group, RibbonControlCheckBox, ID_EXTEND_TO_END, CaptionOf(33489))
               && Add(group, RibbonControlCheckBox, ID_EXTEND_TO_BEGIN, CaptionOf(33488));
    case Part::Check:
        return Add(group, control.id == ID_EXTEND_TO_END_SECOND ? RibbonControlButton : RibbonControlCheckBox, control.id,
                   control.captionId ? CaptionOf(control.captionId) : QString(), control.beginGroup);
    case Part::Edit:
    {
        auto edit = std::make_unique<RibbonEditControl>(control.id);
        edit->SetCaption(CaptionOf(control.id));
        edit->SetCustomPainter(std::make_shared<FormationsNumericValueEditControlPainter>(ValueWidthOf(control.id)));
        edit->SetWidth(control.width);
        edit->SetBeginGroup(control.beginGroup);
        return AddRibbonControlObject(group, std::move(edit), control.id) != nullptr;
    }
    case Part::PricePopup:
    {
        RibbonControl* popup =
            AddMenuPopup(group, control.id, control.captionId, {ID_PRICE_OPEN, ID_PRICE_LOW, ID_PRICE_HIGH, ID_PRICE_CLOSE});
        if (popup)
            popup->SetBeginGroup(true);
        return popup != nullptr;
    }
    case Part::FiboLevels:
        return AddLevelsPopup<FormationFiboLevelsWindowManager>(group, control, charts);
    case Part::TimeZoneLevels:
        return AddLevelsPopup<FormationFiboTimzoneLevelsWindowManager>(group, control, charts);
    case Part::GannLevels:
        return AddLevelsPopup<FormationGannFanLevelsWindowManager>(group, control, charts);
    case Part::ChannelPopup:
        return AddMenuPopup(group, control.id, control.captionId, {ID_CHANNEL_RAFF, ID_CHANNEL_DEVIATION, ID_CHANNEL_AVERAGE})
               != nullptr;
    }
    return false;
}

bool AddAttachPopup(RibbonGroupBase* group)
{
    RibbonControl* popup = Add(group, RibbonControlPopup, ID_ATTACH, QString(), true);
    if (!popup)
        return false;
    auto bar = std::make_unique<RibbonPopupBar>();
    bar->Add(std::make_unique<CheckBoxGalleryControl>(std::make_shared<AttachFormationToSerieHelper>(),
                                                      CheckBoxGalleryControl::kUncheckedImageId,
                                                      CheckBoxGalleryControl::kCheckedImageId, ID_ATTACH),
             ID_ATTACH);
    popup->SetCommandBar(std::move(bar));
    return true;
}

// The formation styles' popup (its gallery's right-click menu opens the style editing).
bool AddStylePopup(RibbonGroupBase* group)
{
    RibbonControl* style = Add(group, RibbonControlPopup, ID_STYLE_POPUP, CaptionOf(kStylePopupCaption));
    if (!style)
        return false;
    style->SetCommandBar(std::make_unique<RibbonPopupBar>());
    if (!AddDynamicGallery(style, nullptr, CreateStylePreviewGalleryHelper(StyleTypes::Formation, QStringLiteral("formacji")),
                           ID_STYLE_GALLERY))
        return false;
    AddControlToolTip(style);
    SetSharedSmallIcon(ID_STYLE_POPUP);
    SetSharedLargeIcon(ID_STYLE_POPUP);
    return true;
}

// Styles are edited in extended mode only; the colours and lines of the active formation always.
bool AddDisplayOptions(FormationTab& tab, bool extended, ChartConsumer* charts)
{
    RibbonGroupBase* group = InsertRibbonGroup(&tab, kDisplayOptionsGroup);
    if (!group || (extended && !AddStylePopup(group)))
        return false;
    if (!AddColorPopupButtonWithDefault(group, ID_BASE_LINE_COLOR)
        || !AddColorPopupButtonWithDefault(group, ID_EXTENSION_COLOR))
        return false;
    auto more = std::make_unique<RibbonControlPopupEx>(ID_MORE_OPTIONS);
    more->LoadStrings();
    more->SetCaption(CaptionOf(ID_MORE_OPTIONS));
    more->SetPopupWindowManager(std::make_unique<MoreFormationOptionsPopupManager>(
        nullptr, more.get(), charts, MoreOptionsPopupBarDlgBase::Options{extended, SaveApplicationStyles}));
    return AddRibbonControlObject(group, std::move(more), ID_MORE_OPTIONS) != nullptr;
}

// The groups of a tab: "Formacja", its "Ustawienia", then "Opcje wyświetlania". A
// step that fails ends the build; what was made stays.
bool BuildGroups(FormationTab& tab, const TabRow& row, ChartConsumer* charts, bool extended)
{
    RibbonGroupBase* formation = InsertRibbonGroup(&tab, GROUP_FORMATION);
    if (!formation)
        return false;
    auto name = std::make_unique<RibbonEditControl>(ID_NAME);
    name->SetWidth(96);
    if (!AddRibbonControlObject(formation, std::move(name), ID_NAME)
        || !Add(formation, RibbonControlButton, ID_REMOVE, CaptionOf(33516))
        || !Add(formation, RibbonControlButton, ID_DUPLICATE, CaptionOf(33517)))
        return false;
    RibbonGroupBase* settings = InsertRibbonGroup(&tab, row.settingsGroup ? row.settingsGroup : kTextboxSettingsGroup);
    if (!settings)
        return false;
    for (const Control& control : row.controls)
        if (!AddPart(settings, control, charts))
            return false;
    return AddAttachPopup(settings) && AddDisplayOptions(tab, extended, charts);
}

}

FormationsRibbonTabsCreator::FormationsRibbonTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : FormationsRibbonTabsCreator(factory, ribbonBar, MediatorCharts())
{
}

FormationsRibbonTabsCreator::FormationsRibbonTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                         ChartConsumer* charts)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_charts(charts)
{
}

bool FormationsRibbonTabsCreator::CreateTabs()
{
    if (!m_charts)
        return false;
    const bool extended = GetRibbonsFactory().IsExtendedMode();
    for (const TabRow& row : kTabs)
    {
        const FormationType first = row.types.size() > 0 ? *row.types.begin() : P::kNoTool;
        auto tab = std::make_unique<FormationTab>(*this, m_charts, first, [&row, charts = m_charts, extended](FormationTab& built) {
            return BuildGroups(built, row, charts, extended);
        });
        for (const FormationType type : row.types)
            tab->AddType(type);
        tab->SetSettingsGroupId(row.settingsGroup);
        QuorvantaTab* added = GetRibbonBar().AddTab(row.tabString, std::move(tab));
        if (!added)
            return false;
        GetRibbonsFactory().AddModuleTab(row.tabString, m_charts, added);
        added->SetContextColor(RibbonContextColorOrange);
        added->SetContextCaption(QStringLiteral("Formacja"));
        added->SetVisible(false);
    }
    return true;
}

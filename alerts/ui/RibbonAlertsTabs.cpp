#include "alerts/ui/RibbonAlertsTabs.h"

#include "alerts/ui/AlertGeneralTab.h"
#include "alerts/ui/CmdTargetAlerts.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"

namespace
{
struct ControlRow
{
    std::uint32_t id;
    int type;
    std::uint32_t icon16;
    std::uint32_t icon32;
    bool newBlock;
};

// A text without a line break is its own caption.
QString CaptionOf(std::uint32_t stringId)
{
    const QString caption = StringTable::Instance().Caption(stringId);
    return caption.isEmpty() ? StringTable::Instance().Get(stringId) : caption;
}

bool AddControls(RibbonsFactory& factory, RibbonGroupBase* group, std::initializer_list<ControlRow> rows)
{
    for (const ControlRow& row : rows)
    {
        RibbonControl* control = AddRibbonControl(group, row.type, row.id);
        if (!control)
            return false;
        if (row.icon16 != 0 || row.icon32 != 0)
            SetRibbonIcons(factory, row.id, row.icon16, row.icon32);
        control->SetStyle(row.icon32 != 0 ? RibbonControlStyle::Large : RibbonControlStyle::Small);
        if (row.newBlock)
            control->SetBeginGroup(true);
        AddControlToolTip(control);
    }
    return true;
}
}

RibbonAlertsTabs::RibbonAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, IGenericModule* module)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_module(module)
{
}

bool RibbonAlertsTabs::CreateTabs()
{
    if (!m_module)
        return false;
    QuorvantaTab* tab = GetRibbonBar().AddTab(ID_TAB_ALERTS, std::make_unique<AlertGeneralTab>(*this));
    if (!tab)
        return false;
    GetRibbonsFactory().AddModuleTab(ID_TAB_ALERTS, m_module, tab);
    tab->SetContextColor(RibbonContextColorRed);
    tab->SetContextCaption(CaptionOf(47));
    return true;
}

int RibbonAlertsTabs::CreateAlertGeneralGroups(QuorvantaTab& tab)
{
    RibbonsFactory& factory = GetRibbonsFactory();
    RibbonGroupBase* operations = tab.AddGroup(CaptionOf(ID_GROUP_OPERATIONS), ID_GROUP_OPERATIONS);
    if (!AddControls(factory, operations,
                     {{CmdTargetAlerts::ID_ALERT_NEW, RibbonControlButton, 32967, 32967, false},
                      {CmdTargetAlerts::ID_ALERT_EDIT, RibbonControlButton, 32977, 32977, false},
                      {CmdTargetAlerts::ID_ALERT_DELETE, RibbonControlButton, 32965, 32965, false},
                      {CmdTargetAlerts::ID_ALERT_DELETE_ALL, RibbonControlButton, 32978, 0, true},
                      {CmdTargetAlerts::ID_ALERT_CLEAR_HISTORY, RibbonControlButton, 32979, 0, false}}))
        return 0;

    RibbonGroupBase* parameters = tab.AddGroup(CaptionOf(ID_GROUP_PARAMETERS), ID_GROUP_PARAMETERS);
    auto name = std::make_unique<RibbonEditControl>(CmdTargetAlerts::ID_ALERT_NAME);
    name->SetTooltip(CaptionOf(CmdTargetAlerts::ID_ALERT_NAME));
    name->SetWidth(140);
    if (!AddRibbonControlObject(parameters, std::move(name), CmdTargetAlerts::ID_ALERT_NAME))
        return 0;
    RibbonControl* label = AddRibbonControl(parameters, RibbonControlLabel, CmdTargetAlerts::ID_ALERT_NOTIFY_LABEL);
    if (!label)
        return 0;
    label->SetCaption(QStringLiteral("Sposób powiadamiania:"));
    label->SetBeginGroup(true);
    if (!AddControls(factory, parameters,
                     {{CmdTargetAlerts::ID_ALERT_NOTIFY_WINDOW, RibbonControlCheckBox, 0, 0, false},
                      {CmdTargetAlerts::ID_ALERT_NOTIFY_SOUND, RibbonControlCheckBox, 0, 0, false},
                      {CmdTargetAlerts::ID_ALERT_NOTIFY_MAIL, RibbonControlCheckBox, 0, 0, false},
                      {CmdTargetAlerts::ID_ALERT_NOTIFY_SMS, RibbonControlCheckBox, 0, 0, true},
                      {CmdTargetAlerts::ID_ALERT_NOTIFY_PUSH, RibbonControlCheckBox, 0, 0, false}}))
        return 0;

    RibbonGroupBase* flags = tab.AddGroup(CaptionOf(ID_GROUP_FLAGS), ID_GROUP_FLAGS);
    return AddControls(factory, flags,
                       {{CmdTargetAlerts::ID_ALERT_ACTIVE, RibbonControlCheckBox, 0, 0, false},
                        {CmdTargetAlerts::ID_ALERT_ONLY_ONCE, RibbonControlCheckBox, 0, 0, false},
                        {CmdTargetAlerts::ID_ALERT_SYNCHRONOUS, RibbonControlCheckBox, 0, 0, false}})
               ? 1
               : 0;
}

#include "workspace/targets/CmdTargetTransList.h"

#include "platform/ui/NotifyCodes.h"
#include "workspace/targets/ModuleCmdTargetIds.h"

namespace
{
DisplayParamsCmdTarget::Operations TransListOperations(const CmdTargetTransList::Accessor& c)
{
    DisplayParamsCmdTarget::Operations o;
    o.available = [c] { return c() != nullptr; };
    o.change = [c](int g, int p, int v) { c()->ChangeTldsParams(g, p, v); };
    o.get = [c](int g, int p) { return c()->GetTldsParams(g, p); };
    o.cancel = [c] { c()->CancelTldsParams(); };
    o.apply = [c] { c()->ApplyTldsParams(); };
    o.restore = [c] { c()->TldsRestore(); };
    o.redraw = [c] { c()->RedrawActiveTransList(); };
    o.isLocked = [c] { return c()->IsActiveTranslistColumnWidthLocked(); };
    o.lock = [c](bool locked) { c()->LockActiveTranslistColumnWidth(locked); };
    o.activeStyleId = [c] { return c()->GetActiveTransListStyleID(); };
    o.previewStyle = [c](int id) { return c()->OnActiveTransListPreviewStyleChanged(id); };
    o.cancelPreviewStyle = [c] { c()->CancelActiveTranslistPreviewStyle(); };
    o.applyPreviewStyle = [c] { c()->ApplyActiveTranslistPreviewStyle(); };
    o.defaultStyle = [c] { return c()->DefaultStyle(); };
    return o;
}

const DisplayParamsCmdTarget::Ids kIds{TransListCmd::ID_LOCK_COLUMNS, TransListCmd::ID_EDIT_STYLE,
                                       TransListCmd::ID_STYLE_GALLERY, TransListCmd::ID_LINK,
                                       TransListCmd::ID_FONT_LARGER,  TransListCmd::ID_FONT_SMALLER,
                                       TransListCmd::ID_FONT_RESTORE, TransListCmd::ID_MORE_OPTIONS,
                                       TransListCmd::ID_RESTORE};

std::vector<DisplayParamsCmdTarget::ColourGallery> Galleries(const std::function<bool()>& tendency)
{
    const auto plain = [tendency] { return !tendency(); };
    return {{33875, 0, 2, plain},    {33877, 1, 2, plain},    {33879, 0, 3, plain},    {33881, 1, 3, plain},
            {33896, 2, 2, tendency}, {33878, 3, 2, tendency}, {33876, 4, 2, tendency}, {33891, 5, 2, tendency},
            {33897, 2, 3, tendency}, {33898, 3, 3, tendency}, {33880, 4, 3, tendency}, {33882, 5, 3, tendency}};
}
}

CmdTargetTransList::CmdTargetTransList(Accessor consumer, Services services, SessionDateServices dates)
    : DisplayParamsCmdTarget(std::move(services), TransListOperations(consumer), kIds, QStringLiteral("okna transakcji"),
                             Galleries([this] { return TendencyMode(); }))
    , m_consumer(consumer())
    , m_dates(std::move(dates))
{
    const auto setToday = [this, consumer] {
        if (Available())
            consumer()->SetActiveTransListSessionDate(m_dates.today ? m_dates.today() : QDate::currentDate());
    };
    OnCommand(TransListCmd::ID_SESSION_DATE, setToday);
    OnNotify(TransListCmd::ID_SESSION_DATE, NotifyCodes::Execute, [setToday](NotifyInfo&) { setToday(); });
    OnNotify(TransListCmd::ID_SESSION_DATE, TransListCmd::kDatePickedCode, [this, consumer](NotifyInfo&) {
        const std::optional<QDate> picked = m_dates.pickedDate ? m_dates.pickedDate() : std::nullopt;
        if (picked && Available())
            consumer()->SetActiveTransListSessionDate(*picked);
    });
    OnUpdate(TransListCmd::ID_SESSION_DATE, [this, consumer](CmdUI& cmdUI) {
        cmdUI.Enable(Available() && consumer()->ActiveTransListInstrumentAssigned());
    });

    OnCommand(TransListCmd::ID_HIDE_SCROLL, [this, consumer] {
        if (Available())
            consumer()->HideActiveTranslistScroll(!consumer()->IsActiveTranslistScrollHidden());
    });
    OnUpdate(TransListCmd::ID_HIDE_SCROLL, [this, consumer](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(Available() && consumer()->IsActiveTranslistScrollHidden() ? 1 : 0);
    });

    AlwaysEnabled(TransListCmd::ID_COLUMNS);
    AlwaysEnabled(TransListCmd::ID_SHOW_COLUMNS);

    OnCommand(TransListCmd::ID_SYNCHRONISE, [this, consumer] {
        if (Available())
            consumer()->SynchroniseActiveTransListData();
    });
    OnUpdate(TransListCmd::ID_SYNCHRONISE, [this, consumer](CmdUI& cmdUI) {
        cmdUI.Enable(Available() && !consumer()->ActiveTranslistShowsHistory());
    });
}

bool CmdTargetTransList::TendencyMode() const
{
    return m_consumer && m_consumer->GetTldsParams(kColouringGroup, kColouringModeParam) == kTendencyMode;
}

std::vector<int> CmdTargetTransList::FontGroups() const
{
    if (TendencyMode())
        return {0, 1, 4, 5, 2, 3};
    return {0, 1};
}

#include "workspace/targets/CmdTargetOffers.h"

#include "workspace/targets/ModuleCmdTargetIds.h"

namespace
{
DisplayParamsCmdTarget::Operations OffersOperations(const CmdTargetOffers::Accessor& c)
{
    DisplayParamsCmdTarget::Operations o;
    o.available = [c] { return c() != nullptr; };
    o.change = [c](int g, int p, int v) { c()->ChangeOdsParams(g, p, v); };
    o.get = [c](int g, int p) { return c()->GetOdsParams(g, p); };
    o.cancel = [c] { c()->CancelOdsParams(); };
    o.apply = [c] { c()->ApplyOdsParams(); };
    o.restore = [c] { c()->OdsRestore(); };
    o.redraw = [c] { c()->RedrawActiveOffers(); };
    o.isLocked = [c] { return c()->IsActiveOffersColumnWidthLocked(); };
    o.lock = [c](bool locked) { c()->LockActiveOffersColumnWidth(locked); };
    o.activeStyleId = [c] { return c()->GetActiveOffersStyleID(); };
    o.previewStyle = [c](int id) { return c()->OnActiveOffersPreviewStyleChanged(id); };
    o.cancelPreviewStyle = [c] { c()->CancelActiveOffersPreviewStyle(); };
    o.applyPreviewStyle = [c] { c()->ApplyActiveOffersPreviewStyle(); };
    o.defaultStyle = [c] { return c()->DefaultStyle(); };
    return o;
}

const DisplayParamsCmdTarget::Ids kIds{OffersCmd::ID_LOCK_COLUMNS, OffersCmd::ID_EDIT_STYLE,
                                       OffersCmd::ID_STYLE_GALLERY, OffersCmd::ID_LINK,
                                       OffersCmd::ID_FONT_LARGER,  OffersCmd::ID_FONT_SMALLER,
                                       OffersCmd::ID_FONT_RESTORE, OffersCmd::ID_MORE_OPTIONS,
                                       OffersCmd::ID_RESTORE};
}

CmdTargetOffers::CmdTargetOffers(Accessor consumer, Services services)
    : DisplayParamsCmdTarget(std::move(services), OffersOperations(consumer), kIds, QStringLiteral("okna ofert"),
                             {{33851, 0, 2}, {33852, 0, 4}, {33853, 0, 6}, {33889, 1, 2}, {33855, 1, 4}, {33856, 1, 6},
                              {33863, 0, 3}, {33864, 0, 5}, {33865, 0, 7}, {33866, 1, 3}, {33867, 1, 5}, {33868, 1, 7}})
{
    OnCommand(OffersCmd::ID_LAYOUT, [this, consumer] {
        if (Available())
            consumer()->ToggleActiveOffersView();
    });
    AlwaysEnabled(OffersCmd::ID_LAYOUT);
}

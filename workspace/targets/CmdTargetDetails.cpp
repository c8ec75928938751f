#include "workspace/targets/CmdTargetDetails.h"

#include "workspace/targets/ModuleCmdTargetIds.h"

namespace
{
DisplayParamsCmdTarget::Operations DetailsOperations(const CmdTargetDetails::Accessor& c)
{
    DisplayParamsCmdTarget::Operations o;
    o.available = [c] { return c() != nullptr; };
    o.change = [c](int g, int p, int v) { c()->ChangeDdsParams(g, p, v); };
    o.get = [c](int g, int p) { return c()->GetDdsParams(g, p); };
    o.cancel = [c] { c()->CancelDdsParams(); };
    o.apply = [c] { c()->ApplyDdsParams(); };
    o.restore = [c] { c()->DdsRestore(); };
    o.redraw = [c] { c()->RedrawActiveDetails(); };
    o.isLocked = [c] { return c()->IsActiveDetailsColumnWidthLocked(); };
    o.lock = [c](bool locked) { c()->LockActiveDetailsColumnWidth(locked); };
    o.activeStyleId = [c] { return c()->GetActiveDetailsStyleID(); };
    o.previewStyle = [c](int id) { return c()->OnActiveDetailsPreviewStyleChanged(id); };
    o.cancelPreviewStyle = [c] { c()->CancelActiveDetailsPreviewStyle(); };
    o.applyPreviewStyle = [c] { c()->ApplyActiveDetailsPreviewStyle(); };
    o.defaultStyle = [c] { return c()->DefaultStyle(); };
    return o;
}

const DisplayParamsCmdTarget::Ids kIds{DetailsCmd::ID_LOCK_COLUMNS, DetailsCmd::ID_EDIT_STYLE,
                                       DetailsCmd::ID_STYLE_GALLERY, DetailsCmd::ID_LINK,
                                       DetailsCmd::ID_FONT_LARGER,  DetailsCmd::ID_FONT_SMALLER,
                                       DetailsCmd::ID_FONT_RESTORE, DetailsCmd::ID_MORE_OPTIONS,
                                       DetailsCmd::ID_RESTORE};
}

CmdTargetDetails::CmdTargetDetails(Accessor consumer, Services services)
    : DisplayParamsCmdTarget(std::move(services), DetailsOperations(consumer), kIds,
                             QStringLiteral("okna informacji szczegółowych"),
                             {{33839, 0, 2}, {33840, 0, 4}, {33841, 0, 6}, {33890, 1, 2}, {33843, 1, 4}, {33844, 1, 6},
                              {33869, 0, 3}, {33870, 0, 5}, {33871, 0, 7}, {33872, 1, 3}, {33873, 1, 5}, {33874, 1, 7}})
{
    for (const auto& [id, step] : {std::pair{DetailsCmd::ID_ROW_UP, -1}, std::pair{DetailsCmd::ID_ROW_DOWN, 1}})
    {
        OnCommand(id, [this, consumer, step = step] {
            if (!Available())
                return;
            consumer()->MoveActiveDetailsRow(step);
            consumer()->RedrawActiveDetails();
        });
        AlwaysEnabled(id);
    }
}

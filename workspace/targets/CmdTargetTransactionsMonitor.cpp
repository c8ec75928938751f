#include "workspace/targets/CmdTargetTransactionsMonitor.h"

#include "workspace/targets/ModuleCmdTargetIds.h"

namespace
{
using Accessor = CmdTargetTransactionsMonitor::Accessor;

// The shared steps check that the active object exists (available) before they run these.
DisplayParamsCmdTarget::Operations MonitorOperations(const Accessor& object,
                                                     CmdTargetTransactionsMonitor::DefaultStyle defaultStyle)
{
    DisplayParamsCmdTarget::Operations operations;
    operations.change = [object](int group, int param, int value) { object()->ChangeDSParam(group, param, value); };
    operations.get = [object](int group, int param) { return object()->GetDSParam(group, param); };
    operations.cancel = [object] { object()->CancelDSParam(); };
    operations.apply = [object] { object()->ApplyDSParam(); };
    operations.restore = [object] { object()->RestoreDSParam(); };
    operations.isLocked = [object] { return object()->GetValue(TMActiveObject::ContextLock).AsBool(); };
    // The context switches the lock.
    operations.lock = [object](bool) { object()->SetValue(TMActiveObject::ContextLock); };
    operations.activeStyleId = [object] { return object()->GetValue(TMActiveObject::ContextStyleId).AsInt(); };
    operations.previewStyle = [object](int id) {
        object()->SetValue(TMActiveObject::ContextPreviewStyle, id);
        return true;
    };
    operations.cancelPreviewStyle = [object] { object()->SetValue(TMActiveObject::ContextCancelPreview); };
    operations.applyPreviewStyle = [object] { object()->SetValue(TMActiveObject::ContextApplyPreview); };
    operations.defaultStyle = std::move(defaultStyle);
    operations.available = [object] { return object() != nullptr; };
    return operations;
}

const DisplayParamsCmdTarget::Ids kIds{TransMonitorCmd::ID_LOCK_COLUMNS, 0, TransMonitorCmd::ID_STYLE_GALLERY, 0,
                                       TransMonitorCmd::ID_FONT_LARGER, TransMonitorCmd::ID_FONT_SMALLER,
                                       TransMonitorCmd::ID_FONT_RESTORE, TransMonitorCmd::ID_MORE_OPTIONS,
                                       TransMonitorCmd::ID_RESTORE};

std::vector<DisplayParamsCmdTarget::ColourGallery> Galleries()
{
    // The odd and even backgrounds also set the backgrounds of a rise and a fall.
    return {{33899, 0, 2}, {33916, 0, 4}, {33915, 0, 6}, {33905, 0, 3, {}, {5, 7}}, {33914, 0, 5}, {33913, 0, 7},
            {33900, 1, 2}, {33901, 1, 4}, {33902, 1, 6}, {33904, 1, 3, {}, {5, 7}}, {33912, 1, 5}, {33903, 1, 7}};
}
}

CmdTargetTransactionsMonitor::CmdTargetTransactionsMonitor(Accessor activeObject, DefaultStyle defaultStyle)
    : DisplayParamsCmdTarget({}, MonitorOperations(activeObject, std::move(defaultStyle)), kIds, QString(), Galleries())
{
    const auto run = [activeObject](auto step) {
        return [activeObject, step] {
            if (TMActiveObject* active = activeObject())
                step(*active);
        };
    };
    OnCommand(TransMonitorCmd::ID_HIDE_SCROLL, run([](TMActiveObject& o) { o.SetValue(TMActiveObject::ContextScroll); }));
    OnUpdate(TransMonitorCmd::ID_HIDE_SCROLL, [activeObject](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        TMActiveObject* active = activeObject();
        cmdUI.SetCheck(active && !active->GetValue(TMActiveObject::ContextScroll).AsBool() ? 1 : 0);
    });
    AlwaysEnabled(TransMonitorCmd::ID_SHOW_COLUMNS);
    AlwaysEnabled(TransMonitorCmd::ID_UNNAMED);
    // The monitor's style has no editing command of its own in this edition.
    OnCommand(TransMonitorCmd::ID_STYLE, [] {});
    OnUpdate(TransMonitorCmd::ID_STYLE, [](CmdUI&) {});
    const auto manage = run([](TMActiveObject& o) { o.ManageAssets(); });
    OnCommand(TransMonitorCmd::ID_MANAGE, manage);
    OnCommand(TransMonitorCmd::ID_MANAGE_ASSETS, manage);
    AlwaysEnabled(TransMonitorCmd::ID_MANAGE_ASSETS);
    OnCommand(TransMonitorCmd::ID_RESTORE_ALL, run([](TMActiveObject& o) { o.RestoreDSParam(); }));
    AlwaysEnabled(TransMonitorCmd::ID_RESTORE_ALL);
}

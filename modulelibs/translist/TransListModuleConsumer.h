#pragma once
// The transaction-list library's consumer: its windows on the running provider, and the
// operations the ribbon's transaction-list commands run on the active one.

#include "modulelibs/translist/TransListWindow.h"
#include "modulelibs/windows/WindowedConsumer.h"
#include "platform/modules/TransListCons.h"

class TransListModuleConsumer : public WindowedConsumer<TransListCons, TransListWindow>
{
public:
    TransListModuleConsumer();

    bool ShowNewTransList(QWidget* view, const Asset* asset, int flags) override;

    void RedrawActiveTransList() override { RedrawActive(); }
    bool IsActiveTranslistColumnWidthLocked() const override { return ActiveColumnsLocked(); }
    void LockActiveTranslistColumnWidth(bool locked) override { LockActiveColumns(locked); }
    int GetActiveTransListStyleID() const override { return ActiveStyleId(); }
    bool OnActiveTransListPreviewStyleChanged(int styleId) override { return PreviewActiveStyle(styleId); }
    void CancelActiveTranslistPreviewStyle() override { CancelActivePreview(); }
    void ApplyActiveTranslistPreviewStyle() override { ApplyActivePreview(); }
    void ChangeTldsParams(int group, int param, int value) override { ChangeActiveParam(group, param, value); }
    int GetTldsParams(int group, int param) const override { return ActiveParam(group, param); }
    void CancelTldsParams() override { CancelActiveParams(); }
    void ApplyTldsParams() override { ApplyActiveParams(); }
    void TldsRestore() override { RestoreActiveParams(); }
    bool IsActiveTranslistScrollHidden() const override;
    void HideActiveTranslistScroll(bool hidden) override;
    bool ActiveTransListInstrumentAssigned() const override;
    void SetActiveTransListSessionDate(const QDate& date) override;
    bool ActiveTranslistShowsHistory() const override;
    void SynchroniseActiveTransListData() override;
};

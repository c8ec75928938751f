#pragma once
// The details library's consumer: its windows on the running provider, and the operations
// the ribbon's details commands run on the active one.

#include "modulelibs/details/DetailsWindow.h"
#include "modulelibs/windows/WindowedConsumer.h"
#include "platform/modules/DetailsCons.h"

class DetailsModuleConsumer : public WindowedConsumer<DetailsCons, DetailsWindow>
{
public:
    DetailsModuleConsumer();

    bool ShowDetailsDlg(QWidget* view, const Asset* asset, int flags) override;

    void RedrawActiveDetails() override { RedrawActive(); }
    bool IsActiveDetailsColumnWidthLocked() const override { return ActiveColumnsLocked(); }
    void LockActiveDetailsColumnWidth(bool locked) override { LockActiveColumns(locked); }
    int GetActiveDetailsStyleID() const override { return ActiveStyleId(); }
    bool OnActiveDetailsPreviewStyleChanged(int styleId) override { return PreviewActiveStyle(styleId); }
    void CancelActiveDetailsPreviewStyle() override { CancelActivePreview(); }
    void ApplyActiveDetailsPreviewStyle() override { ApplyActivePreview(); }
    void ChangeDdsParams(int group, int param, int value) override { ChangeActiveParam(group, param, value); }
    int GetDdsParams(int group, int param) const override { return ActiveParam(group, param); }
    void CancelDdsParams() override { CancelActiveParams(); }
    void ApplyDdsParams() override { ApplyActiveParams(); }
    void DdsRestore() override { RestoreActiveParams(); }
    void MoveActiveDetailsRow(int step) override;
};

#pragma once
// The offers library's consumer: its order-book windows on the running provider, and the
// operations the ribbon's offers commands run on the active one.

#include "modulelibs/offers/OffersWindow.h"
#include "modulelibs/windows/WindowedConsumer.h"
#include "platform/modules/OffersConsumer.h"

class OffersModuleConsumer : public WindowedConsumer<OffersConsumer, OffersWindow>
{
public:
    OffersModuleConsumer();

    bool ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags) override;

    void RedrawActiveOffers() override { RedrawActive(); }
    bool IsActiveOffersColumnWidthLocked() const override { return ActiveColumnsLocked(); }
    void LockActiveOffersColumnWidth(bool locked) override { LockActiveColumns(locked); }
    int GetActiveOffersStyleID() const override { return ActiveStyleId(); }
    bool OnActiveOffersPreviewStyleChanged(int styleId) override { return PreviewActiveStyle(styleId); }
    void CancelActiveOffersPreviewStyle() override { CancelActivePreview(); }
    void ApplyActiveOffersPreviewStyle() override { ApplyActivePreview(); }
    void ChangeOdsParams(int group, int param, int value) override { ChangeActiveParam(group, param, value); }
    int GetOdsParams(int group, int param) const override { return ActiveParam(group, param); }
    void CancelOdsParams() override { CancelActiveParams(); }
    void ApplyOdsParams() override { ApplyActiveParams(); }
    void OdsRestore() override { RestoreActiveParams(); }
    void ToggleActiveOffersView() override;
};

#pragma once
// The modal choice of many instruments: every instrument of every data provider in a list of
// check boxes, those the caller holds checked. The instrument groups the caller holds are kept
// as they are. Main thread only.

#include "platform/modules/Asset.h"
#include "platform/modules/AssetsGroupId.h"

#include <QDialog>

#include <set>
#include <vector>

class ProviderBase;
class QListWidget;

class ChooseManyAssetDlg : public QDialog
{
    Q_OBJECT

public:
    ChooseManyAssetDlg(const std::vector<ProviderBase*>& providers, const std::set<Asset>& chosen, QWidget* parent);

    // The instruments checked now.
    std::set<Asset> GetChosenAssets() const;

    // Shows the dialog modally; on OK the assets are replaced by the checked ones (true).
    static bool Choose(const std::vector<ProviderBase*>& providers, QWidget* parent, std::set<Asset>& assets,
                       std::set<AssetsGroupId>& groups);

private:
    void AddItem(const Asset& asset, bool checked);

    std::vector<Asset> m_assets;
    QListWidget* m_list = nullptr;
};

#include "core/mediator/ChooseManyAssetDlg.h"

#include "platform/modules/ProviderBase.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

ChooseManyAssetDlg::ChooseManyAssetDlg(const std::vector<ProviderBase*>& providers, const std::set<Asset>& chosen,
                                       QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Wybór instrumentów"));
    m_list = new QListWidget(this);
    std::set<Asset> listed;
    for (ProviderBase* provider : providers)
    {
        for (const Asset& asset : provider->GetAllAssets())
        {
            if (listed.insert(asset).second)
                AddItem(asset, chosen.contains(asset));
        }
    }
    // An instrument the providers no longer list stays the caller's unless unchecked.
    for (const Asset& asset : chosen)
    {
        if (!listed.contains(asset))
            AddItem(asset, true);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

void ChooseManyAssetDlg::AddItem(const Asset& asset, bool checked)
{
    const ProviderBase* provider = asset.GetProvider();
    const QString text = provider ? QStringLiteral("%1 (%2)").arg(asset.GetShortName(), provider->GetName())
                                  : asset.GetShortName();
    auto* item = new QListWidgetItem(text, m_list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    m_assets.push_back(asset);
}

std::set<Asset> ChooseManyAssetDlg::GetChosenAssets() const
{
    std::set<Asset> chosen;
    for (int row = 0; row < m_list->count(); ++row)
    {
        if (m_list->item(row)->checkState() == Qt::Checked)
            chosen.insert(m_assets[static_cast<std::size_t>(row)]);
    }
    return chosen;
}

bool ChooseManyAssetDlg::Choose(const std::vector<ProviderBase*>& providers, QWidget* parent, std::set<Asset>& assets,
                                std::set<AssetsGroupId>& groups)
{
    ChooseManyAssetDlg dialog(providers, assets, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    assets = dialog.GetChosenAssets();
    return true;
}

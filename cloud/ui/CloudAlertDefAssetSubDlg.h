#pragma once
// The instrument band of the cloud alert definition dialog: the instrument field with
// type-ahead over the default provider's instruments (copied when the band is made), the ISIN
// of the typed name and the precision of the instrument's series.

#include "cloud/ui/CloudAlertDefSubDlgBase.h"
#include "core/engine/AssetNameMatches.h"
#include "platform/modules/Asset.h"

#include <vector>

class CloudAlertAssetCtrl;
class ProviderBase;

class CloudAlertDefAssetSubDlg : public CloudAlertDefSubDlgBase
{
    Q_OBJECT

public:
    // provider: the default provider, or null when there is none.
    CloudAlertDefAssetSubDlg(CloudAlertDefinitionDlg& owner, ProviderBase* provider);

    QString GetInstrumentName() const;
    // Empty when no instrument bears the typed name exactly (long name first, then short).
    QString GetIsin() const;
    // Sets the first instrument with that ISIN; the field keeps its text when there is none.
    void SetByIsin(const QString& isin);
    // Sets the instrument named so (long name first, then short); false when there is none.
    bool SetByName(const QString& name);
    void SetInstrument(const Asset& asset);
    // Decimal places of the series of the instrument whose long name was typed; -1 when unknown.
    int GetSeriesPrecision(int seriesId) const;
    bool Accepts(const QString& text) const;

    CloudAlertAssetCtrl* Field() const { return m_field; }
    const std::vector<AssetNameMatch>& Matches() const { return m_matches; }
    int CurrentMatch() const { return m_current; }
    // Up/Down move by one, Page Up/Page Down by ten, held within the list.
    bool OnKey(int key);

private:
    void RebuildMatches();
    const Asset* FindByName(const QString& name) const;

    ProviderBase* m_provider;
    std::vector<Asset> m_assets;
    std::vector<AssetNameMatch> m_matches;
    int m_current = 0;
    CloudAlertAssetCtrl* m_field;
};

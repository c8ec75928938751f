#include "cloud/ui/CloudAlertDefAssetSubDlg.h"

#include "cloud/ui/CloudAlertAssetCtrl.h"
#include "platform/modules/DSProp.h"
#include "platform/modules/ProviderBase.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

CloudAlertDefAssetSubDlg::CloudAlertDefAssetSubDlg(CloudAlertDefinitionDlg& owner, ProviderBase* provider)
    : CloudAlertDefSubDlgBase(owner)
    , m_provider(provider)
    , m_field(new CloudAlertAssetCtrl)
{
    if (m_provider)
        m_assets = m_provider->GetAllAssets();
    auto* box = new QGroupBox(QStringLiteral("Instrument"), this);
    auto* column = new QVBoxLayout(box);
    column->addWidget(m_field);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box);

    m_field->SetValidator([this](const QString& text) { return Accepts(text); });
    m_field->SetKeyHandler([this](int key) { return OnKey(key); });
    m_field->SetDropHandler([this](const QString& name) { SetByName(name); });
    connect(m_field, &QLineEdit::textChanged, this, [this] {
        RebuildMatches();
        if (!m_matches.empty())
            m_field->SetInstrumentText(m_matches[m_current].display);
        update();
    });
    RebuildMatches();
}

QString CloudAlertDefAssetSubDlg::GetInstrumentName() const
{
    return m_field->text();
}

QString CloudAlertDefAssetSubDlg::GetIsin() const
{
    const Asset* asset = FindByName(GetInstrumentName());
    return asset ? asset->GetIsin() : QString();
}

void CloudAlertDefAssetSubDlg::SetByIsin(const QString& isin)
{
    const auto found =
        std::find_if(m_assets.begin(), m_assets.end(), [&](const Asset& asset) { return asset.GetIsin() == isin; });
    if (found != m_assets.end())
        SetInstrument(*found);
}

bool CloudAlertDefAssetSubDlg::SetByName(const QString& name)
{
    const Asset* asset = FindByName(name);
    if (asset)
        SetInstrument(*asset);
    return asset != nullptr;
}

void CloudAlertDefAssetSubDlg::SetInstrument(const Asset& asset)
{
    m_field->SetInstrument(asset);
}

int CloudAlertDefAssetSubDlg::GetSeriesPrecision(int seriesId) const
{
    const QString name = GetInstrumentName();
    if (name.isEmpty())
        return -1;
    const auto found =
        std::find_if(m_assets.begin(), m_assets.end(), [&](const Asset& asset) { return asset.GetLongName() == name; });
    if (found == m_assets.end() || !found->GetProvider())
        return -1;
    for (const DSProp& series : found->GetProvider()->GetAssetSeries(*found))
        if (series.GetSeriesID() == seriesId)
            return series.GetPrecision();
    return -1;
}

bool CloudAlertDefAssetSubDlg::Accepts(const QString& text) const
{
    return text.isEmpty() || m_assets.empty() || AssetNameMatches::BeginsAnyName(m_assets, text);
}

bool CloudAlertDefAssetSubDlg::OnKey(int key)
{
    int step = 0;
    switch (key)
    {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -10;
        break;
    case Qt::Key_PageDown:
        step = 10;
        break;
    default:
        return false;
    }
    if (m_matches.empty())
        return true;
    m_current = std::clamp(m_current + step, 0, static_cast<int>(m_matches.size()) - 1);
    m_field->SetInstrumentText(m_matches[m_current].display);
    return true;
}

void CloudAlertDefAssetSubDlg::RebuildMatches()
{
    const QString remembered = m_matches.empty() ? QString() : m_matches[m_current].display;
    m_matches = AssetNameMatches::Build(m_assets, GetInstrumentName());
    const auto kept = std::find_if(m_matches.begin(), m_matches.end(),
                                   [&](const AssetNameMatch& match) { return match.display == remembered; });
    m_current = kept == m_matches.end() ? 0 : static_cast<int>(kept - m_matches.begin());
}

const Asset* CloudAlertDefAssetSubDlg::FindByName(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const auto& same : {&Asset::GetLongName, &Asset::GetShortName})
    {
        const auto found =
            std::find_if(m_assets.begin(), m_assets.end(), [&](const Asset& asset) { return (asset.*same)() == name; });
        if (found != m_assets.end())
            return &*found;
    }
    return nullptr;
}

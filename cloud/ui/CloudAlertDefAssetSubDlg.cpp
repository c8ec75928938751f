#include "cloud/ui/CloudAlertDefAssetSubDlg.h"

#include "cloud/ui/CloudAlertAssetCtrl.h"
#include "platform/modules/DSProp.h"
#include "platform/modules/ProviderBase.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

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
            m_field->SetInstrumentText(m_matches[m_current].text);
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
    if (text.isEmpty() || m_assets.empty())
        return true;
    const QString upper = text.toUpper();
    return std::any_of(m_assets.begin(), m_assets.end(), [&](const Asset& asset) {
        return asset.GetShortName().toUpper().startsWith(upper) || asset.GetLongName().toUpper().startsWith(upper);
    });
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
    m_field->SetInstrumentText(m_matches[m_current].text);
    return true;
}

void CloudAlertDefAssetSubDlg::RebuildMatches()
{
    const QString remembered = m_matches.empty() ? QString() : m_matches[m_current].text;
    const QString typed = GetInstrumentName().toUpper();
    std::map<QString, Match> entries;
    const auto add = [&](const QString& name, const Asset& asset, std::size_t index) {
        Match match{name + QLatin1Char('\n') + asset.GetMarket(), index};
        entries[match.text.toUpper()] = match;
    };
    for (std::size_t index = 0; index < m_assets.size(); ++index)
    {
        const Asset& asset = m_assets[index];
        const QString shortUpper = asset.GetShortName().toUpper();
        const QString longUpper = asset.GetLongName().toUpper();
        const bool shortKept = typed.isEmpty() || shortUpper.startsWith(typed);
        const bool longKept = typed.isEmpty() || longUpper.startsWith(typed);
        if (shortKept)
            add(asset.GetShortName(), asset, index);
        if (longKept && !(shortKept && longUpper == shortUpper))
            add(asset.GetLongName(), asset, index);
    }
    m_matches.clear();
    m_current = 0;
    for (auto& [key, match] : entries)
    {
        if (match.text == remembered)
            m_current = static_cast<int>(m_matches.size());
        m_matches.push_back(std::move(match));
    }
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

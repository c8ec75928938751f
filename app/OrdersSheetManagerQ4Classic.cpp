#include "app/OrdersSheetManagerQ4Classic.h"

#include "core/engine/InvalidArgException.h"
#include "core/mediator/AppMediator.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/settings/OrdersSheetGeneralSettingsGroup.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "platform/base/Log.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StylesContainer.h"

namespace
{
QString ProductName()
{
    return QStringLiteral("Quorvanta 4");
}

void WriteInfo(const QString& text, const char* where, int line)
{
    Log::WriteInfo(text, ProductName(), QString::fromLatin1(where), line);
}
}

OrdersSheetManagerQ4Classic::OrdersSheetManagerQ4Classic()
{
    SetQ5ModuleName(QStringLiteral("OrdersSheet"));
    SetQ5FileExtension(QStringLiteral(".q5sOS"));
    StyleOrdersSheet::RegisterKind(GetModuleName());
    m_templateGroup = std::make_shared<OrdersSheetGeneralSettingsGroup>(this);
    m_moduleStyle = StyleOrdersSheet::CreateInstance();
    StyleKinds::SetDefaultStyleSource(StyleOrdersSheet::Type, [this] { return m_moduleStyle; });
}

OrdersSheetManagerQ4Classic::~OrdersSheetManagerQ4Classic()
{
    StyleKinds::SetDefaultStyleSource(StyleOrdersSheet::Type, {});
    CloseAllWindows();
}

std::shared_ptr<GeneralSettingsGroupManagerBase> OrdersSheetManagerQ4Classic::GetGeneralSettingsGroup()
{
    return m_templateGroup;
}

void OrdersSheetManagerQ4Classic::FindWindowStyle(int styleId)
{
    auto named = std::dynamic_pointer_cast<StyleOrdersSheet>(StylesContainer::Instance().FindStyle(styleId, StyleOrdersSheet::Type));
    m_moduleStyle = named ? named : StyleOrdersSheet::CreateInstance();
}

QString OrdersSheetManagerQ4Classic::GetFileFilter() const
{
    return QStringLiteral("Pliki arkusza zleceń dla programu Quorvanta4 (*.q4sOS)|*.q4sOS|"
                          "Pliki arkusza zleceń z osadzonymi stylami (*.q4ssOS)|*.q4ssOS||");
}

bool OrdersSheetManagerQ4Classic::SaveWindowToFile(QWidget*, const QString&, int, bool)
{
    return false;
}

bool OrdersSheetManagerQ4Classic::SaveWindowToQ5Format(QWidget*, const QString&, int, int)
{
    return false;
}

bool OrdersSheetManagerQ4Classic::OpenWindowFromFile(QWidget*, const QString& path, bool)
{
    Log::WriteWarning(QStringLiteral("Nie otwarto pliku \"%1\": program nie ma jeszcze okna arkusza zleceń.").arg(path),
                      ProductName(), QStringLiteral("OrdersSheetManager::OpenWindowFromFile"), __LINE__);
    return false;
}

int OrdersSheetManagerQ4Classic::GetFirstNamedWindowStyleId() const
{
    for (const auto& [asset, instance] : m_instances)
        if (const int styleId = instance->GetFirstNamedWindowStyleId(); styleId != IOrdersSheetWindow::kNoStyleId && styleId != 0)
            return styleId;
    return IOrdersSheetWindow::kNoStyleId;
}

bool OrdersSheetManagerQ4Classic::ShowOrdersSheetForAsset(const Asset& asset, QWidget*)
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->SetActiveAsset(std::make_shared<Asset>(asset));
    Log::WriteWarning(QStringLiteral("Nie pokazano arkusza zleceń dla \"%1\": program nie ma jeszcze okna arkusza zleceń.")
                          .arg(asset.GetShortName()),
                      ProductName(), QStringLiteral("OrdersSheetManager::ShowOrdersSheetForAsset"), __LINE__);
    return false;
}

bool OrdersSheetManagerQ4Classic::AttachWindowToAsset(const Asset& asset, IOrdersSheetWindow* window)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetManager::AttachWindowToAsset: brak okna"));
    auto position = m_instances.find(asset);
    if (position == m_instances.end())
    {
        auto instance = std::make_shared<OrdersSheetAssetInstance>(std::make_shared<Asset>(asset));
        if (!instance->Start())
        {
            delete window;
            Log::WriteError(QStringLiteral("Arkusz zleceń: nie uruchomiono wątku przetwarzania dla \"%1\".").arg(asset.GetShortName()),
                            ProductName(), QStringLiteral("OrdersSheetManager::AttachWindowToAsset"), __LINE__);
            return false;
        }
        WriteInfo(QStringLiteral("Arkusz zleceń: wątek przetwarzania dla \"%1\" uruchomiony.").arg(asset.GetShortName()),
                  "OrdersSheetManager::AttachWindowToAsset", __LINE__);
        position = m_instances.emplace(asset, std::move(instance)).first;
    }
    position->second->AddWindow(window);
    return true;
}

bool OrdersSheetManagerQ4Classic::ChangeWindowAsset(const Asset& oldAsset, const Asset& newAsset, IOrdersSheetWindow* window)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetManager::ChangeWindowAsset: brak okna"));
    if (const auto position = m_instances.find(oldAsset); position != m_instances.end() && position->second->DetachWindow(window))
        EraseInstance(position);
    return AttachWindowToAsset(newAsset, window);
}

void OrdersSheetManagerQ4Classic::RemoveWindowFromAsset(IOrdersSheetWindow* window, const Asset& asset)
{
    if (!window)
        throw InvalidArgException(QStringLiteral("OrdersSheetManager::RemoveWindowFromAsset: brak okna"));
    if (const auto position = m_instances.find(asset); position != m_instances.end() && position->second->RemoveWindow(window))
        EraseInstance(position);
}

void OrdersSheetManagerQ4Classic::CloseAllWindows()
{
    while (!m_instances.empty())
        EraseInstance(m_instances.begin());
}

OrdersSheetAssetInstance* OrdersSheetManagerQ4Classic::FindInstance(const Asset& asset) const
{
    const auto position = m_instances.find(asset);
    return position == m_instances.end() ? nullptr : position->second.get();
}

void OrdersSheetManagerQ4Classic::EraseInstance(std::map<Asset, std::shared_ptr<OrdersSheetAssetInstance>>::iterator position)
{
    const QString name = position->first.GetShortName();
    m_instances.erase(position);
    WriteInfo(QStringLiteral("Arkusz zleceń: wątek przetwarzania dla \"%1\" zatrzymany.").arg(name), "OrdersSheetManager::EraseInstance",
              __LINE__);
}

#include "orderssheet/settings/OrdersSheetGeneralSettingsGroup.h"

#include "core/engine/InvalidArgException.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "core/settings/GeneralSettingsNodes.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "platform/modules/IGenericModule.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsAdditionalInfo.h"

const QString OrdersSheetGeneralSettingsGroup::kGroupName = QStringLiteral("OrdersSheetObject");
const QString OrdersSheetGeneralSettingsGroup::kTemplatePathKey = QStringLiteral("TemplateObjectNodePath");

namespace
{
const QString kGeneralKey = QStringLiteral("General");
}

OrdersSheetGeneralSettingsGroup::OrdersSheetGeneralSettingsGroup(IGenericModule* owner)
    : GeneralSettingsGroupMangerWithDefaultObject(kTemplatePathKey)
    , m_owner(owner)
{
    if (!m_owner)
        throw InvalidArgException(QStringLiteral("OrdersSheetGeneralSettingsGroup: brak modułu"));
}

void OrdersSheetGeneralSettingsGroup::BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent)
{
    std::shared_ptr<Settings> root = LoadParametersNode(fromCurrent);
    GeneralSettingsNodes::Describe(*root, QStringLiteral("Arkusz zleceń"), VariableContainer);
    target.SetSettingsSourceNode(root);
    Settings& path = (*root)[kTemplatePathKey];
    path.AdditionalInfo(std::make_shared<Settings::FilePathAdditionalInfo>(
        QStringLiteral("Pliki arkusza zleceń (*.q4sOS)|*.q4sOS||"), m_owner->GetFileExtension()));
    GeneralSettingsNodes::Describe(path, QStringLiteral("Szablon arkusza"), VariableFilePath);
    target.AttachParameter(std::make_shared<GeneralSettingsParameter>(path));
}

QString OrdersSheetGeneralSettingsGroup::GetSettingsFilePath(bool current) const
{
    return GenerateSettingsFilePath(current, QStringLiteral("Arkusz zlecen"), QStringLiteral("current_Default.q4sOS"),
                                    QStringLiteral("base_Default.q4sOS"));
}

bool OrdersSheetGeneralSettingsGroup::LoadDefaultObject(Settings& tree, const QString& path, QString* errorText)
{
    Settings object;
    if (!object.LoadFromFile(path, kGroupName, errorText))
        return false;
    tree[kDefaultObjectKey] = std::move(object);
    return true;
}

std::shared_ptr<const Settings> OrdersSheetGeneralSettingsGroup::GetTemplate() const
{
    std::shared_ptr<Settings> node = LoadCurrentSettingsNode();
    if (!node->Exists(kDefaultObjectKey))
    {
        const std::shared_ptr<Settings> fabric = LoadFabricSettingsNode();
        if (fabric && fabric->Exists(kDefaultObjectKey))
        {
            (*node)[kDefaultObjectKey] = (*fabric)[kDefaultObjectKey];
            SaveCurrentSettingsNode(*node);
        }
    }
    if (node->Exists(kDefaultObjectKey) && (*node)[kDefaultObjectKey].Exists(kGeneralKey))
        return node->DetachNamedNode(kDefaultObjectKey);
    if (node->Exists(kGeneralKey))
        return node;
    return nullptr;
}

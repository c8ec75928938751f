#include "core/settings/ModuleDefaultFiles.h"

#include "core/settings/SettingsFolders.h"
#include "platform/settings/Settings.h"

#include <array>
#include <utility>

namespace
{
struct ModuleTemplate
{
    int id;
    const char* folder;
    const char* currentFile;
    const char* baseFile;
    const char* root;
};

// The capital D of the orders sheet's and the transaction list's names belongs to them.
constexpr std::array<ModuleTemplate, 7> kTemplates{{
    {1, "Arkusz zlecen", "current_Default.q4sOS", "base_Default.q4sOS", "OrdersSheetObject"},
    {2, "Charts", "current_default.q4sC", "base_default.q4sC", "Charts"},
    {4, "Details", "current_default.q4sD", "base_default.q4sD", "DetailsObject"},
    {5, "Offers", "current_default.q4sO", "base_default.q4sO", "OffersObject"},
    {6, "Tables", "current_default.q4sTab", "base_default.q4sTab", "Tables"},
    {7, "TransactionList", "current_Default.q4sTL", "base_Default.q4sTL", "TransListObject"},
    {8, "TransactionsMonitor", "current_default.q4sTM", "base_default.q4sTM", "TransactionsMonitorGeneralSettings"},
}};

const ModuleTemplate* FindTemplate(int moduleId)
{
    for (const ModuleTemplate& entry : kTemplates)
        if (entry.id == moduleId)
            return &entry;
    return nullptr;
}
}

QString GetModuleDefaultFilePath(int moduleId, ModuleDefaultFileKind kind)
{
    const ModuleTemplate* entry = FindTemplate(moduleId);
    if (!entry)
        return QString();
    const QString folder = QString::fromUtf8(entry->folder);
    if (kind == ModuleDefaultFileKind::Current)
        return SettingsFolders::AppDataFile(folder, QString::fromUtf8(entry->currentFile));
    return SettingsFolders::InstallSettingsFile(folder, QString::fromUtf8(entry->baseFile));
}

QString GetModuleDefaultRootName(int moduleId)
{
    const ModuleTemplate* entry = FindTemplate(moduleId);
    return entry ? QString::fromUtf8(entry->root) : QString();
}

bool CheckModuleDefaultFile(int moduleId)
{
    const QString path = GetModuleDefaultFilePath(moduleId, ModuleDefaultFileKind::Current);
    if (path.isEmpty())
        return false;
    Settings templateTree;
    if (!templateTree.LoadFromFile(path, GetModuleDefaultRootName(moduleId)))
        return false;
    return !std::as_const(templateTree)["TemplateObjectNodePath"].ToString().isEmpty();
}

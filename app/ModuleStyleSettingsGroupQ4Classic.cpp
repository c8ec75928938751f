#include "app/ModuleStyleSettingsGroupQ4Classic.h"

#include "core/settings/GeneralSettingsGroupBase.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StylesContainer.h"

#include <deque>
#include <utility>

namespace
{
const QString kDefaultStyleId = QStringLiteral("DefaultStyleId");
}

ModuleStyleSettingsGroupQ4Classic::ModuleStyleSettingsGroupQ4Classic(unsigned groupId, StyleType styleKind, QString folder,
                                                                     QString extension)
    : m_groupId(groupId)
    , m_styleKind(styleKind)
    , m_folder(std::move(folder))
    , m_extension(std::move(extension))
{
}

QString ModuleStyleSettingsGroupQ4Classic::GetSettingsFilePath(bool current) const
{
    return GenerateSettingsFilePath(current, m_folder, QStringLiteral("current_default") + m_extension,
                                    QStringLiteral("base_default") + m_extension);
}

void ModuleStyleSettingsGroupQ4Classic::BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent)
{
    target.SetSettingsSourceNode(LoadParametersNode(fromCurrent));
}

void ModuleStyleSettingsGroupQ4Classic::OnStyleChanged(int, int styleId)
{
    if (!StylesContainer::Instance().FindStyle(styleId, m_styleKind))
    {
        Log::WriteWarning(QStringLiteral("Styl %1 nie jest zapisanym stylem; domyślny styl modułu \"%2\" bez zmian.")
                              .arg(styleId)
                              .arg(m_folder),
                          QStringLiteral("Quorvanta 4"), QStringLiteral("ModuleStyleSettingsGroupQ4Classic::OnStyleChanged"),
                          __LINE__);
        return;
    }
    const std::shared_ptr<Settings> node = LoadCurrentSettingsNode();
    (*node)[kDefaultStyleId] = static_cast<std::int32_t>(styleId);
    SaveCurrentSettingsNode(*node);
}

int ModuleStyleSettingsGroupQ4Classic::GetDefaultStyleId() const
{
    const std::shared_ptr<Settings> node = LoadCurrentSettingsNode();
    return node->Exists(kDefaultStyleId) ? std::as_const(*node)[kDefaultStyleId].ToInt() : StyleBase::kOwnStyleId;
}

std::shared_ptr<StyleBase> ModuleStyleSettingsGroupQ4Classic::DefaultStyle() const
{
    const StylesContainer& styles = StylesContainer::Instance();
    const int id = GetDefaultStyleId();
    if (id != StyleBase::kOwnStyleId)
        if (std::shared_ptr<StyleBase> kept = styles.FindStyle(id, m_styleKind))
            return kept;
    // Without a choice the first stored style of the kind: what the library's "Styl" edits is then
    // a style that "Zapisz" keeps and "Zapisz w ustawieniach" can name.
    std::deque<std::shared_ptr<StyleBase>> stored;
    styles.GetAllStylesOfKind(m_styleKind, stored);
    return stored.empty() ? nullptr : stored.front();
}

#include "styles/engine/ApplicationStylesContainer.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "styles/engine/DefaultStyles.h"
#include "styles/engine/IApplicationStyleHost.h"
#include "styles/engine/StylesContainer.h"

#include <QDir>

#include <algorithm>

const QString ApplicationStylesContainer::kDefaultStyleName = QStringLiteral("Czarny");

namespace
{
// The built-in style's ribbon theme: the dark Office 2007 look the main frame starts with.
const QString kBuiltInTheme = QStringLiteral("Office2007;Black");
const QString kThemePattern = QStringLiteral("*.q4theme");
}

ApplicationStylesContainer::ApplicationStylesContainer(IApplicationStyleHost* host)
    : m_host(host)
{
}

bool ApplicationStylesContainer::LoadStyles()
{
    return LoadStyles(AppPaths::StyleFolder());
}

bool ApplicationStylesContainer::LoadStyles(const QString& folder)
{
    std::deque<std::shared_ptr<ApplicationStyle>> styles;
    const QDir dir(folder);
    if (!folder.isEmpty())
    {
        for (const QFileInfo& file : dir.entryInfoList({kThemePattern}, QDir::Files, QDir::Name))
        {
            auto style = std::make_shared<ApplicationStyle>();
            if (style->LoadFromFile(file.filePath()))
                styles.push_back(style);
        }
    }
    const bool loaded = !styles.empty();
    if (!loaded)
    {
        Log::WriteWarning(QStringLiteral("W folderze \"%1\" nie ma stylów aplikacji; użyto wbudowanego stylu \"%2\".")
                              .arg(folder, kDefaultStyleName),
                          QStringLiteral("Style"), QStringLiteral("ApplicationStylesContainer::LoadStyles"), __LINE__);
        styles.push_back(BuiltInStyle());
    }
    std::stable_sort(styles.begin(), styles.end(),
                     [](const auto& left, const auto& right) { return left->GetName() < right->GetName(); });
    for (int index = 0; index < int(styles.size()); ++index)
        styles[index]->SetIndex(index);
    m_styles = std::move(styles);
    m_current.reset();
    return loaded;
}

void ApplicationStylesContainer::GetStyles(std::deque<std::shared_ptr<ApplicationStyle>>& styles) const
{
    styles.insert(styles.end(), m_styles.begin(), m_styles.end());
}

bool ApplicationStylesContainer::SelectStyle(int index)
{
    if (index < 0 || index >= int(m_styles.size()) || !m_styles[index])
        return false;
    Select(m_styles[index]);
    return true;
}

void ApplicationStylesContainer::SelectStyleByName(const QString& name)
{
    if (m_styles.empty())
        return;
    const auto named = [&](const QString& wanted) {
        return std::find_if(m_styles.begin(), m_styles.end(),
                            [&](const auto& style) { return style->GetName() == wanted; });
    };
    auto found = named(name);
    if (found == m_styles.end())
        found = named(kDefaultStyleName);
    Select(found == m_styles.end() ? m_styles.front() : *found);
}

void ApplicationStylesContainer::Select(const std::shared_ptr<ApplicationStyle>& style)
{
    m_current = style;
    if (m_host)
        style->Apply(*m_host);
}

std::shared_ptr<ApplicationStyle> ApplicationStylesContainer::BuiltInStyle()
{
    const StylesContainer& container = StylesContainer::Instance();
    std::map<QString, int> windowStyles;
    for (const auto& [moduleName, guid] : DefaultStyles::WindowStyles(DefaultStyles::Look::Dark))
    {
        if (const int styleId = container.FindStyle(guid))
            windowStyles[moduleName] = styleId;
    }
    return std::make_shared<ApplicationStyle>(kDefaultStyleName, kBuiltInTheme, std::move(windowStyles));
}

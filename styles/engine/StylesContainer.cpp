#include "styles/engine/StylesContainer.h"

#include "platform/base/AppPaths.h"
#include "platform/base/FileBackup.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "styles/engine/DefaultStyles.h"
#include "styles/engine/StyleKinds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

const QString StylesContainer::kFileExtension = QStringLiteral(".q4style");
const QString StylesContainer::kRootName = QStringLiteral("Q4Style");
const QString StylesContainer::kOwnStyleName = QStringLiteral("Własny");

namespace
{
const QString kModule = QStringLiteral("Style");
const QString kTypeKey = QStringLiteral("Type");
const QString kGuidKey = QStringLiteral("StyleGuid");
const QString kIdKey = QStringLiteral("Id");

QString StyleFileName(const QUuid& guid)
{
    return guid.toString(QUuid::WithoutBraces) + StylesContainer::kFileExtension;
}
}

std::shared_ptr<StyleBase> StylesContainer::EnableBasicFindStyle::FindStyle(int id, StyleType kind) const
{
    return StylesContainer::Instance().FindStyle(id, kind);
}

std::shared_ptr<StyleBase> StylesContainer::EnableBasicFindStyle::FindStyle(int id) const
{
    return StylesContainer::Instance().FindStyle(id);
}

StylesContainer& StylesContainer::Instance()
{
    static StylesContainer container;
    return container;
}

void StylesContainer::Release()
{
    Instance().m_styles.clear();
    Instance().m_nextId = 1;
    Instance().m_knownFiles.clear();
}

int StylesContainer::AddStyle(const std::shared_ptr<StyleBase>& style)
{
    if (!style)
        return 0;
    for (const auto& [id, held] : m_styles)
    {
        if (held == style)
            return id;
    }
    if (style->GetGuid().isNull() || FindStyle(style->GetGuid()) != 0)
        style->SetGuid(QUuid::createUuid());
    const int id = m_nextId++;
    style->SetId(id);
    style->SetSourceOriginalGuid(QUuid());
    if (CheckIfNameExists(style->GetName(), style, kOwnStyleName))
        style->SetName(MakeUniqueName(style->GetName(), style));
    m_styles[id] = style;
    return id;
}

bool StylesContainer::RemoveStyle(int id)
{
    const auto found = m_styles.find(id);
    if (found == m_styles.end())
        return false;
    const std::shared_ptr<StyleBase> removed = found->second;
    m_styles.erase(found);
    // A style that related to it keeps its look through its own copy, which a later load finds.
    for (const auto& [heldId, held] : m_styles)
    {
        for (int relationId : held->GetRelationIds())
        {
            if (held->GetRelatedStyle(relationId) != removed)
                continue;
            const std::shared_ptr<StyleBase> own = held->GetOwnStyle(relationId);
            own->CopySettingsFromSelectedStyle(removed);
            held->SetRelatedStyle(relationId, own);
        }
    }
    return true;
}

std::shared_ptr<StyleBase> StylesContainer::FindStyle(int id, StyleType kind) const
{
    std::shared_ptr<StyleBase> style = FindStyle(id);
    return style && style->IsKindOf(kind) ? style : nullptr;
}

std::shared_ptr<StyleBase> StylesContainer::FindStyle(int id) const
{
    const auto found = m_styles.find(id);
    return found == m_styles.end() ? nullptr : found->second;
}

int StylesContainer::FindStyle(const QString& name) const
{
    for (const auto& [id, style] : m_styles)
    {
        if (style->GetName() == name)
            return id;
    }
    return 0;
}

int StylesContainer::FindStyle(const QUuid& guid) const
{
    if (guid.isNull())
        return 0;
    for (const auto& [id, style] : m_styles)
    {
        if (style->GetGuid() == guid)
            return id;
    }
    return 0;
}

int StylesContainer::FindStyleByGuidOrName(const QString& text) const
{
    const QUuid guid = QUuid::fromString(text.trimmed());
    return guid.isNull() ? FindStyle(text) : FindStyle(guid);
}

QString StylesContainer::GetStyleGuid(int id) const
{
    const std::shared_ptr<StyleBase> style = FindStyle(id);
    return style ? style->GetGuid().toString() : QString();
}

void StylesContainer::GetAllStylesOfKind(StyleType kind, std::deque<std::shared_ptr<StyleBase>>& styles) const
{
    for (const auto& [id, style] : m_styles)
    {
        if (style->IsKindOf(kind))
            styles.push_back(style);
    }
}

void StylesContainer::GetAllStyles(std::deque<std::shared_ptr<StyleBase>>& styles) const
{
    for (const auto& [id, style] : m_styles)
        styles.push_back(style);
}

std::vector<StyleType> StylesContainer::GetKinds() const
{
    std::set<StyleType> kinds;
    for (const auto& [id, style] : m_styles)
        kinds.insert(style->GetType());
    return std::vector<StyleType>(kinds.begin(), kinds.end());
}

bool StylesContainer::CheckIfNameExists(const QString& name, const std::shared_ptr<const StyleBase>& style,
                                        const QString& reservedName) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || (!reservedName.isEmpty() && trimmed == reservedName.trimmed()))
        return true;
    for (const auto& [id, held] : m_styles)
    {
        if (style && (held == style || (style->GetId() > 0 && style->GetId() == id)))
            continue;
        if (held->GetName().trimmed() == trimmed)
            return true;
    }
    return false;
}

QString StylesContainer::MakeUniqueName(const QString& name, const std::shared_ptr<const StyleBase>& style) const
{
    const QString base = name.trimmed().isEmpty() ? kOwnStyleName : name.trimmed();
    if (!CheckIfNameExists(base, style, kOwnStyleName))
        return base;
    for (int number = 2;; ++number)
    {
        const QString candidate = QStringLiteral("%1 (%2)").arg(base).arg(number);
        if (!CheckIfNameExists(candidate, style, kOwnStyleName))
            return candidate;
    }
}

void StylesContainer::CreateUndoPoint(const std::shared_ptr<StyleBase>& style, UndoPoint& undoPoint) const
{
    if (!style)
        return;
    if (undoPoint.count(style->GetId()) == 0)
        undoPoint.emplace(style->GetId(), style->Copy());
    for (int relationId : style->GetRelationIds())
    {
        const std::shared_ptr<StyleBase> related = style->GetRelatedStyle(relationId);
        // An own copy travels inside the style's copy; a named one is recorded by itself.
        if (related && related->GetId() > 0 && undoPoint.count(related->GetId()) == 0)
            undoPoint.emplace(related->GetId(), related->Copy());
    }
}

void StylesContainer::RestoreFromUndoPoint(const UndoPoint& undoPoint, const std::shared_ptr<StyleBase>& style) const
{
    for (const auto& [id, saved] : undoPoint)
    {
        if (!saved)
            continue;
        std::shared_ptr<StyleBase> target = style && style->GetId() == id ? style : FindStyle(id);
        if (target)
            target->CopyFrom(*saved, true);
    }
    StyleBase::InvalidatePreviewForRelatedStyles(style);
}

void StylesContainer::MakeAllRelatedStylesAsOwn()
{
    for (const auto& [id, style] : m_styles)
        style->MakeRelatedStylesOwn();
}

void StylesContainer::CopyRelatedStylesToOwn()
{
    for (const auto& [id, style] : m_styles)
        style->CopyRelatedStyleSettingsToOwn();
}

bool StylesContainer::LoadStyles(const QString& folder, bool defaults)
{
    if (defaults)
    {
        for (const std::shared_ptr<StyleBase>& style : DefaultStyles::Create())
        {
            if (FindStyle(style->GetGuid()) == 0)
                AddStyle(style);
        }
    }
    if (folder.isEmpty() || !QDir(folder).exists())
        return true;
    QDir dir(folder);
    if (!dir.isReadable())
    {
        Log::WriteError(QStringLiteral("Nie można odczytać folderu stylów \"%1\".").arg(folder), kModule,
                        QStringLiteral("StylesContainer::LoadStyles"), __LINE__);
        return false;
    }
    bool allRead = true;
    std::vector<std::unique_ptr<Settings>> trees;
    std::vector<LoadedStyle> loaded;
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*") + kFileExtension}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
    {
        auto tree = std::make_unique<Settings>();
        std::shared_ptr<StyleBase> style;
        if (tree->LoadFromFile(file.filePath(), kRootName))
            style = Admit(*tree, file.filePath());
        if (!style)
        {
            allRead = false;
            Log::WriteWarning(QStringLiteral("Pominięto plik stylu \"%1\": nie jest poprawnym plikiem stylu.")
                                  .arg(file.filePath()),
                              kModule, QStringLiteral("StylesContainer::LoadStyles"), __LINE__);
            continue;
        }
        m_knownFiles.insert(file.absoluteFilePath());
        loaded.push_back({style, tree.get(), file.filePath()});
        trees.push_back(std::move(tree));
    }
    ReadAdmitted(loaded);
    return allRead;
}

bool StylesContainer::SaveStyles(const QString& folder, bool removeStale) const
{
    if (folder.isEmpty() || !AppPaths::EnsureFolder(folder))
    {
        Log::WriteError(QStringLiteral("Nie zapisano stylów: nie ma folderu \"%1\".").arg(folder), kModule,
                        QStringLiteral("StylesContainer::SaveStyles"), __LINE__);
        return false;
    }
    const QDir dir(folder);
    QSet<QString> written;
    bool allWritten = true;
    for (const auto& [id, style] : m_styles)
    {
        Settings tree;
        WriteStyleTree(*style, tree);
        const QString fileName = StyleFileName(style->GetGuid());
        const auto readable = [](const QString& path) {
            Settings file;
            return file.LoadFromFile(path, kRootName);
        };
        if (FileBackup::MayReplace(dir.filePath(fileName), readable, kModule, QStringLiteral("StylesContainer::SaveStyles")) &&
            tree.SaveToFile(dir.filePath(fileName), kRootName))
        {
            written.insert(fileName);
            m_knownFiles.insert(QFileInfo(dir.filePath(fileName)).absoluteFilePath());
        }
        else
        {
            allWritten = false;
        }
    }
    if (!allWritten)
    {
        Log::WriteError(QStringLiteral("Nie zapisano wszystkich stylów w \"%1\"; poprzednie pliki stylów zostały.")
                            .arg(folder),
                        kModule, QStringLiteral("StylesContainer::SaveStyles"), __LINE__);
        return false;
    }
    if (!removeStale)
        return true;
    bool allRemoved = true;
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*") + kFileExtension}, QDir::Files))
    {
        const QString path = file.absoluteFilePath();
        if (written.contains(file.fileName()) || !m_knownFiles.contains(path))
            continue;
        if (QFile::remove(path))
        {
            m_knownFiles.remove(path);
            continue;
        }
        allRemoved = false;
        Log::WriteWarning(QStringLiteral("Nie usunięto pliku usuniętego stylu \"%1\".").arg(path),
                          kModule, QStringLiteral("StylesContainer::SaveStyles"), __LINE__);
    }
    return allRemoved;
}

void StylesContainer::Serialize(Settings& node) const
{
    for (const auto& [id, style] : m_styles)
        WriteStyleTree(*style, node.AddUnnamed());
}

bool StylesContainer::Unserialize(const Settings& node, bool defaults)
{
    if (defaults)
        LoadStyles(QString(), true);
    bool allRead = true;
    std::vector<LoadedStyle> loaded;
    std::vector<ConstSettingsIterator> walks;
    walks.push_back(node.IteratorUnnamed(1));
    walks.push_back(node.Iterator(1));
    for (ConstSettingsIterator& walk : walks)
    {
        while (walk.Iterate())
        {
            const QString source = QStringLiteral("Styles/%1").arg(walk.Name());
            if (std::shared_ptr<StyleBase> style = Admit(walk.Node(), source))
                loaded.push_back({style, &walk.Node(), source});
            else
                allRead = false;
        }
    }
    ReadAdmitted(loaded);
    return allRead;
}

std::shared_ptr<StyleBase> StylesContainer::Admit(const Settings& tree, const QString& source)
{
    const QString typeName = tree[kTypeKey].ToString();
    std::shared_ptr<StyleBase> style = StyleKinds::Create(typeName);
    const QUuid guid = QUuid::fromString(tree[kGuidKey].ToString());
    if (!style || guid.isNull())
    {
        Log::WriteWarning(QStringLiteral("Styl z \"%1\" pominięto: nieznany rodzaj \"%2\" albo brak identyfikatora GUID.")
                              .arg(source, typeName),
                          kModule, QStringLiteral("StylesContainer::Admit"), __LINE__);
        return nullptr;
    }
    if (const std::shared_ptr<StyleBase> held = FindStyle(FindStyle(guid)))
    {
        if (held->GetType() == style->GetType())
            return held;
        Log::WriteWarning(QStringLiteral("Styl z \"%1\" pominięto: jego GUID nosi już styl innego rodzaju.").arg(source),
                          kModule, QStringLiteral("StylesContainer::Admit"), __LINE__);
        return nullptr;
    }
    bool ok = false;
    int id = tree[kIdKey].ToString().toInt(&ok);
    if (!ok || id <= 0 || m_styles.count(id) != 0)
        id = m_nextId;
    style->SetId(id);
    style->SetGuid(guid);
    m_styles[id] = style;
    m_nextId = std::max(m_nextId, id + 1);
    return style;
}

void StylesContainer::ReadAdmitted(const std::vector<LoadedStyle>& loaded)
{
    for (const LoadedStyle& entry : loaded)
    {
        entry.style->Unserialize(*entry.tree);
        const QString name = entry.style->GetName();
        if (!CheckIfNameExists(name, entry.style, kOwnStyleName))
            continue;
        entry.style->SetName(MakeUniqueName(name, entry.style));
        Log::WriteInfo(QStringLiteral("Styl z \"%1\" nosi nazwę \"%2\", którą ma już inny styl; nazwano go \"%3\".")
                           .arg(entry.source, name, entry.style->GetName()),
                       kModule, QStringLiteral("StylesContainer::ReadAdmitted"), __LINE__);
    }
}

void StylesContainer::WriteStyleTree(const StyleBase& style, Settings& tree)
{
    tree[kIdKey] = std::int32_t(style.GetId());
    style.Serialize(tree);
}

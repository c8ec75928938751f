#include "core/settings/GeneralSettingsGroupMangerWithDefaultObject.h"

#include "platform/base/Log.h"
#include "platform/settings/Settings.h"

#include <QFileInfo>

const QString GeneralSettingsGroupMangerWithDefaultObject::kDefaultObjectKey = QStringLiteral("DefaultObject");

GeneralSettingsGroupMangerWithDefaultObject::GeneralSettingsGroupMangerWithDefaultObject(QString pathKey)
    : m_pathKey(std::move(pathKey))
{
}

QString GeneralSettingsGroupMangerWithDefaultObject::ExtractDefaultObjectFilePath(const Settings& node) const
{
    return node[m_pathKey].ToString().trimmed();
}

bool GeneralSettingsGroupMangerWithDefaultObject::OnStateFileContentChanged(const QString& path)
{
    const std::shared_ptr<Settings> node = LoadCurrentSettingsNode();
    const QString named = node ? ExtractDefaultObjectFilePath(*node) : QString();
    if (named.isEmpty() || QFileInfo(named).absoluteFilePath() != QFileInfo(path).absoluteFilePath())
        return false;
    QString errorText;
    if (!LoadDefaultObject(*node, named, &errorText))
    {
        Log::WriteError(QStringLiteral("Nie odświeżono ustawień \"%1\": nie odczytano pliku \"%2\" (%3).")
                            .arg(GetGroupName(), named, errorText),
                        QStringLiteral("Quorvanta 4"),
                        QStringLiteral("GeneralSettingsGroupMangerWithDefaultObject::OnStateFileContentChanged"), __LINE__);
        return false;
    }
    return SaveCurrentSettingsNode(*node);
}

bool GeneralSettingsGroupMangerWithDefaultObject::SaveGroup(std::shared_ptr<Settings> node)
{
    if (!node)
        return false;
    const QString path = ExtractDefaultObjectFilePath(*node);
    if (!path.isEmpty())
    {
        QString errorText;
        if (!LoadDefaultObject(*node, path, &errorText))
        {
            Log::WriteError(QStringLiteral("Nie zapisano ustawień \"%1\": nie odczytano pliku \"%2\" (%3).")
                                .arg(GetGroupName(), path, errorText),
                            QStringLiteral("Quorvanta 4"), QStringLiteral("GeneralSettingsGroupMangerWithDefaultObject::SaveGroup"),
                            __LINE__);
            return false;
        }
    }
    return GeneralSettingsGroupManagerBase::SaveGroup(node);
}

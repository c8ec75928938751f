#include "platform/modules/AlertSettingsNode.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"

namespace AlertSettingsNode
{
void WriteError(const char* source, int line, const QString& text)
{
    Log::WriteError(text, QString::fromLatin1(AppPaths::kProductName), QString::fromLatin1(source), line);
}

std::optional<std::uint32_t> ReadUInt(const Settings& node, const char* key)
{
    if (!node.Exists(QString::fromLatin1(key)))
        return std::nullopt;
    bool ok = false;
    const std::uint32_t value = node[key].ToString().trimmed().toUInt(&ok);
    return ok ? std::optional<std::uint32_t>(value) : std::nullopt;
}

std::optional<bool> ReadBool(const Settings& node, const char* key)
{
    if (!node.Exists(QString::fromLatin1(key)))
        return std::nullopt;
    const QString text = node[key].ToString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? std::optional<bool>(number != 0.0) : std::nullopt;
}

std::optional<double> ReadDouble(const Settings& node, const char* key)
{
    if (!node.Exists(QString::fromLatin1(key)))
        return std::nullopt;
    bool ok = false;
    const double value = node[key].ToString().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<QString> ReadString(const Settings& node, const char* key)
{
    if (!node.Exists(QString::fromLatin1(key)))
        return std::nullopt;
    return node[key].ToString();
}
}

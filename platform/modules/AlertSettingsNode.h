#pragma once
// Reading and fault reporting for the node trees of alerts and their arguments. A fault is
// written to the error log under the program's name with the failing operation as source;
// the reader then goes on with the next key and the member keeps its value.

#include <QString>

#include <cstdint>
#include <optional>

class Settings;

namespace AlertSettingsNode
{
void WriteError(const char* source, int line, const QString& text);

// The value of a child key; none when the key is missing or its text is not of the type.
std::optional<std::uint32_t> ReadUInt(const Settings& node, const char* key);
std::optional<bool> ReadBool(const Settings& node, const char* key);
std::optional<double> ReadDouble(const Settings& node, const char* key);
std::optional<QString> ReadString(const Settings& node, const char* key);
}

#include "platform/ui/RegisteredMessages.h"

#include "platform/ui/UiLog.h"

#include <mutex>
#include <unordered_map>

namespace
{
struct Table
{
    std::mutex mutex;
    std::unordered_map<QString, std::uint32_t> ids;
    std::unordered_map<std::uint32_t, QString> names;
};

Table& TheTable()
{
    static auto* table = new Table;
    return *table;
}
}

std::uint32_t RegisteredMessages::Register(const QString& name)
{
    if (name.isEmpty())
    {
        qCWarning(lcUi) << "RegisteredMessages::Register: a message needs a name";
        return 0;
    }
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    if (const auto found = table.ids.find(name); found != table.ids.end())
        return found->second;
    const auto id = static_cast<std::uint32_t>(kFirstId + table.ids.size());
    if (id > kLastId)
    {
        qCWarning(lcUi) << "RegisteredMessages::Register: no message id left for" << name;
        return 0;
    }
    table.ids.emplace(name, id);
    table.names.emplace(id, name);
    return id;
}

QString RegisteredMessages::Name(std::uint32_t id)
{
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    const auto found = table.names.find(id);
    return found == table.names.end() ? QString() : found->second;
}

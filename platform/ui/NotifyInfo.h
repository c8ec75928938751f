#pragma once
// A control's notification to its command target: which control sent which code, and the
// answer the handler leaves in result (a value, or the address of an object the target keeps).
// Notifications that carry more derive from it; handlers reach the extra data by dynamic_cast.

#include <QObject>

#include <cstdint>

struct NotifyInfo
{
    NotifyInfo(std::uint32_t id, int code, QObject* control = nullptr)
        : id(id)
        , code(code)
        , control(control)
    {
    }
    virtual ~NotifyInfo() = default;

    std::uint32_t id;
    int code;
    QObject* control;
    std::intptr_t result = 0;
};

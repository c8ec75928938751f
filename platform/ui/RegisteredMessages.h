#pragma once
// Window messages registered by name: every name gets one id for the whole run, from 0xC000
// upwards, the same on every thread. Ids stay below 0xE000, where the framework's standard
// commands begin, because the ids also serve as command ids of the providers' menu entries.

#include <QString>

#include <cstdint>

class RegisteredMessages
{
public:
    static constexpr std::uint32_t kFirstId = 0xC000;
    static constexpr std::uint32_t kLastId = 0xDFFF;

    // Any thread. The name's id, made on its first registration; 0 for an empty name or when
    // every id is taken.
    static std::uint32_t Register(const QString& name);
    // The name registered under the id; empty when none.
    static QString Name(std::uint32_t id);
};

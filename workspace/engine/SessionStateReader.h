#pragma once
// Reads a desktop or session file of any layout the program has written: one reader opens
// both, and every node falls back to its place in the old layout.

#include <QString>

#include <memory>

class SessionStateReaderImpl_Ver2;
class Settings;

class SessionStateReader
{
public:
    SessionStateReader();
    ~SessionStateReader();

    // False when the file is missing, unreadable or no desktop file.
    bool Load(const QString& path);
    const Settings& GetDesktopNode() const;
    const Settings& GetConsumersNode() const;
    const Settings& GetModulesStatesNode() const;

private:
    std::shared_ptr<SessionStateReaderImpl_Ver2> m_impl;
};

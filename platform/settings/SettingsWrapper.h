#pragma once
// Sets what the general settings dialog shows of a node (caption and type) and takes a
// node's value from the option the user chose in its option list.

#include "platform/settings/EVariableTypes.h"

#include <QString>

class Settings;

class SettingsWrapper
{
public:
    explicit SettingsWrapper(Settings& node) : m_node(node) {}

    void SetDisplayNameAndType(const QString& displayName, EVariableTypes type);
    // The node takes the value of the option at the index, which becomes the current one;
    // false (and no change) for an index outside the list.
    bool SetValueFromOptionList(int index);

private:
    Settings& m_node;
};

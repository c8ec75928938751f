#pragma once
// Helpers with which groups dress the nodes of their settings tree for the general settings
// dialog: caption and type of a node, and the options of an option-list node with the
// current one chosen by the node's value.

#include "platform/settings/EVariableTypes.h"

#include <QString>

#include <cstdint>

class Settings;

namespace GeneralSettingsNodes
{
// Gives the node the caption and type the dialog shows; returns the node.
Settings& Describe(Settings& node, const QString& caption, EVariableTypes type);

// Replaces the node's options; a list built again never keeps the options of before.
void ClearOptions(Settings& node);
// Appends an option of a number value (type 4) / of a text value (type 8).
void AddOption(Settings& node, const QString& caption, std::uint32_t value);
void AddOption(Settings& node, const QString& caption, const QString& value);

// Makes current the option whose value equals the node's, searching from the last option
// down to the first; the first option when none matches. Numbers are compared as unsigned
// integers, texts exactly (case-sensitive).
void SelectCurrentOptionByNumber(Settings& node);
void SelectCurrentOptionByText(Settings& node);
}

#pragma once
// One row of the general settings dialog: a node of a group's settings tree. A parameter
// with sub-parameters only groups them and is shown as a category; its caption is the
// node's display name.

#include "core/settings/GeneralSettingsParametersContainer.h"

#include <QString>

class Settings;

class GeneralSettingsParameter : public GeneralSettingsParametersContainer
{
public:
    explicit GeneralSettingsParameter(Settings& node);

    Settings& Node() const { return m_node; }
    QString Caption() const override;

    // Adds the child of that key (made when missing) as a sub-parameter; false when the
    // node cannot have children (the invalid node).
    bool AddSubParameter(const QString& key);
    bool IsOnlyContainer() const { return Size() > 0; }

private:
    Settings& m_node;
};

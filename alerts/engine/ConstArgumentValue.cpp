#include "alerts/engine/ConstArgumentValue.h"

#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

namespace
{
const QString kInvalidNode = QStringLiteral("Wyrażenie alertu: niepoprawny obiekt ustawień");
}

bool ConstArgumentValue::Serialize(Settings& node) const
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("ConstArgumentValue::Serialize", __LINE__, kInvalidNode);
        return false;
    }
    node["ConstArgValue"] = m_value;
    node["ConstArgPrecision"] = m_precision;
    return true;
}

bool ConstArgumentValue::Unserialize(const Settings& node)
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("ConstArgumentValue::Unserialize", __LINE__, kInvalidNode);
        return false;
    }
    m_value = AlertSettingsNode::ReadDouble(node, "ConstArgValue").value_or(m_value);
    m_precision = AlertSettingsNode::ReadUInt(node, "ConstArgPrecision").value_or(m_precision);
    m_constant = true;
    return true;
}

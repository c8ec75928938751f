#include "styles/engine/ParameterTableStyle.h"

#include "platform/base/BinaryStringSerializer.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"

#include <limits>

namespace
{
const QString kOwnStylesKey = QStringLiteral("OwnStyles");

// Values are written signed and colours unsigned; either form reads back into the same 32 bits.
bool ParseValue(const QString& text, qint32& value)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
        return false;
    value = qint32(quint32(number));
    return true;
}
}

ParameterTableStyle::ParameterTableStyle(const StyleParameterTable& parameters, const StyleRelationTable& relations)
    : m_parameters(parameters)
    , m_relations(relations)
{
    for (const StyleParameterDef& parameter : m_parameters)
    {
        if (parameter.IsObject())
            m_objects[parameter.id] = parameter.defaultObject;
        else
            m_values[parameter.id] = parameter.defaultValue;
    }
    for (const StyleRelationDef& relation : m_relations)
        AddRelation(relation.id, CreateStyleFromType(relation.kind));
}

qint32 ParameterTableStyle::GetValue(int id) const
{
    const auto found = m_values.find(id);
    return found == m_values.end() ? 0 : found->second;
}

void ParameterTableStyle::SetValue(int id, qint32 value)
{
    const StyleParameterDef* parameter = FindParameter(id);
    if (!parameter || parameter->IsObject())
        return;
    m_values[id] = parameter->kind == StyleParameterKind::Flag ? qint32(value != 0) : value;
    InvalidatePreview();
}

GdiObject ParameterTableStyle::GetGdiObject(int id) const
{
    const auto found = m_objects.find(id);
    return found == m_objects.end() ? GdiObject() : found->second;
}

void ParameterTableStyle::SetGdiObject(int id, const GdiObject& object)
{
    const StyleParameterDef* parameter = FindParameter(id);
    if (!parameter)
        return;
    if (parameter->kind == StyleParameterKind::Pen && object.IsPen())
        m_objects[id] = object;
    else if (parameter->kind == StyleParameterKind::Font && object.IsFont())
        m_objects[id] = AdjustFont(*object.Font());
    else
        return;
    InvalidatePreview();
}

void ParameterTableStyle::Serialize(Settings& node) const
{
    StyleBase::Serialize(node);
    for (const StyleParameterDef& parameter : m_parameters)
    {
        Settings& entry = node[parameter.key];
        const GdiObject object = GetGdiObject(parameter.id);
        switch (parameter.kind)
        {
        case StyleParameterKind::Value:
        case StyleParameterKind::Flag: entry = std::int32_t(GetValue(parameter.id)); break;
        case StyleParameterKind::Colour: entry = std::uint32_t(GetValue(parameter.id)); break;
        case StyleParameterKind::Pen:
            if (const LogPen* pen = object.Pen())
                entry = BinaryStringSerializer::ConvertBinToText(*pen);
            break;
        case StyleParameterKind::Font:
            if (const LogFont* font = object.Font())
                entry = BinaryStringSerializer::ConvertBinToText(*font);
            break;
        }
    }
    for (const StyleRelationDef& relation : m_relations)
    {
        SerializeStyle(GetRelatedStyle(relation.id), node[relation.key]);
        SafeSerialize(GetOwnStyle(relation.id), node[kOwnStylesKey][relation.key]);
    }
}

void ParameterTableStyle::Unserialize(const Settings& node)
{
    StyleBase::Unserialize(node);
    for (const StyleParameterDef& parameter : m_parameters)
    {
        if (node.Exists(parameter.key))
            ReadParameter(parameter, node);
    }
    // The own copies first, so a reference to an own copy finds it complete.
    for (const StyleRelationDef& relation : m_relations)
        SafeUnserialize(GetOwnStyle(relation.id), node[kOwnStylesKey][relation.key]);
    for (const StyleRelationDef& relation : m_relations)
    {
        if (node.Exists(relation.key))
            RestoreStyle(relation.id, node[relation.key], relation.kind);
    }
    InvalidatePreview();
}

void ParameterTableStyle::ReadParameter(const StyleParameterDef& parameter, const Settings& node)
{
    const QString text = node[parameter.key].ToString();
    bool ok = false;
    switch (parameter.kind)
    {
    case StyleParameterKind::Value:
    case StyleParameterKind::Flag:
    case StyleParameterKind::Colour:
    {
        qint32 value = 0;
        ok = ParseValue(text, value);
        if (ok)
            SetValue(parameter.id, value);
        break;
    }
    case StyleParameterKind::Pen:
    {
        LogPen pen;
        ok = BinaryStringSerializer::ConvertTextToBin(text, pen);
        if (ok)
            SetGdiObject(parameter.id, pen);
        break;
    }
    case StyleParameterKind::Font:
    {
        LogFont font;
        ok = BinaryStringSerializer::ConvertTextToBin(text, font);
        if (ok)
            SetGdiObject(parameter.id, ConvertFont(font));
        break;
    }
    }
    if (!ok)
        Log::WriteWarning(QStringLiteral("Styl \"%1\": nieczytelna wartość \"%2\" parametru \"%3\"; parametr pozostaje bez zmian.")
                              .arg(GetName(), text.left(64), parameter.key),
                          QStringLiteral("Style"), QStringLiteral("ParameterTableStyle::Unserialize"), __LINE__);
}

void ParameterTableStyle::CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source)
{
    if (!source || source.get() == this || source->GetType() != GetType())
        return;
    for (const StyleParameterDef& parameter : m_parameters)
    {
        if (parameter.IsObject())
            SetGdiObject(parameter.id, source->GetGdiObject(parameter.id));
        else
            SetValue(parameter.id, source->GetValue(parameter.id));
    }
    StyleBase::CopySettingsFromSelectedStyle(source);
}

void ParameterTableStyle::UpdateChangedParameter(const StyleBase& source, int id)
{
    const StyleParameterDef* parameter = FindParameter(id);
    if (!parameter || IsChangedParameter(id) || source.GetType() != GetType())
        return;
    if (parameter->IsObject())
        SetGdiObject(id, source.GetGdiObject(id));
    else
        SetValue(id, source.GetValue(id));
}

void ParameterTableStyle::UpdateChangedParameters(const StyleBase& source)
{
    if (source.GetType() != GetType())
        return;
    for (const StyleParameterDef& parameter : m_parameters)
        UpdateChangedParameter(source, parameter.id);
    StyleBase::UpdateChangedParameters(source);
}

const StyleParameterDef* ParameterTableStyle::FindParameter(int id) const
{
    for (const StyleParameterDef& parameter : m_parameters)
    {
        if (parameter.id == id)
            return &parameter;
    }
    return nullptr;
}

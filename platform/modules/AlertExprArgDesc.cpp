#include "platform/modules/AlertExprArgDesc.h"

#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

#include <QHashFunctions>

#include <algorithm>
#include <utility>

namespace
{
bool SameText(const QString& a, const QString& b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

int CompareText(const QString& a, const QString& b)
{
    if (a.constData() == b.constData() && a.size() == b.size())
        return 0;
    return QString::compare(a, b);
}
}

AlertExprArgDesc::AlertExprArgDesc(QString sourceModuleName, std::uint32_t argumentId, QString argumentName,
                                   QString argumentDescription, QString instrument)
    : m_baseArgumentSourceId(argumentId)
    , m_extendedArgumentSourceId(argumentId)
{
    if (!sourceModuleName.isEmpty())
    {
        m_identityHash = static_cast<std::uint32_t>(qHashMulti(0, sourceModuleName, instrument));
        m_texts = std::make_shared<const TextData>(TextData{std::move(sourceModuleName), std::move(instrument),
                                                            std::move(argumentName), std::move(argumentDescription)});
    }
}

const AlertExprArgDesc::TextData& AlertExprArgDesc::Texts() const
{
    static const TextData empty;
    return m_texts ? *m_texts : empty;
}

AlertExprArgDesc AlertExprArgDesc::SeriesBased(QString sourceModuleName, std::uint32_t requestId,
                                               std::uint32_t seriesId, QString instrument, QString argumentName,
                                               QString argumentDescription)
{
    AlertExprArgDesc descriptor(std::move(sourceModuleName), requestId, std::move(argumentName),
                                std::move(argumentDescription), std::move(instrument));
    descriptor.SetSeriesBasedArgumentSourceID(requestId, seriesId);
    return descriptor;
}

void AlertExprArgDesc::SetSeriesBasedArgumentSourceID(std::uint32_t requestId, std::uint32_t seriesId)
{
    m_baseArgumentSourceId = requestId;
    m_extendedArgumentSourceId = seriesId;
    m_seriesBased = true;
}

void AlertExprArgDesc::CheckListed(const QStringList* listedInstruments)
{
    const QString& instrument = GetInstrument();
    m_alertNameValid = instrument.isEmpty() || !listedInstruments
                       || std::binary_search(listedInstruments->begin(), listedInstruments->end(), instrument);
}

bool AlertExprArgDesc::Serialize(Settings& node) const
{
    if (!node.IsValid() || !IsValid())
        return false;
    node["SourceModuleName"] = GetSourceModuleName();
    node["ArgumentID"] = m_baseArgumentSourceId;
    node["SeriesID"] = m_extendedArgumentSourceId;
    node["SeriesBased"] = m_seriesBased;
    node["Instrument"] = GetInstrument();
    node["ArgumentName"] = GetArgumentName();
    node["ArgumentDescription"] = GetArgumentDescription();
    return true;
}

bool AlertExprArgDesc::Unserialize(const Settings& node, const QString& instrument,
                                   const QStringList* listedInstruments)
{
    const std::optional<QString> module = AlertSettingsNode::ReadString(node, "SourceModuleName");
    const std::optional<std::uint32_t> argumentId = AlertSettingsNode::ReadUInt(node, "ArgumentID");
    if (!node.IsValid() || !module || module->isEmpty() || !argumentId)
    {
        AlertSettingsNode::WriteError("AlertExprArgDesc::Unserialize", __LINE__,
                                      QStringLiteral("Argument alertu: niepoprawny obiekt ustawień"));
        return false;
    }
    const QString stored = AlertSettingsNode::ReadString(node, "Instrument").value_or(QString());
    AlertExprArgDesc read(*module, *argumentId, AlertSettingsNode::ReadString(node, "ArgumentName").value_or(QString()),
                          AlertSettingsNode::ReadString(node, "ArgumentDescription").value_or(QString()),
                          stored.isEmpty() ? instrument : stored);
    if (AlertSettingsNode::ReadBool(node, "SeriesBased").value_or(false))
        read.SetSeriesBasedArgumentSourceID(*argumentId,
                                            AlertSettingsNode::ReadUInt(node, "SeriesID").value_or(*argumentId));
    read.CheckListed(listedInstruments);
    *this = std::move(read);
    return true;
}

void AlertExprArgDesc::LogAlertsState(QString& out) const
{
    out += QStringLiteral("\t\tArgument\n\t\t%1 (%2)\t%3\t%4\t%5\t%6\n")
               .arg(GetArgumentName(), GetArgumentDescription(), GetSourceModuleName(),
                    QString::number(m_baseArgumentSourceId), QString::number(m_extendedArgumentSourceId),
                    GetInstrument());
}

std::size_t AlertExprArgDesc::Hash() const
{
    return qHashMulti(m_identityHash, m_baseArgumentSourceId, m_extendedArgumentSourceId,
                      m_seriesBased);
}

bool AlertExprArgDesc::SameIdentityTexts(const AlertExprArgDesc& other) const
{
    if (!m_texts || !other.m_texts)
        return false;
    return SameText(m_texts->sourceModuleName, other.m_texts->sourceModuleName)
           && SameText(m_texts->instrument, other.m_texts->instrument);
}

bool operator<(const AlertExprArgDesc& a, const AlertExprArgDesc& b)
{
    // Numbers first: most arguments differ there, and they compare fastest.
    if (a.m_baseArgumentSourceId != b.m_baseArgumentSourceId)
        return a.m_baseArgumentSourceId < b.m_baseArgumentSourceId;
    if (a.m_extendedArgumentSourceId != b.m_extendedArgumentSourceId)
        return a.m_extendedArgumentSourceId < b.m_extendedArgumentSourceId;
    if (a.m_seriesBased != b.m_seriesBased)
        return b.m_seriesBased;
    if (a.m_texts == b.m_texts)
        return false;
    if (const int module = CompareText(a.GetSourceModuleName(), b.GetSourceModuleName()))
        return module < 0;
    return CompareText(a.GetInstrument(), b.GetInstrument()) < 0;
}

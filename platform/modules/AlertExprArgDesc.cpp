#include "platform/modules/AlertExprArgDesc.h"

#include <algorithm>
#include <tuple>
#include <utility>

AlertExprArgDesc::AlertExprArgDesc(QString sourceModuleName, std::uint32_t argumentId, QString argumentName,
                                   QString argumentDescription, QString instrument)
    : m_sourceModuleName(std::move(sourceModuleName))
    , m_baseArgumentSourceId(argumentId)
    , m_extendedArgumentSourceId(argumentId)
    , m_instrument(std::move(instrument))
    , m_argumentName(std::move(argumentName))
    , m_argumentDescription(std::move(argumentDescription))
{
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
    m_alertNameValid = m_instrument.isEmpty() || !listedInstruments
                       || std::binary_search(listedInstruments->begin(), listedInstruments->end(), m_instrument);
}

void AlertExprArgDesc::LogAlertsState(QString& out) const
{
    out += QStringLiteral("\t\tArgument\n\t\t%1 (%2)\t%3\t%4\t%5\t%6\n")
               .arg(m_argumentName, m_argumentDescription, m_sourceModuleName,
                    QString::number(m_baseArgumentSourceId), QString::number(m_extendedArgumentSourceId),
                    m_instrument);
}

bool operator==(const AlertExprArgDesc& a, const AlertExprArgDesc& b)
{
    return a.m_baseArgumentSourceId == b.m_baseArgumentSourceId
           && a.m_extendedArgumentSourceId == b.m_extendedArgumentSourceId && a.m_seriesBased == b.m_seriesBased
           && a.m_sourceModuleName == b.m_sourceModuleName && a.m_instrument == b.m_instrument;
}

bool operator<(const AlertExprArgDesc& a, const AlertExprArgDesc& b)
{
    // Numbers first: most arguments differ there, and they compare fastest.
    return std::tie(a.m_baseArgumentSourceId, a.m_extendedArgumentSourceId, a.m_seriesBased, a.m_sourceModuleName,
                    a.m_instrument)
           < std::tie(b.m_baseArgumentSourceId, b.m_extendedArgumentSourceId, b.m_seriesBased, b.m_sourceModuleName,
                      b.m_instrument);
}

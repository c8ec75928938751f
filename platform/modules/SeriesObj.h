#pragma once
// A data series as the chart galleries name it: its properties, the text that follows it in a
// gallery, and the id of the data request that feeds it.

#include "platform/modules/DSProp.h"

#include <QString>

class SeriesObj
{
public:
    SeriesObj() = default;
    SeriesObj(DSProp prop, QString additionalInfo, int requestId)
        : m_prop(std::move(prop))
        , m_additionalInfo(std::move(additionalInfo))
        , m_requestId(requestId)
    {
    }

    const DSProp& GetDSProp() const { return m_prop; }
    const QString& GetAdditionalInfo() const { return m_additionalInfo; }
    int GetRequestID() const { return m_requestId; }

    friend bool operator==(const SeriesObj& a, const SeriesObj& b)
    {
        return a.m_prop == b.m_prop && a.m_requestId == b.m_requestId;
    }

private:
    DSProp m_prop;
    QString m_additionalInfo;
    int m_requestId = 0;
};

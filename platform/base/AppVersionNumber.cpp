#include "platform/base/AppVersionNumber.h"

#include <QStringList>

#include <algorithm>

namespace
{
const char* const kAppVersionText = "4.2.210.1";
}

AppVersionNumber::AppVersionNumber(quint32 major, quint32 minor, quint32 release, quint32 build)
    : m_parts{major, minor, release, build}
{
}

std::optional<AppVersionNumber> AppVersionNumber::FromString(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;

    AppVersionNumber version;
    for (int i = 0; i < 4; ++i)
    {
        const QString& part = parts[i];
        // toUInt alone would also take signs and surrounding blanks.
        if (part.isEmpty() || !std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return std::nullopt;
        bool ok = false;
        version.m_parts[i] = part.toUInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return version;
}

AppVersionNumber AppVersionNumber::Current()
{
    return *FromString(QString::fromLatin1(kAppVersionText));
}

quint32 AppVersionNumber::Part(int index) const
{
    return index >= 0 && index < 4 ? m_parts[index] : 0;
}

QString AppVersionNumber::ToString() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(m_parts[0]).arg(m_parts[1]).arg(m_parts[2]).arg(m_parts[3]);
}

QString NormalizeVersionString(const QString& text)
{
    return text.mid(1).count(QLatin1Char('.')) == 3 ? text : QString();
}

QString GetAppVersionString()
{
    return NormalizeVersionString(QString::fromLatin1(kAppVersionText));
}

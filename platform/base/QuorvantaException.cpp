#include "platform/base/QuorvantaException.h"

namespace
{
std::string Describe(const QString& place, const QString& text, const QString& moduleName, int line)
{
    QString where = place;
    if (!moduleName.isEmpty())
        where = QStringLiteral("%1 (%2)").arg(where, moduleName);
    if (line > 0)
        where += QStringLiteral(":%1").arg(line);
    return QStringLiteral("%1: %2").arg(where, text).toStdString();
}
}

QuorvantaException::QuorvantaException(const QString& place, const QString& text, const QString& moduleName, int line)
    : std::runtime_error(Describe(place, text, moduleName, line))
    , m_place(place)
    , m_text(text)
    , m_moduleName(moduleName)
    , m_line(line)
{
}

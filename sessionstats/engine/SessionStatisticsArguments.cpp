#include "sessionstats/engine/SessionStatisticsArguments.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/AlertPrecision.h"
#include "sessionstats/engine/OverallStatisticsWrapper.h"

#include <cstdint>
#include <vector>

namespace
{
constexpr const char* kFile = "SessionStatisticsArguments";

enum EGroup
{
    eInstruments = 0,
    eTurnover = 1,
    eTransactions = 2,
};

// Of an argument that names a figure.
int Group(const AlertExprArgDesc& argument)
{
    return static_cast<int>((argument.GetBaseArgumentSourceID() - 1) / 10);
}

int Index(const AlertExprArgDesc& argument)
{
    return static_cast<int>((argument.GetBaseArgumentSourceID() - 1) % 10);
}

double Figure(const OverallStatisticsWrapper& overall, int group, int index)
{
    const OverallStatisticsWrapper::GeneralData* data = overall.Data(index);
    if (!overall.IsComplete() || !data)
        return 0.0;
    switch (group)
    {
    case eInstruments:
        return static_cast<double>(data->instruments);
    case eTurnover:
        return data->turnover;
    default:
        return static_cast<double>(data->transactions);
    }
}

// A registered argument can name the sum of all instruments (index 3), which is sent though no
// segment of the bar offers it; one that names no figure at all has no value to send.
bool NamesFigure(const AlertExprArgDesc& argument)
{
    const std::uint32_t n = argument.GetBaseArgumentSourceID() - 1;
    return n / 10 <= eTransactions && n % 10 <= OverallStatisticsWrapper::eOverall;
}

OleDate ToOleDate(const NDateTime& time)
{
    return time.IsValid() ? OleDate(time.ToDayCount()) : OleDate::Invalid();
}
}

QString SessionStatisticsArguments::GetArgumentGroupName(int group)
{
    switch (group)
    {
    case eInstruments:
        return QStringLiteral("Liczba instrumentów");
    case eTurnover:
        return QStringLiteral("Obroty instrumentów");
    case eTransactions:
        return QStringLiteral("Liczba transakcji instrumentów");
    default:
        return QString();
    }
}

QString SessionStatisticsArguments::GetArgumentIndexName(int index)
{
    switch (index)
    {
    case OverallStatisticsWrapper::eIncrease:
        return QStringLiteral("rosnących");
    case OverallStatisticsWrapper::eDecrease:
        return QStringLiteral("malejących");
    case OverallStatisticsWrapper::eNoChange:
        return QStringLiteral("bez zmian");
    default:
        return QString();
    }
}

QString SessionStatisticsArguments::GetArgumentName(int group, int index)
{
    const QString whose = GetArgumentIndexName(index);
    return whose.isEmpty() ? GetArgumentGroupName(group) : GetArgumentGroupName(group) + QLatin1Char(' ') + whose;
}

bool SessionStatisticsArguments::IsArgumentValid(const AlertExprArgDesc& argument)
{
    // Id 0 wraps to a huge group. The figures of all instruments (index 3) are not offered.
    const std::uint32_t n = argument.GetBaseArgumentSourceID() - 1;
    return argument.GetSourceModuleName() == SourceModuleName() && !argument.IsSeriesBased() && n / 10 <= eTransactions
           && n % 10 <= OverallStatisticsWrapper::eNoChange;
}

bool SessionStatisticsArguments::AddArgumentUsage(const AlertExprArgDesc& argument)
{
    if (argument.GetSourceModuleName() != SourceModuleName())
        return false;
    const SafeAutoLock lock(m_lock, "SessionStatisticsArguments::AddArgumentUsage", kFile);
    m_registered.insert(argument);
    return true;
}

void SessionStatisticsArguments::RemoveArgumentUsage(const AlertExprArgDesc& argument)
{
    const SafeAutoLock lock(m_lock, "SessionStatisticsArguments::RemoveArgumentUsage", kFile);
    m_registered.erase(argument);
}

std::shared_ptr<const AlertExprArgList> SessionStatisticsArguments::MakeValues(
    const OverallStatisticsWrapper& overall) const
{
    std::vector<AlertExprArgDesc> registered;
    {
        const SafeAutoLock lock(m_lock, "SessionStatisticsArguments::MakeValues", kFile);
        registered.assign(m_registered.begin(), m_registered.end());
    }
    auto values = std::make_shared<AlertExprArgList>();
    const OleDate stamp = ToOleDate(overall.TimeStamp());
    for (const AlertExprArgDesc& argument : registered)
    {
        if (!NamesFigure(argument))
            continue;
        const int group = Group(argument);
        const int precision = group == eInstruments ? ePrecision0 : ePrecision2;
        values->Attach(argument, AlertExprArgValue(Figure(overall, group, Index(argument)), precision, stamp));
    }
    if (values->ArgumentsCount() == 0)
        return nullptr;
    return values;
}

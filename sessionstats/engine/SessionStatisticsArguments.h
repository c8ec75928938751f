#pragma once
// The overall figures of the session as alert arguments of the source "SessionStatistics": the
// base id of an argument is 10 × group + index + 1, the group telling the figure (0 number of
// instruments, 1 turnover, 2 number of transactions) and the index whose (0 rising, 1 falling,
// 2 unchanged instruments). So the valid ids are 1 to 3, 11 to 13 and 21 to 23. The alert module
// registers the arguments its alerts use on its own thread; the worker thread makes their values
// after each processed batch.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgList.h"

#include <QString>

#include <memory>
#include <set>

class OverallStatisticsWrapper;

class SessionStatisticsArguments
{
public:
    static QString SourceModuleName() { return QStringLiteral("SessionStatistics"); }
    // The parts of an argument's display name; empty for any other number.
    static QString GetArgumentGroupName(int group);
    static QString GetArgumentIndexName(int index);
    // The name the user reads: the figure and whose it is ("Obroty instrumentów rosnących").
    static QString GetArgumentName(int group, int index);
    // What every session argument is described as.
    static inline const QString kArgumentDescription = QStringLiteral("statystyka sesji");

    static bool IsArgumentValid(const AlertExprArgDesc& argument);
    // Registers an argument of the source, once however often it comes; false for another source.
    bool AddArgumentUsage(const AlertExprArgDesc& argument);
    void RemoveArgumentUsage(const AlertExprArgDesc& argument);

    // The values of the registered arguments that name a figure (the nine valid ones and the
    // sums of all instruments, 4, 14 and 24), in the order of the descriptors, stamped with the
    // time the figures were received; 0.0 while the figures are incomplete. Null when there is
    // nothing to send.
    std::shared_ptr<const AlertExprArgList> MakeValues(const OverallStatisticsWrapper& overall) const;

private:
    mutable SafeCriticalSection m_lock{QStringLiteral("SessionStatisticsModule::Arguments")};
    std::set<AlertExprArgDesc> m_registered;
};

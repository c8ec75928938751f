#pragma once
// The command target of the transaction-list windows: the transaction-list library's
// consumer, reached afresh on every command, acts on its active window. The colouring mode is
// asked of the consumer taken at construction. In the tendency colouring mode (2) the rise and
// fall colour galleries are enabled instead of the odd and even ones, and the font commands
// change those row groups too. Made once when the consumers are loaded.

#include "platform/modules/TransListCons.h"
#include "workspace/targets/DisplayParamsCmdTarget.h"

#include <QDate>

#include <optional>

class CmdTargetTransList : public DisplayParamsCmdTarget
{
public:
    using Accessor = std::function<TransListCons*()>;
    static constexpr int kColouringGroup = 6;
    static constexpr int kColouringModeParam = 9;
    static constexpr int kTendencyMode = 2;

    struct SessionDateServices
    {
        // Today's date.
        std::function<QDate()> today;
        // The date picked under "Data sesji"; empty while there is no picker or no pick.
        std::function<std::optional<QDate>()> pickedDate;
    };

    CmdTargetTransList(Accessor consumer, Services services, SessionDateServices dates);

protected:
    std::vector<int> FontGroups() const override;

private:
    bool TendencyMode() const;

    TransListCons* const m_consumer;
    const SessionDateServices m_dates;
};

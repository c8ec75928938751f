#include "alerts/engine/BLAlert.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/ArgumentsListManager.h"
#include "alerts/engine/Prefetch.h"
#include "platform/modules/AlertSettingsNode.h"
#include "platform/settings/Settings.h"

#include <algorithm>

namespace
{
// The raw values of two valid dates from the epoch on stand for the same moment only when
// they are equal; only older dates need the full comparison.
bool SameTime(const OleDate& a, const OleDate& b)
{
    if (a.IsValid() && b.IsValid() && a.Value() >= 0.0 && b.Value() >= 0.0)
        return a.Value() == b.Value();
    return a == b;
}
}

BLAlert::BLAlert(AlertModule& module)
    : m_properties(module.GetNewAlertDefaults())
    , m_sellSide(module, kSellSide)
    , m_buySide(module, kBuySide)
    , m_module(&module)
{
}

BLAlert::BLAlert(const BLAlert& other)
    : m_properties(other.m_properties)
    , m_active(other.m_active)
    , m_executeAllowed(other.m_executeAllowed)
    , m_sellSide(other.m_sellSide)
    , m_buySide(other.m_buySide)
    , m_id(other.m_id)
    , m_new(other.m_new)
    , m_module(other.m_module)
    , m_associatedArg(other.m_associatedArg)
{
    if (m_associatedArg.IsValid()
        && !m_module->Arguments().IncrementArgumentInstanceCount(m_associatedArg, m_associatedEntry))
        m_associatedArg.Reset();
}

BLAlert::~BLAlert()
{
    ReleaseAssociatedArg();
}

void BLAlert::ReleaseAssociatedArg()
{
    if (m_associatedArg.IsValid())
        m_module->Arguments().DecrementArgumentInstanceCount(m_associatedArg, m_associatedEntry);
    m_associatedArg.Reset();
    m_associatedEntry.reset();
}

bool BLAlert::BindAssociatedArg(const AlertExprArgDesc& descriptor)
{
    ArgumentsListManager& arguments = m_module->Arguments();
    if (!arguments.Find(descriptor))
        arguments.Register(descriptor);
    if (!arguments.IncrementArgumentInstanceCount(descriptor, m_associatedEntry))
        return false;
    m_associatedArg = descriptor;
    return true;
}

void BLAlert::SetId(std::uint32_t id)
{
    m_id = id;
    m_sellSide.SetAlertId(static_cast<int>(id));
    m_buySide.SetAlertId(static_cast<int>(id));
}

BLAlert::TestedMemory BLAlert::GetTestedMemory() const
{
    const auto [sell, sellCount] = m_sellSide.TestedExpressions();
    const auto [buy, buyCount] = m_buySide.TestedExpressions();
    TestedMemory memory{sell, buy, nullptr, sellCount, buyCount, 0};
    if (m_properties.LastGenerated() != AlertProps::kNoneGenerated)
    {
        memory.recentTimes = m_recentArgumentTimes.data();
        memory.recentTimesBytes = static_cast<std::uint32_t>(m_recentArgumentTimes.size() * sizeof(ArgumentTime));
    }
    return memory;
}

void BLAlert::Prefetch(const TestedMemory& memory) const
{
    const auto offset = [this](const void* member) {
        return static_cast<std::size_t>(static_cast<const char*>(member) - reinterpret_cast<const char*>(this));
    };
    // Up to the buy side's comparisons; the ring's place only when the ring is read.
    PrefetchBytes(this, memory.recentTimesBytes > 0 ? offset(&m_id) : offset(&m_buySide) + BLDirectAlert::kTestedBytes);
    for (std::uint8_t i = 0; i < memory.sellExpressionsCount; ++i)
        PrefetchBytes(memory.sellExpressions + i, SimpleExpr::TestedBytes());
    for (std::uint8_t i = 0; i < memory.buyExpressionsCount; ++i)
        PrefetchBytes(memory.buyExpressions + i, SimpleExpr::TestedBytes());
    PrefetchBytes(memory.recentTimes, memory.recentTimesBytes);
}

void BLAlert::PrefetchRecentTimes() const
{
    PrefetchBytes(&m_recentArgumentTimes, sizeof(m_recentArgumentTimes) + sizeof(m_oldestTime));
}

void BLAlert::Execute()
{
    if (!m_executeAllowed || !m_active || !m_sellSide.HasValidArgumentNames() || !m_buySide.HasValidArgumentNames())
        return;
    const bool sell = m_sellSide.IsSideEnabled();
    const bool buy = m_buySide.IsSideEnabled();
    if (sell && buy)
        ExecuteBothSides();
    else if (sell)
        ExecuteSide(kSellSide);
    else if (buy)
        ExecuteSide(kBuySide);
}

bool BLAlert::TestSide(BLDirectAlert& side)
{
    return side.AreArgumentsInitialised() && side.AreArgumentsUpdated() && side.Execute(m_properties.Synchronious());
}

void BLAlert::Generate(unsigned side)
{
    m_module->GenerateAlert(*this, side);
    m_properties.SetLastGenerated(side);
    if (m_properties.Synchronious())
        ResetArgumentsUpdated();
}

void BLAlert::ExecuteSide(unsigned sideNumber)
{
    BLDirectAlert& side = Side(sideNumber);
    if (!side.AreArgumentsInitialised())
        return;
    if (m_properties.OnlyOnce() && m_properties.LastGenerated() == sideNumber)
        return;
    const bool wasTrue = side.GetLastExecutionResult();
    if (!side.AreArgumentsUpdated() || !side.Execute(m_properties.Synchronious()))
        return;
    // Edge triggered: a condition that stays true fires once.
    if (wasTrue)
        return;
    Generate(sideNumber);
}

void BLAlert::ExecuteBothSides()
{
    const std::uint32_t last = m_properties.LastGenerated();
    if (m_properties.OnlyOnce() && last != AlertProps::kNoneGenerated)
        return;
    if (last == AlertProps::kNoneGenerated)
    {
        if (TestSide(m_buySide))
            Generate(kBuySide);
        else if (TestSide(m_sellSide))
            Generate(kSellSide);
    }
    else if (last == kBuySide)
    {
        if (TestSide(m_sellSide))
            Generate(kSellSide);
    }
    else if (last == kSellSide)
    {
        if (TestSide(m_buySide))
            Generate(kBuySide);
    }
}

bool BLAlert::CheckArgumentTime(const AlertExprArgDesc& descriptor, const OleDate& time, const Argument* entry)
{
    const std::uint32_t last = m_properties.LastGenerated();
    if (last == AlertProps::kNoneGenerated)
        return true;
    if (m_sellSide.IsSideEnabled() && m_buySide.IsSideEnabled())
    {
        const BLDirectAlert& due = last == kSellSide ? m_buySide : m_sellSide;
        if ((last == kSellSide || last == kBuySide) && !due.UsesArgument(descriptor, entry))
            return false;
    }
    const auto sameSeries = [&descriptor, &time](const ArgumentTime& record) {
        return SameTime(record.time, time) && record.series.IsSameSeries(descriptor);
    };
    if (std::any_of(m_recentArgumentTimes.begin(), m_recentArgumentTimes.end(), sameSeries))
        return false;
    NoteArgumentTime(descriptor, time, m_sellSide.ExpressionsCount() + m_buySide.ExpressionsCount());
    return true;
}

void BLAlert::NoteArgumentTime(const AlertExprArgDesc& descriptor, const OleDate& time, std::size_t capacity)
{
    if (m_recentArgumentTimes.size() < capacity)
    {
        m_recentArgumentTimes.push_back(ArgumentTime{descriptor, time});
    }
    else if (capacity > 0)
    {
        m_oldestTime %= m_recentArgumentTimes.size();
        ArgumentTime& oldest = m_recentArgumentTimes[m_oldestTime++];
        oldest.series = descriptor;
        oldest.time = time;
    }
}

void BLAlert::MarkArgumentUpdated(const AlertExprArgDesc& descriptor, const Argument* entry)
{
    m_sellSide.MarkArgumentUpdated(descriptor, entry);
    m_buySide.MarkArgumentUpdated(descriptor, entry);
}

void BLAlert::ResetArgumentsUpdated()
{
    m_sellSide.ResetArgumentsUpdated();
    m_buySide.ResetArgumentsUpdated();
}

void BLAlert::DeactivateArgUsage(const AlertExprArgDesc& descriptor)
{
    const bool sellUsed = m_sellSide.DeactivateArgUsage(descriptor);
    const bool buyUsed = m_buySide.DeactivateArgUsage(descriptor);
    if (m_associatedArg.IsValid() && m_associatedArg == descriptor)
    {
        ReleaseAssociatedArg();
        m_executeAllowed = false;
    }
    else if (sellUsed || buyUsed)
    {
        m_executeAllowed = false;
    }
}

void BLAlert::SetAssociatedArg(const AlertExprArgDesc& descriptor)
{
    if (!descriptor.IsValid() || (m_associatedArg.IsValid() && m_associatedArg == descriptor))
        return;
    ReleaseAssociatedArg();
    BindAssociatedArg(descriptor);
}

void BLAlert::UpdateRequestId(std::uint32_t baseSourceId, std::uint32_t newSourceId)
{
    m_sellSide.UpdateRequestId(baseSourceId, newSourceId);
    m_buySide.UpdateRequestId(baseSourceId, newSourceId);
    const AlertExprArgDesc current = m_associatedArg;
    if (!current.IsValid() || !current.IsSeriesBased() || current.GetBaseArgumentSourceID() != baseSourceId
        || baseSourceId == newSourceId)
        return;
    AlertExprArgDesc moved = current;
    moved.SetSeriesBasedArgumentSourceID(newSourceId, current.GetExtendedArgumentSourceID());
    // The use moves with the argument; the old request's argument is given back.
    const std::shared_ptr<Argument> old = std::move(m_associatedEntry);
    m_associatedArg.Reset();
    BindAssociatedArg(moved);
    m_module->Arguments().DecrementArgumentInstanceCount(current, old);
}

void BLAlert::RenewArgumentUses()
{
    m_sellSide.RenewArgumentUses();
    m_buySide.RenewArgumentUses();
    if (!m_associatedArg.IsValid() || (m_associatedEntry && m_associatedEntry->IsRegistered()))
        return;
    const AlertExprArgDesc associated = m_associatedArg;
    m_associatedArg.Reset();
    m_associatedEntry.reset();
    BindAssociatedArg(associated);
}

bool BLAlert::HasSameDefinition(const BLAlert& other) const
{
    return m_sellSide.HasSameDefinition(other.m_sellSide) && m_buySide.HasSameDefinition(other.m_buySide);
}

void BLAlert::TakeFiringState(const BLAlert& replaced)
{
    if (!m_properties.OnlyOnce() || replaced.m_properties.OnlyOnce())
        m_properties.SetLastGenerated(replaced.m_properties.LastGenerated());
    m_sellSide.TakeTestState(replaced.m_sellSide);
    m_buySide.TakeTestState(replaced.m_buySide);
    m_recentArgumentTimes = replaced.m_recentArgumentTimes;
    m_oldestTime = replaced.m_oldestTime;
}

std::vector<AlertExprArgDesc> BLAlert::UsedArguments() const
{
    std::vector<AlertExprArgDesc> arguments;
    if (m_associatedArg.IsValid())
        arguments.push_back(m_associatedArg);
    for (const BLDirectAlert* side : {&m_sellSide, &m_buySide})
    {
        for (std::size_t i = 0; i < side->ExpressionsCount(); ++i)
        {
            for (const SimpleExpr::EOperandSide operand : {SimpleExpr::eLeft, SimpleExpr::eRight})
            {
                if (side->Expression(i).GetArgument(operand).IsValid())
                    arguments.push_back(side->Expression(i).GetArgument(operand));
            }
        }
    }
    return arguments;
}

QString BLAlert::GetDescription(unsigned side, const std::optional<OleDate>& time) const
{
    if (side == kSellSide || side == kBuySide)
    {
        QString text = Name() + QStringLiteral("   ");
        if (time && time->IsValid())
        {
            const QTime clock = time->ToQTime();
            text += QString::asprintf("%2.2d:%2.2d:%2.2d", clock.hour(), clock.minute(), clock.second())
                    + QStringLiteral("   ");
        }
        if (side == kBuySide)
            return text + QStringLiteral(" kupno  -  ") + m_buySide.GetDescription(true);
        return text + QStringLiteral(" sprzedaż  -  ") + m_sellSide.GetDescription(true);
    }
    return Name() + QStringLiteral("   jednorazowy: ")
           + (m_properties.OnlyOnce() ? QStringLiteral("tak") : QStringLiteral("nie")) + QStringLiteral("\n  kupno:")
           + m_buySide.GetDescription(false) + QStringLiteral("\n  sprzedaż:") + m_sellSide.GetDescription(false)
           + QString::asprintf("\n  Właściwości: aktywny-%d okno-%d dźwięk-%d mail-%d synchroniczny-%d",
                               int(m_active), int(m_properties.Window()), int(m_properties.Sound()),
                               int(m_properties.Mail()), int(m_properties.Synchronious()));
}

void BLAlert::TakeArgumentSnapshots(std::vector<AlertExprArgSnapshot>& snapshots) const
{
    m_sellSide.TakeArgumentSnapshots(snapshots);
    m_buySide.TakeArgumentSnapshots(snapshots);
}

void BLAlert::Serialize(Settings& node) const
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("BLAlert::Serialize", __LINE__, QStringLiteral("Alert: niepoprawny obiekt ustawień"));
        return;
    }
    m_sellSide.Serialize(node["SellAlert"]);
    m_buySide.Serialize(node["BuyAlert"]);
    node["ID"] = m_id;
    if (m_associatedArg.IsValid())
        m_associatedArg.Serialize(node["AssociatedArg"]);
    node["Active"] = m_active;
    node["ExecuteAllowed"] = m_executeAllowed;
    m_properties.Serialize(node["Properties"]);
}

void BLAlert::Unserialize(const Settings& node, const QString& instrument, const QStringList* listedInstruments)
{
    if (!node.IsValid())
    {
        AlertSettingsNode::WriteError("BLAlert::Unserialize", __LINE__,
                                      QStringLiteral("Alert: niepoprawny obiekt ustawień"));
        return;
    }
    m_sellSide.Unserialize(node["SellAlert"], instrument, listedInstruments);
    m_buySide.Unserialize(node["BuyAlert"], instrument, listedInstruments);
    if (const std::optional<std::uint32_t> id = AlertSettingsNode::ReadUInt(node, "ID"))
        SetId(*id);
    else
        AlertSettingsNode::WriteError("BLAlert::Unserialize", __LINE__,
                                      QStringLiteral("Alert: niepoprawny obiekt ustawień ID alertu"));
    if (node.Exists(QStringLiteral("AssociatedArg")))
    {
        AlertExprArgDesc associated;
        if (associated.Unserialize(node["AssociatedArg"], instrument, listedInstruments))
            SetAssociatedArg(associated);
    }
    if (const std::optional<bool> active = AlertSettingsNode::ReadBool(node, "Active"))
        m_active = *active;
    else
        AlertSettingsNode::WriteError("BLAlert::Unserialize", __LINE__,
                                      QStringLiteral("Alert: niepoprawny obiekt ustawień flagi aktywności"));
    if (const std::optional<bool> allowed = AlertSettingsNode::ReadBool(node, "ExecuteAllowed"))
        m_executeAllowed = *allowed;
    else
        AlertSettingsNode::WriteError(
            "BLAlert::Unserialize", __LINE__,
            QStringLiteral("Alert: niepoprawny obiekt ustawień flagi pozwolenia na przeliczenie alertu"));
    m_properties.Unserialize(node["Properties"]);
}

#pragma once
// The levels of the Fibonacci and Gann drawing tools, and the nested values that carry them in
// a formation parameter. A formation owns its containers; the levels popups edit copies (or, as
// the time-zone and Gann popups do, the shared container itself) and write them back.

#include "platform/modules/FormationParam.h"

#include <QMetaType>

#include <memory>
#include <vector>

// A nested value of a formation parameter.
class ISimpleValue
{
public:
    virtual ~ISimpleValue() = default;
};

using SimpleValuePtr = std::shared_ptr<ISimpleValue>;
Q_DECLARE_METATYPE(SimpleValuePtr)

struct FiboLevel
{
    // In percent of the formation's height (or length of time).
    double value = 0.0;
    bool enabled = true;
};

class FiboLevelsContainer
{
public:
    std::size_t Size() const { return m_levels.size(); }
    FiboLevel& Level(std::size_t index) { return m_levels[index]; }
    const FiboLevel& Level(std::size_t index) const { return m_levels[index]; }
    void AddLevel(const FiboLevel& level) { m_levels.push_back(level); }
    bool NegativesAllowed() const { return m_negativesAllowed; }
    void SetNegativesAllowed(bool allowed) { m_negativesAllowed = allowed; }

    // 0, 23.6, 38.2, 50, 61.8, 100, 161.8 percent, all on.
    static std::shared_ptr<FiboLevelsContainer> CreateDefalutFiboLevels(bool negativesAllowed);
    // The fifteen Fibonacci numbers 0 to 610 of the time zones, all on.
    static std::shared_ptr<FiboLevelsContainer> CreateTimeZoneLevels();

private:
    std::vector<FiboLevel> m_levels;
    bool m_negativesAllowed = true;
};

class FiboFormationParamValue : public ISimpleValue
{
public:
    explicit FiboFormationParamValue(std::shared_ptr<FiboLevelsContainer> levels)
        : m_levels(std::move(levels))
    {
    }
    const std::shared_ptr<FiboLevelsContainer>& Levels() const { return m_levels; }

private:
    std::shared_ptr<FiboLevelsContainer> m_levels;
};

struct GannLevel
{
    // Price units per time unit of the line (8x1 is 8, 1x8 is 1/8).
    double ratio = 1.0;
    bool visible = true;
};

class GannFanLevelsContainer
{
public:
    // 8x1, 4x1, 3x1, 2x1 above, 1x1, then 1x2, 1x3, 1x4, 1x8.
    static std::shared_ptr<GannFanLevelsContainer> CreateDefault();

    std::size_t VerticalLevelsAmount() const { return m_vertical.size(); }
    std::size_t HorizontalLevelsAmount() const { return m_horizontal.size(); }
    GannLevel& VerticalLevel(std::size_t index) { return m_vertical[index]; }
    GannLevel& HorizontalLevel(std::size_t index) { return m_horizontal[index]; }
    const GannLevel& VerticalLevel(std::size_t index) const { return m_vertical[index]; }
    const GannLevel& HorizontalLevel(std::size_t index) const { return m_horizontal[index]; }
    GannLevel& BaseLevel() { return m_base; }
    const GannLevel& BaseLevel() const { return m_base; }
    // Every level in drawing order: the vertical ones, the base, the horizontal ones.
    std::vector<GannLevel> All() const;

private:
    std::vector<GannLevel> m_vertical;
    GannLevel m_base;
    std::vector<GannLevel> m_horizontal;
};

class GannFanFormationLevelsParam : public ISimpleValue
{
public:
    explicit GannFanFormationLevelsParam(std::shared_ptr<GannFanLevelsContainer> levels)
        : m_levels(std::move(levels))
    {
    }
    const std::shared_ptr<GannFanLevelsContainer>& Levels() const { return m_levels; }

private:
    std::shared_ptr<GannFanLevelsContainer> m_levels;
};

namespace FormationLevels
{
// The value that carries a nested parameter, and the nested value of a parameter (null when
// it carries none or another kind).
SimpleValue Wrap(const SimpleValuePtr& nested);
template <typename T>
std::shared_ptr<T> Unwrap(const SimpleValue& value)
{
    return value.canConvert<SimpleValuePtr>() ? std::dynamic_pointer_cast<T>(value.value<SimpleValuePtr>()) : nullptr;
}
}

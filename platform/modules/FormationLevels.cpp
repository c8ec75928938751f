#include "platform/modules/FormationLevels.h"

std::shared_ptr<FiboLevelsContainer> FiboLevelsContainer::CreateDefalutFiboLevels(bool negativesAllowed)
{
    auto levels = std::make_shared<FiboLevelsContainer>();
    levels->SetNegativesAllowed(negativesAllowed);
    for (const double value : {0.0, 23.6, 38.2, 50.0, 61.8, 100.0, 161.8})
        levels->AddLevel({value, true});
    return levels;
}

std::shared_ptr<FiboLevelsContainer> FiboLevelsContainer::CreateTimeZoneLevels()
{
    auto levels = std::make_shared<FiboLevelsContainer>();
    levels->SetNegativesAllowed(false);
    for (const double value : {0.0, 1.0, 2.0, 3.0, 5.0, 8.0, 13.0, 21.0, 34.0, 55.0, 89.0, 144.0, 233.0, 377.0, 610.0})
        levels->AddLevel({value, true});
    return levels;
}

std::shared_ptr<GannFanLevelsContainer> GannFanLevelsContainer::CreateDefault()
{
    auto levels = std::make_shared<GannFanLevelsContainer>();
    for (const double ratio : {8.0, 4.0, 3.0, 2.0})
        levels->m_vertical.push_back({ratio, true});
    levels->m_base = {1.0, true};
    for (const double ratio : {2.0, 3.0, 4.0, 8.0})
        levels->m_horizontal.push_back({1.0 / ratio, true});
    return levels;
}

std::vector<GannLevel> GannFanLevelsContainer::All() const
{
    std::vector<GannLevel> all = m_vertical;
    all.push_back(m_base);
    all.insert(all.end(), m_horizontal.begin(), m_horizontal.end());
    return all;
}

SimpleValue FormationLevels::Wrap(const SimpleValuePtr& nested)
{
    return SimpleValue::fromValue(nested);
}

#pragma once
// The registry of every general-settings group of the running program, keyed by the group's
// id (globals 0, orders sheet 3, local alerts 10, cloud alerts 11, and the groups the module
// libraries bring). The general settings dialog walks it in ascending id order. It only
// keeps the groups, sharing them with whoever made them; it never loads, saves or shows
// anything. Main thread only.

#include "platform/base/ConstIteratorInternalMap.h"

#include <map>
#include <memory>
#include <set>

class GeneralSettingsGroupManagerBase;

class GeneralSettingsManager
{
public:
    using GroupMap = std::map<unsigned, std::shared_ptr<GeneralSettingsGroupManagerBase>>;

    // Starts at the lowest id (calling First again is harmless).
    class CConstIterator
        : public ConstIteratorInternalMap<GeneralSettingsManager, unsigned, std::shared_ptr<GeneralSettingsGroupManagerBase>>
    {
    public:
        explicit CConstIterator(const GeneralSettingsManager& manager) : ConstIteratorInternalMap(manager) { First(); }
    };

    GeneralSettingsManager();
    virtual ~GeneralSettingsManager();

    // Registers one of the program's own groups under its id. Among the program's groups the
    // first under an id stays: one registered again (the orders sheet's, after every session)
    // is dropped. A module library's group under that id gives way (logged), since the
    // libraries load before the program registers its groups. False for a dropped or null group.
    bool AddGroup(std::shared_ptr<GeneralSettingsGroupManagerBase> group);
    // Registers a module library's group; refused (logged) when its id is taken. False for a
    // refused or null group.
    bool AddLibraryGroup(std::shared_ptr<GeneralSettingsGroupManagerBase> group);

private:
    friend class ConstIteratorInternalMap<GeneralSettingsManager, unsigned, std::shared_ptr<GeneralSettingsGroupManagerBase>>;
    const GroupMap& InternalContainer() const { return m_groups; }

    GroupMap m_groups;
    std::set<unsigned> m_libraryIds;
};

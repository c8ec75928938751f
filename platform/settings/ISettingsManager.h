#pragma once
// The store of one owner's named settings trees, each kept in a file of its own.

#include <QString>

#include <memory>
#include <optional>

class Settings;

class ISettingsManager
{
public:
    virtual ~ISettingsManager() = default;
    // (Re)reads the tree from the user's file, else from the default copy.
    virtual bool Load(const QString& name) = 0;
    // Writes the tree's user file; without a name every tree in name order, stopping at the
    // first that fails (true when all were written or there is none).
    virtual bool Save(const std::optional<QString>& name) = 0;
    // The tree of that name, made (and with load, read from its file) when missing.
    virtual std::shared_ptr<Settings> GetSettings(const QString& name, bool load) = 0;
    // The tree of that name, or the invalid node (never null); never makes a tree.
    virtual std::shared_ptr<Settings> FindSettings(const QString& name) = 0;
    virtual QString GetName() const = 0;
};

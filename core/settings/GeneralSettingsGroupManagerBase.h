#pragma once
// The base of every general-settings group: one named block of user settings kept in a
// settings file of its own, with a read-only factory copy ("base") beside the executable
// and the user's copy ("current") in the application-data folder. The group builds the
// parameters the general settings dialog shows, upgrades nodes of older versions through
// its chain of validators, and refreshes its owner when the dialog saves it.
//
// A derived group gives its id, its file paths (through GenerateSettingsFilePath), the name
// of its files' root element and its parameters; its constructor makes and fills the chain
// of validators. Nodes are read fresh from the files on every call, so the dialog always
// works on a copy and nothing changes until SaveGroup.

#include <QString>

#include <memory>

class CompositeStateNodeValidator;
class GeneralSettingsGroupBase;
class Settings;

class GeneralSettingsGroupManagerBase
{
public:
    // Where the dialog shows a group (GetPanelPlacement); any other value hides it.
    static constexpr int kOwnPanelGroup = 0;
    static constexpr int kSharedToolsPanelGroup = 1;  // the common "Narzędzia" group

    GeneralSettingsGroupManagerBase();
    virtual ~GeneralSettingsGroupManagerBase();
    GeneralSettingsGroupManagerBase(const GeneralSettingsGroupManagerBase&) = delete;
    GeneralSettingsGroupManagerBase& operator=(const GeneralSettingsGroupManagerBase&) = delete;

    // Fills the target with the group's parameters, from the current node or, with fromCurrent
    // false, from the factory node, and records that node as the target's source node.
    virtual void BuildParameters(GeneralSettingsGroupBase& target, bool fromCurrent) = 0;
    // Writes the node to the group's current file. Overrides call this first and then refresh
    // their owner; a group whose values live elsewhere (the cloud account) sends them there
    // instead. False (logged) when the node could not be written.
    virtual bool SaveGroup(std::shared_ptr<Settings> node);
    // A display style changed (the kind and the style's id); groups that follow no style ignore it.
    virtual void OnStyleChanged(int styleKind, int styleId) {}
    virtual int GetPanelPlacement() const { return kOwnPanelGroup; }
    // The group's key in the general settings manager.
    virtual unsigned GetGroupId() const = 0;
    // The user's current file (true) or the factory file (false).
    virtual QString GetSettingsFilePath(bool current) const = 0;
    // The name of the root element of the group's files.
    virtual QString GetGroupName() const = 0;

    // The current file's node, or the factory node when the current file is missing or cannot
    // be read (logged), or an empty node when neither can be had; always passed through the
    // validators. Never null.
    std::shared_ptr<Settings> LoadCurrentSettingsNode() const;
    // Writes the node as the current file. A current file that exists but cannot be read is
    // first kept as a copy (FileBackup), and nothing is written when that fails.
    bool SaveCurrentSettingsNode(const Settings& node) const;

protected:
    // The factory file's node as stored; null when the file is missing or cannot be read.
    virtual std::shared_ptr<Settings> LoadFabricSettingsNode() const;
    // The node BuildParameters shows: the current one, or the factory one passed through the
    // validators; without a factory file (logged) an empty node, whose keys read as empty
    // text and 0.
    std::shared_ptr<Settings> LoadParametersNode(bool fromCurrent) const;

    // With current true: <application data>/<folder>/<currentFileName>, the folder made when
    // missing; else <executable>/InstallSettings/<folder>/<baseFileName>.
    QString GenerateSettingsFilePath(bool current, const QString& folder, const QString& currentFileName,
                                     const QString& baseFileName) const;

    void SetValidator(std::shared_ptr<CompositeStateNodeValidator> validator);
    const std::shared_ptr<CompositeStateNodeValidator>& Validator() const { return m_validator; }

private:
    // The file's node as it is stored; null when missing or unreadable (the latter logged).
    std::shared_ptr<Settings> ReadNode(const QString& path) const;
    void Validate(Settings& node) const;

    std::shared_ptr<CompositeStateNodeValidator> m_validator;
};

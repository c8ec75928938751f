#pragma once
// The values the user edited in the general settings dialog and has not confirmed yet, one
// per settings node (the last edit wins). OK writes them into their nodes, converted by the
// node's type: passwords enciphered, fonts and pens as the text of their bytes, a chosen
// option as that option's value, a chosen style as its id together with a copy of the style
// in the group's own-style node. Nothing is written before ApplyAll; Clear forgets them.

#include <QStringList>

#include <map>
#include <memory>

class IGeneralSettingsStyles;
class PropertyGridItem;
class Settings;

class SettingsChanges
{
public:
    // The source of the styles that style parameters choose; without one a chosen style
    // stores only its id.
    explicit SettingsChanges(const IGeneralSettingsStyles* styles = nullptr);
    virtual ~SettingsChanges();

    SettingsChanges(const SettingsChanges&) = delete;
    SettingsChanges& operator=(const SettingsChanges&) = delete;

    // Records the item's value as the pending value of its node; nothing for an item without
    // a node, of a type that keeps no value, or not of the kind the node's type shows.
    void OnItemChanged(const PropertyGridItem& item);
    // Gives a row made again from its node (the group shown once more) the value the user
    // entered and has not confirmed; nothing for a node without one.
    void ShowPendingValue(PropertyGridItem& item) const;
    // Writes every pending value into its node, then forgets them all. Returns the captions
    // of the nodes that kept their old value because the new one could not be stored (a
    // password the cipher could not encipher); the reason is in the log.
    QStringList ApplyAll();
    void Clear();

    int GetCount() const { return static_cast<int>(m_pending.size()); }
    bool IsPending(const Settings* node) const { return m_pending.count(const_cast<Settings*>(node)) != 0; }

private:
    struct PendingValue;

    // False when the value could not be stored.
    bool Apply(Settings& node, const PendingValue& value) const;

    const IGeneralSettingsStyles* m_styles;
    std::map<Settings*, std::unique_ptr<PendingValue>> m_pending;
};

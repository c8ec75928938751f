#pragma once
// The text-field styles the user gave particular rows of a sheet: for each of two actions
// (0 and 1) a map from a row key to the row's entry, which holds a named text-field style of
// the styles container or the window's own copy (style id -2). The window file keeps them
// under "RowsStyles".
//
// Row keys are opaque texts (order keys begin with digits, price lines look like "10.500000")
// and one key may stand under both actions; the stored form keeps such entries apart.
// Main thread only.

#include <QSet>
#include <QString>

#include <map>
#include <memory>

class Settings;
class StyleBase;

class OrdersSheetRowsStyleSet
{
public:
    static constexpr int kOwnStyleId = -2;

    struct RowStyleSet
    {
        int styleId = 0;
        int savedStyleId = 0;
        std::shared_ptr<StyleBase> backupStyle;
        std::shared_ptr<StyleBase> style;
        std::shared_ptr<StyleBase> originStyle;
        bool editing = false;
        // The origin style at BeginEdit: choosing a named style while editing replaces it.
        std::shared_ptr<StyleBase> savedOriginStyle;
    };
    using Entries = std::map<QString, std::shared_ptr<RowStyleSet>>;

    // Null when missing and not to be created.
    std::shared_ptr<RowStyleSet> GetEntry(int action, const QString& key, bool create);
    // Empty without an entry, and while an entry being edited has no saved id.
    std::shared_ptr<StyleBase> GetStyle(int action, const QString& key) const;
    // The entry's style, made (a new text-field style) when it has none; the entry is made too.
    std::shared_ptr<StyleBase> GetStyleForPaint(int action, const QString& key);
    // The id in force: the saved id while the entry holds a backup; 0 without an entry.
    int GetStyleId(int action, const QString& key) const;
    // kOwnStyleId keeps the own style; another id takes the settings of that named style.
    void SetStyle(int action, const QString& key, int styleId);
    void RemoveEntry(int action, const QString& key);
    // The own style of every entry of the action / of one entry takes the parameter from the
    // named style of the entry's id (11 is the font), and marks it changed; entries whose
    // named style is gone keep theirs.
    void CopyParameter(int action, int parameterId);
    void CopyParameter(int action, const QString& key, int parameterId);
    // Entries of the action whose key is not among the keys go, except one being edited.
    void KeepOnlyKeys(int action, const QSet<QString>& keys);

    void BeginEdit(int action, const QString& key);
    // Keeps what was edited.
    void EndEdit(int action, const QString& key);
    // Back to the state at BeginEdit: its id and origin style, and the style as backed up (or the
    // origin style's settings when there is no backup).
    void RestoreEdit(int action, const QString& key);

    // Both maps, each entry and its styles copied.
    void CopyFrom(const OrdersSheetRowsStyleSet& other);

    // Writes "RowsStyles" into the node; entries without an origin style whose style is not
    // modified are left out.
    void Serialize(Settings& node) const;
    // Replaces the entries by those under "RowsStyles"; nothing changes without it.
    void Unserialize(const Settings& node);

    const Entries& GetEntries(int action) const { return action == 0 ? m_action0 : m_action1; }

private:
    Entries& Map(int action) { return action == 0 ? m_action0 : m_action1; }
    const RowStyleSet* Find(int action, const QString& key) const;
    static void EnsureStyles(RowStyleSet& entry);
    static void SetNamedStyle(RowStyleSet& entry, int styleId);
    static void CopyParameter(RowStyleSet& entry, int parameterId);

    Entries m_action0;
    Entries m_action1;
};

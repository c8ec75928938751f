#pragma once
// The process-wide store of the named display styles: each with an id above 0, a GUID and a
// name that no other style bears. Windows find their styles here by id (with their kind), by
// GUID or by name; the style editing keeps undo points of the styles it changes.
//
// Start and exit of the application:
//   LoadStyles(installed "Styles" folder, true)   the built-in default styles, then the installed files
//   LoadStyles(user's "Styles" folder, false)      the user's styles; a style of a GUID already
//                                                 held (a default the user changed) replaces it
//   ... MakeAllRelatedStylesAsOwn() unless the program runs in its extended mode ...
//   CopyRelatedStylesToOwn(); SaveStyles(user's "Styles" folder, true) at exit and after an edit.
// SaveStyles writes every style, each file atomically, and only when all are written removes
// the files of styles no longer held; on any failure every earlier file stays. The older
// single-file form of the user's styles is read with Unserialize; delete its file only after
// SaveStyles has written the folder form.
//
// Main thread only.

#include "styles/engine/StyleBase.h"

#include <QSet>
#include <QString>
#include <QUuid>

#include <deque>
#include <map>
#include <memory>
#include <vector>

class Settings;

class StylesContainer
{
public:
    // The states recorded for an edit session, by style id (see CreateUndoPoint).
    using UndoPoint = std::map<int, std::shared_ptr<StyleBase>>;

    // Style files: "<GUID>.q4style" settings files with this root.
    static const QString kFileExtension;
    static const QString kRootName;
    // The name a style gets when it has none, and which no named style may bear.
    static const QString kOwnStyleName;

    // Gives a class the container's look-ups.
    class EnableBasicFindStyle
    {
    protected:
        std::shared_ptr<StyleBase> FindStyle(int id, StyleType kind) const;
        std::shared_ptr<StyleBase> FindStyle(int id) const;
    };

    static StylesContainer& Instance();
    // Forgets every style (the styles themselves live on while others hold them).
    static void Release();

    // Adds a style under a new id, with a new GUID when it has none or one already held, and a
    // unique name (see MakeUniqueName); the style forgets the style it was made from. The
    // style's id; a style already held keeps its id; 0 for an empty style.
    int AddStyle(const std::shared_ptr<StyleBase>& style);
    bool RemoveStyle(int id);

    // Empty / 0 when none.
    std::shared_ptr<StyleBase> FindStyle(int id, StyleType kind) const;
    std::shared_ptr<StyleBase> FindStyle(int id) const;
    int FindStyle(const QString& name) const;
    int FindStyle(const QUuid& guid) const;
    // A GUID text names a style by its GUID, any other text by its name.
    int FindStyleByGuidOrName(const QString& text) const;
    // The GUID text of the style, empty when there is none.
    QString GetStyleGuid(int id) const;
    // Appends, in id order.
    void GetAllStylesOfKind(StyleType kind, std::deque<std::shared_ptr<StyleBase>>& styles) const;
    void GetAllStyles(std::deque<std::shared_ptr<StyleBase>>& styles) const;
    // The kinds of the styles held, in ascending order.
    std::vector<StyleType> GetKinds() const;
    int GetCount() const { return int(m_styles.size()); }

    // True when the name cannot be given to the style: it is empty, it is the reserved name,
    // or another style bears it (the style itself, or a copy of it, does not count).
    bool CheckIfNameExists(const QString& name, const std::shared_ptr<const StyleBase>& style,
                           const QString& reservedName) const;
    // The name, or "Własny" for an empty name, made unique by " (2)", " (3)"...
    QString MakeUniqueName(const QString& name, const std::shared_ptr<const StyleBase>& style) const;

    // Records the style and the named styles it relates to, each under its id, unless the undo
    // point already holds that id: the first state of an edit session is the one kept.
    void CreateUndoPoint(const std::shared_ptr<StyleBase>& style, UndoPoint& undoPoint) const;
    // Puts every recorded state back: into the given style for its id, else into the held style
    // of that id.
    void RestoreFromUndoPoint(const UndoPoint& undoPoint, const std::shared_ptr<StyleBase>& style) const;

    // Every style's relations point to its own copies, which take the related styles' settings.
    void MakeAllRelatedStylesAsOwn();
    // Every own copy of a relation to a named style takes that style's settings.
    void CopyRelatedStylesToOwn();

    // Reads the style files of the folder (an empty or missing folder reads none); defaults
    // first adds the built-in default styles not yet held. A file that cannot be read is
    // skipped and logged and the others load. False when a file was skipped or the folder
    // cannot be listed.
    bool LoadStyles(const QString& folder, bool defaults);
    // Writes every style into the folder (made when missing). With removeStale the files of
    // styles no longer held are removed, but only once every style was written, and only files
    // this container read or wrote: a file it could not read stays. False (logged) when a style
    // could not be written (the earlier files then all stay) or a file could not be removed.
    bool SaveStyles(const QString& folder, bool removeStale) const;
    // The single-file form: one child per style.
    void Serialize(Settings& node) const;
    bool Unserialize(const Settings& node, bool defaults);

private:
    struct LoadedStyle
    {
        std::shared_ptr<StyleBase> style;
        const Settings* tree;
        QString source;
    };

    StylesContainer() = default;

    // Takes the style of a tree into the container, reading its identity only; the style
    // held (new or replaced) or empty when the tree is no style.
    std::shared_ptr<StyleBase> Admit(const Settings& tree, const QString& source);
    // Reads each admitted style whole, once every style of the load is held, so relations
    // between them resolve.
    void ReadAdmitted(const std::vector<LoadedStyle>& loaded);
    static void WriteStyleTree(const StyleBase& style, Settings& tree);

    std::map<int, std::shared_ptr<StyleBase>> m_styles;
    int m_nextId = 1;
    // The style files this container read or wrote, by path: the only ones a save may remove.
    mutable QSet<QString> m_knownFiles;
};

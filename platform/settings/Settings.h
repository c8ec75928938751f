#pragma once
// The tree of named nodes in which the program keeps every settings, state and default
// file. A node holds a text value (numbers in the C locale), a state version, the type and
// caption the general settings dialog shows, named children (kept in the order they were
// made) and unnamed children (kept in order). Version, type and caption are saved with the
// node; the dialog's option list and additional info are not. Writable access creates a
// missing child; read-only access (through a const node) yields the invalid node instead,
// and every write to the invalid node is ignored. Files are written and read as
// SettingsFile.h tells.

#include "platform/base/OleDate.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"
#include "platform/settings/EVariableTypes.h"
#include "platform/settings/SettingsIterator.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class Markup;
class SettingsOptionList;

class Settings
{
public:
    class NodeAdditionalInfo;
    class NumericNodeAdditionlInfo;
    class BooleanNodeAdditionlInfo;
    class FilePathAdditionalInfo;
    class DateTimeAdditionlInfo;

    Settings();
    Settings(const Settings& other);  // a deep copy
    Settings(Settings&& other) noexcept;
    Settings& operator=(const Settings& other);  // replaces this subtree by a deep copy
    Settings& operator=(Settings&& other) noexcept;
    ~Settings();

    // The node that read-only access gives for a missing child.
    static Settings& InvalidVariable();
    bool IsValid() const { return m_valid; }
    // Removes the value, the version, the dialog metadata and every child.
    void Clear();

    Settings& operator[](const QString& name);
    Settings& operator[](const char* name);
    const Settings& operator[](const QString& name) const;
    const Settings& operator[](const char* name) const;
    bool Exists(const QString& name) const;

    Settings& AddUnnamed();
    // Walks the named / unnamed children; depth 1 gives the children, a greater depth also
    // their children of the same kind (each after its parent).
    SettingsIterator Iterator(int depth);
    ConstSettingsIterator Iterator(int depth) const;
    SettingsIterator IteratorUnnamed(int depth);
    ConstSettingsIterator IteratorUnnamed(int depth) const;

    // Puts a subtree under the name (replacing a child of that name in its place); false for
    // an empty or invalid subtree and for one that holds this node (it would make a cycle).
    // The subtree itself is attached, not a copy: detach it first to move it.
    bool AttachNamedNode(const QString& name, std::shared_ptr<Settings> subtree);
    // Takes the named child out of the tree; empty when there is none.
    std::shared_ptr<Settings> DetachNamedNode(const QString& name);

    Settings& operator=(const QString& value);
    Settings& operator=(const char* value);  // UTF-8
    Settings& operator=(bool value);
    Settings& operator=(std::int32_t value);
    Settings& operator=(std::uint32_t value);
    Settings& operator=(double value);
    Settings& operator=(const Rect& value);
    Settings& operator=(const Size& value);
    Settings& operator=(const OleDate& value);

    // An empty or unreadable value reads as empty text, false or 0.
    QString ToString() const { return m_value; }
    bool ToBool() const;
    std::int32_t ToInt() const;
    std::uint32_t ToUInt() const;
    double ToDouble() const;
    Rect ToRect() const;
    Size ToSize() const;
    OleDate ToOleDate() const;  // an unreadable value gives an invalid date
    operator QString() const { return ToString(); }
    operator bool() const { return ToBool(); }
    operator std::int32_t() const { return ToInt(); }
    operator std::uint32_t() const { return ToUInt(); }
    operator double() const { return ToDouble(); }
    operator Rect() const { return ToRect(); }
    operator Size() const { return ToSize(); }
    operator OleDate() const { return ToOleDate(); }

    unsigned Version() const { return m_version; }
    void Version(unsigned version);

    EVariableTypes GetType() const { return m_type; }
    QString GetDisplayName() const;
    std::shared_ptr<const NodeAdditionalInfo> AdditionalInfo() const;
    void AdditionalInfo(std::shared_ptr<const NodeAdditionalInfo> info);
    SettingsOptionList& OptionList();
    const SettingsOptionList& OptionList() const;

    // Replace this node's content by the file's root element when it bears rootName; a
    // missing file, another root or a bad file gives false and changes nothing. What is wrong
    // with a bad file goes to errorText when given (a caller that already reported the file),
    // else to the log.
    bool LoadFromFile(const QString& path, const QString& rootName, QString* errorText = nullptr);
    // Writes the node as the root element rootName, atomically; failures are logged.
    bool SaveToFile(const QString& path, const QString& rootName) const;
    // Read / write this node from / into the current element of a document.
    bool ParseXml(Markup& markup);
    bool FillXml(Markup& markup) const;

    // A stored password: enciphered for the file, deciphered for use. When the cipher
    // cannot do it the result is empty and the reason is logged. No password is stored as an
    // empty text both ways, without the cipher's key (made on its first use).
    static QString CryptValue(const QString& plain);
    static QString DecryptValue(const QString& stored);

private:
    friend class SettingsWrapper;

    struct NamedChild
    {
        QString name;
        std::shared_ptr<Settings> node;
    };
    struct Metadata;
    struct InvalidTag
    {
    };

    explicit Settings(InvalidTag);

    int FindNamed(const QString& name) const;
    void AppendNamed(const QString& name, std::shared_ptr<Settings> node);
    void RebuildIndex();
    bool Holds(const Settings* node) const;
    void TakeContent(Settings&& other);
    void SetValue(QString value);
    void SetDisplayNameAndType(const QString& displayName, EVariableTypes type);
    Metadata& EditMetadata();
    bool ReadAttributes(Markup& markup);
    void WriteAttributes(Markup& markup) const;
    bool FillChildren(Markup& markup, int depth) const;

    QString m_value;
    std::vector<NamedChild> m_named;
    std::vector<std::shared_ptr<Settings>> m_unnamed;
    // Name lookup for nodes with many named children; built on write, so reads never change it.
    std::unique_ptr<QHash<QString, int>> m_index;
    std::unique_ptr<Metadata> m_meta;
    unsigned m_version = 0;
    EVariableTypes m_type = VariableContainer;
    bool m_valid = true;
};

#pragma once
// Icons by resource id. resources/icons*.tsv map an id to an icon name of the program's icon
// theme, Oxygen ("id<TAB>name", "#" comments), looked up in the installed theme; a name the
// theme lacks comes from the copies bundled in resources/icons/ (16 and 32 px), and an id
// without a map entry or whose name neither has gets a drawn icon, so no command is ever shown
// blank. Main thread only, like every pixmap.

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QString>

#include <cstdint>

class Images
{
public:
    // The program's images with the compiled-in map; makes sure an icon theme is searched.
    static Images& Instance();

    // Adds one map. A malformed line or an id already mapped rejects the whole map: false, the
    // reason in errorText, nothing added.
    bool LoadMap(const QByteArray& utf8, const QString& sourceName, QString* errorText = nullptr);

    QString IconName(std::uint32_t id) const { return m_names.value(id); }
    // Never a null icon.
    QIcon Icon(std::uint32_t id) const;
    // The bundled copy of a named icon; null when none is bundled.
    static QIcon BundledIcon(const QString& name);
    // The same drawn icon for the same id: a rounded tile whose colour follows the id.
    static QIcon DrawnIcon(std::uint32_t id);

private:
    QHash<std::uint32_t, QString> m_names;
    mutable QHash<std::uint32_t, QIcon> m_cache;
};

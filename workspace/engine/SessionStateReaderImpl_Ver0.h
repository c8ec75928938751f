#pragma once
// The reader of the oldest desktop layout, and the base of the later ones: the file's root is
// "Desktop", which is itself the desktop node, with the consumers' states under "Consumers".
// The loaded tree lives as long as the reader, and so do the nodes it hands out.

#include "platform/settings/Settings.h"

#include <QString>

class SessionStateReaderImpl_Ver0
{
public:
    virtual ~SessionStateReaderImpl_Ver0() = default;

    // False when the file is missing, unreadable or has another root; the tree is then empty.
    virtual bool Load(const QString& path);
    virtual const Settings& GetDesktopNode() const;
    virtual const Settings& GetConsumersNode() const;

protected:
    const Settings& Root() const { return m_tree; }
    // A damaged file's fault goes to errorText when given, else to the log.
    bool LoadRoot(const QString& path, const QString& rootName, QString* errorText = nullptr)
    {
        return m_tree.LoadFromFile(path, rootName, errorText);
    }

private:
    Settings m_tree;
};

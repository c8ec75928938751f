#pragma once
// The reader of the oldest panel file: the root "Panel" with one unnamed child per window,
// naming its module under "ConsumerName" and the window under "WindowName". The walk over the
// children exists only when the file was loaded.

#include "platform/settings/Settings.h"

#include <QRect>
#include <QString>

#include <optional>

class PanelStateReaderImpl_Ver0
{
public:
    explicit PanelStateReaderImpl_Ver0(const QString& path);
    virtual ~PanelStateReaderImpl_Ver0() = default;

    bool IsLoaded() const { return m_loaded; }
    // Steps to the next window; false after the last one and for a file not loaded.
    bool Iterate();
    // The current window's module and name; empty when there is no current window.
    virtual QString GetModuleName() const;
    virtual QString GetWindowName() const;
    // The window's rectangle in its view; none in files that keep none or a bad one.
    std::optional<QRect> GetWindowRect() const;

protected:
    QString CurrentValue(const QString& name) const;

private:
    std::optional<ConstSettingsIterator> m_iterator;
    Settings m_tree;
    bool m_loaded = false;
};

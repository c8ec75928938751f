#pragma once
// Reads a panel file of any version for one restore: whether it loaded, then its windows in
// file order with their module and window names and, in newer files, their rectangles.

#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class PanelStateReaderImpl_Ver1;

class PanelStateReader
{
public:
    explicit PanelStateReader(const QString& path);
    virtual ~PanelStateReader();

    bool IsLoaded() const;
    bool Iterate();
    QString GetModuleName() const;
    QString GetWindowName() const;
    std::optional<QRect> GetWindowRect() const;

private:
    std::shared_ptr<PanelStateReaderImpl_Ver1> m_impl;
};

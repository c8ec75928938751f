#include "workspace/engine/PanelStateReader.h"

#include "workspace/engine/PanelStateReaderImpl_Ver1.h"

PanelStateReader::PanelStateReader(const QString& path)
    : m_impl(std::make_shared<PanelStateReaderImpl_Ver1>(path))
{
}

PanelStateReader::~PanelStateReader() = default;

bool PanelStateReader::IsLoaded() const
{
    return m_impl->IsLoaded();
}

bool PanelStateReader::Iterate()
{
    return m_impl->Iterate();
}

QString PanelStateReader::GetModuleName() const
{
    return m_impl->GetModuleName();
}

QString PanelStateReader::GetWindowName() const
{
    return m_impl->GetWindowName();
}

std::optional<QRect> PanelStateReader::GetWindowRect() const
{
    return m_impl->GetWindowRect();
}

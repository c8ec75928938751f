#include "workspace/engine/PanelStateReaderImpl_Ver0.h"

#include "workspace/engine/DesktopFormat.h"

PanelStateReaderImpl_Ver0::PanelStateReaderImpl_Ver0(const QString& path)
    : m_loaded(m_tree.LoadFromFile(path, DesktopFormat::kPanelRoot))
{
    if (m_loaded)
        m_iterator = static_cast<const Settings&>(m_tree).IteratorUnnamed(1);
}

bool PanelStateReaderImpl_Ver0::Iterate()
{
    return m_iterator && m_iterator->Iterate() != 0;
}

QString PanelStateReaderImpl_Ver0::GetModuleName() const
{
    return CurrentValue(DesktopFormat::kConsumerName);
}

QString PanelStateReaderImpl_Ver0::GetWindowName() const
{
    return CurrentValue(DesktopFormat::kWindowName);
}

std::optional<QRect> PanelStateReaderImpl_Ver0::GetWindowRect() const
{
    const std::optional<Rect> rect = Rect::FromString(CurrentValue(DesktopFormat::kRect));
    if (!rect || rect->IsEmpty())
        return std::nullopt;
    return rect->ToQRect();
}

QString PanelStateReaderImpl_Ver0::CurrentValue(const QString& name) const
{
    if (!m_iterator)
        return {};
    return m_iterator->Node()[name].ToString();
}

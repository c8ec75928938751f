#include "workspace/engine/PanelStateReaderImpl_Ver1.h"

#include "workspace/engine/DesktopFormat.h"

QString PanelStateReaderImpl_Ver1::GetModuleName() const
{
    const QString name = CurrentValue(DesktopFormat::kModuleName);
    return name.isEmpty() ? PanelStateReaderImpl_Ver0::GetModuleName() : name;
}

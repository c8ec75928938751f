#include "workspace/engine/SessionStateReaderImpl_Ver0.h"

#include "workspace/engine/DesktopFormat.h"

bool SessionStateReaderImpl_Ver0::Load(const QString& path)
{
    return LoadRoot(path, DesktopFormat::kDesktopNode);
}

const Settings& SessionStateReaderImpl_Ver0::GetDesktopNode() const
{
    return Root();
}

const Settings& SessionStateReaderImpl_Ver0::GetConsumersNode() const
{
    return Root()[DesktopFormat::kConsumersNode];
}

#include "workspace/engine/SessionStateReaderImpl_Ver2.h"

#include "workspace/engine/DesktopFormat.h"

bool SessionStateReaderImpl_Ver2::Load(const QString& path)
{
    return LoadRoot(path, DesktopFormat::kSessionRoot) || SessionStateReaderImpl_Ver1::Load(path);
}

const Settings& SessionStateReaderImpl_Ver2::GetDesktopNode() const
{
    const Settings& desktop = Root()[DesktopFormat::kDesktopNode];
    return desktop.IsValid() ? desktop : SessionStateReaderImpl_Ver1::GetDesktopNode();
}

const Settings& SessionStateReaderImpl_Ver2::GetConsumersNode() const
{
    const Settings& states = GetModulesStatesNode();
    return states.IsValid() ? states[DesktopFormat::kConsumersNode] : SessionStateReaderImpl_Ver1::GetConsumersNode();
}

const Settings& SessionStateReaderImpl_Ver2::GetModulesStatesNode() const
{
    return Root()[DesktopFormat::kModulesStatesNode];
}

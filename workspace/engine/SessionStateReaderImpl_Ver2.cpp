#include "workspace/engine/SessionStateReaderImpl_Ver2.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "workspace/engine/DesktopFormat.h"

bool SessionStateReaderImpl_Ver2::Load(const QString& path)
{
    QString damage;
    if (LoadRoot(path, DesktopFormat::kSessionRoot, &damage))
        return true;
    // Only another root is worth a second reading; a damaged file would fail and be reported again.
    if (damage.isEmpty())
        return SessionStateReaderImpl_Ver1::Load(path);
    Log::WriteError(damage, QString::fromUtf8(AppPaths::kProductName), QStringLiteral("SessionStateReaderImpl_Ver2::Load"),
                    __LINE__);
    return false;
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

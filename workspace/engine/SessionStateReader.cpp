#include "workspace/engine/SessionStateReader.h"

#include "workspace/engine/SessionStateReaderImpl_Ver2.h"

SessionStateReader::SessionStateReader()
    : m_impl(std::make_shared<SessionStateReaderImpl_Ver2>())
{
}

SessionStateReader::~SessionStateReader() = default;

bool SessionStateReader::Load(const QString& path)
{
    return m_impl->Load(path);
}

const Settings& SessionStateReader::GetDesktopNode() const
{
    return m_impl->GetDesktopNode();
}

const Settings& SessionStateReader::GetConsumersNode() const
{
    return m_impl->GetConsumersNode();
}

const Settings& SessionStateReader::GetModulesStatesNode() const
{
    return m_impl->GetModulesStatesNode();
}

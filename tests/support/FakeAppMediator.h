#pragma once
// An application mediator for tests: it keeps every log line and message it is given, and
// counts the reports of a provider's last quote time. Any thread may call it.

#include "platform/modules/IAppMediator.h"

#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>

class FakeAppMediator : public IAppMediator
{
public:
    void WriteInfo(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("INFO|%1|%2|%3").arg(module, where, text));
    }
    void WriteWarning(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("WARNING|%1|%2|%3").arg(module, where, text));
    }
    void WriteError(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("ERROR|%1|%2|%3").arg(module, where, text));
    }
    void ShowInfo(const QString& caption, const QString& text) override { Keep(QStringLiteral("SHOW|") + text); }
    void ShowWarning(const QString& caption, const QString& text) override { Keep(QStringLiteral("SHOW|") + text); }
    void ShowError(const QString& caption, const QString& text) override { Keep(QStringLiteral("SHOW|") + text); }
    int ShowMessageBox(const QString& caption, const QString& text, unsigned flags) override
    {
        Keep(QStringLiteral("BOX|") + text);
        return messageBoxAnswer;
    }
    std::thread::id GetMainThreadId() const override { return m_mainThread; }
    void ShowLastQuoteTime(ProviderBase* provider) override
    {
        lastQuoteTimeProvider.store(provider);
        ++lastQuoteTimeReports;
    }

    QStringList Lines() const
    {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

    int messageBoxAnswer = 1;
    std::atomic<ProviderBase*> lastQuoteTimeProvider = nullptr;
    std::atomic<int> lastQuoteTimeReports = 0;

private:
    void Keep(const QString& line)
    {
        std::lock_guard lock(m_mutex);
        m_lines.append(line);
    }

    const std::thread::id m_mainThread = std::this_thread::get_id();
    mutable std::mutex m_mutex;
    QStringList m_lines;
};

#include "cloud/engine/CloudHttpControlResults.h"

#include "cloud/engine/CloudAnswerReader.h"
#include "cloud/engine/CloudXml.h"
#include "cloud/engine/HttpResponse.h"
#include "cloud/engine/ICloudMediator.h"
#include "core/engine/XMLElement.h"
#include "platform/base/Log.h"

#include <map>

namespace
{
const QString kReturnCodeMarker = QStringLiteral("return_code\":");
// The server's own error texts are shown as they come, but no longer than this.
constexpr qsizetype kMaxServerTextLength = 2000;

QString Lookup(const std::map<std::int32_t, const char*>& table, std::int32_t code)
{
    const auto found = table.find(code);
    return found == table.end() ? CloudHttpControlResults::kUndefinedErrorText : QString::fromUtf8(found->second);
}

const std::map<std::int32_t, const char*> kAlertStates = {
    {-10, "Brak serwera."},
    {-5, "Usunięty - błąd."},
    {-4, ""},
    {-3, "Wysłany na serwer do usunięcia."},
    {-2, "Oznaczony do usunięcia."},
    {-1, "Potwierdzony przez serwer - błąd."},
    {0, "Nowy (nie wysłany na serwer)."},
    {2, "Ponownie wysłany na serwer."},
    {10, "Aktywny - potwierdzony przez serwer."},
};

const std::map<std::int32_t, const char*> kReturnCodes = {
    {-127, "Nieznany błąd serwera - db."},
    {-35, "Użytkownik nieaktywny."},
    {-34, "Brak obiektu."},
    {-33, "Brak uprawnień użytkownika."},
    {-32, "Przekroczono limit alertów."},
    {-13, "Brak odpowiedzi od pośrednika, nie zostanie dodany."},
    {-12, "Nie można wysłać danych do pośrednika."},
    {-11, "Brak odpowiedzi od pośrednika, los nieznany."},
    {-10, "Nie można się połączyć/brak pośrednika."},
    {-5, "Brak połączenia z serwerem."},
    {-4, "Brak obiektu lub już w trakcie usuwania."},
    {-3, "Zapisany w db, nie można wysłać do serwera, będzie ponawiany i nie ucieknie."},
    {-2, "Nieznany błąd serwera - db."},
    {-1, "Błąd walidacji."},
    {1, "Alert został prawidłowo uruchomiony w Chmurze."},
    {2, "Już był zapisany, oczekuje w kolejce do dodania do db i wysłania na serwer, operacja może zaginąć."},
    {3, "Już był dodany do db, status wysłania w db."},
    {4, "Przyjęty, zapisany w db."},
};

const std::map<std::int32_t, const char*> kNotificationErrors = {
    {0, ""},
    {1, "Błąd serwera, na pewno nie zakolejkowane."},
    {2, "Zbyt długa treść wiadomości."},
    {3, "Niedozwolona kombinacja type/subtype."},
    {4, "Brak/błędne dane dla danego type/subtype."},
    {5, "Błędna struktura danych."},
    {6, "Niedozwolony channel."},
    {7, "Brak kontaktu użytkownika, powiadomienie zapisane i nie zostanie wysłane."},
    {8, "Użytkownika ma wyłączone powiadomienia na tym kanale, powiadomienie zapisane i nie zostanie wysłane."},
};
}

const QString CloudHttpControlResults::kUndefinedUserText =
    QStringLiteral("Niezdefiniowany użytkownik Chmury. Nieprawidłowa nazwa użytkownika lub hasło.");
const QString CloudHttpControlResults::kNoConnectionText = QStringLiteral("Brak połączenia z serwerem Chmury.");
const QString CloudHttpControlResults::kUndefinedErrorText = QStringLiteral("Nieokreślony błąd");

CloudHttpControlResults::CloudHttpControlResults(CloudRequestKind kind, const QString& answer, int status,
                                                 ICloudMediator* mediator)
    : m_status(status)
    , m_root(CloudAnswerReader::Parse(answer, true))
    , m_kind(kind)
    , m_mediator(mediator)
{
    if (!m_root)
        m_text = answer;
}

CloudHttpControlResults::~CloudHttpControlResults() = default;

bool CloudHttpControlResults::Check(bool quietWhenGood)
{
    if (m_status == 401)
    {
        CheckLogin();
        return false;
    }
    if (m_status == HttpResponse::kHostNotResolvedStatus)
    {
        ShowInfo(m_mediator, kNoConnectionText);
        return false;
    }
    return m_root ? CheckXml(quietWhenGood) : CheckText(quietWhenGood);
}

void CloudHttpControlResults::ShowInfo(ICloudMediator* mediator, const QString& text)
{
    if (text.isEmpty())
        return;
    const QString shown = text + QLatin1Char('\n');
    Log::WriteInfo(shown, QStringLiteral("CloudAlert"), QStringLiteral("CloudHttpControlResults::ShowInfo"), __LINE__);
    if (mediator)
        mediator->ShowInfo(shown);
}

QString CloudHttpControlResults::AlertStateText(std::int32_t code, CloudRequestKind kind)
{
    if (code == 1)
        return kind == eAddAlert ? QStringLiteral("Alert został prawidłowo uruchomiony w Chmurze.")
                                 : QStringLiteral("Alert został zmodyfikowany.");
    return Lookup(kAlertStates, code);
}

QString CloudHttpControlResults::ReturnCodeText(std::int32_t code)
{
    return Lookup(kReturnCodes, code);
}

QString CloudHttpControlResults::NotificationErrorText(std::int32_t code)
{
    return Lookup(kNotificationErrors, code);
}

void CloudHttpControlResults::CheckLogin()
{
    if (!m_root)
        return;
    const std::shared_ptr<XMLElement> auth = CloudXml::Find(*m_root, QStringLiteral("auth"));
    const std::optional<std::int32_t> error = auth ? CloudXml::Number(*auth, QStringLiteral("error")) : std::nullopt;
    if (!error || *error == 0)
        return;
    if (*error == 1 || *error == 2)
        ShowInfo(m_mediator, kUndefinedUserText);
    else
        ShowInfo(m_mediator, QStringLiteral("Inny błąd logowania (%1)").arg(*error));
}

bool CloudHttpControlResults::CheckText(bool quietWhenGood)
{
    const qsizetype marker = m_text.indexOf(kReturnCodeMarker);
    if (marker < 0)
        return false;
    const qsizetype start = marker + kReturnCodeMarker.size();
    const qsizetype end = m_text.indexOf(QLatin1Char('}'), start);
    if (end < 0)
        return false;
    const std::int32_t code = CloudXml::ToNumber(m_text.mid(start, end - start));
    if (m_kind == eGetAlertEvents)
        return Report(code == 0, NotificationErrorText(code), quietWhenGood);
    return Report(code > 0, ReturnCodeText(code), quietWhenGood);
}

bool CloudHttpControlResults::CheckXml(bool quietWhenGood)
{
    if (const std::shared_ptr<XMLElement> alert = CloudXml::Find(*m_root, QStringLiteral("alertdefinition")))
    {
        if (const std::optional<std::int32_t> status = CloudXml::Number(*alert, QStringLiteral("status")))
            return Report(*status != -10 && *status != -5 && *status != -1, AlertStateText(*status, m_kind),
                          quietWhenGood);
        if (const std::optional<std::int32_t> code = CloudXml::Number(*alert, QStringLiteral("return_code")))
            return Report(*code > 0, ReturnCodeText(*code), quietWhenGood);
        return false;
    }
    if (const std::shared_ptr<XMLElement> errors = CloudXml::Find(*m_root, QStringLiteral("errors")))
    {
        QString text;
        for (const std::shared_ptr<XMLElement>& error : CloudXml::ChildElements(*errors))
            text += error->GetText() + QLatin1Char('\n');
        if (text.size() > kMaxServerTextLength)
            text = text.left(kMaxServerTextLength) + QStringLiteral("...");
        ShowInfo(m_mediator, text);
    }
    return false;
}

bool CloudHttpControlResults::Report(bool good, const QString& text, bool quietWhenGood)
{
    if (!good || !quietWhenGood)
        ShowInfo(m_mediator, text);
    return good;
}

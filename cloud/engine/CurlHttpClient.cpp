#include "cloud/engine/CurlHttpClient.h"

#include "cloud/engine/HostAddress.h"
#include "cloud/engine/HttpError.h"
#include "platform/base/CurlLibrary.h"

#include <QFile>
#include <QUrl>

#include <memory>

namespace
{
struct Transfer
{
    QByteArray answer;
    std::size_t limit = 0;
    bool tooLarge = false;
    const IHttpClient::CancelCheck* cancelled = nullptr;
};

std::size_t WriteAnswer(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (static_cast<std::size_t>(transfer->answer.size()) + bytes > transfer->limit)
    {
        transfer->tooLarge = true;
        return 0;
    }
    transfer->answer.append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

int CheckCancelled(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* transfer = static_cast<const Transfer*>(user);
    return *transfer->cancelled && (*transfer->cancelled)() ? 1 : 0;
}

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

HeaderList MakeHeaders(const CurlFunctions& api, const HttpRequest& request)
{
    HeaderList headers(nullptr, api.slist_free_all);
    auto append = [&headers, &api](const QByteArray& line) {
        curl_slist* grown = api.slist_append(headers.get(), line.constData());
        if (!grown)
            throw HttpError(QStringLiteral("Brak pamięci na nagłówki żądania"));
        headers.release();
        headers.reset(grown);
    };
    for (const auto& [name, value] : request.headers)
        append(name + ": " + value);
    // No "100-continue" round trip before a body.
    append("Expect:");
    return headers;
}

bool CarriesBody(const QString& verb)
{
    return verb != QLatin1String("GET") && verb != QLatin1String("DELETE");
}
}

CurlHttpClient::CurlHttpClient() : CurlHttpClient(Options())
{
}

CurlHttpClient::CurlHttpClient(Options options) : m_options(options)
{
}

bool CurlHttpClient::IsAllowedUrl(const QString& url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty() || !parsed.userInfo().isEmpty())
        return false;
    const QString scheme = parsed.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = parsed.host().toLower();
    return host == QLatin1String("localhost") || HostAddress::IsLoopback(host);
}

HttpResponse CurlHttpClient::Send(const HttpRequest& request, const CancelCheck& cancelled)
{
    if (!IsAllowedUrl(request.url))
        throw HttpError(QStringLiteral("Niedozwolony adres żądania: %1").arg(request.url));
    QString libraryError;
    const CurlFunctions* functions = CurlLibrary::Functions(&libraryError);
    if (!functions)
        throw HttpError(QStringLiteral("Biblioteka HTTP nie działa: %1").arg(libraryError));
    const CurlFunctions& api = *functions;
    EasyHandle curl(api.easy_init(), api.easy_cleanup);
    if (!curl)
        throw HttpError(QStringLiteral("Nie można utworzyć połączenia HTTP"));

    const QByteArray url = request.url.toUtf8();
    const QByteArray verb = request.verb.toUtf8();
    const QByteArray user = request.user.toUtf8();
    const QByteArray password = request.password.toUtf8();
    const QByteArray body = request.body.toUtf8();
    const QByteArray caFile = QFile::encodeName(m_options.caFile);
    const HeaderList headers = MakeHeaders(api, request);
    Transfer transfer;
    transfer.limit = m_options.maxAnswerBytes;
    transfer.cancelled = &cancelled;
    char errorText[CURL_ERROR_SIZE] = {};

    CURL* handle = curl.get();
    api.easy_setopt(handle, CURLOPT_URL, url.constData());
    api.easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    api.easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    api.easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    api.easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    api.easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        api.easy_setopt(handle, CURLOPT_CAINFO, caFile.constData());
    api.easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_options.connectTimeout.count()));
    api.easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(m_options.totalTimeout.count()));
    api.easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    if (!user.isEmpty() || !password.isEmpty())
    {
        api.easy_setopt(handle, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        api.easy_setopt(handle, CURLOPT_USERNAME, user.constData());
        api.easy_setopt(handle, CURLOPT_PASSWORD, password.constData());
    }
    if (request.verb == QLatin1String("GET"))
        api.easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    else
        api.easy_setopt(handle, CURLOPT_CUSTOMREQUEST, verb.constData());
    if (CarriesBody(request.verb))
    {
        api.easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
        api.easy_setopt(handle, CURLOPT_POSTFIELDS, body.constData());
    }
    api.easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    api.easy_setopt(handle, CURLOPT_WRITEFUNCTION, WriteAnswer);
    api.easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    api.easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    api.easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, CheckCancelled);
    api.easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode result = api.easy_perform(handle);
    if (result == CURLE_COULDNT_RESOLVE_HOST)
        return {HttpResponse::kHostNotResolvedStatus, QString()};
    if (transfer.tooLarge)
        throw HttpError(QStringLiteral("Odpowiedź serwera jest większa niż %1 bajtów").arg(transfer.limit));
    if (result == CURLE_PEER_FAILED_VERIFICATION)
        throw HttpError(QStringLiteral("Certyfikat serwera %1 nie został przyjęty: %2")
                            .arg(request.url, QString::fromUtf8(errorText)));
    if (result != CURLE_OK)
        throw HttpError(QStringLiteral("%1: %2 (%3)")
                            .arg(request.url, QString::fromUtf8(api.easy_strerror(result)), QString::fromUtf8(errorText)));
    long status = 0;
    api.easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    return {static_cast<int>(status), QString::fromUtf8(transfer.answer)};
}

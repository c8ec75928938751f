// Feeds arbitrary answers of the cloud endpoint to the answer check and the answer readers, as
// any request kind and status. Besides crashes and sanitizer reports it checks that every alert
// read from an answer is written to a request and read back with the same sides and options.

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAnswerReader.h"
#include "cloud/engine/CloudHttpControlResults.h"
#include "cloud/engine/CloudUserData.h"
#include "core/engine/XMLDocument.h"
#include "core/engine/XMLElement.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace
{
constexpr int kStatuses[] = {200, 204, 401, 500, 12007};

void CheckRoundTrip(const CloudAlertData& alert)
{
    XMLDocument document;
    const auto root = document.LoadXml(CloudAlertData::WriteRequestXml(alert, false));
    if (!root)
        std::abort();
    CloudAlertData read;
    read.ReadFromXml(*root->GetElement(QStringLiteral("alertdefinition"), false));
    const bool sideRead = !alert.buyDefined && !alert.sellDefined ? read.buyDefined && !read.sellDefined
                                                                  : read.buyDefined == alert.buyDefined &&
                                                                        read.sellDefined == alert.sellDefined;
    if (!sideRead || read.once != alert.once || read.notifications != alert.notifications ||
        read.uniqueId.isEmpty() != alert.uniqueId.isEmpty())
        std::abort();
    // "No operator" travels as the wire code of operator 1, so only a set operator comes back as it was.
    if (alert.buyDefined && (read.buyItemType != alert.buyItemType ||
                             (alert.buyOperator != -1 && read.buyOperator != alert.buyOperator)))
        std::abort();
    if (alert.sellDefined && (read.sellItemType != alert.sellItemType ||
                              (alert.sellOperator != -1 && read.sellOperator != alert.sellOperator)))
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The kind and the status follow from the size, so that answers kept as files seed the fuzzer as they are.
    const auto kind = static_cast<CloudRequestKind>(size % 16);
    const int status = kStatuses[(size / 16) % 5];
    const QString answer = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    CloudHttpControlResults(kind, answer, status, nullptr).Check(kind == eGetAllAlerts);
    const auto root = CloudAnswerReader::Parse(answer, false);
    if (!root)
        return 0;
    CloudUserData user;
    CloudAnswerReader::ReadUser(*root, user);
    CloudAnswerReader::ReadToken(*root);
    CloudAnswerReader::ReadLimitCode(*root);
    CloudAnswerReader::EventElements(*root);
    if (const auto alerts = CloudAnswerReader::ReadAlerts(*root))
        for (const auto& alert : *alerts)
            CheckRoundTrip(*alert);
    return 0;
}

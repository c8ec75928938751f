#include "cloud/engine/CloudAnswerReader.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudUserData.h"
#include "cloud/engine/CloudXml.h"
#include "core/engine/XMLDocument.h"
#include "core/engine/XMLElement.h"

namespace
{
const QString kProlog = QStringLiteral("<?xml version");

void ReadText(const XMLElement& root, const char* tag, QString& field)
{
    if (const std::optional<QString> text = CloudXml::Text(root, QString::fromLatin1(tag)))
        field = *text;
}

bool IsShownState(std::int32_t status2)
{
    return status2 == 1 || status2 == 3 || status2 == 4;
}
}

std::shared_ptr<XMLElement> CloudAnswerReader::Parse(const QString& answer, bool fromProlog)
{
    const qsizetype prolog = answer.indexOf(kProlog);
    if (prolog < 0 && fromProlog)
        return nullptr;
    XMLDocument document;
    return document.LoadXml(prolog < 0 ? answer : answer.mid(prolog));
}

bool CloudAnswerReader::ReadUser(const XMLElement& root, CloudUserData& user)
{
    if (!CloudXml::Find(root, QStringLiteral("user")))
        return false;
    ReadText(root, "email", user.email);
    ReadText(root, "new_email", user.newEmail);
    ReadText(root, "new_email_limit_code", user.newEmailLimitCode);
    ReadText(root, "phoneno", user.phoneNo);
    ReadText(root, "new_phoneno", user.newPhoneNo);
    ReadText(root, "id", user.id);
    ReadText(root, "login", user.cloudLogin);
    if (const std::optional<std::int32_t> bits = CloudXml::Number(root, QStringLiteral("default_notifications")))
        user.defaultNotifications = *bits;
    if (const std::shared_ptr<XMLElement> settings = CloudXml::Find(root, QStringLiteral("settings")))
        if (const std::optional<std::int32_t> once = CloudXml::Number(*settings, QStringLiteral("NewAlertDefaultOnce")))
            user.newAlertDefaultOnce = *once == 1;
    return true;
}

std::optional<QString> CloudAnswerReader::ReadToken(const XMLElement& root)
{
    return CloudXml::Text(root, QStringLiteral("token"));
}

std::optional<QString> CloudAnswerReader::ReadLimitCode(const XMLElement& root)
{
    return CloudXml::Text(root, QStringLiteral("new_email_limit_code"));
}

std::optional<std::vector<std::shared_ptr<CloudAlertData>>> CloudAnswerReader::ReadAlerts(const XMLElement& root)
{
    const std::shared_ptr<XMLElement> list = CloudXml::Find(root, QStringLiteral("alertdefinition"));
    if (!list)
        return std::nullopt;
    std::vector<std::shared_ptr<CloudAlertData>> alerts;
    for (const std::shared_ptr<XMLElement>& element : CloudXml::ChildElements(*list))
    {
        auto alert = std::make_shared<CloudAlertData>();
        alert->ReadFromXml(*element);
        if (IsShownState(alert->status2))
            alerts.push_back(std::move(alert));
    }
    return alerts;
}

std::optional<std::vector<std::shared_ptr<XMLElement>>> CloudAnswerReader::EventElements(const XMLElement& root)
{
    const std::shared_ptr<XMLElement> list = CloudXml::Find(root, QStringLiteral("alertevent"));
    if (!list)
        return std::nullopt;
    return CloudXml::ChildElements(*list);
}

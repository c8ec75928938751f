#pragma once
// Reads the XML answers of the cloud endpoint: the account data of a user answer, the token,
// the alerts of an alert list and the event elements of an events answer. Every element is
// looked up anywhere below the root and may be missing; a missing one changes nothing.

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CloudAlertData;
class XMLElement;
struct CloudUserData;

class CloudAnswerReader
{
public:
    // The root element of the answer's XML; null when the text holds none that parses. With
    // fromProlog the XML must begin with "<?xml version" (what precedes it is skipped);
    // without it a text lacking the prolog is parsed whole.
    static std::shared_ptr<XMLElement> Parse(const QString& answer, bool fromProlog);

    // Reads the account fields into user; false, and nothing read, without a user element.
    // Login and password are not the server's and stay.
    static bool ReadUser(const XMLElement& root, CloudUserData& user);
    static std::optional<QString> ReadToken(const XMLElement& root);
    // The server's code of an exceeded contact-change limit.
    static std::optional<QString> ReadLimitCode(const XMLElement& root);
    // The alerts the user sees (second state 1, 3 or 4), in the answer's order: each child
    // element of the first alertdefinition element is one alert. Nothing when the answer holds
    // no list, so that an answer of another kind cannot empty the user's list.
    static std::optional<std::vector<std::shared_ptr<CloudAlertData>>> ReadAlerts(const XMLElement& root);
    // The child elements of the first alertevent element; nothing when there is none.
    static std::optional<std::vector<std::shared_ptr<XMLElement>>> EventElements(const XMLElement& root);
};

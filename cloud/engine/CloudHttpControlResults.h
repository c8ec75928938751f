#pragma once
// The check of one answer of the cloud endpoint, made on the worker thread: it tells the user,
// in Polish, what the HTTP status and the server's codes of the answer mean. It decides
// nothing else; the main thread reads the answer afterwards.

#include "cloud/engine/CloudRequestKind.h"

#include <QString>

#include <cstdint>
#include <memory>

class ICloudMediator;
class XMLElement;

class CloudHttpControlResults
{
public:
    static const QString kUndefinedUserText;
    static const QString kNoConnectionText;
    static const QString kUndefinedErrorText;

    // The answer is taken as XML from "<?xml version" on; otherwise, or when that does not
    // parse, as text.
    CloudHttpControlResults(CloudRequestKind kind, const QString& answer, int status, ICloudMediator* mediator);
    ~CloudHttpControlResults();

    // Whether the answer is good; shows what is wrong, and with quietWhenGood false also
    // what is right.
    bool Check(bool quietWhenGood);

    // Logs and shows the text followed by a line break; nothing for an empty text. Without a
    // mediator the text only goes to the log.
    static void ShowInfo(ICloudMediator* mediator, const QString& text);

    static QString AlertStateText(std::int32_t code, CloudRequestKind kind);
    static QString ReturnCodeText(std::int32_t code);
    static QString NotificationErrorText(std::int32_t code);

private:
    void CheckLogin();
    bool CheckText(bool quietWhenGood);
    bool CheckXml(bool quietWhenGood);
    bool Report(bool good, const QString& text, bool quietWhenGood);

    int m_status;
    QString m_text;
    std::shared_ptr<XMLElement> m_root;
    CloudRequestKind m_kind;
    ICloudMediator* m_mediator;
};

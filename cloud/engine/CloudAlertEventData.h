#pragma once
// One event of a cloud alert: the server found the alert's condition met at a moment and a
// price. Read from an events answer or made from an event the provider pushed.

#include <cstdint>

class XMLElement;
struct AlertEventGenerate;

class CloudAlertEventData
{
public:
    std::int32_t eventId = 0;
    std::int32_t alertId = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    std::int64_t time = 0;
    // 0 buy, 1 sell, 2 both, -1 none of these.
    std::int32_t side = -1;
    double price = 0.0;
    bool isNew = false;

    // False when the event is not of a kind the program shows; missing children leave their
    // fields as they are.
    bool ReadFromXml(const XMLElement& element);
    // A moment that no calendar time stands for gives time 0 (logged), never a failure: this
    // runs inside the handling of the provider's notice.
    static CloudAlertEventData FromGeneratedEvent(const AlertEventGenerate& event);
};

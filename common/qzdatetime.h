// QzDateTime: one SNMP DateAndTime value (RFC 2579), laid out as its 11 octets.
#pragma once

#include <cstdint>

#include "platform/ui/ansistring.h"

#pragma pack(push, 1)
class QzDateTime {
public:
    // The current local date and time, deci-seconds 0, zone +0:0.
    QzDateTime();
    // Text as "2006-7-4,13:5:0.0" or "2006-7-4,13:5:0.0,-5:30"; numbers the text does not
    // give are 0.
    explicit QzDateTime(const AnsiString& text);
    // The 11 octets unchanged (the year stays in the order it came in).
    explicit QzDateTime(const unsigned char* octets);

    AnsiString ToString() const;
    // Turns the year between network order and host order.
    void SwapYearBytes();
    // The 11 octets as they are held.
    const unsigned char* Octets() const { return reinterpret_cast<const unsigned char*>(this); }

    uint16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minutes = 0;
    uint8_t seconds = 0;
    uint8_t deciSeconds = 0;
    char direction = '+';
    uint8_t utcHours = 0;
    uint8_t utcMinutes = 0;
};
#pragma pack(pop)

static_assert(sizeof(QzDateTime) == 11, "DateAndTime is 11 octets");

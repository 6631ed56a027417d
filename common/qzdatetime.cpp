#include "common/qzdatetime.h"

#include <cstring>
#include <ctime>

namespace {

// Reads the text against a pattern in which "%d" stands for a decimal number (blanks before
// it and a sign allowed) and every other character must match itself; returns how many
// numbers were read before the first mismatch. Numbers wrap modulo 2^32.
int ScanNumbers(const char* text, const char* pattern, unsigned int* out, int max)
{
    int n = 0;
    const char* t = text;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == 'd') {
            ++p;
            while (*t == ' ' || (*t >= '\t' && *t <= '\r')) ++t;
            bool neg = false;
            if (*t == '+' || *t == '-') neg = *t++ == '-';
            if (*t < '0' || *t > '9') return n;
            unsigned int v = 0;
            while (*t >= '0' && *t <= '9') v = v * 10u + static_cast<unsigned int>(*t++ - '0');
            if (n < max) out[n] = neg ? 0u - v : v;
            ++n;
        } else if (*t++ != *p) {
            return n;
        }
    }
    return n;
}

}  // namespace

QzDateTime::QzDateTime()
{
    std::time_t now = std::time(nullptr);
    std::tm lt{};
    localtime_r(&now, &lt);
    year = static_cast<uint16_t>(lt.tm_year + 1900);
    month = static_cast<uint8_t>(lt.tm_mon + 1);
    day = static_cast<uint8_t>(lt.tm_mday);
    hour = static_cast<uint8_t>(lt.tm_hour);
    minutes = static_cast<uint8_t>(lt.tm_min);
    seconds = static_cast<uint8_t>(lt.tm_sec);
}

QzDateTime::QzDateTime(const AnsiString& text)
{
    const char* s = text.c_str();
    unsigned int v[9] = {};
    direction = '+';
    if (ScanNumbers(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", v, 9) != 9) {
        std::memset(v, 0, sizeof v);
        if (ScanNumbers(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", v, 9) == 9) {
            direction = '-';
        } else {
            // No zone; a text that stops early leaves the numbers it does not give 0.
            std::memset(v, 0, sizeof v);
            ScanNumbers(s, "%d-%d-%d,%d:%d:%d.%d", v, 7);
        }
    }
    year = static_cast<uint16_t>(v[0]);
    month = static_cast<uint8_t>(v[1]);
    day = static_cast<uint8_t>(v[2]);
    hour = static_cast<uint8_t>(v[3]);
    minutes = static_cast<uint8_t>(v[4]);
    seconds = static_cast<uint8_t>(v[5]);
    deciSeconds = static_cast<uint8_t>(v[6]);
    utcHours = static_cast<uint8_t>(v[7]);
    utcMinutes = static_cast<uint8_t>(v[8]);
}

QzDateTime::QzDateTime(const unsigned char* octets)
{
    std::memcpy(static_cast<void*>(this), octets, sizeof(QzDateTime));
}

AnsiString QzDateTime::ToString() const
{
    unsigned y = year;  // packed field: read it out before formatting
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-'))
        return AnsiString::Format("%u-%u-%u,%u:%u:%u.%u,%c%u:%u", y, month, day, hour, minutes, seconds,
                                  deciSeconds, direction, utcHours, utcMinutes);
    return AnsiString::Format("%u-%u-%u,%u:%u:%u.%u", y, month, day, hour, minutes, seconds, deciSeconds);
}

void QzDateTime::SwapYearBytes()
{
    unsigned y = year;
    year = static_cast<uint16_t>(((y & 0xFFu) << 8) | (y >> 8));
}

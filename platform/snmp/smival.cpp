#include "platform/snmp/smival.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The unsigned number at p (digits only); p moves behind it.
uint64_t ReadNumber(const char*& p)
{
    uint64_t v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + static_cast<uint64_t>(*p - '0');
        if (v > 0xFFFFFFFFull) v = 0xFFFFFFFFull;
        ++p;
    }
    return v;
}

void SkipBlanks(const char*& p)
{
    while (*p == ' ' || *p == '\t') ++p;
}

}  // namespace

OctetStr OctetStr::from_hex_string(const std::string& hex, bool* ok)
{
    std::string out;
    int high = -1;
    for (char c : hex) {
        if (c == ' ' || c == ':' || c == '\t') continue;
        int d = HexDigit(c);
        if (d < 0) {
            if (ok) *ok = false;
            return OctetStr();
        }
        if (high < 0) {
            high = d;
        } else {
            out += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    if (high >= 0) {
        if (ok) *ok = false;
        return OctetStr();
    }
    if (ok) *ok = true;
    return OctetStr(out);
}

std::string OctetStr::get_printable() const
{
    for (size_t i = 0; i < bytes_.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes_[i]);
        bool lastZero = c == 0 && i + 1 == bytes_.size();
        if (!lastZero && (c < 0x20 || c > 0x7e) && c != '\r' && c != '\n' && c != '\t')
            return get_printable_hex();
    }
    std::string s = bytes_;
    if (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

std::string OctetStr::get_printable_hex() const
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(bytes_.size() * 3);
    for (size_t i = 0; i < bytes_.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes_[i]);
        if (i) s += ' ';
        s += digits[c >> 4];
        s += digits[c & 15];
    }
    return s;
}

TimeTicks::TimeTicks(const char* text)
{
    if (!text) return;
    uint64_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    const char* p = text;
    const char* word = std::strstr(text, "days");
    size_t wordLen = 4;
    if (!word) {
        word = std::strstr(text, "day");
        wordLen = 3;
    }
    if (word) {
        const char* q = text;
        SkipBlanks(q);
        days = ReadNumber(q);
        p = word + wordLen;
        SkipBlanks(p);
        if (*p == ',') ++p;
    }
    // The fields after the days: h:mm:ss.hh, each part only when its separator follows.
    SkipBlanks(p);
    const char* q = p;
    uint64_t n = ReadNumber(q);
    if (*q == ':') {
        hours = n;
        p = q + 1;
        q = p;
        n = ReadNumber(q);
        if (*q == ':') {
            minutes = n;
            p = q + 1;
            q = p;
            n = ReadNumber(q);
        }
        if (*q == '.') {
            seconds = n;
            p = q + 1;
            hundredths = ReadNumber(p);
        }
    } else if (*q == '.') {
        seconds = n;
        p = q + 1;
        hundredths = ReadNumber(p);
    }
    uint64_t ticks = days * 8640000ull + hours * 360000ull + minutes * 6000ull + seconds * 100ull + hundredths;
    v_ = static_cast<uint32_t>(ticks);
}

std::string TimeTicks::get_printable() const
{
    uint32_t t = v_;
    uint32_t days = t / 8640000;
    t %= 8640000;
    uint32_t hours = t / 360000;
    t %= 360000;
    uint32_t minutes = t / 6000;
    t %= 6000;
    uint32_t seconds = t / 100;
    uint32_t hundredths = t % 100;
    char buf[64];
    if (days == 0)
        std::snprintf(buf, sizeof buf, "%u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(buf, sizeof buf, "1 day %u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
    else
        std::snprintf(buf, sizeof buf, "%u days, %u:%02u:%02u.%02u", days, hours, minutes, seconds, hundredths);
    return buf;
}

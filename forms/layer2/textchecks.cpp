#include "forms/layer2/textchecks.h"

#include <string>

namespace {

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a group of digits, 256 for anything longer than three significant digits.
int GroupValue(const std::string& group)
{
    int value = 0;
    for (char c : group) {
        value = value * 10 + (c - '0');
        if (value > 255) return 256;
    }
    return value;
}

// A group's value in range; a zero group must not be written with "00".
bool GroupFits(const std::string& group)
{
    if (group.empty()) return false;
    const int value = GroupValue(group);
    if (value == 0) return group.find("00") == std::string::npos;
    return value >= 1 && value <= 255;
}

}  // namespace

THexTextCheck CheckHexDigits(const AnsiString& text, int count)
{
    const std::string& s = text.std();
    for (size_t i = 0; i < s.size() && static_cast<int>(i) < count; ++i)
        if (!IsHex(s[i])) return htBadDigit;
    return static_cast<int>(s.size()) == count ? htOk : htBadLength;
}

bool ParseIpv4Text(const AnsiString& text)
{
    const std::string& s = text.std();
    if (s.empty()) return false;
    std::string group;
    int dots = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.') {
            if (i == 0 || i + 1 >= s.size() || !IsDigit(s[i + 1])) return false;
            ++dots;
            if (group.size() > 3 || !GroupFits(group)) return false;
            group.clear();
        } else {
            if (!IsDigit(c)) return false;
            group += c;
        }
    }
    return GroupFits(group) && dots == 3;
}

bool IsPayloadHexText(const AnsiString& text)
{
    const std::string s = text.UpperCase().std();
    if (s.size() > 32) return false;
    for (char c : s)
        if (!IsDigit(c) && !(c >= 'A' && c <= 'F')) return false;
    return true;
}

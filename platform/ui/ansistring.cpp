#include "platform/ui/ansistring.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <vector>

#include "platform/ui/sysutils.h"

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

AnsiString FormatGeneral(double v)
{
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    // "1.5E-07" -> "1.5E-7", "1E+20" -> "1E20": the class library writes no '+' and no leading zeros.
    std::string s(buf);
    size_t e = s.find('E');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e);
        std::string exp = s.substr(e + 1);
        bool neg = !exp.empty() && exp[0] == '-';
        size_t i = (!exp.empty() && (exp[0] == '-' || exp[0] == '+')) ? 1 : 0;
        while (i + 1 < exp.size() && exp[i] == '0') ++i;
        s = mant + "E" + (neg ? "-" : "") + exp.substr(i);
    }
    return AnsiString(s);
}

}  // namespace

AnsiString::AnsiString(int v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(unsigned int v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(long v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(unsigned long v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(long long v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(unsigned long long v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(double v) : s_(FormatGeneral(v).std()) {}

char& AnsiString::operator[](int index)
{
    if (index < 1 || index > Length())
        throw ERangeError(AnsiString::Format("String index out of range (%d)", index));
    return s_[static_cast<size_t>(index - 1)];
}

char AnsiString::operator[](int index) const
{
    if (index < 1 || index > Length())
        throw ERangeError(AnsiString::Format("String index out of range (%d)", index));
    return s_[static_cast<size_t>(index - 1)];
}

AnsiString AnsiString::SubString(int index, int count) const
{
    if (index < 1) index = 1;
    if (count <= 0 || index > Length()) return AnsiString();
    return AnsiString(s_.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

int AnsiString::Pos(const AnsiString& sub) const
{
    if (sub.IsEmpty()) return 0;
    size_t p = s_.find(sub.s_);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

AnsiString& AnsiString::Insert(const AnsiString& str, int index)
{
    if (index < 1) index = 1;
    if (index > Length() + 1) index = Length() + 1;
    s_.insert(static_cast<size_t>(index - 1), str.s_);
    return *this;
}

AnsiString& AnsiString::Delete(int index, int count)
{
    if (index < 1 || index > Length() || count <= 0) return *this;
    s_.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
    return *this;
}

AnsiString& AnsiString::SetLength(int len)
{
    s_.resize(len > 0 ? static_cast<size_t>(len) : 0);
    return *this;
}

namespace {

bool ParseInt(const std::string& s, int& out)
{
    size_t i = 0, n = s.size();
    while (i < n && s[i] == ' ') ++i;
    bool neg = false;
    if (i < n && (s[i] == '-' || s[i] == '+')) { neg = s[i] == '-'; ++i; }
    int base = 10;
    if (i < n && s[i] == '$') { base = 16; ++i; }
    else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) { base = 16; i += 2; }
    if (i >= n) return false;
    unsigned long long v = 0;
    for (; i < n; ++i) {
        int d;
        char c = s[i];
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull) return false;
    }
    if (base == 16) {
        // Hexadecimal texts cover the whole 32-bit pattern, as in the class library.
        int32_t r = static_cast<int32_t>(static_cast<uint32_t>(v));
        out = neg ? -r : r;
        return true;
    }
    if (neg ? v > 2147483648ull : v > 2147483647ull) return false;
    out = neg ? static_cast<int>(-static_cast<long long>(v)) : static_cast<int>(v);
    return true;
}

bool ParseDouble(const std::string& s, double& out)
{
    size_t b = 0, e = s.size();
    while (b < e && IsTrimmed(s[b])) ++b;
    while (e > b && IsTrimmed(s[e - 1])) --e;
    std::string t = s.substr(b, e - b);
    if (t.empty()) return false;
    // Decimal forms only: no hexadecimal, infinity or NaN texts.
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    bool digits = false;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) { ++i; digits = true; }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) { ++i; digits = true; }
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        bool ed = false;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) { ++i; ed = true; }
        if (!ed) return false;
    }
    if (i != t.size()) return false;
    errno = 0;
    out = std::strtod(t.c_str(), nullptr);
    return true;
}

}  // namespace

int AnsiString::ToInt() const
{
    int v = 0;
    if (!ParseInt(s_, v))
        throw EConvertError(AnsiString("'") + *this + "' is not a valid integer value");
    return v;
}

int AnsiString::ToIntDef(int def) const
{
    int v = 0;
    return ParseInt(s_, v) ? v : def;
}

double AnsiString::ToDouble() const
{
    double v = 0;
    if (!ParseDouble(s_, v))
        throw EConvertError(AnsiString("'") + *this + "' is not a valid floating point value");
    return v;
}

AnsiString AnsiString::Trim() const { return TrimLeft().TrimRight(); }

AnsiString AnsiString::TrimLeft() const
{
    size_t i = 0;
    while (i < s_.size() && IsTrimmed(s_[i])) ++i;
    return AnsiString(s_.substr(i));
}

AnsiString AnsiString::TrimRight() const
{
    size_t n = s_.size();
    while (n > 0 && IsTrimmed(s_[n - 1])) --n;
    return AnsiString(s_.substr(0, n));
}

AnsiString AnsiString::UpperCase() const
{
    std::string r(s_);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return AnsiString(std::move(r));
}

AnsiString AnsiString::LowerCase() const
{
    std::string r(s_);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return AnsiString(std::move(r));
}

int AnsiString::AnsiCompare(const AnsiString& rhs) const
{
    int r = std::strcoll(s_.c_str(), rhs.s_.c_str());
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int AnsiString::AnsiCompareIC(const AnsiString& rhs) const
{
    // Byte texts: case folding of the ASCII letters, then the locale's collation.
    return LowerCase().AnsiCompare(rhs.LowerCase());
}

AnsiString& AnsiString::vprintf(const char* fmt, va_list ap)
{
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap2);
    va_end(ap2);
    if (n < 0) { s_.clear(); return *this; }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), fmt, ap);
    s_.assign(buf.data(), static_cast<size_t>(n));
    return *this;
}

AnsiString& AnsiString::sprintf(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vprintf(fmt, ap);
    va_end(ap);
    return *this;
}

AnsiString AnsiString::Format(const char* fmt, ...)
{
    AnsiString r;
    va_list ap;
    va_start(ap, fmt);
    r.vprintf(fmt, ap);
    va_end(ap);
    return r;
}

AnsiString AnsiString::StringOfChar(char c, int count)
{
    return AnsiString(std::string(count > 0 ? static_cast<size_t>(count) : 0, c));
}

std::ostream& operator<<(std::ostream& os, const AnsiString& s) { return os << s.std(); }

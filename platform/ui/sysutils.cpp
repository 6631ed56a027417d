#include "platform/ui/sysutils.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

void ListIndexError(int index)
{
    throw EListError(AnsiString::Format("List index out of bounds (%d)", index));
}

AnsiString IntToStr(long long v) { return AnsiString(v); }

AnsiString IntToHex(unsigned long long v, int digits)
{
    return AnsiString::Format("%0*llX", digits, v);
}

int StrToInt(const AnsiString& s) { return s.ToInt(); }
int StrToIntDef(const AnsiString& s, int def) { return s.ToIntDef(def); }
double StrToFloat(const AnsiString& s) { return s.ToDouble(); }
AnsiString FloatToStr(double v) { return AnsiString(v); }
AnsiString Trim(const AnsiString& s) { return s.Trim(); }
AnsiString UpperCase(const AnsiString& s) { return s.UpperCase(); }
AnsiString LowerCase(const AnsiString& s) { return s.LowerCase(); }
int AnsiCompareText(const AnsiString& a, const AnsiString& b) { return a.AnsiCompareIC(b); }

int CompareStr(const AnsiString& a, const AnsiString& b)
{
    int r = std::strcmp(a.c_str(), b.c_str());
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

AnsiString ExtractFileName(const AnsiString& path)
{
    const std::string& s = path.std();
    size_t p = s.find_last_of("/\\");
    return p == std::string::npos ? path : AnsiString(s.substr(p + 1));
}

AnsiString ExtractFilePath(const AnsiString& path)
{
    const std::string& s = path.std();
    size_t p = s.find_last_of("/\\");
    return p == std::string::npos ? AnsiString() : AnsiString(s.substr(0, p + 1));
}

bool FileExists(const AnsiString& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

AnsiString GetCurrentDir()
{
    std::vector<char> buf(4096);
    for (;;) {
        if (::getcwd(buf.data(), buf.size())) return AnsiString(buf.data());
        if (errno != ERANGE || buf.size() > (1u << 20)) return AnsiString();
        buf.resize(buf.size() * 2);
    }
}

double LeadingDouble(const AnsiString& text)
{
    const std::string& s = text.std();
    size_t i = 0, n = s.size();
    while (i < n && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    size_t start = i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; digits = true; }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) { ++i; digits = true; }
    }
    if (!digits) return 0;
    size_t end = i;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        bool ed = false;
        while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) { ++j; ed = true; }
        if (ed) end = j;
    }
    return std::strtod(s.substr(start, end - start).c_str(), nullptr);
}

#include "platform/ui/datetime.h"

#include <QLocale>
#include <cctype>
#include <cmath>
#include <ctime>
#include <string>

#include "platform/ui/sysutils.h"

namespace {

const long long kMsPerDay = 86400000;
const long long kDaysTo1970 = 25569;   // 1899-12-30 to 1970-01-01
const double kMinDate = -693593.0;     // 0001-01-01
const double kEndDate = 2958466.0;     // 10000-01-01

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// The day (1899-12-30 = 0) and the milliseconds of its time, rounded to the millisecond.
void Split(TDateTime dt, long long& day, long long& ms)
{
    double whole = 0;
    double fraction = std::modf(dt, &whole);
    day = static_cast<long long>(whole);
    ms = std::llround(std::fabs(fraction) * static_cast<double>(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++day;
    }
}

[[noreturn]] void InvalidDate(const AnsiString& text)
{
    throw EConvertError(AnsiString("'") + text + "' is not a valid date and time");
}

// The first character of the locale's pattern that is no letter, no quote and no blank.
char SeparatorOf(const QString& pattern, char fallback)
{
    for (QChar c : pattern)
        if (!c.isLetter() && c != '\'' && c != ' ' && c.unicode() < 0x80) return static_cast<char>(c.unicode());
    return fallback;
}

struct LocaleDefaults {
    char dateSep = '/';
    char timeSep = ':';
    AnsiString shortDate = "yyyy/mm/dd";
    AnsiString am = "AM";
    AnsiString pm = "PM";

    LocaleDefaults()
    {
        QLocale loc = QLocale::system();
        if (loc.language() == QLocale::C) return;
        QString date = loc.dateFormat(QLocale::ShortFormat);
        dateSep = SeparatorOf(date, '/');
        timeSep = SeparatorOf(loc.timeFormat(QLocale::ShortFormat), ':');
        // The order of day, month and year as the locale writes them.
        int pd = date.indexOf('d'), pm_ = date.indexOf('M'), py = date.indexOf('y');
        if (pd >= 0 && pm_ >= 0 && py >= 0) {
            struct Part {
                int pos;
                const char* text;
            } parts[] = {{py, "yyyy"}, {pm_, "mm"}, {pd, "dd"}};
            for (int i = 0; i < 3; ++i)
                for (int j = i + 1; j < 3; ++j)
                    if (parts[j].pos < parts[i].pos) std::swap(parts[i], parts[j]);
            shortDate = AnsiString(parts[0].text) + "/" + parts[1].text + "/" + parts[2].text;
        }
        if (!loc.amText().isEmpty()) am = AnsiString(loc.amText().toLatin1().constData());
        if (!loc.pmText().isEmpty()) pm = AnsiString(loc.pmText().toLatin1().constData());
    }
};

const LocaleDefaults& Defaults()
{
    static const LocaleDefaults d;
    return d;
}

bool StartsWithNoCase(const std::string& s, size_t i, const std::string& word)
{
    if (word.empty() || s.size() - i < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(s[i + k])) != std::tolower(static_cast<unsigned char>(word[k])))
            return false;
    return true;
}

size_t RunLength(const std::string& s, size_t i)
{
    size_t n = 1;
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    while (i + n < s.size() && std::tolower(static_cast<unsigned char>(s[i + n])) == c) ++n;
    return n;
}

// ---- parsing ----

struct Scanner {
    const std::string& s;
    size_t i = 0;

    void Blanks()
    {
        while (i < s.size() && s[i] == ' ') ++i;
    }
    bool Number(int& out, int maxDigits = 9)
    {
        size_t start = i;
        long long v = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && i - start < static_cast<size_t>(maxDigits))
            v = v * 10 + (s[i++] - '0');
        out = static_cast<int>(v);
        return i > start;
    }
    bool Char(char c)
    {
        if (i < s.size() && s[i] == c) return ++i, true;
        return false;
    }
};

// "ymd", "mdy", "dmy", ... from ShortDateFormat.
std::string DateOrder()
{
    std::string order;
    for (char c : ShortDateFormat.std()) {
        char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if ((l == 'y' || l == 'm' || l == 'd') && order.find(l) == std::string::npos) order += l;
    }
    return order.size() == 3 ? order : "ymd";
}

bool ScanDate(Scanner& sc, TDateTime& out)
{
    int n[3] = {0, 0, 0};
    int count = 0;
    if (!sc.Number(n[0])) return false;
    count = 1;
    while (count < 3 && sc.Char(DateSeparator)) {
        if (!sc.Number(n[count])) return false;
        ++count;
    }
    if (count < 2) return false;
    std::string order = DateOrder();
    int y = 0, m = 0, d = 0;
    if (count == 3) {
        for (int k = 0; k < 3; ++k) {
            if (order[static_cast<size_t>(k)] == 'y') y = n[k];
            else if (order[static_cast<size_t>(k)] == 'm') m = n[k];
            else d = n[k];
        }
        if (y < 100) y += 2000;
    } else {
        // Month and day in their order; the current year.
        std::string md;
        for (char c : order)
            if (c != 'y') md += c;
        m = md[0] == 'm' ? n[0] : n[1];
        d = md[0] == 'm' ? n[1] : n[0];
        int cm, cd;
        DecodeDate(Now(), y, cm, cd);
    }
    return TryEncodeDate(y, m, d, out);
}

bool ScanTime(Scanner& sc, TDateTime& out)
{
    int h = 0, n = 0, s = 0, z = 0;
    if (!sc.Number(h)) return false;
    bool minutes = false;
    if (sc.Char(TimeSeparator)) {
        if (!sc.Number(n)) return false;
        minutes = true;
        if (sc.Char(TimeSeparator)) {
            if (!sc.Number(s)) return false;
            if (sc.Char('.') && !sc.Number(z, 3)) return false;
        }
    }
    sc.Blanks();
    int marker = 0;  // 1 am, 2 pm
    const std::string& t = sc.s;
    const std::string words[][2] = {{TimeAMString.std(), TimePMString.std()}, {"AM", "PM"}, {"A", "P"}};
    for (const auto& w : words) {
        if (StartsWithNoCase(t, sc.i, w[0])) marker = 1, sc.i += w[0].size();
        else if (StartsWithNoCase(t, sc.i, w[1])) marker = 2, sc.i += w[1].size();
        if (marker) break;
    }
    if (!minutes && !marker) return false;
    if (marker) {
        if (h < 1 || h > 12) return false;
        h = h % 12 + (marker == 2 ? 12 : 0);
    }
    return TryEncodeTime(h, n, s, z, out);
}

}  // namespace

char DateSeparator = Defaults().dateSep;
char TimeSeparator = Defaults().timeSep;
AnsiString ShortDateFormat = Defaults().shortDate;
AnsiString TimeAMString = Defaults().am;
AnsiString TimePMString = Defaults().pm;

TDateTime Now()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm lt{};
    localtime_r(&ts.tv_sec, &lt);
    return static_cast<double>(DaysFromCivil(lt.tm_year + 1900, static_cast<unsigned>(lt.tm_mon + 1),
                                             static_cast<unsigned>(lt.tm_mday)) + kDaysTo1970) +
           ((lt.tm_hour * 3600 + lt.tm_min * 60 + lt.tm_sec) * 1000.0 + ts.tv_nsec / 1000000) / kMsPerDay;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    out = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kDaysTo1970);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return false;
    out = ((hour * 3600 + minute * 60 + second) * 1000.0 + msec) / kMsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime dt = 0;
    if (!TryEncodeDate(year, month, day, dt)) throw EConvertError("Invalid argument to date encode");
    return dt;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    TDateTime dt = 0;
    if (!TryEncodeTime(hour, minute, second, msec, dt)) throw EConvertError("Invalid argument to time encode");
    return dt;
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day)
{
    long long d, ms;
    Split(dt, d, ms);
    CivilFromDays(d - kDaysTo1970, year, month, day);
}

void DecodeTime(TDateTime dt, int& hour, int& minute, int& second, int& msec)
{
    long long d, ms;
    Split(dt, d, ms);
    hour = static_cast<int>(ms / 3600000);
    minute = static_cast<int>(ms / 60000 % 60);
    second = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

bool IsValidDateTime(TDateTime dt) { return std::isfinite(dt) && dt >= kMinDate && dt < kEndDate; }

AnsiString FormatDateTime(const AnsiString& format, TDateTime dt)
{
    if (!IsValidDateTime(dt)) throw EConvertError(AnsiString(dt) + " is not a valid date and time");
    int y, mo, d, h, mi, s, ms;
    DecodeDate(dt, y, mo, d);
    DecodeTime(dt, h, mi, s, ms);
    const std::string& f = format.std();
    bool twelve = false;
    for (size_t i = 0; i < f.size(); ++i)
        if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") || StartsWithNoCase(f, i, "ampm"))
            twelve = true;
    const bool pm = h >= 12;
    std::string out;
    bool afterHour = false;
    char buf[16];
    for (size_t i = 0; i < f.size();) {
        char c = f[i];
        char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '"' || c == '\'') {
            size_t end = f.find(c, i + 1);
            if (end == std::string::npos) end = f.size();
            out += f.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (StartsWithNoCase(f, i, "am/pm")) {
            out += pm ? f.substr(i + 3, 2) : f.substr(i, 2);
            i += 5;
            continue;
        }
        if (StartsWithNoCase(f, i, "a/p")) {
            out += pm ? f[i + 2] : f[i];
            i += 3;
            continue;
        }
        if (StartsWithNoCase(f, i, "ampm")) {
            out += (pm ? TimePMString : TimeAMString).std();
            i += 4;
            continue;
        }
        size_t run = (std::isalpha(static_cast<unsigned char>(c))) ? RunLength(f, i) : 1;
        switch (l) {
        case 'y':
            std::snprintf(buf, sizeof buf, run >= 3 ? "%04d" : "%02d", run >= 3 ? y : y % 100);
            out += buf;
            afterHour = false;
            break;
        case 'm':
            std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", afterHour ? mi : mo);
            out += buf;
            afterHour = false;
            break;
        case 'd':
            std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", d);
            out += buf;
            afterHour = false;
            break;
        case 'h': {
            int hh = twelve ? (h % 12 == 0 ? 12 : h % 12) : h;
            std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", hh);
            out += buf;
            afterHour = true;
            break;
        }
        case 'n':
            std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", mi);
            out += buf;
            afterHour = false;
            break;
        case 's':
            std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", s);
            out += buf;
            afterHour = false;
            break;
        case 'z':
            std::snprintf(buf, sizeof buf, run >= 3 ? "%03d" : "%d", ms);
            out += buf;
            afterHour = false;
            break;
        case '/':
            out += DateSeparator;
            break;
        case ':':
            out += TimeSeparator;
            break;
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
    return AnsiString(out);
}

bool TryStrToDateTime(const AnsiString& text, TDateTime& out)
{
    const std::string& s = text.std();
    Scanner sc{s};
    sc.Blanks();
    TDateTime date = 0, time = 0;
    size_t start = sc.i;
    bool haveDate = ScanDate(sc, date);
    if (!haveDate) sc.i = start;
    sc.Blanks();
    bool haveTime = false;
    if (sc.i < s.size()) {
        haveTime = ScanTime(sc, time);
        if (!haveTime) return false;
        sc.Blanks();
    }
    if (sc.i != s.size() || (!haveDate && !haveTime)) return false;
    // Before 1899-12-30 the time still counts forward from the day's midnight.
    out = date < 0 ? date - time : date + time;
    return true;
}

TDateTime StrToDateTime(const AnsiString& text)
{
    TDateTime dt = 0;
    if (!TryStrToDateTime(text, dt)) InvalidDate(text);
    return dt;
}

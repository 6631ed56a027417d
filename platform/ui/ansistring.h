// AnsiString: the class library's byte string, on std::string.
// Positions are 1-based as in the class library; every text of the system is bytes.
#pragma once

#include <cstdarg>
#include <iosfwd>
#include <string>

class AnsiString {
public:
    AnsiString() = default;
    AnsiString(const char* s) : s_(s ? s : "") {}
    AnsiString(const char* s, int len) : s_(s ? std::string(s, len > 0 ? static_cast<size_t>(len) : 0) : std::string()) {}
    AnsiString(const std::string& s) : s_(s) {}
    AnsiString(std::string&& s) : s_(std::move(s)) {}
    AnsiString(char c) : s_(1, c) {}
    AnsiString(int v);
    AnsiString(unsigned int v);
    AnsiString(long v);
    AnsiString(unsigned long v);
    AnsiString(long long v);
    AnsiString(unsigned long long v);
    AnsiString(double v);  // general format, 15 significant digits (FloatToStr)

    const char* c_str() const { return s_.c_str(); }
    const std::string& std() const { return s_; }
    std::string& std() { return s_; }
    int Length() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }

    // 1-based access; throws ERangeError outside 1..Length().
    char& operator[](int index);
    char operator[](int index) const;

    AnsiString SubString(int index, int count) const;  // clamps like the class library
    int Pos(const AnsiString& sub) const;              // 1-based, 0 when absent
    AnsiString& Insert(const AnsiString& str, int index);
    AnsiString& Delete(int index, int count);
    AnsiString& SetLength(int len);

    // Integer conversion of the class library: optional blanks before, sign, decimal or
    // "$"/"0x" hexadecimal, 32-bit range; anything else throws EConvertError
    // "'<text>' is not a valid integer value".
    int ToInt() const;
    int ToIntDef(int def) const;
    // Decimal floating-point text with blanks around it; throws EConvertError
    // "'<text>' is not a valid floating point value".
    double ToDouble() const;

    AnsiString Trim() const;       // drops control characters and blanks at both ends
    AnsiString TrimLeft() const;
    AnsiString TrimRight() const;
    AnsiString UpperCase() const;  // ASCII
    AnsiString LowerCase() const;

    int AnsiCompare(const AnsiString& rhs) const;    // locale-aware, case-sensitive
    int AnsiCompareIC(const AnsiString& rhs) const;  // locale-aware, ignoring case

    // Replaces the contents with printf-style output and returns *this.
    AnsiString& sprintf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    AnsiString& vprintf(const char* fmt, va_list ap);
    static AnsiString Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
    static AnsiString StringOfChar(char c, int count);

    AnsiString& operator+=(const AnsiString& rhs) { s_ += rhs.s_; return *this; }
    AnsiString& operator+=(const char* rhs) { s_ += (rhs ? rhs : ""); return *this; }
    AnsiString& operator+=(char c) { s_ += c; return *this; }

    friend AnsiString operator+(const AnsiString& a, const AnsiString& b) { return AnsiString(a.s_ + b.s_); }
    friend AnsiString operator+(const AnsiString& a, const char* b) { return AnsiString(a.s_ + (b ? b : "")); }
    friend AnsiString operator+(const char* a, const AnsiString& b) { return AnsiString((a ? a : "") + b.s_); }

    friend bool operator==(const AnsiString& a, const AnsiString& b) { return a.s_ == b.s_; }
    friend bool operator!=(const AnsiString& a, const AnsiString& b) { return a.s_ != b.s_; }
    friend bool operator<(const AnsiString& a, const AnsiString& b) { return a.s_ < b.s_; }
    friend bool operator>(const AnsiString& a, const AnsiString& b) { return a.s_ > b.s_; }
    friend bool operator<=(const AnsiString& a, const AnsiString& b) { return a.s_ <= b.s_; }
    friend bool operator>=(const AnsiString& a, const AnsiString& b) { return a.s_ >= b.s_; }
    friend bool operator==(const AnsiString& a, const char* b) { return a.s_ == (b ? b : ""); }
    friend bool operator!=(const AnsiString& a, const char* b) { return !(a == b); }

private:
    std::string s_;
};

std::ostream& operator<<(std::ostream& os, const AnsiString& s);

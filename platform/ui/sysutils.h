// The class library's exceptions and conversion routines.
#pragma once

#include <exception>

#include "platform/ui/ansistring.h"

class Exception : public std::exception {
public:
    explicit Exception(const AnsiString& msg) : Message(msg) {}
    Exception(const AnsiString& msg, int helpContext) : Message(msg), HelpContext(helpContext) {}
    ~Exception() override = default;
    const char* what() const noexcept override { return Message.c_str(); }

    AnsiString Message;
    int HelpContext = 0;
};

class EConvertError : public Exception { using Exception::Exception; };
class ERangeError : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };

// Raises the class library's EListError "List index out of bounds (<index>)".
[[noreturn]] void ListIndexError(int index);

AnsiString IntToStr(long long v);
AnsiString IntToHex(unsigned long long v, int digits);  // upper case, at least digits wide
int StrToInt(const AnsiString& s);
int StrToIntDef(const AnsiString& s, int def);
double StrToFloat(const AnsiString& s);
AnsiString FloatToStr(double v);  // general format, up to 15 significant digits
AnsiString Trim(const AnsiString& s);
AnsiString UpperCase(const AnsiString& s);
AnsiString LowerCase(const AnsiString& s);
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
int CompareStr(const AnsiString& a, const AnsiString& b);  // ordinal byte comparison
AnsiString ExtractFileName(const AnsiString& path);        // after the last '/' or '\'
AnsiString ExtractFilePath(const AnsiString& path);        // up to and including it
bool FileExists(const AnsiString& path);
// The process's current directory, without a trailing '/'; "" when it cannot be read.
AnsiString GetCurrentDir();

// Longest leading decimal floating-point number after white space (C strtod rules
// restricted to decimal forms); 0 when the text starts with none.
double LeadingDouble(const AnsiString& s);

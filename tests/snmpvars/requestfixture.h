// Small helpers for the tests of the request's conversions and expressions: a request whose
// variable list is built from descriptor records written in the test.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmprequest.h"

// Descriptor records with a terminating null record, kept alive for the list's construction.
inline QzSNMPVarList MakeList(std::initializer_list<UISnmpVar> records, unsigned char listType = SVT_SV,
                              int keyCount = 0)
{
    std::vector<UISnmpVar> table(records);
    table.push_back(UISnmpVar{nullptr});
    return QzSNMPVarList(table.data(), listType, keyCount);
}

inline UISnmpVar Var(int syntax, int access = acReadWrite, QzOptionList* options = nullptr,
                     const char* readExpression = nullptr, const char* writeExpression = nullptr)
{
    return UISnmpVar{"1.3.6.1.4.1.99999.1", "v", syntax, access, options, readExpression, writeExpression};
}

// The code of the layer exception that f raises, or 0 (with a failure) when it raises none.
inline int RaisedCode(const std::function<void()>& f, AnsiString* message = nullptr)
{
    try {
        f();
    } catch (const Exception& e) {
        if (message) *message = e.Message;
        return e.HelpContext;
    }
    ADD_FAILURE() << "no exception";
    return 0;
}

inline std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

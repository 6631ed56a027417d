#include "descriptorchecks.h"

#include <regex>
#include <set>

#include "common/qzoptionlist.h"

std::string DescriptorFaults(const UISnmpVar* table)
{
    static const std::regex oidPattern(R"(\d+(\.\d+)+)");
    static const std::set<int> syntaxes = {
        sxInteger, sxBitStr, sxOctetStr, sxObjectId, sxIpAddress, sxCounter, sxGauge,
        sxTimeTicks, sxCounter64, sxMacAddress, sxDateTime, sxDisplayStr, sxIpv6Address};
    static const std::set<int> accesses = {acNotAccess, acReadOnly, acReadWrite,
                                           acNotAccess | acImplied};
    std::string faults;
    std::set<std::string> seen;
    for (int i = 0; i < CountSnmpVars(table); ++i) {
        const UISnmpVar& v = table[i];
        std::string at = "record " + std::to_string(i) + " (" + v.oid + "): ";
        if (!std::regex_match(v.oid, oidPattern)) faults += at + "bad OID\n";
        if (!seen.insert(v.oid).second) faults += at + "OID repeated\n";
        if (!v.label || !*v.label) faults += at + "no label\n";
        if (!syntaxes.count(v.syntax)) faults += at + "unknown syntax\n";
        if (!accesses.count(v.access)) faults += at + "unknown access\n";
        if (v.readExpression || v.writeExpression || v.text3 || v.value || v.lastOid)
            faults += at + "unexpected optional field\n";
        if (v.options) {
            int wantKind = v.syntax == sxObjectId ? QzOptionList::Text : QzOptionList::Integer;
            if (v.options->Kind() != wantKind) faults += at + "option list of the wrong kind\n";
            if (v.options->CaseSensitive()) faults += at + "case-sensitive option list\n";
            if (v.options->Count() == 0) faults += at + "empty option list\n";
            if (v.syntax != sxInteger && v.syntax != sxObjectId)
                faults += at + "option list on a column that is not enumerated\n";
        }
    }
    return faults;
}

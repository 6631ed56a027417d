#include "snmpvars/uisnmpvar.h"

#include "common/qzoptionlist.h"

int CountSnmpVars(const UISnmpVar* table)
{
    int n = 0;
    if (table)
        while (table[n].oid) ++n;
    return n;
}

QzOptionList& QzSNMPSyntaxOptionList()
{
    static const QzOptionEntry kSyntaxes[] = {
        {sxInteger, "integer"},     {sxBitStr, "bitstr"},       {sxOctetStr, "octetstr"},
        {sxNull, "null"},           {sxObjectId, "objectid"},   {sxIpAddress, "ipaddress"},
        {sxCounter, "counter"},     {sxGauge, "guage"},         {sxTimeTicks, "timeticks"},
        {sxOpaque, "opaque"},       {sxCounter64, "counter64"}, {sxBoolean, "boolean"},
        {sxNsapAddr, "nsapaddr"},   {sxUInteger, "uinteger"},   {sxDouble, "double"},
        {sxMacAddress, "macaddress"}, {sxDateTime, "datetime"}, {sxBcdDateTime, "bcdatetime"},
        {sxDisplayStr, "displaystr"}, {sxBool8, "bool8"},       {sxInt8, "int8"},
        {sxUInt8, "uint8"},         {sxBool16, "bool16"},       {sxInt16, "int16"},
        {sxUInt16, "uint16"},       {sxIpv6Address, "ipv6address"}, {0, nullptr},
    };
    static QzOptionList list(kSyntaxes);
    return list;
}

QzOptionList& QzSNMPAccessOptionList()
{
    static const QzOptionEntry kAccess[] = {
        {acNotAccess, "notaccess"}, {acReadOnly, "readonly"}, {acWriteOnly, "writeonly"},
        {acReadWrite, "readwrite"}, {acDerived, "derived"},   {acHidden, "hidden"},
        {acInvalid, "invalid"},     {0, nullptr},
    };
    static QzOptionList list(kAccess);
    return list;
}

QzOptionList& QzSNMPListTypeOptionList()
{
    static const QzOptionEntry kListTypes[] = {
        {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {0, nullptr},
    };
    static QzOptionList list(kListTypes);
    return list;
}

bool QzIsReadable(const UISnmpVar& item)
{
    return (item.access & acReadOnly) && !(item.access & acInvalid);
}

bool QzIsWritable(const UISnmpVar& item, int index, int listType, int keyCount)
{
    if (item.access & acInvalid) return false;
    if (item.access & acWriteOnly) return true;
    // Key columns of a table count as writable, so that a form can edit the key of a new row;
    // a set carries them in the row index, never as bindings.
    return (listType == MVT_FMV || listType == MVT_UMV) && index < keyCount;
}

bool QzIsShownColumn(const UISnmpVar& item)
{
    if (item.access & (acInvalid | acHidden)) return false;
    return (item.access & (acNotAccess | acDerived | acReadOnly)) != 0;
}

bool QzIsHiddenColumn(const UISnmpVar& item)
{
    return item.access == acWriteOnly || (item.access & acInvalid) || (item.access & acHidden);
}

bool QzIsImpliedIndex(const UISnmpVar& item) { return (item.access & acImplied) != 0; }

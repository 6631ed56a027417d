// The MIB object descriptor and its codes. Descriptor tables are constant arrays of
// UISnmpVar that end with a record whose oid is null.
#pragma once

#include "platform/ui/ansistring.h"

class QzOptionList;

// Syntax codes: 1-6 and 0x40-0x46 are the ASN.1/SMI tags; the rest are the layer's own.
enum QzSyntax : int {
    sxBoolean = 1, sxInteger = 2, sxBitStr = 3, sxOctetStr = 4, sxNull = 5, sxObjectId = 6,
    sxIpAddress = 0x40, sxCounter = 0x41, sxGauge = 0x42, sxTimeTicks = 0x43, sxOpaque = 0x44,
    sxNsapAddr = 0x45, sxCounter64 = 0x46, sxUInteger = 0x47, sxDouble = 0x48,
    sxMacAddress = 0x49, sxDateTime = 0x4a, sxBcdDateTime = 0x4b, sxDisplayStr = 0x4c,
    sxIpv6Address = 0x4d,
    sxBool8 = 0xc1, sxInt8 = 0xc2, sxUInt8 = 0xc3, sxBool16 = 0xc4, sxInt16 = 0xc5, sxUInt16 = 0xc6,
};

// Access flags (a bit set).
enum QzAccess : int {
    acNotAccess = 1,   // index column carried only in the OID
    acReadOnly = 2,
    acWriteOnly = 4,
    acReadWrite = 6,
    acDerived = 8,     // shown, never read or written
    acHidden = 0x10,   // kept, shown as a zero-width column
    acInvalid = 0x20,  // left out of every get and set
    acImplied = 0x40,  // IMPLIED index: no length sub-identifier in the row index
};

// List types: how a request reads and writes a variable list.
enum QzListType : unsigned char {
    SVT_SV = 0,   // scalars
    MVT_SV = 1,   // several objects of one instance
    MVT_FMV = 2,  // table, read by a get-next walk
    MVT_UMV = 3,  // table, as MVT_FMV
};

struct UISnmpVar {
    const char* oid;              // column OID, or scalar OID without ".0"; null ends a table
    const char* label;            // column caption or row label
    int syntax;                   // QzSyntax
    int access;                   // QzAccess bits
    QzOptionList* options;        // enumeration labels; shared, never owned
    const char* readExpression;   // applied after every read
    const char* writeExpression;  // applied before every write
    const char* text3;            // optional text, read by nothing
    AnsiString* value;            // initial value text
    AnsiString* lastOid;          // initial last OID text
};

// Number of records before the terminating null OID; 0 for a null table.
int CountSnmpVars(const UISnmpVar* table);

// Option lists over the three code sets, labels in their fixed order ("guage" as written).
QzOptionList& QzSNMPSyntaxOptionList();    // integer, bitstr, octetstr, ... ipv6address
QzOptionList& QzSNMPAccessOptionList();    // notaccess, readonly, writeonly, readwrite, derived, hidden, invalid
QzOptionList& QzSNMPListTypeOptionList();  // SVT_SV, MVT_SV, MVT_FMV, MVT_UMV

// Which items take part in a get, a set and a list view. item is the descriptor of item
// `index` of a list of that list type and key count.
bool QzIsReadable(const UISnmpVar& item);
bool QzIsWritable(const UISnmpVar& item, int index, int listType, int keyCount);
bool QzIsShownColumn(const UISnmpVar& item);
bool QzIsHiddenColumn(const UISnmpVar& item);
bool QzIsImpliedIndex(const UISnmpVar& item);

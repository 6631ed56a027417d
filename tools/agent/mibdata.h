// The agent's MIB: objects in SMI order, table declarations, and the lookups that GET,
// GET-NEXT and SET need. Plain C++; the net-snmp glue converts to and from it.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vrxagent {

using Oid = std::vector<std::uint64_t>;

std::string OidText(const Oid& oid);
// Dotted decimal, an optional leading dot, at least two arcs, each at most 4294967295,
// the first 0, 1 or 2. False with the reason otherwise.
bool ParseOid(const std::string& text, Oid* oid, std::string* why);
bool StartsWith(const Oid& oid, const Oid& prefix);

// ASN.1 tags of the SMI types.
enum class Syntax : std::uint8_t {
    Integer = 0x02,
    BitString = 0x03,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter = 0x41,
    Gauge = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
};

struct Value {
    Syntax syntax = Syntax::Null;
    std::int64_t integer = 0;   // Integer
    std::uint64_t number = 0;   // Counter, Gauge, TimeTicks, Counter64
    std::string bytes;          // OctetString, Opaque, BitString, IpAddress (4 bytes)
    Oid oid;                    // ObjectId

    bool operator==(const Value& o) const
    {
        return syntax == o.syntax && integer == o.integer && number == o.number &&
               bytes == o.bytes && oid == o.oid;
    }
};

// Type names of the data file and the log; ParseSyntax also takes the short forms of
// net-snmp's snmpset (i u c C t a o s x) and "hex", which is an octet string written in hex.
std::string SyntaxName(Syntax s);
bool ParseSyntax(const std::string& name, Syntax* s, bool* hex);
// The value token of a data-file line (already unquoted). False with the reason otherwise.
bool ParseValue(Syntax s, bool hex, const std::string& text, Value* v, std::string* why);
// The value as the log writes it: numbers in decimal, OIDs and addresses dotted, octet
// strings as their raw bytes (the log quotes them).
std::string ValueText(const Value& v);

// A list of allowed numbers or lengths: "5", "1..10", "1,3,5..9".
struct Ranges {
    std::vector<std::pair<std::int64_t, std::int64_t>> items;
    bool Empty() const { return items.empty(); }
    bool Contains(std::int64_t n) const;
};
bool ParseRanges(const std::string& text, Ranges* r, std::string* why);

enum class Access { Inherit, ReadOnly, ReadWrite, NotAccessible };

struct Object {
    Value value;
    Access access = Access::Inherit;  // Inherit: the column's access, else read-only
    Ranges size, range;               // empty: the column's, else unchecked
    std::uint64_t rate = 0;           // a counter's increase per second while the agent runs
};

struct Column {
    Syntax syntax = Syntax::Integer;
    Access access = Access::ReadOnly;
    Ranges size, range;
    enum class Default { None, Value, Index } def = Default::None;
    Value defValue;
    int indexArc = 0;  // Default::Index: 0 the whole index, n the n-th arc (from 1)
};

enum class StatusKind { None, RowStatus, Values };

struct Table {
    Oid entry;
    StatusKind kind = StatusKind::None;
    std::uint64_t statusColumn = 0;
    std::vector<std::int64_t> createValues;  // StatusKind::Values
    std::map<std::int64_t, std::int64_t> createdReads;  // a create value -> what the new row reads
    bool hasDelete = false;
    std::int64_t deleteValue = 0;
    Ranges index;  // allowed single-arc indexes of new rows; empty: any
    std::map<std::uint64_t, Column> columns;
};

// Where an OID falls inside a declared table: entry.column.index.
struct TablePlace {
    const Table* table = nullptr;
    std::uint64_t column = 0;
    Oid index;
};

class MibData {
public:
    std::map<Oid, Object> objects;
    std::map<Oid, Table> tables;  // by entry OID
    // Tables walked together: each group's tables must hold the same row indexes.
    std::vector<std::vector<Oid>> joins;
    bool countersStill = false;  // "counters still": rates are ignored

    // Adds `seconds` times its rate to every moving counter (wrapping as the type does).
    void AdvanceCounters(std::uint64_t seconds);
    // The row indexes of a table: every index under any of its columns.
    std::set<Oid> RowIndexes(const Oid& entry) const;
    // False with the first row that one joined table has and another lacks.
    bool CheckJoins(std::string* why) const;

    const Object* Find(const Oid& oid) const;
    // The first readable object after `oid` (at or after it when inclusive) that starts
    // with `within`; null when there is none.
    const std::pair<const Oid, Object>* Next(const Oid& oid, bool inclusive,
                                             const Oid& within) const;
    // True when `oid` names an instance of a known object type (noSuchInstance rather than
    // noSuchObject): a declared column, or the type of an existing readable object.
    bool KnownObjectType(const Oid& oid) const;
    // True when an object type above `oid` can be written (noCreation rather than
    // notWritable for a missing instance).
    bool WritableObjectType(const Oid& oid) const;

    TablePlace PlaceOf(const Oid& oid) const;
    bool RowExists(const Table& t, const Oid& index) const;
    // The OIDs of every instance of the row.
    std::vector<Oid> RowObjects(const Table& t, const Oid& index) const;

    Access EffectiveAccess(const Oid& oid, const Object& o) const;
    const Ranges& EffectiveSize(const Oid& oid, const Object& o) const;
    const Ranges& EffectiveRange(const Oid& oid, const Object& o) const;

    // Call after any change to objects or tables.
    void Changed() { typesValid_ = false; }

private:
    void BuildTypes() const;
    mutable bool typesValid_ = false;
    mutable std::set<Oid> readableTypes_, writableTypes_;
};

}  // namespace vrxagent

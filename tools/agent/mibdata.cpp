#include "tools/agent/mibdata.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace vrxagent {

namespace {

bool ParseUnsigned(const std::string& s, std::uint64_t max, std::uint64_t* out)
{
    if (s.empty()) return false;
    std::uint64_t n = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        unsigned d = static_cast<unsigned>(c - '0');
        if (n > (max - d) / 10) return false;
        n = n * 10 + d;
    }
    *out = n;
    return true;
}

bool ParseSigned(const std::string& s, std::int64_t min, std::int64_t max, std::int64_t* out)
{
    bool neg = !s.empty() && s[0] == '-';
    std::uint64_t n;
    std::uint64_t limit = neg ? static_cast<std::uint64_t>(-(min + 1)) + 1
                              : static_cast<std::uint64_t>(max);
    if (!ParseUnsigned(neg ? s.substr(1) : s, limit, &n)) return false;
    *out = neg ? static_cast<std::int64_t>(0 - n) : static_cast<std::int64_t>(n);
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string text, std::string* out, std::string* why)
{
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = text.substr(2);
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ':' || c == '-' || c == '.') continue;
        if (HexDigit(c) < 0) return *why = "not a hex digit: " + std::string(1, c), false;
        digits += c;
    }
    if (digits.size() % 2) return *why = "odd number of hex digits", false;
    out->clear();
    for (size_t i = 0; i < digits.size(); i += 2)
        *out += static_cast<char>(HexDigit(digits[i]) * 16 + HexDigit(digits[i + 1]));
    return true;
}

const Ranges kNoRanges;

}  // namespace

std::string OidText(const Oid& oid)
{
    std::string s;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i) s += '.';
        s += std::to_string(oid[i]);
    }
    return s;
}

bool ParseOid(const std::string& text, Oid* oid, std::string* why)
{
    std::string s = !text.empty() && text[0] == '.' ? text.substr(1) : text;
    Oid out;
    size_t start = 0;
    for (;;) {
        size_t dot = s.find('.', start);
        std::string part = s.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        std::uint64_t arc;
        if (!ParseUnsigned(part, 4294967295u, &arc))
            return *why = "bad object identifier \"" + text + "\"", false;
        out.push_back(arc);
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (out.size() < 2 || out[0] > 2)
        return *why = "bad object identifier \"" + text + "\"", false;
    *oid = std::move(out);
    return true;
}

bool StartsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

std::string SyntaxName(Syntax s)
{
    switch (s) {
    case Syntax::Integer: return "integer";
    case Syntax::BitString: return "bitstring";
    case Syntax::OctetString: return "string";
    case Syntax::Null: return "null";
    case Syntax::ObjectId: return "oid";
    case Syntax::IpAddress: return "ipaddress";
    case Syntax::Counter: return "counter";
    case Syntax::Gauge: return "gauge";
    case Syntax::TimeTicks: return "timeticks";
    case Syntax::Opaque: return "opaque";
    case Syntax::Counter64: return "counter64";
    }
    return "unknown";
}

bool ParseSyntax(const std::string& name, Syntax* s, bool* hex)
{
    static const struct {
        const char* name;
        Syntax syntax;
        bool hex;
    } kNames[] = {
        {"integer", Syntax::Integer, false},     {"i", Syntax::Integer, false},
        {"unsigned", Syntax::Gauge, false},      {"gauge", Syntax::Gauge, false},
        {"u", Syntax::Gauge, false},             {"counter", Syntax::Counter, false},
        {"c", Syntax::Counter, false},           {"counter64", Syntax::Counter64, false},
        {"C", Syntax::Counter64, false},         {"timeticks", Syntax::TimeTicks, false},
        {"t", Syntax::TimeTicks, false},         {"ipaddress", Syntax::IpAddress, false},
        {"a", Syntax::IpAddress, false},         {"oid", Syntax::ObjectId, false},
        {"o", Syntax::ObjectId, false},          {"string", Syntax::OctetString, false},
        {"s", Syntax::OctetString, false},       {"hex", Syntax::OctetString, true},
        {"x", Syntax::OctetString, true},        {"opaque", Syntax::Opaque, true},
        {"bitstring", Syntax::BitString, true},  {"null", Syntax::Null, false},
    };
    for (const auto& n : kNames)
        if (name == n.name) {
            *s = n.syntax;
            *hex = n.hex;
            return true;
        }
    return false;
}

bool ParseValue(Syntax s, bool hex, const std::string& text, Value* v, std::string* why)
{
    Value out;
    out.syntax = s;
    switch (s) {
    case Syntax::Integer:
        if (!ParseSigned(text, -2147483648LL, 2147483647LL, &out.integer))
            return *why = "not a 32-bit integer: \"" + text + "\"", false;
        break;
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::TimeTicks:
        if (!ParseUnsigned(text, 4294967295u, &out.number))
            return *why = "not an unsigned 32-bit number: \"" + text + "\"", false;
        break;
    case Syntax::Counter64:
        if (!ParseUnsigned(text, std::numeric_limits<std::uint64_t>::max(), &out.number))
            return *why = "not an unsigned 64-bit number: \"" + text + "\"", false;
        break;
    case Syntax::IpAddress: {
        std::uint64_t parts[4];
        size_t start = 0;
        for (int i = 0; i < 4; ++i) {
            size_t dot = text.find('.', start);
            if ((i < 3) != (dot != std::string::npos) ||
                !ParseUnsigned(text.substr(start, dot == std::string::npos ? std::string::npos
                                                                           : dot - start),
                               255, &parts[i]))
                return *why = "not an IPv4 address: \"" + text + "\"", false;
            start = dot + 1;
        }
        for (std::uint64_t p : parts) out.bytes += static_cast<char>(p);
        break;
    }
    case Syntax::ObjectId:
        if (!ParseOid(text, &out.oid, why)) return false;
        break;
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::BitString:
        if (hex) {
            if (!ParseHex(text, &out.bytes, why)) return false;
        } else {
            out.bytes = text;
        }
        break;
    case Syntax::Null:
        if (text != "-") return *why = "a null value is written \"-\"", false;
        break;
    }
    *v = std::move(out);
    return true;
}

std::string ValueText(const Value& v)
{
    switch (v.syntax) {
    case Syntax::Integer: return std::to_string(v.integer);
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::TimeTicks:
    case Syntax::Counter64: return std::to_string(v.number);
    case Syntax::IpAddress: {
        std::string s;
        for (size_t i = 0; i < v.bytes.size(); ++i) {
            if (i) s += '.';
            s += std::to_string(static_cast<unsigned char>(v.bytes[i]));
        }
        return s;
    }
    case Syntax::ObjectId: return OidText(v.oid);
    case Syntax::Null: return "";
    default: return v.bytes;
    }
}

bool Ranges::Contains(std::int64_t n) const
{
    for (const auto& r : items)
        if (n >= r.first && n <= r.second) return true;
    return false;
}

bool ParseRanges(const std::string& text, Ranges* r, std::string* why)
{
    Ranges out;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos
                                                                         : comma - start);
        size_t dots = item.find("..");
        std::int64_t lo, hi;
        const std::int64_t kMin = std::numeric_limits<std::int64_t>::min() + 1;
        const std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
        bool ok = dots == std::string::npos
                      ? ParseSigned(item, kMin, kMax, &lo) && ((hi = lo), true)
                      : ParseSigned(item.substr(0, dots), kMin, kMax, &lo) &&
                            ParseSigned(item.substr(dots + 2), kMin, kMax, &hi);
        if (!ok || lo > hi) return *why = "bad range \"" + text + "\"", false;
        out.items.push_back({lo, hi});
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    *r = std::move(out);
    return true;
}

const Object* MibData::Find(const Oid& oid) const
{
    auto it = objects.find(oid);
    return it == objects.end() ? nullptr : &it->second;
}

const std::pair<const Oid, Object>* MibData::Next(const Oid& oid, bool inclusive,
                                                  const Oid& within) const
{
    auto it = oid < within ? objects.lower_bound(within)
                           : (inclusive ? objects.lower_bound(oid) : objects.upper_bound(oid));
    for (; it != objects.end() && StartsWith(it->first, within); ++it)
        if (EffectiveAccess(it->first, it->second) != Access::NotAccessible) return &*it;
    return nullptr;
}

TablePlace MibData::PlaceOf(const Oid& oid) const
{
    TablePlace place;
    for (const auto& [entry, table] : tables) {
        if (oid.size() < entry.size() + 2 || !StartsWith(oid, entry)) continue;
        if (place.table && place.table->entry.size() >= entry.size()) continue;
        place.table = &table;
        place.column = oid[entry.size()];
        place.index.assign(oid.begin() + static_cast<long>(entry.size()) + 1, oid.end());
    }
    return place;
}

std::vector<Oid> MibData::RowObjects(const Table& t, const Oid& index) const
{
    std::vector<Oid> found;
    Oid probe = t.entry;
    probe.push_back(0);
    for (;;) {
        auto it = objects.lower_bound(probe);
        if (it == objects.end() || !StartsWith(it->first, t.entry) ||
            it->first.size() <= t.entry.size())
            break;
        std::uint64_t col = it->first[t.entry.size()];
        Oid name = t.entry;
        name.push_back(col);
        name.insert(name.end(), index.begin(), index.end());
        if (objects.count(name)) found.push_back(name);
        if (col == std::numeric_limits<std::uint64_t>::max()) break;
        probe.back() = col + 1;
    }
    return found;
}

bool MibData::RowExists(const Table& t, const Oid& index) const
{
    return !RowObjects(t, index).empty();
}

Access MibData::EffectiveAccess(const Oid& oid, const Object& o) const
{
    if (o.access != Access::Inherit) return o.access;
    TablePlace p = PlaceOf(oid);
    if (p.table) {
        auto c = p.table->columns.find(p.column);
        if (c != p.table->columns.end()) return c->second.access;
    }
    return Access::ReadOnly;
}

const Ranges& MibData::EffectiveSize(const Oid& oid, const Object& o) const
{
    if (!o.size.Empty()) return o.size;
    TablePlace p = PlaceOf(oid);
    if (p.table) {
        auto c = p.table->columns.find(p.column);
        if (c != p.table->columns.end()) return c->second.size;
    }
    return kNoRanges;
}

const Ranges& MibData::EffectiveRange(const Oid& oid, const Object& o) const
{
    if (!o.range.Empty()) return o.range;
    TablePlace p = PlaceOf(oid);
    if (p.table) {
        auto c = p.table->columns.find(p.column);
        if (c != p.table->columns.end()) return c->second.range;
    }
    return kNoRanges;
}

void MibData::BuildTypes() const
{
    if (typesValid_) return;
    readableTypes_.clear();
    writableTypes_.clear();
    for (const auto& [oid, object] : objects) {
        TablePlace p = PlaceOf(oid);
        Oid type;
        if (p.table) {
            type = p.table->entry;
            type.push_back(p.column);
        } else {
            type.assign(oid.begin(), oid.end() - 1);
        }
        Access a = EffectiveAccess(oid, object);
        if (a != Access::NotAccessible) readableTypes_.insert(type);
        if (a == Access::ReadWrite) writableTypes_.insert(type);
    }
    for (const auto& [entry, table] : tables)
        for (const auto& [number, column] : table.columns) {
            Oid type = entry;
            type.push_back(number);
            if (column.access != Access::NotAccessible) readableTypes_.insert(type);
            if (column.access == Access::ReadWrite) writableTypes_.insert(type);
        }
    typesValid_ = true;
}

static bool HasProperPrefixIn(const Oid& oid, const std::set<Oid>& types)
{
    for (size_t len = oid.size() - 1; len >= 1; --len)
        if (types.count(Oid(oid.begin(), oid.begin() + static_cast<long>(len)))) return true;
    return false;
}

bool MibData::KnownObjectType(const Oid& oid) const
{
    BuildTypes();
    return !oid.empty() && HasProperPrefixIn(oid, readableTypes_);
}

bool MibData::WritableObjectType(const Oid& oid) const
{
    BuildTypes();
    return !oid.empty() && HasProperPrefixIn(oid, writableTypes_);
}

void MibData::AdvanceCounters(std::uint64_t seconds)
{
    if (countersStill || seconds == 0) return;
    for (auto& [oid, obj] : objects) {
        if (!obj.rate) continue;
        obj.value.number += obj.rate * seconds;
        if (obj.value.syntax == Syntax::Counter) obj.value.number &= 0xffffffffu;
    }
}

std::set<Oid> MibData::RowIndexes(const Oid& entry) const
{
    std::set<Oid> rows;
    for (auto it = objects.lower_bound(entry); it != objects.end() && StartsWith(it->first, entry);
         ++it)
        if (it->first.size() > entry.size() + 1)
            rows.insert(Oid(it->first.begin() + static_cast<long>(entry.size()) + 1, it->first.end()));
    return rows;
}

bool MibData::CheckJoins(std::string* why) const
{
    for (const std::vector<Oid>& group : joins) {
        std::set<Oid> first = RowIndexes(group[0]);
        for (size_t i = 1; i < group.size(); ++i) {
            std::set<Oid> other = RowIndexes(group[i]);
            if (other == first) continue;
            bool inFirst = false;
            Oid row;
            for (const Oid& r : first)
                if (!other.count(r)) {
                    row = r, inFirst = true;
                    break;
                }
            if (!inFirst)
                for (const Oid& r : other)
                    if (!first.count(r)) {
                        row = r;
                        break;
                    }
            *why = "joined tables " + OidText(group[0]) + " and " + OidText(group[i]) +
                   " differ: row " + OidText(row) + " is only in " +
                   OidText(inFirst ? group[0] : group[i]);
            return false;
        }
    }
    return true;
}

}  // namespace vrxagent

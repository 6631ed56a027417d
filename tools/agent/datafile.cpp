#include "tools/agent/datafile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "tools/agent/textformat.h"

namespace vrxagent {

namespace {

using Tokens = std::vector<Token>;

bool Fail(std::string* why, const std::string& reason)
{
    *why = reason;
    return false;
}

bool ParseAccess(const std::string& t, Access* a)
{
    if (t == "ro") return *a = Access::ReadOnly, true;
    if (t == "rw") return *a = Access::ReadWrite, true;
    if (t == "na") return *a = Access::NotAccessible, true;
    return false;
}

bool ParseCount(const std::string& t, long max, long* out)
{
    if (t.empty() || t.size() > 10) return false;
    long n = 0;
    for (char c : t) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        n = n * 10 + (c - '0');
    }
    if (n > max) return false;
    *out = n;
    return true;
}

// "size=..." and "range=..." options from position i on, and "rate=<n>" where `rate` is given.
bool ParseConstraints(const Tokens& t, size_t i, Ranges* size, Ranges* range, std::string* why,
                      std::uint64_t* rate = nullptr)
{
    for (; i < t.size(); ++i) {
        const std::string& s = t[i].text;
        long n;
        if (!t[i].quoted && s.rfind("size=", 0) == 0) {
            if (!ParseRanges(s.substr(5), size, why)) return false;
        } else if (!t[i].quoted && s.rfind("range=", 0) == 0) {
            if (!ParseRanges(s.substr(6), range, why)) return false;
        } else if (rate && !t[i].quoted && s.rfind("rate=", 0) == 0) {
            if (!ParseCount(s.substr(5), 4294967295L, &n)) return Fail(why, "bad rate \"" + s + "\"");
            *rate = static_cast<std::uint64_t>(n);
        } else {
            return Fail(why, "unexpected \"" + s + "\"");
        }
    }
    return true;
}

// The value at position i; an unquoted hex value may run over several words ("03 00 80").
size_t TakeValue(const Tokens& t, size_t i, bool hex, std::string* text)
{
    *text = t[i].text;
    if (!hex || t[i].quoted) return i + 1;
    auto hexWord = [](const Token& w) {
        if (w.quoted) return false;
        for (char c : w.text)
            if (!std::isxdigit(static_cast<unsigned char>(c)) && c != ':' && c != '-') return false;
        return true;
    };
    while (++i < t.size() && hexWord(t[i])) *text += " " + t[i].text;
    return i;
}

bool CheckAgainst(const Value& v, const Ranges& size, const Ranges& range, std::string* why)
{
    bool isString = v.syntax == Syntax::OctetString || v.syntax == Syntax::Opaque ||
                    v.syntax == Syntax::BitString;
    if (isString && !size.Empty() && !size.Contains(static_cast<std::int64_t>(v.bytes.size())))
        return Fail(why, "value length outside size=");
    if (!range.Empty()) {
        std::int64_t n = v.syntax == Syntax::Integer ? v.integer
                                                     : static_cast<std::int64_t>(v.number);
        if (!range.Contains(n)) return Fail(why, "value outside range=");
    }
    return true;
}

bool ObjectLine(AgentState& st, const Tokens& t, std::string* why)
{
    Oid oid;
    if (!ParseOid(t[0].text, &oid, why)) return false;
    size_t i = 1;
    Object obj;
    if (i < t.size() && ParseAccess(t[i].text, &obj.access)) ++i;
    Syntax syntax;
    bool hex;
    if (i >= t.size() || !ParseSyntax(t[i].text, &syntax, &hex))
        return Fail(why, i >= t.size() ? "missing type" : "unknown type \"" + t[i].text + "\"");
    if (++i >= t.size()) return Fail(why, "missing value");
    std::string text;
    i = TakeValue(t, i, hex, &text);
    if (!ParseValue(syntax, hex, text, &obj.value, why)) return false;
    if (!ParseConstraints(t, i, &obj.size, &obj.range, why, &obj.rate)) return false;
    if (obj.rate && syntax != Syntax::Counter && syntax != Syntax::Counter64)
        return Fail(why, "rate= needs a counter or counter64");
    TablePlace p = st.mib.PlaceOf(oid);
    if (p.table) {
        auto c = p.table->columns.find(p.column);
        if (c != p.table->columns.end() && c->second.syntax != syntax)
            return Fail(why, "type " + SyntaxName(syntax) + " differs from its column's " +
                                 SyntaxName(c->second.syntax));
    }
    if (!CheckAgainst(obj.value, st.mib.EffectiveSize(oid, obj), st.mib.EffectiveRange(oid, obj),
                      why))
        return false;
    st.mib.objects[oid] = std::move(obj);
    st.mib.Changed();
    return true;
}

// "create=" items: <v>, <a>..<b>, or <v>:<reads> for a value whose new row reads <reads>.
bool ParseCreateValues(const std::string& text, Table* table, std::string* why)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        start = comma == std::string::npos ? text.size() + 1 : comma + 1;
        size_t colon = item.find(':');
        Ranges values, reads;
        if (!ParseRanges(item.substr(0, colon), &values, why)) return false;
        if (colon != std::string::npos &&
            (!ParseRanges(item.substr(colon + 1), &reads, why) || reads.items.size() != 1 ||
             reads.items[0].first != reads.items[0].second ||
             values.items[0].first != values.items[0].second))
            return Fail(why, "expected create=<value>:<value it reads>");
        for (const auto& r : values.items)
            for (std::int64_t v = r.first; v <= r.second && v - r.first < 64; ++v) {
                table->createValues.push_back(v);
                if (colon != std::string::npos) table->createdReads[v] = reads.items[0].first;
            }
    }
    return true;
}

bool JoinedLine(AgentState& st, const Tokens& t, std::string* why)
{
    if (t.size() < 3) return Fail(why, "expected: joined <entry-oid> <entry-oid>...");
    std::vector<Oid> group;
    for (size_t i = 1; i < t.size(); ++i) {
        Oid oid;
        if (!ParseOid(t[i].text, &oid, why)) return false;
        group.push_back(std::move(oid));
    }
    st.mib.joins.push_back(std::move(group));
    return true;
}

bool CountersLine(AgentState& st, const Tokens& t, std::string* why)
{
    if (t.size() != 2 || (t[1].text != "still" && t[1].text != "moving"))
        return Fail(why, "expected: counters still|moving");
    st.mib.countersStill = t[1].text == "still";
    return true;
}

bool TableLine(AgentState& st, const Tokens& t, std::string* why)
{
    if (t.size() < 2) return Fail(why, "missing table entry OID");
    Table table;
    if (!ParseOid(t[1].text, &table.entry, why)) return false;
    if (st.mib.tables.count(table.entry)) return Fail(why, "table declared twice");
    size_t i = 2;
    long col;
    if (i < t.size() && (t[i].text == "rowstatus" || t[i].text == "status")) {
        table.kind = t[i].text == "rowstatus" ? StatusKind::RowStatus : StatusKind::Values;
        if (i + 1 >= t.size() || !ParseCount(t[i + 1].text, 4294967295L, &col) || col == 0)
            return Fail(why, "missing status column number");
        table.statusColumn = static_cast<std::uint64_t>(col);
        i += 2;
    }
    for (; i < t.size(); ++i) {
        const std::string& s = t[i].text;
        Ranges r;
        if (s.rfind("index=", 0) == 0) {
            if (!ParseRanges(s.substr(6), &table.index, why)) return false;
        } else if (table.kind == StatusKind::Values && s.rfind("create=", 0) == 0) {
            if (!ParseCreateValues(s.substr(7), &table, why)) return false;
        } else if (table.kind == StatusKind::Values && s.rfind("delete=", 0) == 0) {
            if (!ParseRanges(s.substr(7), &r, why) || r.items.size() != 1 ||
                r.items[0].first != r.items[0].second)
                return Fail(why, "delete= takes one value");
            table.hasDelete = true;
            table.deleteValue = r.items[0].first;
        } else {
            return Fail(why, "unexpected \"" + s + "\"");
        }
    }
    if (table.kind == StatusKind::Values && table.createValues.empty() && !table.hasDelete)
        return Fail(why, "status column without create= or delete=");
    if (table.kind != StatusKind::None) {
        Column status;
        status.access = Access::ReadWrite;
        table.columns[table.statusColumn] = status;
    }
    if (table.kind != StatusKind::None) {
        Oid status = table.entry;
        status.push_back(table.statusColumn);
        for (auto it = st.mib.objects.lower_bound(status);
             it != st.mib.objects.end() && StartsWith(it->first, status); ++it)
            if (it->first.size() > status.size() && it->second.value.syntax != Syntax::Integer)
                return Fail(why, "status instance " + OidText(it->first) + " is not an integer");
    }
    Oid key = table.entry;
    st.mib.tables[key] = std::move(table);
    st.mib.Changed();
    return true;
}

bool ColumnLine(AgentState& st, const Tokens& t, std::string* why)
{
    if (t.size() < 2) return Fail(why, "missing column OID");
    Oid oid;
    if (!ParseOid(t[1].text, &oid, why)) return false;
    Oid entry(oid.begin(), oid.end() - 1);
    auto tit = st.mib.tables.find(entry);
    if (tit == st.mib.tables.end()) return Fail(why, "column outside any declared table");
    Table& table = tit->second;
    std::uint64_t number = oid.back();
    Column col;
    size_t i = 2;
    if (i < t.size() && ParseAccess(t[i].text, &col.access)) ++i;
    bool hex;
    if (i >= t.size() || !ParseSyntax(t[i].text, &col.syntax, &hex))
        return Fail(why, i >= t.size() ? "missing type" : "unknown type \"" + t[i].text + "\"");
    ++i;
    if (i < t.size() && !t[i].quoted && t[i].text == "default") {
        if (++i >= t.size()) return Fail(why, "missing default value");
        const std::string& d = t[i].text;
        if (!t[i].quoted && (d == "index" || d.rfind("index.", 0) == 0)) {
            long arc = 0;
            if (d != "index" && (!ParseCount(d.substr(6), 128, &arc) || arc == 0))
                return Fail(why, "bad default \"" + d + "\"");
            if (col.syntax != Syntax::Integer && col.syntax != Syntax::Gauge &&
                col.syntax != Syntax::IpAddress)
                return Fail(why, "default index needs an integer, gauge or ipaddress column");
            col.def = Column::Default::Index;
            col.indexArc = static_cast<int>(arc);
            ++i;
        } else {
            std::string text;
            i = TakeValue(t, i, hex, &text);
            if (!ParseValue(col.syntax, hex, text, &col.defValue, why)) return false;
            col.def = Column::Default::Value;
        }
    }
    if (!ParseConstraints(t, i, &col.size, &col.range, why)) return false;
    if (col.def == Column::Default::Value && !CheckAgainst(col.defValue, col.size, col.range, why))
        return false;
    if (table.kind != StatusKind::None && number == table.statusColumn &&
        (col.syntax != Syntax::Integer || col.access != Access::ReadWrite))
        return Fail(why, "the status column must be rw integer");
    Oid column = entry;
    column.push_back(number);
    for (auto it = st.mib.objects.lower_bound(column);
         it != st.mib.objects.end() && StartsWith(it->first, column); ++it)
        if (it->first.size() > column.size() && it->second.value.syntax != col.syntax)
            return Fail(why, "instance " + OidText(it->first) + " has type " +
                                 SyntaxName(it->second.value.syntax));
    table.columns[number] = std::move(col);
    st.mib.Changed();
    return true;
}

bool CommunityLine(AgentState& st, const Tokens& t, std::string* why)
{
    if (t.size() != 3 || (t[1].text != "ro" && t[1].text != "rw"))
        return Fail(why, "expected: community ro|rw <name>");
    for (Community& c : st.communities)
        if (c.name == t[2].text) {
            c.write = t[1].text == "rw";
            return true;
        }
    st.communities.push_back({t[2].text, t[1].text == "rw"});
    return true;
}

const char kPassRule[] = "passwords need 8 to 255 printable characters, no blanks or quotes";

bool UserLine(AgentState& st, const Tokens& t, bool atStart, std::string* why)
{
    if (!atStart) return Fail(why, "users are set at start only");
    if (t.size() < 3) return Fail(why, "expected: user <name> [ro|rw] none|MD5|SHA ...");
    User u;
    u.name = t[1].text;
    size_t i = 2;
    if (t[i].text == "ro" || t[i].text == "rw") u.write = t[i++].text == "rw";
    // Names and passwords reach net-snmp's own user parser, which splits at blanks and quotes.
    auto plain = [](const std::string& s) {
        for (unsigned char c : s)
            if (c <= ' ' || c >= 0x7f || c == '"' || c == '\\' || c == '\'') return false;
        return !s.empty();
    };
    auto pass = [&](const std::string& p) { return plain(p) && p.size() >= 8 && p.size() <= 255; };
    if (!plain(u.name) || u.name.size() > 32) return Fail(why, "bad user name");
    if (i < t.size() && t[i].text == "none" && i + 1 == t.size()) {
        u.level = 1;
    } else if (i + 1 < t.size() && (t[i].text == "MD5" || t[i].text == "SHA")) {
        u.auth = t[i].text;
        u.authPass = t[i + 1].text;
        if (!pass(u.authPass)) return Fail(why, kPassRule);
        u.level = 2;
        i += 2;
        if (i < t.size()) {
            if (t[i].text != "DES" || i + 2 != t.size())
                return Fail(why, "expected: DES <privpass> after the authentication");
            u.priv = "DES";
            u.privPass = t[i + 1].text;
            if (!pass(u.privPass)) return Fail(why, kPassRule);
            u.level = 3;
        }
    } else {
        return Fail(why, "expected: user <name> [ro|rw] none|MD5|SHA <pass> [DES <pass>]");
    }
    for (const User& o : st.users)
        if (o.name == u.name) return Fail(why, "user defined twice");
    st.users.push_back(std::move(u));
    return true;
}

bool FaultLine(AgentState& st, const Tokens& t, std::string* why)
{
    Faults& f = st.faults;
    const std::string kind = t.size() > 1 ? t[1].text : "";
    long n;
    if (kind == "clear" && t.size() == 2) {
        f = Faults();
    } else if (kind == "delay" && t.size() == 3 && ParseCount(t[2].text, 600000, &n)) {
        f.delayMs = static_cast<int>(n);
    } else if (kind == "drop" && t.size() == 3) {
        if (t[2].text == "all") {
            f.dropAll = true;
        } else if (t[2].text == "off") {
            f.dropAll = false;
            f.dropCount = 0;
        } else if (ParseCount(t[2].text, 1000000000L, &n)) {
            f.dropAll = false;
            f.dropCount = n;
        } else {
            return Fail(why, "expected: fault drop all|off|<count>");
        }
    } else if (kind == "error" && (t.size() == 4 || t.size() == 5)) {
        Faults::Error e;
        if (!ParseOid(t[2].text, &e.oid, why)) return false;
        if (!ParseErrorStatus(t[3].text, &e.status))
            return Fail(why, "unknown error status \"" + t[3].text + "\"");
        if (t.size() == 5) {
            if (t[4].text != "get" && t[4].text != "set") return Fail(why, "expected get or set");
            e.onRead = t[4].text == "get";
            e.onWrite = !e.onRead;
        }
        for (auto it = f.errors.begin(); it != f.errors.end();)
            it = it->oid == e.oid ? f.errors.erase(it) : it + 1;
        if (e.status != 0) f.errors.push_back(e);
    } else if (kind == "short" && t.size() == 4) {
        Faults::Short s;
        if (!ParseOid(t[2].text, &s.oid, why)) return false;
        if (!ParseCount(t[3].text, 65535, &n)) return Fail(why, "bad length");
        s.length = static_cast<size_t>(n);
        for (auto it = f.shorts.begin(); it != f.shorts.end();)
            it = it->oid == s.oid ? f.shorts.erase(it) : it + 1;
        f.shorts.push_back(s);
    } else if (kind == "repeat" && t.size() == 3) {
        Oid oid;
        if (!ParseOid(t[2].text, &oid, why)) return false;
        for (auto it = f.repeats.begin(); it != f.repeats.end();)
            it = *it == oid ? f.repeats.erase(it) : it + 1;
        f.repeats.push_back(oid);
    } else {
        return Fail(why, "unknown fault (error, short, repeat, delay, drop, clear)");
    }
    return true;
}

bool UnsetLine(AgentState& st, const Tokens& t, std::string* why)
{
    Oid oid;
    if (t.size() != 2) return Fail(why, "expected: unset <oid>");
    if (!ParseOid(t[1].text, &oid, why)) return false;
    auto it = st.mib.objects.lower_bound(oid);
    while (it != st.mib.objects.end() && StartsWith(it->first, oid))
        it = st.mib.objects.erase(it);
    st.mib.Changed();
    return true;
}

}  // namespace

const Faults::Error* Faults::ErrorFor(const Oid& oid, bool write) const
{
    for (const Error& e : errors)
        if ((write ? e.onWrite : e.onRead) && StartsWith(oid, e.oid)) return &e;
    return nullptr;
}

bool Faults::ShortFor(const Oid& oid, size_t* length) const
{
    for (const Short& s : shorts)
        if (StartsWith(oid, s.oid)) return *length = s.length, true;
    return false;
}

const Oid* Faults::RepeatFor(const Oid& oid) const
{
    for (const Oid& r : repeats)
        if (StartsWith(oid, r)) return &r;
    return nullptr;
}

bool Faults::TakeDrop()
{
    if (dropAll) return true;
    if (dropCount > 0) return --dropCount, true;
    return false;
}

namespace {

bool ApplyTokens(AgentState& state, const Tokens& t, bool atStart, std::string* why)
{
    if (t.empty()) return true;
    const std::string& w = t[0].text;
    if (t[0].quoted) return Fail(why, "a line starts with an OID or a keyword");
    if (w == "table") return TableLine(state, t, why);
    if (w == "column") return ColumnLine(state, t, why);
    if (w == "community") return CommunityLine(state, t, why);
    if (w == "user") return UserLine(state, t, atStart, why);
    if (w == "fault") return FaultLine(state, t, why);
    if (w == "unset") return UnsetLine(state, t, why);
    if (w == "joined") return JoinedLine(state, t, why);
    if (w == "counters") return CountersLine(state, t, why);
    if (std::isdigit(static_cast<unsigned char>(w[0])) || w[0] == '.')
        return ObjectLine(state, t, why);
    return Fail(why, "unknown keyword \"" + w + "\"");
}

// What a line defines, for the check that two files of a folder never give the same thing:
// "<oid>" for an object, "table <oid>", "column <oid>"; empty for other lines.
std::string DefinedBy(const Tokens& t)
{
    if (t.empty() || t[0].quoted) return "";
    const std::string& w = t[0].text;
    std::string kind, text = w;
    if (w == "table" || w == "column") {
        if (t.size() < 2) return "";
        kind = w + " ";
        text = t[1].text;
    } else if (!std::isdigit(static_cast<unsigned char>(w[0])) && w[0] != '.') {
        return "";
    }
    return kind + (text[0] == '.' ? text.substr(1) : text);
}

// Where each thing was given while a folder loads: "<file>:<line>".
using Places = std::map<std::string, std::string>;

bool LoadOne(AgentState& state, const std::string& path, Places* places, std::string* why)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(why, path + ": cannot open");
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string reason;
        std::string place = path + ":" + std::to_string(number);
        Tokens t;
        try {
            t = Tokenize(line);
        } catch (const std::invalid_argument& e) {
            return Fail(why, place + ": " + e.what());
        }
        if (places) {
            std::string key = DefinedBy(t);
            if (!key.empty()) {
                auto [it, added] = places->emplace(key, place);
                std::string other = it->second.substr(0, it->second.rfind(':'));
                if (!added && other != path)
                    return Fail(why, place + ": " + key + " is already given at " + it->second);
            }
        }
        if (!ApplyTokens(state, t, true, &reason)) return Fail(why, place + ": " + reason);
    }
    return true;
}

}  // namespace

bool ApplyLine(AgentState& state, const std::string& line, bool atStart, std::string* why)
{
    Tokens t;
    try {
        t = Tokenize(line);
    } catch (const std::invalid_argument& e) {
        return Fail(why, e.what());
    }
    return ApplyTokens(state, t, atStart, why);
}

bool LoadFile(AgentState& state, const std::string& path, std::string* why)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) return LoadOne(state, path, nullptr, why);
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(path, ec))
        if (e.path().extension() == ".txt" && !e.is_directory()) files.push_back(e.path().string());
    if (ec) return Fail(why, path + ": cannot read the folder");
    if (files.empty()) return Fail(why, path + ": no *.txt file in the folder");
    std::sort(files.begin(), files.end());
    Places places;
    for (const std::string& f : files)
        if (!LoadOne(state, f, &places, why)) return false;
    return true;
}

}  // namespace vrxagent

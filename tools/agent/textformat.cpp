#include "tools/agent/textformat.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace vrxagent {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* const kStatusNames[] = {
    "noError", "tooBig", "noSuchName", "badValue", "readOnly", "genErr", "noAccess",
    "wrongType", "wrongLength", "wrongEncoding", "wrongValue", "noCreation",
    "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed",
    "authorizationError", "notWritable", "inconsistentName"};
const char* const kExceptionNames[] = {"noSuchObject", "noSuchInstance", "endOfMibView"};

bool EqualNoCase(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

bool ParseInt(const std::string& s, int* out)
{
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    *out = std::atoi(s.c_str());
    return true;
}

}  // namespace

std::vector<Token> Tokenize(const std::string& line)
{
    std::vector<Token> tokens;
    size_t i = 0, n = line.size();
    while (i < n) {
        while (i < n && IsBlank(line[i])) ++i;
        if (i >= n || line[i] == '#') break;
        Token t;
        if (line[i] != '"') {
            while (i < n && !IsBlank(line[i])) {
                if (line[i] == '"') throw std::invalid_argument("quote inside a word");
                t.text += line[i++];
            }
            tokens.push_back(std::move(t));
            continue;
        }
        t.quoted = true;
        ++i;
        bool closed = false;
        while (i < n) {
            char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                t.text += c;
                continue;
            }
            if (i >= n) break;
            char e = line[i++];
            switch (e) {
            case '"': t.text += '"'; break;
            case '\\': t.text += '\\'; break;
            case 'n': t.text += '\n'; break;
            case 'r': t.text += '\r'; break;
            case 't': t.text += '\t'; break;
            case 'x': {
                int hi = i < n ? HexDigit(line[i]) : -1;
                int lo = i + 1 < n ? HexDigit(line[i + 1]) : -1;
                if (hi < 0 || lo < 0) throw std::invalid_argument("bad \\x escape");
                t.text += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: throw std::invalid_argument(std::string("unknown escape \\") + e);
            }
        }
        if (!closed) throw std::invalid_argument("unterminated string");
        if (i < n && !IsBlank(line[i])) throw std::invalid_argument("text right after a string");
        tokens.push_back(std::move(t));
    }
    return tokens;
}

std::string Quote(const std::string& bytes)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out + "\"";
}

std::string ErrorStatusName(int status)
{
    if (status >= 0 && status <= 18) return kStatusNames[status];
    if (status >= 128 && status <= 130) return kExceptionNames[status - 128];
    return std::to_string(status);
}

bool ParseErrorStatus(const std::string& text, int* status)
{
    for (int i = 0; i <= 18; ++i)
        if (EqualNoCase(text, kStatusNames[i])) return *status = i, true;
    for (int i = 0; i < 3; ++i)
        if (EqualNoCase(text, kExceptionNames[i])) return *status = 128 + i, true;
    int n;
    if (ParseInt(text, &n) && (n <= 18 || (n >= 128 && n <= 130))) return *status = n, true;
    return false;
}

std::string FormatLogRecord(const LogRecord& r)
{
    std::string line = r.kind + " " + r.version + " " + Quote(r.name) + " " + r.level + " " +
                       r.status + " " + std::to_string(r.errorIndex);
    for (const LogVarbind& vb : r.varbinds) {
        line += " | " + vb.oid + " " + vb.type + " ";
        if (vb.type == "null")
            line += "-";
        else if (vb.type == "string" || vb.type == "opaque" || vb.type == "bitstring")
            line += Quote(vb.value);
        else
            line += vb.value;
    }
    return line;
}

bool ParseLogRecord(const std::string& line, LogRecord* r)
{
    std::vector<Token> t;
    try {
        t = Tokenize(line);
    } catch (const std::invalid_argument&) {
        return false;
    }
    if (t.size() < 6) return false;
    const std::string& k = t[0].text;
    if (k != "GET" && k != "GETNEXT" && k != "GETBULK" && k != "SET") return false;
    LogRecord out;
    out.kind = k;
    out.version = t[1].text;
    out.name = t[2].text;
    out.level = t[3].text;
    out.status = t[4].text;
    if (!ParseInt(t[5].text, &out.errorIndex)) return false;
    size_t i = 6;
    while (i < t.size()) {
        if (t[i].quoted || t[i].text != "|" || i + 3 >= t.size()) return false;
        LogVarbind vb;
        vb.oid = t[i + 1].text;
        vb.type = t[i + 2].text;
        vb.value = vb.type == "null" ? std::string() : t[i + 3].text;
        out.varbinds.push_back(std::move(vb));
        i += 4;
    }
    *r = std::move(out);
    return true;
}

std::string FormatControlAck(const ControlAck& ack)
{
    std::string line = "CONTROL " + std::to_string(ack.line) + (ack.ok ? " ok" : " error");
    if (!ack.ok) line += " " + Quote(ack.reason);
    return line;
}

bool ParseControlAck(const std::string& line, ControlAck* ack)
{
    std::vector<Token> t;
    try {
        t = Tokenize(line);
    } catch (const std::invalid_argument&) {
        return false;
    }
    if (t.size() < 3 || t[0].text != "CONTROL") return false;
    ControlAck out;
    if (!ParseInt(t[1].text, &out.line)) return false;
    if (t[2].text == "ok") {
        out.ok = true;
    } else if (t[2].text == "error") {
        out.reason = t.size() > 3 ? t[3].text : std::string();
    } else {
        return false;
    }
    *ack = out;
    return true;
}

}  // namespace vrxagent

#include "platform/snmp/bootcounter.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "platform/snmp/snmperrs.h"

namespace {

constexpr size_t kMaxEngineIdLength = 32;
constexpr unsigned long kMaxBoots = 2147483647ul;

// Splits "<hex> <decimal>"; false when the line is not of that form.
bool ParseLine(const std::string& line, std::string& engineHex, unsigned long& boots)
{
    size_t sp = line.find(' ');
    if (sp == std::string::npos || sp == 0) return false;
    engineHex = line.substr(0, sp);
    if (engineHex.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos || engineHex.size() % 2)
        return false;
    std::string num = line.substr(sp + 1);
    if (num.empty() || num.size() > 10 || num.find_first_not_of("0123456789") != std::string::npos) return false;
    boots = std::strtoul(num.c_str(), nullptr, 10);
    return boots <= kMaxBoots;
}

std::string Hex(const OctetStr& id)
{
    std::string h = id.get_printable_hex();
    std::string out;
    for (char c : h)
        if (c != ' ') out += c;
    return out;
}

bool SameHex(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Reads every line; false when the file exists but a line is malformed or reading failed.
bool ReadLines(std::ifstream& f, std::vector<std::string>& lines)
{
    std::string line;
    while (std::getline(f, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::string hex;
        unsigned long boots = 0;
        if (!ParseLine(line, hex, boots)) return false;
        lines.push_back(line);
    }
    return !f.bad();
}

}  // namespace

int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots)
{
    boots = 0;
    if (engineId.len() > kMaxEngineIdLength) return SNMPv3_TOO_LONG_ERROR;
    if (engineId.empty()) return SNMPv3_NO_ENTRY_ERROR;
    std::ifstream f(fileName, std::ios::binary);
    if (!f) return SNMPv3_FILEOPEN_ERROR;
    std::vector<std::string> lines;
    if (!ReadLines(f, lines)) return SNMPv3_FILE_ERROR;
    std::string want = Hex(engineId);
    for (const std::string& line : lines) {
        std::string hex;
        unsigned long b = 0;
        ParseLine(line, hex, b);
        if (SameHex(hex, want)) {
            boots = static_cast<unsigned int>(b);
            return SNMPv3_OK;
        }
    }
    return SNMPv3_NO_ENTRY_ERROR;
}

int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots)
{
    if (engineId.len() > kMaxEngineIdLength) return SNMPv3_TOO_LONG_ERROR;
    if (engineId.empty()) return SNMPv3_FILE_ERROR;
    if (boots > kMaxBoots) boots = kMaxBoots;  // the counter stops at its ceiling
    std::vector<std::string> lines;
    {
        std::ifstream f(fileName, std::ios::binary);
        if (f && !ReadLines(f, lines)) return SNMPv3_FILE_ERROR;
    }
    std::string want = Hex(engineId);
    std::string temp = fileName + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return SNMPv3_FILECREATE_ERROR;
        for (const std::string& line : lines) {
            std::string hex;
            unsigned long b = 0;
            ParseLine(line, hex, b);
            if (!SameHex(hex, want)) out << line << '\n';
        }
        out << want << ' ' << boots << '\n';
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return SNMPv3_FILE_ERROR;
        }
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        std::remove(temp.c_str());
        return SNMPv3_FILERENAME_ERROR;
    }
    return SNMPv3_OK;
}

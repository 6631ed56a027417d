#include "platform/os/profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

std::string TrimBlanks(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& fileName,
                                    size_t bufferSize)
{
    auto cut = [bufferSize](std::string v) {
        if (bufferSize == 0) return std::string();
        if (v.size() > bufferSize - 1) v.resize(bufferSize - 1);
        return v;
    };
    std::ifstream f(fileName, std::ios::binary);
    if (!f) return cut(def);
    std::string line;
    bool inSection = false;
    while (std::getline(f, line)) {
        std::string t = TrimBlanks(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            size_t close = t.find(']');
            std::string name = TrimBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = EqualNoCase(name, section);
            continue;
        }
        if (!inSection) continue;
        size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        if (!EqualNoCase(TrimBlanks(t.substr(0, eq)), key)) continue;
        std::string v = TrimBlanks(t.substr(eq + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        return cut(v);
    }
    return cut(def);
}

#include "platform/os/registry.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const kRoot = "hkey_local_machine";

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

// Lower case, no empty parts, no backslash at either end: "a\\B\" -> "a\b".
std::string NormalisePath(const std::string& path)
{
    std::string out;
    std::string part;
    auto flush = [&] {
        if (part.empty()) return;
        if (!out.empty()) out += '\\';
        out += Lower(part);
        part.clear();
    };
    for (char c : path) {
        if (c == '\\') flush();
        else part += c;
    }
    flush();
    return out;
}

bool IsBelowOrAt(const std::string& path, const std::string& key)
{
    return path == key || (path.size() > key.size() && path.compare(0, key.size(), key) == 0 &&
                           path[key.size()] == '\\');
}

// The registry editor writes UTF-16 little-endian with a byte-order mark; our texts are
// single bytes, so characters beyond Latin-1 become '?'.
std::string DecodeUtf16(const std::string& bytes, size_t from)
{
    std::string out;
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
        unsigned u = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        out += u < 0x100 ? static_cast<char>(u) : '?';
    }
    return out;
}

// A quoted text starting at s[pos] == '"'; pos ends after the closing quote. False when the
// quote is not closed.
bool ReadQuoted(const std::string& s, size_t& pos, std::string& out)
{
    out.clear();
    for (size_t i = pos + 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
        } else if (c == '"') {
            pos = i + 1;
            return true;
        } else {
            out += c;  // a lone backslash stays as written
        }
    }
    return false;
}

std::vector<unsigned char> HexBytes(const std::string& list)
{
    std::vector<unsigned char> bytes;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        item = Trim(item);
        if (item.empty()) continue;
        bytes.push_back(static_cast<unsigned char>(std::strtoul(item.c_str(), nullptr, 16)));
    }
    return bytes;
}

}  // namespace

RegistryData RegistryData::FromFile(const std::string& fileName)
{
    auto fail = [&](int error) {
        return ERegistryException("Cannot read the registry file '" + fileName + "': " + std::strerror(error));
    };
    int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return RegistryData();
        throw fail(errno);
    }
    std::string bytes;
    struct stat st;
    int error = 0;
    if (::fstat(fd, &st) != 0) error = errno;
    else if (S_ISDIR(st.st_mode)) error = EISDIR;
    else if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    while (!error) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) bytes.append(buf, static_cast<size_t>(n));
        else if (n == 0) break;
        else if (errno != EINTR) error = errno;
    }
    ::close(fd);
    if (error) throw fail(error);
    return FromText(std::move(bytes));
}

RegistryData RegistryData::FromText(std::string text)
{
    if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
        static_cast<unsigned char>(text[1]) == 0xFE)
        text = DecodeUtf16(text, 2);
    else if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    RegistryData data;
    data.Parse(text);
    return data;
}

void RegistryData::Parse(const std::string& text)
{
    std::vector<std::string> lines;
    {
        std::stringstream in(text);
        std::string line;
        while (std::getline(in, line)) lines.push_back(Trim(line));
    }
    std::map<std::string, Value>* section = nullptr;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string line = lines[n];
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            size_t close = line.rfind(']');
            if (close == std::string::npos) continue;
            bool remove = line.size() > 1 && line[1] == '-';
            std::string path = NormalisePath(line.substr(remove ? 2 : 1, close - (remove ? 2 : 1)));
            section = nullptr;
            if (path.empty()) continue;
            if (remove) {
                for (auto it = keys_.begin(); it != keys_.end();)
                    it = IsBelowOrAt(it->first, path) ? keys_.erase(it) : std::next(it);
            } else {
                section = &keys_[path];
            }
            continue;
        }
        if (!section || (line[0] != '"' && line[0] != '@')) continue;

        std::string name;  // "@" names the default value, ""
        size_t pos = 0;
        if (line[0] == '@') pos = 1;
        else if (!ReadQuoted(line, pos, name)) continue;
        while (pos < line.size() && std::isspace(static_cast<unsigned char>(line[pos]))) ++pos;
        if (pos >= line.size() || line[pos] != '=') continue;
        std::string data = Trim(line.substr(pos + 1));
        // Long binary values go on over lines that end in a backslash; appended in place, as
        // a value of megabytes spans tens of thousands of lines.
        while (!data.empty() && data.back() == '\\' && data[0] != '"' && n + 1 < lines.size()) {
            data.pop_back();
            data += lines[++n];
        }
        std::string key = Lower(name);

        Value v;
        if (data == "-") {
            section->erase(key);
            continue;
        } else if (!data.empty() && data[0] == '"') {
            size_t p = 0;
            if (!ReadQuoted(data, p, v.text)) continue;
            v.type = rdString;
        } else if (Lower(data.substr(0, 6)) == "dword:") {
            v.type = rdInteger;
            v.number = std::strtoul(data.c_str() + 6, nullptr, 16);
        } else if (Lower(data.substr(0, 7)) == "hex(2):") {
            std::vector<unsigned char> b = HexBytes(data.substr(7));
            std::string raw(b.begin(), b.end());
            v.type = rdExpandString;
            v.text = DecodeUtf16(raw, 0);
            while (!v.text.empty() && v.text.back() == '\0') v.text.pop_back();
        } else if (Lower(data.substr(0, 3)) == "hex") {
            v.type = rdBinary;
        } else {
            continue;
        }
        (*section)[key] = v;
    }
}

bool RegistryData::KeyExists(const std::string& path) const
{
    std::string key = NormalisePath(path);
    auto it = keys_.lower_bound(key);
    return it != keys_.end() && IsBelowOrAt(it->first, key);
}

const RegistryData::Value* RegistryData::Find(const std::string& path, const std::string& name) const
{
    auto k = keys_.find(NormalisePath(path));
    if (k == keys_.end()) return nullptr;
    auto v = k->second.find(Lower(name));
    return v == k->second.end() ? nullptr : &v->second;
}

std::string RegistryFileName()
{
    const char* own = std::getenv("VRX6120_REGISTRY");
    if (own && *own) return own;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/vrx6120/registry.reg";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/vrx6120/registry.reg";
    return std::string();
}

namespace {

// The file as last read, while it stays the same file with the same size and time: every
// registry object of a start reads the same file, and an export can run to megabytes.
std::shared_ptr<const RegistryData> SharedFileData(const std::string& fileName)
{
    struct Cache {
        std::string name;
        struct stat st {};
        std::shared_ptr<const RegistryData> data;
    };
    static Cache cache;
    struct stat st;
    bool known = ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (known && cache.data && cache.name == fileName && cache.st.st_dev == st.st_dev &&
        cache.st.st_ino == st.st_ino && cache.st.st_size == st.st_size &&
        cache.st.st_mtim.tv_sec == st.st_mtim.tv_sec && cache.st.st_mtim.tv_nsec == st.st_mtim.tv_nsec)
        return cache.data;
    auto data = std::make_shared<const RegistryData>(RegistryData::FromFile(fileName));
    if (known) cache = Cache{fileName, st, data};
    return data;
}

}  // namespace

TRegistry::TRegistry() : data_(SharedFileData(RegistryFileName())) {}

TRegistry::TRegistry(RegistryData data) : data_(std::make_shared<const RegistryData>(std::move(data))) {}

std::string TRegistry::FullPath(const std::string& path) const
{
    std::string rel = NormalisePath(path);
    std::string base = std::string(kRoot);
    if (!(path.size() > 0 && path[0] == '\\') && open_ && !current_.empty()) base += '\\' + Lower(current_);
    return rel.empty() ? base : base + '\\' + rel;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate)
{
    std::string full = FullPath(key);
    bool exists = data_->KeyExists(full);
    if (!exists) {
        for (const std::string& c : created_) exists = exists || IsBelowOrAt(c, full);
    }
    if (!exists && !canCreate) return false;
    if (!exists) created_.insert(full);
    current_ = full.size() > std::string(kRoot).size() ? full.substr(std::string(kRoot).size() + 1) : "";
    open_ = true;
    return true;
}

bool TRegistry::ValueExists(const std::string& name) const
{
    return open_ && data_->Find(std::string(kRoot) + '\\' + current_, name) != nullptr;
}

std::string TRegistry::ReadString(const std::string& name) const
{
    if (!open_) return std::string();
    const RegistryData::Value* v = data_->Find(std::string(kRoot) + '\\' + current_, name);
    if (!v) return std::string();
    if (v->type != RegistryData::rdString && v->type != RegistryData::rdExpandString)
        throw ERegistryException("Invalid data type for '" + name + "'");
    return v->text;
}

#include "platform/snmp/bootcounter.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
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

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Makes the rename itself survive a crash.
void SyncFolderOf(const std::string& fileName)
{
    size_t slash = fileName.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : fileName.substr(0, slash));
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
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
    std::string text;
    for (const std::string& line : lines) {
        std::string hex;
        unsigned long b = 0;
        ParseLine(line, hex, b);
        if (!SameHex(hex, want)) text += line + '\n';
    }
    text += want + ' ' + std::to_string(boots) + '\n';

    // A name of our own, created exclusively: two modules never share it, and a link planted
    // beside the file is never followed.
    std::string temp = fileName + ".XXXXXX";
    int fd = mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0) return SNMPv3_FILECREATE_ERROR;
    bool written = WriteAll(fd, text) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written) {
        unlink(temp.c_str());
        return SNMPv3_FILE_ERROR;
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        unlink(temp.c_str());
        return SNMPv3_FILERENAME_ERROR;
    }
    SyncFolderOf(fileName);
    return SNMPv3_OK;
}

BootCounterLock::BootCounterLock(const std::string& fileName)
{
    const std::string name = fileName + ".lock";
    int fd = open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return;
    // Another start holds it only for a read and a write: a few seconds are plenty.
    busy_ = true;
    for (int tries = 0; tries < 500 && busy_; ++tries) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            busy_ = false;
            return;
        }
        busy_ = errno == EWOULDBLOCK || errno == EINTR;
        if (busy_) usleep(10000);
    }
    close(fd);
}

BootCounterLock::~BootCounterLock()
{
    if (fd_ >= 0) close(fd_);  // releases the lock
}

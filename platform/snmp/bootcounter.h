// The SNMPv3 engine boots counter file: one line per engine, "<engine id in hex> <boots>".
#pragma once

#include <string>

#include "platform/snmp/smival.h"

// Reads the counter of that engine. SNMPv3_OK; SNMPv3_FILEOPEN_ERROR when the file cannot be
// opened; SNMPv3_NO_ENTRY_ERROR when it has no line for the engine; SNMPv3_TOO_LONG_ERROR for an
// engine id over 32 octets; SNMPv3_FILE_ERROR when a line cannot be read. boots is 0 unless the
// result is SNMPv3_OK.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots);

// Writes the counter of that engine, keeping the lines of other engines. The file is replaced
// whole (written to a new file of a unique name beside it, synced, then renamed), so a failure
// leaves the old file as it was.
// SNMPv3_OK, SNMPv3_TOO_LONG_ERROR, SNMPv3_FILE_ERROR (the old file cannot be read),
// SNMPv3_FILECREATE_ERROR or SNMPv3_FILERENAME_ERROR.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots);

// Holds the exclusive lock of a counter file (on "<file>.lock" beside it) while it lives, so
// that the read, the raise and the save of one start are not interleaved with those of another
// process starting in the same folder. Without a lock file (an unwritable folder) nothing is
// locked, and the save reports the folder; busy() is true when another process held the lock
// for longer than a few seconds.
class BootCounterLock {
public:
    explicit BootCounterLock(const std::string& fileName);
    ~BootCounterLock();
    BootCounterLock(const BootCounterLock&) = delete;
    BootCounterLock& operator=(const BootCounterLock&) = delete;
    bool locked() const { return fd_ >= 0; }
    bool busy() const { return busy_; }

private:
    int fd_ = -1;
    bool busy_ = false;
};

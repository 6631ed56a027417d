// Ini reading and small utilities of the common library.
#pragma once

#include <cstdint>

#include "platform/ui/ansistring.h"

class QzIni {
public:
    explicit QzIni(const AnsiString& fileName) : fileName_(fileName) {}
    // The trimmed value of the key; `def` unchanged when the value is empty or missing.
    AnsiString ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) const;
    const AnsiString& FileName() const { return fileName_; }

private:
    AnsiString fileName_;
};

// dir and name with one separator between them; name alone when dir is empty. A directory
// that already ends in a separator ('/' or '\') gets none added.
AnsiString JoinPath(const AnsiString& dir, const AnsiString& name);

// base to the power of exponent in unsigned 32-bit arithmetic (wrapping).
uint32_t IntPower(uint32_t base, uint32_t exponent);

// A plain owned byte buffer.
struct QzBinaryString {
    QzBinaryString() = default;
    ~QzBinaryString() { delete[] data; }
    QzBinaryString(const QzBinaryString&) = delete;
    QzBinaryString& operator=(const QzBinaryString&) = delete;

    int length = 0;
    unsigned char* data = nullptr;
};

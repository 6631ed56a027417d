#include "common/qzini.h"

#include "platform/os/profile.h"

AnsiString QzIni::ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) const
{
    std::string v = GetPrivateProfileString(section.std(), key.std(), def.std(), fileName_.std(), 4096);
    if (v.empty()) return def;
    return AnsiString(v).Trim();
}

AnsiString JoinPath(const AnsiString& dir, const AnsiString& name)
{
    if (dir.IsEmpty()) return name;
    char last = dir[dir.Length()];
    if (last == '/' || last == '\\') return dir + name;
    return dir + "/" + name;
}

uint32_t IntPower(uint32_t base, uint32_t exponent)
{
    uint32_t r = 1;
    for (uint32_t i = 0; i < exponent; ++i) r *= base;
    return r;
}

#include "common/qzmessages.h"

#include <fstream>
#include <iterator>

#include "platform/ui/sysutils.h"

namespace {

const char* const kCommonTexts[] = {
    "(QzCommon) Ok!",
    "(QzCommon) Bad logic operand!",
    "(QzCommon) Bad format specifier of edit's constraint!",
    "(QzCommon) Empty value is not allowed!",
    "(QzCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(QzCommon) Please enter a string whose length is [LEN]!",
    "(QzCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(QzCommon) Please enter a hex string whose length is [LEN]!",
    "(QzCommon) Please enter a number between [MIN] and [MAX]!",
    "(QzCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "(QzCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "(QzCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "(QzCommon) Out of range at index of array or list!",
    "(QzCommon) Destination buffer is undersize!",
    "(QzCommon) The source to dncrypt is not encrypted!",
    "(QzCommon) Fail to read data from file([FILENAME])!",
    "(QzCommon) Fail to write data to file([FILENAME])!",
    "(QzCommon) Fail to write value in ini file([FILENAME])!",
    "(QzCommon) Fail to read option data from file([FILENAME])!",
};

bool IsBlank(const std::string& line)
{
    for (char c : line)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

}  // namespace

QzMessageTable QzCommonMessageTable(kCommonTexts, static_cast<int>(std::size(kCommonTexts)));

AnsiString QzMessageTable::Text(int index) const
{
    if (index < 0) return AnsiString();
    if (index < LoadedCount()) return AnsiString(loaded_[static_cast<size_t>(index)]);
    if (index < count_) return AnsiString(builtin_[index]);
    return AnsiString();
}

void LoadMessageFile(QzMessageTable& table, const AnsiString& fileName)
{
    std::ifstream f(fileName.c_str(), std::ios::binary);
    if (!f) return;
    std::vector<std::string> lines;
    std::string line;
    // Lines of any length stay whole; CR LF and LF both end a line.
    while (std::getline(f, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsBlank(line)) continue;
        lines.push_back(line);
    }
    if (lines.empty()) return;
    table.Replace(std::move(lines));
}

AnsiString ReplaceAll(const AnsiString& text, const AnsiString& pattern, const AnsiString& replacement)
{
    if (pattern.IsEmpty()) return text;
    const std::string& s = text.std();
    const std::string& p = pattern.std();
    std::string out;
    size_t pos = 0;
    for (;;) {
        size_t hit = s.find(p, pos);
        if (hit == std::string::npos) break;
        out.append(s, pos, hit - pos);
        out += replacement.std();
        pos = hit + p.size();
    }
    out.append(s, pos, std::string::npos);
    return AnsiString(std::move(out));
}

void QzThrowCommon(int index) { QzThrowCommon(index, QzCommonMessageTable.Text(index)); }

void QzThrowCommon(int index, const AnsiString& text) { throw Exception(text, -index); }

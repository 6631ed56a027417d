// Message tables: built-in texts that a message file may replace at start-up, the loader
// for all of the libraries' tables, and placeholder replacement.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ansistring.h"

class QzMessageTable {
public:
    QzMessageTable(const char* const* builtin, int count) : builtin_(builtin), count_(count) {}

    // The loaded text of that index; the built-in one where the loaded file gave no line;
    // empty beyond both.
    AnsiString Text(int index) const;
    AnsiString operator[](int index) const { return Text(index); }
    int BuiltinCount() const { return count_; }
    int LoadedCount() const { return static_cast<int>(loaded_.size()); }
    void Replace(std::vector<std::string> lines) { loaded_ = std::move(lines); }
    void Reset() { loaded_.clear(); }

private:
    const char* const* builtin_;
    int count_;
    std::vector<std::string> loaded_;
};

// The common library's table (19 texts).
extern QzMessageTable QzCommonMessageTable;

// Indexes of the common library's texts; the help context of its exceptions is -index.
enum QzCommonMessage : int {
    qcOk = 0,
    qcBadLogicOperand = 1,
    qcBadConstraintSpecifier = 2,
    qcEmptyValue = 3,            // an edit that must not be empty
    qcTextTooLong = 4,           // [MAXLEN]
    qcTextLength = 5,            // [LEN]
    qcHexTooLong = 6,            // [MAXLEN]
    qcHexLength = 7,             // [LEN]
    qcNumberRange = 8,           // [MIN], [MAX]
    qcNumberCountTooHigh = 9,    // [DELIMITER], [MAXCOUNT]
    qcNumberCount = 10,          // [DELIMITER], [COUNT]
    qcNumberListRange = 11,      // [DELIMITER], [MIN], [MAX]
};

// Replaces the table with the non-blank lines of the file, one message a line. A missing,
// unreadable or all-blank file leaves the table as it was.
void LoadMessageFile(QzMessageTable& table, const AnsiString& fileName);

// Every occurrence of pattern, left to right; inserted text is not searched again.
AnsiString ReplaceAll(const AnsiString& text, const AnsiString& pattern, const AnsiString& replacement);

// Throws the common library's Exception for message `index` (help context -index).
[[noreturn]] void QzThrowCommon(int index);
[[noreturn]] void QzThrowCommon(int index, const AnsiString& text);

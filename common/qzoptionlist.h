// QzOptionList: the two-way map between the values an agent stores and the labels the
// operator sees, built once from a constant table of {value, label} pairs.
#pragma once

#include <vector>

#include "platform/ui/ansistring.h"

class TComboBox;
class TRadioGroup;

// Construction tables end at the first pair whose label is null.
struct QzOptionEntry {
    int value;
    const char* label;
};
struct QzOptionTextEntry {
    const char* value;
    const char* label;
};

struct QzOptionItem {
    int key = 0;      // kind 1
    AnsiString text;  // kinds 2 and 3
    AnsiString label;
};

class QzOptionList {
public:
    enum Kind { Integer = 1, Text = 2, TextPrefix = 3 };

    QzOptionList(const QzOptionEntry* table, int kind = Integer, bool caseSensitive = false);
    QzOptionList(const QzOptionTextEntry* table, int kind = Text, bool caseSensitive = false);
    QzOptionList(const QzOptionList&) = delete;
    QzOptionList& operator=(const QzOptionList&) = delete;

    void Clear();
    void AddTable(const QzOptionEntry* table);
    void AddTable(const QzOptionTextEntry* table);
    static int CountTableItems(const QzOptionEntry* table);
    static int CountTableItems(const QzOptionTextEntry* table);

    int Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Callers pass 0 .. Count()-1.
    const QzOptionItem* GetItem(int index) const { return &items_[static_cast<size_t>(index)]; }

    int IndexOfLabel(const AnsiString& text) const;
    int IndexOfValue(const AnsiString& text) const;
    AnsiString ValueToLabel(const AnsiString& text) const;
    AnsiString LabelToValue(const AnsiString& text) const;

    void FillComboBox(TComboBox* box) const;
    void FillRadioGroup(TRadioGroup* group) const;
    void SelectComboBoxItem(TComboBox* box, const AnsiString& text) const;
    void SelectRadioGroupItem(TRadioGroup* group, const AnsiString& text) const;

private:
    bool LabelMatches(const QzOptionItem& item, const AnsiString& text) const;
    bool ValueMatches(const QzOptionItem& item, const AnsiString& text) const;

    int kind_;
    bool caseSensitive_;
    std::vector<QzOptionItem> items_;
};

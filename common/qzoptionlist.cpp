#include "common/qzoptionlist.h"

#include <cstring>

#include "platform/ui/sysutils.h"

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `text` begins with `prefix` (bytes; ASCII case folded unless caseSensitive).
bool StartsWith(const AnsiString& text, const AnsiString& prefix, bool caseSensitive)
{
    if (prefix.Length() > text.Length()) return false;
    const char* t = text.c_str();
    const char* p = prefix.c_str();
    for (int i = 0; i < prefix.Length(); ++i) {
        char a = t[i], b = p[i];
        if (caseSensitive ? a != b : FoldAscii(a) != FoldAscii(b)) return false;
    }
    return true;
}

}  // namespace

QzOptionList::QzOptionList(const QzOptionEntry* table, int kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    AddTable(table);
}

QzOptionList::QzOptionList(const QzOptionTextEntry* table, int kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    AddTable(table);
}

void QzOptionList::Clear() { items_.clear(); }

int QzOptionList::CountTableItems(const QzOptionEntry* table)
{
    int n = 0;
    if (table)
        while (table[n].label) ++n;
    return n;
}

int QzOptionList::CountTableItems(const QzOptionTextEntry* table)
{
    int n = 0;
    if (table)
        while (table[n].label) ++n;
    return n;
}

void QzOptionList::AddTable(const QzOptionEntry* table)
{
    int n = CountTableItems(table);
    items_.reserve(items_.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        QzOptionItem item;
        item.key = table[i].value;
        item.label = table[i].label;
        items_.push_back(item);
    }
}

void QzOptionList::AddTable(const QzOptionTextEntry* table)
{
    int n = CountTableItems(table);
    items_.reserve(items_.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        QzOptionItem item;
        item.text = table[i].value;
        item.label = table[i].label;
        items_.push_back(item);
    }
}

bool QzOptionList::LabelMatches(const QzOptionItem& item, const AnsiString& text) const
{
    switch (kind_) {
    case Integer:
    case Text:
        return caseSensitive_ ? text.AnsiCompare(item.label) == 0 : text.AnsiCompareIC(item.label) == 0;
    case TextPrefix:
        return StartsWith(text, item.label, caseSensitive_);
    default:
        return false;
    }
}

bool QzOptionList::ValueMatches(const QzOptionItem& item, const AnsiString& text) const
{
    switch (kind_) {
    case Text:
        return caseSensitive_ ? text.AnsiCompare(item.text) == 0 : text.AnsiCompareIC(item.text) == 0;
    case TextPrefix:
        return StartsWith(text, item.text, caseSensitive_);
    default:
        return false;
    }
}

int QzOptionList::IndexOfLabel(const AnsiString& text) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (LabelMatches(items_[i], text)) return static_cast<int>(i);
    return -1;
}

int QzOptionList::IndexOfValue(const AnsiString& text) const
{
    if (kind_ == Integer) {
        // "(NULL)" is the layer's text for a missing value: it never names an item.
        if (text == "(NULL)") return -1;
        int v = 0;
        try {
            v = text.ToInt();
        } catch (const EConvertError&) {
            return -1;
        }
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].key == v) return static_cast<int>(i);
        return -1;
    }
    for (size_t i = 0; i < items_.size(); ++i)
        if (ValueMatches(items_[i], text)) return static_cast<int>(i);
    return -1;
}

AnsiString QzOptionList::ValueToLabel(const AnsiString& text) const
{
    int i = IndexOfValue(text);
    if (i < 0) return text;
    const QzOptionItem& item = items_[static_cast<size_t>(i)];
    if (kind_ == TextPrefix) return item.label + text.SubString(item.text.Length() + 1, text.Length());
    return item.label;
}

AnsiString QzOptionList::LabelToValue(const AnsiString& text) const
{
    int i = IndexOfLabel(text);
    if (i < 0) return text;
    const QzOptionItem& item = items_[static_cast<size_t>(i)];
    switch (kind_) {
    case Integer: return AnsiString(item.key);
    case Text: return item.text;
    default: return item.text + text.SubString(item.label.Length() + 1, text.Length());
    }
}

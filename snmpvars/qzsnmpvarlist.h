// QzSNMPVarList: a request's working copy of descriptor tables, with the list type and key
// count that decide how it is read and written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ansistring.h"
#include "snmpvars/uisnmpvar.h"

class QzOptionList;

// One item: a descriptor record whose texts the list owns, with its own value text and the
// instance OID last received for it. The record fields point into the item; `value` and
// `lastOid` always point to the item's own strings.
class QzSNMPVarItem : public UISnmpVar {
public:
    explicit QzSNMPVarItem(const UISnmpVar& source);
    QzSNMPVarItem(const QzSNMPVarItem&) = delete;
    QzSNMPVarItem& operator=(const QzSNMPVarItem&) = delete;

    void SetOid(const AnsiString& oidText);

private:
    struct Text {
        bool present = false;
        std::string text;
        const char* get() const { return present ? text.c_str() : nullptr; }
    };
    static Text Copy(const char* s);

    Text oidText_, labelText_, readText_, writeText_, text3Text_;
    AnsiString valueText_, lastOidText_;
};

class QzSNMPVarList {
public:
    QzSNMPVarList();
    QzSNMPVarList(const UISnmpVar* table, unsigned char listType, int keyCount);
    QzSNMPVarList(const QzSNMPVarList& other);
    ~QzSNMPVarList();
    // Copies list type, key count, description and every item; keeps this list's instance
    // text and its own option lists. Assigning a list to itself leaves it as it is.
    QzSNMPVarList& operator=(const QzSNMPVarList& other);
    QzSNMPVarList& Assign(const QzSNMPVarList& other) { return *this = other; }

    void Clear();
    // Appends one item per record of the table; a table without records changes nothing.
    void AddTable(const UISnmpVar* table);
    // Every item's OID becomes OID + "." + suffix.
    void AppendOidSuffix(const AnsiString& suffix);

    // 0 <= i < GetCount(); the reference stays valid until the item is cleared.
    QzSNMPVarItem& Items(int i) const { return *items_[static_cast<size_t>(i)]; }
    int GetCount() const { return static_cast<int>(items_.size()); }

    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsShownColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    bool IsImpliedIndex(int i) const;
    int CountShownColumns() const;
    int CountHiddenColumns() const;

    // The list owns these option lists and deletes them with itself.
    std::vector<QzOptionList*>& OwnedOptionLists() { return ownedOptionLists_; }

    AnsiString instance;     // appended to every OID a request puts on the wire, when not empty
    int keyCount = 0;        // leading items that are a table's index columns
    unsigned char listType = SVT_SV;
    AnsiString description;  // replaces "[VARLIST]" in result messages

private:
    std::vector<std::unique_ptr<QzSNMPVarItem>> items_;
    std::vector<QzOptionList*> ownedOptionLists_;
};

// Leaves items out of the reads and writes made while it lives: they carry acInvalid, and
// lose it again when it goes. Items that carry it already keep it.
class QzSNMPItemsLeftOut {
public:
    explicit QzSNMPItemsLeftOut(QzSNMPVarList& list) : list_(&list) {}
    ~QzSNMPItemsLeftOut();
    QzSNMPItemsLeftOut(const QzSNMPItemsLeftOut&) = delete;
    QzSNMPItemsLeftOut& operator=(const QzSNMPItemsLeftOut&) = delete;

    void LeaveOut(int i);
    // The list went first: nothing is taken back.
    void Forget() { list_ = nullptr; }

private:
    QzSNMPVarList* list_;
    std::vector<int> items_;
};

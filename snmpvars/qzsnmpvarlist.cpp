#include "snmpvars/qzsnmpvarlist.h"

#include "common/qzoptionlist.h"

QzSNMPVarItem::Text QzSNMPVarItem::Copy(const char* s)
{
    Text t;
    if (s) {
        t.present = true;
        t.text = s;
    }
    return t;
}

QzSNMPVarItem::QzSNMPVarItem(const UISnmpVar& source) : UISnmpVar(source)
{
    oidText_ = Copy(source.oid);
    labelText_ = Copy(source.label);
    readText_ = Copy(source.readExpression);
    writeText_ = Copy(source.writeExpression);
    text3Text_ = Copy(source.text3);
    if (source.value) valueText_ = *source.value;
    if (source.lastOid) lastOidText_ = *source.lastOid;
    oid = oidText_.get();
    label = labelText_.get();
    readExpression = readText_.get();
    writeExpression = writeText_.get();
    text3 = text3Text_.get();
    value = &valueText_;
    lastOid = &lastOidText_;
}

void QzSNMPVarItem::SetOid(const AnsiString& oidText)
{
    oidText_.present = true;
    oidText_.text = oidText.std();
    oid = oidText_.get();
}

QzSNMPVarList::QzSNMPVarList() = default;

QzSNMPVarList::QzSNMPVarList(const UISnmpVar* table, unsigned char type, int keys)
    : keyCount(keys), listType(type)
{
    AddTable(table);
}

QzSNMPVarList::QzSNMPVarList(const QzSNMPVarList& other) { *this = other; }

QzSNMPVarList::~QzSNMPVarList()
{
    Clear();
    for (QzOptionList* list : ownedOptionLists_) delete list;
}

QzSNMPVarList& QzSNMPVarList::operator=(const QzSNMPVarList& other)
{
    if (this == &other) return *this;
    Clear();
    listType = other.listType;
    keyCount = other.keyCount;
    description = other.description;
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_) items_.push_back(std::make_unique<QzSNMPVarItem>(static_cast<const UISnmpVar&>(*item)));
    return *this;
}

void QzSNMPVarList::Clear() { items_.clear(); }

void QzSNMPVarList::AddTable(const UISnmpVar* table)
{
    int n = CountSnmpVars(table);
    if (n == 0) return;
    items_.reserve(items_.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) items_.push_back(std::make_unique<QzSNMPVarItem>(table[i]));
}

void QzSNMPVarList::AppendOidSuffix(const AnsiString& suffix)
{
    for (auto& item : items_) item->SetOid(AnsiString(item->oid) + "." + suffix);
}

bool QzSNMPVarList::IsReadable(int i) const { return QzIsReadable(Items(i)); }

bool QzSNMPVarList::IsWritable(int i) const { return QzIsWritable(Items(i), i, listType, keyCount); }

bool QzSNMPVarList::IsShownColumn(int i) const { return QzIsShownColumn(Items(i)); }

bool QzSNMPVarList::IsHiddenColumn(int i) const { return QzIsHiddenColumn(Items(i)); }

bool QzSNMPVarList::IsImpliedIndex(int i) const { return QzIsImpliedIndex(Items(i)); }

int QzSNMPVarList::CountShownColumns() const
{
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (IsShownColumn(i)) ++n;
    return n;
}

int QzSNMPVarList::CountHiddenColumns() const
{
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (IsHiddenColumn(i)) ++n;
    return n;
}

QzSNMPItemsLeftOut::~QzSNMPItemsLeftOut()
{
    if (!list_) return;
    for (int i : items_)
        if (i < list_->GetCount()) list_->Items(i).access &= ~acInvalid;
}

void QzSNMPItemsLeftOut::LeaveOut(int i)
{
    QzSNMPVarItem& item = list_->Items(i);
    if (item.access & acInvalid) return;
    item.access |= acInvalid;
    items_.push_back(i);
}

#include "platform/ui/classes.h"

#include <QDebug>
#include <algorithm>

#include "platform/ui/eventexception.h"

// ---- the dispatch's exception display ----

namespace {

void ReportEventException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        qWarning("Exception in an event handler: %s", e.what());
    } catch (...) {
        qWarning("Exception in an event handler");
    }
}

EventExceptionHandler g_eventExceptionHandler = &ReportEventException;

}  // namespace

void SetEventExceptionHandler(EventExceptionHandler handler)
{
    g_eventExceptionHandler = handler ? handler : &ReportEventException;
}

void HandleEventException() { g_eventExceptionHandler(); }

// ---- TList ----

void TList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

void TList::Insert(int index, void* p)
{
    if (index < 0 || index > Count())
        ListIndexError(index);
    items_.insert(items_.begin() + index, p);
}

void TList::Delete(int index)
{
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

int TList::Remove(void* p)
{
    int i = IndexOf(p);
    if (i >= 0) items_.erase(items_.begin() + i);
    return i;
}

int TList::IndexOf(void* p) const
{
    auto it = std::find(items_.begin(), items_.end(), p);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void* TList::Get(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)];
}

void TList::Put(int index, void* p)
{
    CheckIndex(index);
    items_[static_cast<size_t>(index)] = p;
}

// ---- TStrings ----

void TStrings::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        ListIndexError(index);
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const AnsiString& s)
{
    int i = Count();
    Insert(i, s);
    return i;
}

int TStrings::AddObject(const AnsiString& s, TObject* obj)
{
    int i = Add(s);
    PutObject(i, obj);
    return i;
}

int TStrings::IndexOf(const AnsiString& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i).AnsiCompareIC(s) == 0) return i;
    return -1;
}

AnsiString TStrings::Text() const
{
    AnsiString r;
    for (int i = 0; i < Count(); ++i) {
        r += Get(i);
        r += '\n';
    }
    return r;
}

void TStrings::SetText(const AnsiString& text)
{
    Clear();
    const std::string& s = text.std();
    size_t start = 0;
    while (start < s.size()) {
        size_t nl = s.find('\n', start);
        size_t end = nl == std::string::npos ? s.size() : nl;
        size_t len = end - start;
        if (len > 0 && s[end - 1] == '\r') --len;
        Add(AnsiString(s.substr(start, len)));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
}

void TStrings::Assign(const TStrings& other)
{
    if (&other == this) return;
    Clear();
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
}

// ---- TStringList ----

AnsiString TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const AnsiString& s)
{
    CheckIndex(index, Count());
    items_[static_cast<size_t>(index)].text = s;
}

void TStringList::Insert(int index, const AnsiString& s)
{
    CheckIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, Item{s, nullptr});
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].obj;
}

void TStringList::PutObject(int index, TObject* obj)
{
    CheckIndex(index, Count());
    items_[static_cast<size_t>(index)].obj = obj;
}

// ---- TComponent ----

TComponent::TComponent(TComponent* owner)
{
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        ListIndexError(index);
    return components_[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(const AnsiString& name) const
{
    if (name.IsEmpty()) return nullptr;
    for (TComponent* c : components_)
        if (c->name_.AnsiCompareIC(name) == 0) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* c)
{
    if (!c || c->owner_ == this) return;
    if (c->owner_) c->owner_->RemoveComponent(c);
    components_.push_back(c);
    c->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* c)
{
    auto it = std::find(components_.begin(), components_.end(), c);
    if (it != components_.end()) components_.erase(it);
    if (c && c->owner_ == this) c->owner_ = nullptr;
}

// Base classes of the class library: objects, events, lists and components.
#pragma once

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/sysutils.h"

class TObject {
public:
    virtual ~TObject() = default;
};

// An event handler as the class library has it: one bound method (object and member), or a
// free callable. Code reads an event, stores it, replaces it and calls the stored one later;
// two closures compare equal when they name the same object and member.
template <class... A>
class TClosure {
public:
    TClosure() = default;
    TClosure(std::nullptr_t) {}
    template <class C>
    TClosure(C* obj, void (C::*method)(A...))
        : obj_(obj), fn_([obj, method](A... a) { (obj->*method)(a...); })
    {
        static_assert(sizeof(method) <= sizeof(tag_), "member pointer too large");
        std::memcpy(tag_, &method, sizeof(method));
        tagSize_ = sizeof(method);
    }
    // A free handler (a lambda); it never compares equal to a bound method.
    explicit TClosure(std::function<void(A...)> fn) : fn_(std::move(fn)) {}

    explicit operator bool() const { return static_cast<bool>(fn_); }
    void operator()(A... a) const { if (fn_) fn_(a...); }
    const void* Object() const { return obj_; }

    friend bool operator==(const TClosure& x, const TClosure& y)
    {
        if (!x.fn_ && !y.fn_) return true;
        return x.obj_ && x.obj_ == y.obj_ && x.tagSize_ == y.tagSize_ &&
               std::memcmp(x.tag_, y.tag_, x.tagSize_) == 0;
    }
    friend bool operator!=(const TClosure& x, const TClosure& y) { return !(x == y); }

private:
    const void* obj_ = nullptr;
    std::function<void(A...)> fn_;
    unsigned char tag_[16] = {};
    size_t tagSize_ = 0;
};

using TNotifyEvent = TClosure<TObject*>;

// Calls an event handler the way the class library's message dispatch does: an exception
// that leaves the handler is shown by the application and goes no further.
void HandleEventException();

// Returns false when the handler raised (the exception has then been shown).
template <class... A, class... B>
bool FireEvent(const TClosure<A...>& handler, B&&... args)
{
    if (!handler) return true;
    try {
        handler(std::forward<B>(args)...);
    } catch (...) {
        HandleEventException();
        return false;
    }
    return true;
}

// The class library's small sets over an enumeration: Shift << ssShift, Shift.Contains(ssAlt).
template <class E>
class TSet {
public:
    TSet() = default;
    TSet& operator<<(E e) { bits_ |= Bit(e); return *this; }
    TSet& operator>>(E e) { bits_ &= ~Bit(e); return *this; }
    bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    bool Empty() const { return bits_ == 0; }
    void Clear() { bits_ = 0; }
    TSet operator+(const TSet& o) const { TSet r; r.bits_ = bits_ | o.bits_; return r; }
    TSet operator*(const TSet& o) const { TSet r; r.bits_ = bits_ & o.bits_; return r; }
    TSet operator-(const TSet& o) const { TSet r; r.bits_ = bits_ & ~o.bits_; return r; }
    friend bool operator==(const TSet& a, const TSet& b) { return a.bits_ == b.bits_; }
    friend bool operator!=(const TSet& a, const TSet& b) { return a.bits_ != b.bits_; }

private:
    static unsigned long Bit(E e) { return 1ul << static_cast<unsigned>(e); }
    unsigned long bits_ = 0;
};

class EFOpenError : public Exception { using Exception::Exception; };

// TList: a list of untyped pointers; a bad index raises EListError.
class TList : public TObject {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    int Add(void* p) { items_.push_back(p); return Count() - 1; }
    void Insert(int index, void* p);
    void Delete(int index);
    int Remove(void* p);
    int IndexOf(void* p) const;
    void Clear() { items_.clear(); }
    void* Get(int index) const;
    void Put(int index, void* p);
    void* operator[](int index) const { return Get(index); }
    void* First() const { return Get(0); }
    void* Last() const { return Get(Count() - 1); }

private:
    void CheckIndex(int index) const;
    std::vector<void*> items_;
};

// TStrings: the class library's abstract list of texts with an object per text.
class TStrings : public TObject {
public:
    virtual int Count() const = 0;
    virtual AnsiString Get(int index) const = 0;
    virtual void Put(int index, const AnsiString& s) = 0;
    virtual void Insert(int index, const AnsiString& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* obj);

    virtual int Add(const AnsiString& s);
    int AddObject(const AnsiString& s, TObject* obj);
    virtual int IndexOf(const AnsiString& s) const;  // ignores case, as the class library's list
    AnsiString operator[](int index) const { return Get(index); }
    AnsiString Strings(int index) const { return Get(index); }
    // All texts, each ended by a line feed; setting it splits at CR LF or LF.
    AnsiString Text() const;
    void SetText(const AnsiString& text);
    void Assign(const TStrings& other);
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { if (updateCount_ > 0) --updateCount_; }

protected:
    void CheckIndex(int index, int limit) const;
    int updateCount_ = 0;
};

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    AnsiString Get(int index) const override;
    void Put(int index, const AnsiString& s) override;
    void Insert(int index, const AnsiString& s) override;
    void Delete(int index) override;
    void Clear() override { items_.clear(); }
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* obj) override;

private:
    struct Item {
        AnsiString text;
        TObject* obj = nullptr;
    };
    std::vector<Item> items_;
};

// TComponent: named, tagged, and owned. A component made with an owner is destroyed with it;
// destroying a component first destroys the components it owns.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const AnsiString& Name() const { return name_; }
    virtual void SetName(const AnsiString& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    // The owned component of that name, ignoring case; null when none.
    TComponent* FindComponent(const AnsiString& name) const;
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

protected:
    // Destroys the owned components now (newest first); derived destructors call it before
    // they tear down what their owned components may still use.
    void DestroyComponents();

private:
    TComponent* owner_ = nullptr;
    AnsiString name_;
    int tag_ = 0;
    std::vector<TComponent*> components_;
};

// QzEditConstraint: input rules for single-line edits, written as format specifiers such as
// "%i{n1x4094l4}" or "%s{l32}". Registered edits have their typing filtered and their value
// checked when they lose the focus; the object takes over each edit's OnChange and OnExit and
// calls the handlers that were there before.
//
// Specifier: "%" type [delimiter] ["{" items "}"]
//   types  i (32-bit signed), u (32-bit unsigned), f (real), h (hex text), s (text),
//          n<delimiter> (list of unsigned numbers)
//   items  w<digits> width, n<number> minimum, x<number> maximum, e<char> end character,
//          l<digits> length followed by up to three of a (advance the focus when full),
//          f (exact length), n (empty value refused)
#pragma once

#include <QPointer>
#include <memory>

#include "platform/ui/classes.h"

class TCustomEdit;
class TWinControl;

// One registered edit.
struct _EditConstraint_s {
    TCustomEdit* edit = nullptr;
    char type = 0;
    char delimiter = 0;
    double min = 0;
    double max = 0;
    int length = 0;
    short flags = 0;
    char endChar = 0;
    AnsiString lastValid;
    TNotifyEvent savedOnChange;
    TNotifyEvent savedOnExit;
    QPointer<QObject> alive;  // cleared when the edit is destroyed
};

class QzEditConstraint {
public:
    enum : short { AdvanceWhenFull = 1, ExactLength = 2, NotEmpty = 4 };

    QzEditConstraint(TWinControl* owner, bool keepLastValid);
    // Gives every edit that still exists its earlier OnChange and OnExit back.
    ~QzEditConstraint();
    QzEditConstraint(const QzEditConstraint&) = delete;
    QzEditConstraint& operator=(const QzEditConstraint&) = delete;

    // Registers the edit with one specifier; throws the common library's "Bad format
    // specifier" (help context -2) and registers nothing when the specifier is bad.
    void Add(const AnsiString& spec, TCustomEdit* edit);
    // Registers piece k of a format of several specifiers for item k of `edits`, whose items
    // are TCustomEdit pointers.
    void AddMulti(const AnsiString& format, TList* edits);
    // Gives the edit its earlier handlers back and forgets it.
    void Remove(TCustomEdit* edit);
    // The edit's current text becomes its last valid text.
    void SaveValidText(TCustomEdit* edit);
    void SetOwner(TWinControl* owner) { owner_ = owner; }
    TWinControl* Owner() const { return owner_; }
    TList* Records() const { return records_; }

    static _EditConstraint_s* FindRecord(TList* records, TCustomEdit* edit);

    void EditChange(TObject* Sender);
    void EditExit(TObject* Sender);

private:
    void Fail(_EditConstraint_s* r, const AnsiString& message);
    void AdvanceFocus(TCustomEdit* edit);

    TWinControl* owner_;
    bool keepLastValid_;
    TList* records_;
    // Cleared by the destructor, so that a handler learns when a callback destroyed us.
    std::shared_ptr<bool> alive_;
};

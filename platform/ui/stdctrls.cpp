#include "platform/ui/stdctrls.h"

#include <algorithm>

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QValidator>

namespace {

// Limits the operator's input only: QLineEdit does not validate what setText() puts in.
class LengthValidator : public QValidator {
public:
    explicit LengthValidator(QObject* parent) : QValidator(parent) {}
    int max = 0;
    State validate(QString& input, int&) const override
    {
        return (max > 0 && input.size() > max) ? Invalid : Acceptable;
    }
};

bool IsEditingShortcut(QKeyEvent* e)
{
    for (QKeySequence::StandardKey k : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Paste,
                                        QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo})
        if (e->matches(k)) return true;
    return false;
}

bool IsLeavingWithinWindow(Qt::FocusReason r)
{
    // The focus leaving for another window or a pop-up is not an exit in the class library.
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

// Items of a combo box, kept in the box itself.
class ComboItems : public TStrings {
public:
    explicit ComboItems(QComboBox* box) : box_(box) {}
    int Count() const override { return box_->count(); }
    AnsiString Get(int index) const override
    {
        CheckIndex(index, Count());
        return FromQ(box_->itemText(index));
    }
    void Put(int index, const AnsiString& s) override
    {
        CheckIndex(index, Count());
        box_->setItemText(index, ToQ(s));
    }
    void Insert(int index, const AnsiString& s) override
    {
        CheckIndex(index, Count() + 1);
        QString keep = box_->isEditable() ? box_->currentText() : QString();
        const bool none = box_->currentIndex() < 0;
        box_->insertItem(index, ToQ(s));
        // Qt selects the first item of a list that was empty; a filled list starts with none.
        if (none) box_->setCurrentIndex(-1);
        if (box_->isEditable()) box_->setEditText(keep);
    }
    void Delete(int index) override
    {
        CheckIndex(index, Count());
        box_->removeItem(index);
    }
    void Clear() override { box_->clear(); }

private:
    QComboBox* box_;
};

}  // namespace

// ---- TCustomEdit ----

TCustomEdit::TCustomEdit(TComponent* owner) : TQtControl<QLineEdit>(owner)
{
    color_ = clWindow;
    setValidator(new LengthValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString&) {
        ++changing_;
        FireEvent(OnChange, static_cast<TObject*>(this));
        --changing_;
    });
}

void TCustomEdit::SetText(const AnsiString& s)
{
    QString q = ToQ(s);
    if (q == text()) return;
    // A handler mending what the operator is typing keeps the cursor where the typing was;
    // any other text shows from its first character, as the class library's edits do.
    const bool typing = changing_ > 0 && hasFocus();
    const int at = cursorPosition() + static_cast<int>(q.size() - text().size());
    setText(q);
    setCursorPosition(typing ? std::clamp(at, 0, static_cast<int>(text().size())) : 0);
}

void TCustomEdit::SetMaxLength(int n)
{
    maxLength_ = n > 0 ? n : 0;
    static_cast<LengthValidator*>(const_cast<QValidator*>(validator()))->max = maxLength_;
}

void TCustomEdit::SetColor(TColor c)
{
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQ(c));
    setPalette(pal);
}

void TCustomEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (IsLeavingWithinWindow(e->reason())) FireEvent(OnEnter, static_cast<TObject*>(this));
}

void TCustomEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (IsLeavingWithinWindow(e->reason())) DoExit();
}

void TCustomEdit::keyPressEvent(QKeyEvent* e)
{
    // Editing shortcuts type no character: a key filter never sees them, and a paste goes
    // through the filter as typing would.
    if (OnKeyPress && IsEditingShortcut(e)) {
        if (e->matches(QKeySequence::Paste)) PasteFiltered();
        else QLineEdit::keyPressEvent(e);
        return;
    }
    if (OnKeyPress && !e->text().isEmpty()) {
        QByteArray b = e->text().toLatin1();
        char key = b.isEmpty() ? 0 : b[0];
        FireEvent(OnKeyPress, static_cast<TObject*>(this), key);
        if (key == 0) return;  // the handler swallowed it
    }
    QLineEdit::keyPressEvent(e);
}

void TCustomEdit::PasteFiltered()
{
    if (isReadOnly()) return;
    QString kept;
    for (QChar c : QGuiApplication::clipboard()->text()) {
        QByteArray b = QString(c).toLatin1();
        char key = b.isEmpty() ? 0 : b[0];
        if (key == 0) continue;
        FireEvent(OnKeyPress, static_cast<TObject*>(this), key);
        if (key != 0) kept += QChar::fromLatin1(key);
    }
    if (!kept.isEmpty()) insert(kept);
}

void TCustomEdit::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TComboBox ----

TComboBox::TComboBox(TComponent* owner) : TQtControl<QComboBox>(owner), items_(new ComboItems(this))
{
    setEditable(true);
    connect(this, QOverload<int>::of(&QComboBox::activated), this,
            [this](int) { FireEvent(OnChange, static_cast<TObject*>(this)); });
    if (lineEdit())
        connect(lineEdit(), &QLineEdit::textEdited, this,
                [this](const QString&) { FireEvent(OnChange, static_cast<TObject*>(this)); });
}

TComboBox::~TComboBox() { delete items_; }

void TComboBox::SetItemIndex(int index)
{
    if (index < -1 || index >= count()) index = -1;
    setCurrentIndex(index);
    if (index < 0 && isEditable()) setEditText(QString());
}

void TComboBox::SetText(const AnsiString& s)
{
    if (isEditable()) {
        setEditText(ToQ(s));
    } else {
        setCurrentIndex(findText(ToQ(s), Qt::MatchFixedString));
    }
}

void TComboBox::SetStyle(TComboBoxStyle s)
{
    style_ = s;
    bool editable = s != csDropDownList;
    if (editable == isEditable()) return;
    setEditable(editable);
    if (editable && lineEdit())
        connect(lineEdit(), &QLineEdit::textEdited, this,
                [this](const QString&) { FireEvent(OnChange, static_cast<TObject*>(this)); });
}

void TComboBox::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    if (IsLeavingWithinWindow(e->reason())) FireEvent(OnExit, static_cast<TObject*>(this));
}

void TComboBox::SetColor(TColor c)
{
    // The field and the list, whether the box is editable or not.
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQ(c));
    pal.setColor(QPalette::Button, ColorToQ(c));
    setPalette(pal);
}

#include "platform/ui/stdctrls.h"

#include <QFocusEvent>
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
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString&) { FireEvent(OnChange, static_cast<TObject*>(this)); });
}

void TCustomEdit::SetText(const AnsiString& s)
{
    QString q = ToQ(s);
    if (q == text()) return;
    setText(q);
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
    if (OnKeyPress && !e->text().isEmpty()) {
        QByteArray b = e->text().toLatin1();
        char key = b.isEmpty() ? 0 : b[0];
        FireEvent(OnKeyPress, static_cast<TObject*>(this), key);
        if (key == 0) return;  // the handler swallowed it
    }
    QLineEdit::keyPressEvent(e);
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

// Push buttons, check boxes, radio buttons and group boxes.
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

// ---- TButton ----

TButton::TButton(TComponent* owner) : TQtControl<QPushButton>(owner)
{
    resize(75, 25);
    connect(this, &QPushButton::clicked, this, [this](bool) {
        try {
            Click();  // may be a form's own override
        } catch (...) {
            HandleEventException();
        }
    });
}

void TButton::Click()
{
    if (modalResult_ != mrNone)
        if (TForm* f = GetParentForm(this)) f->SetModalResult(modalResult_);
    FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(TComponent* owner) : TQtControl<QCheckBox>(owner)
{
    resize(97, 17);
    connect(this, &QCheckBox::clicked, this,
            [this](bool) { FireEvent(OnClick, static_cast<TObject*>(this)); });
}

TCheckBoxState TCheckBox::State() const
{
    switch (checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState s)
{
    Qt::CheckState q = s == cbChecked ? Qt::Checked : s == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
    if (q == checkState()) return;
    setCheckState(q);
    FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* owner) : TQtControl<QRadioButton>(owner)
{
    resize(113, 17);
    // Only becoming checked clicks, whether the operator or code does it.
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on) FireEvent(OnClick, static_cast<TObject*>(this));
    });
}

void TRadioButton::SetChecked(bool v)
{
    if (v == isChecked()) return;
    if (v) {
        setChecked(true);
        return;
    }
    // Qt keeps one button of a group checked; the class library lets code clear it.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

// ---- TGroupBox ----

TGroupBox::TGroupBox(TComponent* owner) : TQtControl<QGroupBox>(owner) { resize(185, 105); }

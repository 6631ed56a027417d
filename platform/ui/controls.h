// Controls: a TControl is a component that shows one Qt widget. Concrete controls derive
// from TQtControl<QtWidget>, so the control and its widget are one object: the owner
// destroys it like any component, and a Qt parent that goes first takes it along (its
// destructor then leaves its owner's list).
#pragma once

#include <QColor>
#include <QResizeEvent>
#include <QString>
#include <QWidget>

#include "platform/ui/classes.h"

// Texts cross into Qt byte for byte, so nothing a switch sends is lost on the way back.
inline QString ToQ(const AnsiString& s) { return QString::fromLatin1(s.c_str(), s.Length()); }
inline AnsiString FromQ(const QString& s)
{
    QByteArray b = s.toLatin1();
    return AnsiString(b.constData(), static_cast<int>(b.size()));
}

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The class library's colours: 0x00BBGGRR.
using TColor = int;
enum : int {
    clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
    clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
    clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
    clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
    clBtnFace = -16777201, clWindow = -16777211, clWindowText = -16777208,
};
QColor ColorToQ(TColor c);

class TWinControl;

class TControl : public TComponent {
    friend class TWinControl;
public:
    explicit TControl(TComponent* owner) : TComponent(owner) {}
    ~TControl() override;

    virtual QWidget* Widget() const = 0;

    void SetName(const AnsiString& name) override;
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return Widget()->x(); }
    int Top() const { return Widget()->y(); }
    int Width() const { return Widget()->width(); }
    int Height() const { return Widget()->height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return Widget()->isEnabled(); }
    virtual void SetEnabled(bool v) { Widget()->setEnabled(v); }

    AnsiString Hint() const { return hint_; }
    void SetHint(const AnsiString& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);

    TNotifyEvent OnClick;

    // Called by the widget after it was resized.
    virtual void Resized() {}

protected:
    bool visible_ = true;

private:
    TWinControl* parent_ = nullptr;
    AnsiString hint_;
    bool showHint_ = false;
    TAlign align_ = alNone;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    bool Focused() const { return Widget()->hasFocus(); }
    virtual void SetFocus();
    // Moves the focus to the control after the focused one in tab order once the current
    // event has been handled (the dialog manager's "next control" message).
    void PostFocusNext();
    // Lays out the children that have an alignment: top, bottom, left, right, then client.
    void AlignControls();
    void Resized() override { AlignControls(); }

private:
    friend class TControl;
    std::vector<TControl*> controls_;
};

template <class Q, class Base = TWinControl>
class TQtControl : public Q, public Base {
public:
    explicit TQtControl(TComponent* owner) : Q(nullptr), Base(owner) { Q::hide(); }
    QWidget* Widget() const override { return const_cast<TQtControl*>(this); }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        Q::resizeEvent(e);
        Base::Resized();
    }
};

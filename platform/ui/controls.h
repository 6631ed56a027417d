// Controls: a TControl is a component that shows one Qt widget. Concrete controls derive
// from TQtControl<QtWidget>, so the control and its widget are one object: the owner
// destroys it like any component, and a Qt parent that goes first takes it along (its
// destructor then leaves its owner's list).
#pragma once

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QString>
#include <QWidget>

#include "platform/ui/classes.h"
#include "platform/ui/graphics.h"

// Texts cross into Qt byte for byte, so nothing a switch sends is lost on the way back.
inline QString ToQ(const AnsiString& s) { return QString::fromLatin1(s.c_str(), s.Length()); }
inline AnsiString FromQ(const QString& s)
{
    QByteArray b = s.toLatin1();
    return AnsiString(b.constData(), static_cast<int>(b.size()));
}

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Border styles of forms; panels and scroll boxes take bsNone or bsSingle.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

// Modal results; they equal the message-box answers (mrOk == IDOK, mrYes == IDYES, ...).
using TModalResult = int;
enum : int {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
    mrNo = 7, mrAll = 8,
};

enum TShiftStateEnum { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateEnum>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Virtual key codes as the class library's key events give them.
using WORD = unsigned short;
enum : WORD {
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
    VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
    VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46,
    VK_F1 = 112, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
};

// A window message: posted to a control, it reaches the control's Dispatch once the message
// loop runs (never while the poster is still running), and is dropped with the control.
enum : unsigned { WM_APP = 0x8000 };
struct TMessage {
    unsigned Msg = 0;
    long long WParam = 0;
    long long LParam = 0;
    long long Result = 0;
};

using TMouseEvent = TClosure<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TClosure<TObject*, TShiftState, int, int>;
using TKeyEvent = TClosure<TObject*, WORD&, TShiftState>;

TShiftState ShiftStateOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton);
// The virtual key of a Qt key (letters and digits as their upper-case character); 0 when none.
WORD VirtualKeyOf(int qtKey);

class TWinControl;
class TPopupMenu;

// Makes the application destroy the components it owns while Qt can still destroy widgets.
void RegisterApplicationCleanup();

class TControl : public TComponent {
    friend class TWinControl;
public:
    explicit TControl(TComponent* owner);
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
    // The control's own setting, whatever its parent's.
    bool Enabled() const { return !Widget()->testAttribute(Qt::WA_ForceDisabled); }
    virtual void SetEnabled(bool v) { Widget()->setEnabled(v); }

    AnsiString Hint() const { return hint_; }
    void SetHint(const AnsiString& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);

    // Background colour; a font whose colour and style the control shows. The font of a
    // parent passes to its children as long as they keep their own unchanged.
    virtual TColor Color() const { return color_; }
    virtual void SetColor(TColor c);
    TFont* Font();

    // The pop-up menu shown when the operator right-clicks the control.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    void Repaint() { Widget()->repaint(); }
    void Refresh() { Widget()->repaint(); }
    void BringToFront() { Widget()->raise(); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // ---- hooks of the Qt side; not for the system's code ----
    // Called after the widget was resized, and after the font changed.
    virtual void Resized() {}
    virtual void FontChanged() {}
    // A control that the class library draws on its parent (label, image, shape, speed
    // button) stays below the windowed siblings whatever the order of creation.
    virtual bool IsGraphic() const { return false; }
    enum MouseKind { MouseDown, MouseUp, MouseMove, MouseDblClick };
    void MouseInput(MouseKind kind, QMouseEvent* e);
    // Shows the pop-up menu at a screen point; false when the control has none.
    bool ContextPopup(const QPoint& globalPos);
    virtual bool KeyDown(QKeyEvent*) { return true; }
    void PopupMenuGone() { popupMenu_ = nullptr; }

protected:
    bool visible_ = true;
    TColor color_ = clBtnFace;

private:
    void ApplyFont();
    TWinControl* parent_ = nullptr;
    AnsiString hint_;
    bool showHint_ = false;
    TAlign align_ = alNone;
    unsigned alignOrder_ = 0;
    TFont* font_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    bool Focused() const { return Widget()->hasFocus(); }
    virtual void SetFocus();
    // Visible and enabled, and so is every parent up to its form: SetFocus would take.
    bool CanFocus() const;
    // Moves the focus to the control after the focused one in tab order once the current
    // event has been handled (the dialog manager's "next control" message).
    void PostFocusNext();
    bool TabStop() const { return (Widget()->focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool v);

    // The widget that holds the children (a form's area below its menu, a scroll box's
    // scrolled area), and the part of it that aligned children share.
    virtual QWidget* ClientWidget() const { return Widget(); }
    virtual QRect ClientRect() const { return ClientWidget()->contentsRect(); }
    int ClientWidth() const { return ClientWidget()->width(); }
    int ClientHeight() const { return ClientWidget()->height(); }
    virtual void SetClientWidth(int w) { SetWidth(w + Width() - ClientWidth()); }
    virtual void SetClientHeight(int h) { SetHeight(h + Height() - ClientHeight()); }
    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int w) { borderWidth_ = w < 0 ? 0 : w; }

    // Lays out the children that have an alignment: top, bottom, left and right ones each
    // in the order their alignment (or parent) was set, the first outermost; then the
    // client-aligned ones into what is left.
    virtual void AlignControls();
    // A child was moved or resized.
    virtual void ControlBoundsChanged(TControl* c);
    void Resized() override { AlignControls(); }

    // The key reaches this control: OnKeyDown first; a handler that sets the key to 0
    // swallows it.
    bool KeyDown(QKeyEvent* e) override;
    TKeyEvent OnKeyDown;

    void PostMessage(unsigned msg, long long wParam = 0, long long lParam = 0);
    // Handles a posted message; the default ignores it.
    virtual void Dispatch(TMessage& message) {}

private:
    friend class TControl;
    std::vector<TControl*> controls_;
    int borderWidth_ = 0;
    bool aligning_ = false;
};

template <class Q, class Base = TWinControl>
class TQtControl : public Q, public Base {
public:
    explicit TQtControl(TComponent* owner) : Q(nullptr), Base(owner)
    {
        Q::hide();
        Q::setMouseTracking(true);  // OnMouseMove also without a button held
        QSize s = Q::sizeHint();
        Q::resize(s.isValid() ? s : QSize(100, 30));
    }
    QWidget* Widget() const override { return const_cast<TQtControl*>(this); }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        Q::resizeEvent(e);
        Base::Resized();
    }
    // A handler may destroy the control (closing its form); Qt's part then stays away.
    void mousePressEvent(QMouseEvent* e) override
    {
        Mouse(TControl::MouseDown, e, [this, e] { Q::mousePressEvent(e); });
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        Mouse(TControl::MouseUp, e, [this, e] { Q::mouseReleaseEvent(e); });
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        Mouse(TControl::MouseMove, e, [this, e] { Q::mouseMoveEvent(e); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        Mouse(TControl::MouseDblClick, e, [this, e] { Q::mouseDoubleClickEvent(e); });
    }
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        if (Base::ContextPopup(e->globalPos())) e->accept();
        else Q::contextMenuEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        QPointer<QObject> alive(this);
        if (!Base::KeyDown(e)) {
            e->accept();
            return;
        }
        if (alive) Q::keyPressEvent(e);
    }

private:
    template <class F>
    void Mouse(TControl::MouseKind kind, QMouseEvent* e, F qtHandler)
    {
        QPointer<QObject> alive(this);
        Base::MouseInput(kind, e);
        if (alive) qtHandler();
        e->accept();  // the class library gives a click to one control, not to its parents too
    }
};

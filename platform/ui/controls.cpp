#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <algorithm>

#include "platform/ui/menus.h"

namespace {

unsigned NextAlignOrder()
{
    static unsigned n = 0;
    return ++n;
}

// Moves or resizes a child; a hidden widget hears of a new size only when shown, so the
// child re-aligns its own children at once.
void PlaceControl(TControl* c, int x, int y, int w, int h)
{
    QWidget* wd = c->Widget();
    QSize old = wd->size();
    wd->setGeometry(x, y, std::max(0, w), std::max(0, h));
    if (wd->size() != old) c->Resized();
}

}  // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (mods & Qt::ShiftModifier) s << ssShift;
    if (mods & Qt::AltModifier) s << ssAlt;
    if (mods & Qt::ControlModifier) s << ssCtrl;
    if (buttons & Qt::LeftButton) s << ssLeft;
    if (buttons & Qt::RightButton) s << ssRight;
    if (buttons & Qt::MiddleButton) s << ssMiddle;
    return s;
}

WORD VirtualKeyOf(int k)
{
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return static_cast<WORD>('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<WORD>('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return static_cast<WORD>(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
    }
}

// ---- TControl ----

TControl::TControl(TComponent* owner) : TComponent(owner) { RegisterApplicationCleanup(); }

TControl::~TControl()
{
    if (parent_) {
        auto& v = parent_->controls_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
        parent_ = nullptr;
    }
    if (popupMenu_) popupMenu_->ForgetUser(this);
    delete font_;
}

void TControl::SetName(const AnsiString& name)
{
    TComponent::SetName(name);
    Widget()->setObjectName(ToQ(name));
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_) return;
    if (parent_) {
        auto& v = parent_->controls_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    TWinControl* old = parent_;
    parent_ = parent;
    QWidget* w = Widget();
    QRect geo = w->geometry();
    w->setParent(parent ? parent->ClientWidget() : nullptr);
    w->setGeometry(geo);
    if (parent) {
        parent->controls_.push_back(this);
        alignOrder_ = NextAlignOrder();
        if (IsGraphic()) {
            // Below the lowest windowed sibling.
            for (QObject* o : parent->ClientWidget()->children()) {
                auto* c = dynamic_cast<TControl*>(o);
                if (c && c != this && !c->IsGraphic()) {
                    w->stackUnder(c->Widget());
                    break;
                }
            }
        }
        w->setVisible(visible_);
        if (align_ != alNone) parent->AlignControls();
        else parent->ControlBoundsChanged(this);
    }
    if (old && align_ != alNone) old->AlignControls();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    PlaceControl(this, left, top, width, height);
    if (parent_) parent_->ControlBoundsChanged(this);
}

void TControl::SetVisible(bool v)
{
    visible_ = v;
    if (parent_) {
        Widget()->setVisible(v);
        if (align_ != alNone) parent_->AlignControls();
        else parent_->ControlBoundsChanged(this);
    }
}

void TControl::SetHint(const AnsiString& h)
{
    hint_ = h;
    Widget()->setToolTip(showHint_ ? ToQ(h) : QString());
}

void TControl::SetShowHint(bool v)
{
    showHint_ = v;
    Widget()->setToolTip(showHint_ ? ToQ(hint_) : QString());
}

void TControl::SetAlign(TAlign a)
{
    if (a == align_) return;
    align_ = a;
    alignOrder_ = NextAlignOrder();
    if (parent_) parent_->AlignControls();
}

void TControl::SetColor(TColor c)
{
    color_ = c;
    QWidget* w = Widget();
    QPalette pal = w->palette();
    pal.setColor(w->backgroundRole(), ColorToQ(c));
    w->setPalette(pal);
    if (w->backgroundRole() == QPalette::Window) w->setAutoFillBackground(true);
}

TFont* TControl::Font()
{
    if (!font_) {
        font_ = new TFont;
        font_->OnChange = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) { ApplyFont(); }));
    }
    return font_;
}

void TControl::ApplyFont()
{
    QWidget* w = Widget();
    QFont f = w->font();
    if (!font_->Name().IsEmpty()) f.setFamily(ToQ(font_->Name()));
    if (font_->Size() > 0) f.setPointSize(font_->Size());
    TFontStyles st = font_->Style();
    f.setBold(st.Contains(fsBold));
    f.setItalic(st.Contains(fsItalic));
    f.setUnderline(st.Contains(fsUnderline));
    f.setStrikeOut(st.Contains(fsStrikeOut));
    w->setFont(f);
    QPalette pal = w->palette();
    QColor c = ColorToQ(font_->Color());
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(g, r, c);
    w->setPalette(pal);
    FontChanged();
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    if (menu == popupMenu_) return;
    if (popupMenu_) popupMenu_->ForgetUser(this);
    popupMenu_ = menu;
    if (menu) menu->AddUser(this);
}

bool TControl::ContextPopup(const QPoint& globalPos)
{
    if (!popupMenu_ || !popupMenu_->AutoPopup()) return false;
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(globalPos.x(), globalPos.y());
    return true;
}

void TControl::MouseInput(MouseKind kind, QMouseEvent* e)
{
    QPoint p = e->position().toPoint();
    TShiftState s = ShiftStateOf(e->modifiers(), e->buttons() | e->button());
    TMouseButton b = e->button() == Qt::RightButton ? mbRight
                   : e->button() == Qt::MiddleButton ? mbMiddle : mbLeft;
    TObject* self = this;
    switch (kind) {
    case MouseDown: FireEvent(OnMouseDown, self, b, s, p.x(), p.y()); break;
    case MouseUp: FireEvent(OnMouseUp, self, b, s, p.x(), p.y()); break;
    case MouseMove: FireEvent(OnMouseMove, self, s, p.x(), p.y()); break;
    case MouseDblClick: FireEvent(OnDblClick, self); break;
    }
}

// ---- TWinControl ----

TWinControl::~TWinControl()
{
    // The children's widgets go with this widget's Qt destructor, after this part is gone.
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        ListIndexError(index);
    return controls_[static_cast<size_t>(index)];
}

void TWinControl::SetFocus()
{
    QWidget* w = Widget();
    if (QWidget* win = w->window()) win->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
        if (dynamic_cast<const TForm*>(c)) break;
    }
    return true;
}

void TWinControl::PostFocusNext()
{
    QPointer<QWidget> win = Widget()->window();
    QTimer::singleShot(0, win, [win]() {
        if (!win) return;
        QWidget* cur = win->focusWidget();
        if (!cur) cur = win;
        for (QWidget* w = cur->nextInFocusChain(); w && w != cur; w = w->nextInFocusChain()) {
            if (w->window() == win && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                w->isVisibleTo(win)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    });
}

void TWinControl::PostMessage(unsigned msg, long long wParam, long long lParam)
{
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    QTimer::singleShot(0, Widget(), [this, m]() mutable {
        try {
            Dispatch(m);
        } catch (...) {
            HandleEventException();
        }
    });
}

void TWinControl::SetTabStop(bool v)
{
    QWidget* w = Widget();
    Qt::FocusPolicy p = w->focusPolicy();
    if (v) w->setFocusPolicy(static_cast<Qt::FocusPolicy>(p | Qt::TabFocus | Qt::ClickFocus));
    else if (p != Qt::NoFocus) w->setFocusPolicy(Qt::ClickFocus);
}

void TWinControl::AlignControls()
{
    if (aligning_) return;
    aligning_ = true;
    std::vector<TControl*> list;
    for (TControl* c : controls_)
        if (c->Align() != alNone && c->Visible()) list.push_back(c);
    std::stable_sort(list.begin(), list.end(),
                     [](TControl* a, TControl* b) { return a->alignOrder_ < b->alignOrder_; });
    QRect r = ClientRect();
    int x = r.x(), y = r.y(), w = std::max(0, r.width()), h = std::max(0, r.height());
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : list) {
            if (c->Align() != pass) continue;
            int cw = c->Width(), ch = c->Height();
            switch (pass) {
            case alTop:
                PlaceControl(c, x, y, w, ch);
                y += ch;
                h = std::max(0, h - ch);
                break;
            case alBottom:
                PlaceControl(c, x, y + h - ch, w, ch);
                h = std::max(0, h - ch);
                break;
            case alLeft:
                PlaceControl(c, x, y, cw, h);
                x += cw;
                w = std::max(0, w - cw);
                break;
            case alRight:
                PlaceControl(c, x + w - cw, y, cw, h);
                w = std::max(0, w - cw);
                break;
            case alClient:
                PlaceControl(c, x, y, w, h);
                break;
            default: break;
            }
        }
    }
    aligning_ = false;
}

void TWinControl::ControlBoundsChanged(TControl* c)
{
    if (c->Align() != alNone) AlignControls();
}

bool TWinControl::KeyDown(QKeyEvent* e)
{
    if (!OnKeyDown) return true;
    WORD key = VirtualKeyOf(e->key());
    if (key == 0) return true;
    FireEvent(OnKeyDown, static_cast<TObject*>(this), key, ShiftStateOf(e->modifiers()));
    return key != 0;
}

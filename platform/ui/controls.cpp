#include "platform/ui/controls.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <algorithm>

QColor ColorToQ(TColor c)
{
    if (c < 0) {
        // System colours: take them from the application's palette.
        QPalette pal = QApplication::palette();
        switch (c) {
        case clWindow: return pal.color(QPalette::Base);
        case clWindowText: return pal.color(QPalette::WindowText);
        default: return pal.color(QPalette::Button);
        }
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// ---- TControl ----

TControl::~TControl()
{
    if (parent_) {
        auto& v = parent_->controls_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
        parent_ = nullptr;
    }
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
    w->setParent(parent ? parent->Widget() : nullptr);
    w->setGeometry(geo);
    if (parent) {
        parent->controls_.push_back(this);
        w->setVisible(visible_);
        if (align_ != alNone) parent->AlignControls();
    }
    if (old && align_ != alNone) old->AlignControls();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Widget()->setGeometry(left, top, std::max(0, width), std::max(0, height));
    if (align_ != alNone && parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool v)
{
    visible_ = v;
    if (parent_) {
        Widget()->setVisible(v);
        if (align_ != alNone) parent_->AlignControls();
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
    align_ = a;
    if (parent_) parent_->AlignControls();
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
        throw EListError(AnsiString::Format("List index out of bounds (%d)", index));
    return controls_[static_cast<size_t>(index)];
}

void TWinControl::SetFocus()
{
    QWidget* w = Widget();
    if (QWidget* win = w->window()) win->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
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

void TWinControl::AlignControls()
{
    QWidget* self = Widget();
    QRect r = self->contentsRect();
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != pass || !c->Visible()) continue;
            QWidget* w = c->Widget();
            switch (pass) {
            case alTop:
                w->setGeometry(r.left(), r.top(), r.width(), w->height());
                r.setTop(r.top() + w->height());
                break;
            case alBottom:
                w->setGeometry(r.left(), r.bottom() + 1 - w->height(), r.width(), w->height());
                r.setBottom(r.bottom() - w->height());
                break;
            case alLeft:
                w->setGeometry(r.left(), r.top(), w->width(), r.height());
                r.setLeft(r.left() + w->width());
                break;
            case alRight:
                w->setGeometry(r.right() + 1 - w->width(), r.top(), w->width(), r.height());
                r.setRight(r.right() - w->width());
                break;
            case alClient:
                w->setGeometry(r);
                break;
            default: break;
            }
        }
    }
}

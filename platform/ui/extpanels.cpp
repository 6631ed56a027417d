// Panels and splitters.
#include <QPainter>
#include <qdrawutil.h>

#include "platform/ui/extctrls.h"

// ---- TPanel ----

TPanel::TPanel(TComponent* owner) : TQtControl<QFrame>(owner)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    resize(185, 41);
    UpdateMargins();
}

void TPanel::SetCaption(const AnsiString& s)
{
    caption_ = s;
    update();
}

void TPanel::SetShowCaption(bool v)
{
    showCaption_ = v;
    update();
}

void TPanel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    update();
}

void TPanel::SetBevelInner(TBevelCut b)
{
    bevelInner_ = b;
    UpdateMargins();
}

void TPanel::SetBevelOuter(TBevelCut b)
{
    bevelOuter_ = b;
    UpdateMargins();
}

void TPanel::SetBevelWidth(int w)
{
    bevelWidth_ = w < 1 ? 1 : w;
    UpdateMargins();
}

void TPanel::SetBorderWidth(int w)
{
    TQtControl<QFrame>::SetBorderWidth(w);
    UpdateMargins();
}

void TPanel::SetBorderStyle(TBorderStyle s)
{
    borderStyle_ = s == bsSingle ? bsSingle : bsNone;
    UpdateMargins();
}

void TPanel::UpdateMargins()
{
    // Aligned children share what the border and the bevels leave.
    int m = BorderWidth() + (borderStyle_ == bsSingle ? 1 : 0);
    if (bevelOuter_ != bvNone) m += bevelWidth_;
    if (bevelInner_ != bvNone) m += bevelWidth_;
    setContentsMargins(m, m, m, m);
    AlignControls();
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    if (borderStyle_ == bsSingle) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        if (cut != bvSpace)
            qDrawShadePanel(&p, r, palette(), cut == bvLowered, bevelWidth_);
        r.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    };
    bevel(bevelOuter_);
    r.adjust(BorderWidth(), BorderWidth(), -BorderWidth(), -BorderWidth());
    bevel(bevelInner_);
    if (showCaption_ && !caption_.IsEmpty()) {
        int h = alignment_ == taCenter ? Qt::AlignHCenter
              : alignment_ == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, h | Qt::AlignVCenter, ToQ(caption_));
    }
}

// ---- TSplitter ----

TSplitter::TSplitter(TComponent* owner) : TQtControl<QWidget, TControl>(owner)
{
    resize(3, 100);
    SetAlign(alLeft);
}

void TSplitter::enterEvent(QEnterEvent* e)
{
    bool across = Align() == alTop || Align() == alBottom;
    setCursor(across ? Qt::SplitVCursor : Qt::SplitHCursor);
    QWidget::enterEvent(e);
}

TControl* TSplitter::FindNeighbour() const
{
    TWinControl* p = Parent();
    if (!p || Align() == alNone || Align() == alClient) return nullptr;
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        bool touches = false;
        switch (Align()) {
        case alLeft: touches = c->Left() + c->Width() == Left(); break;
        case alRight: touches = c->Left() == Left() + Width(); break;
        case alTop: touches = c->Top() + c->Height() == Top(); break;
        case alBottom: touches = c->Top() == Top() + Height(); break;
        default: break;
        }
        if (touches) return c;
    }
    return nullptr;
}

void TSplitter::mousePressEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QWidget, TControl>::mousePressEvent(e);
    if (!alive || e->button() != Qt::LeftButton) return;
    neighbour_ = FindNeighbour();
    if (!neighbour_) return;
    start_ = e->globalPosition().toPoint();
    bool across = Align() == alTop || Align() == alBottom;
    startSize_ = across ? neighbour_->Height() : neighbour_->Width();
    // The neighbour may take the room up to MinSize before the far side of the parent,
    // less what is aligned to that side.
    QRect r = Parent()->ClientRect();
    TAlign far = Align() == alLeft ? alRight : Align() == alRight ? alLeft
               : Align() == alTop ? alBottom : alTop;
    switch (Align()) {
    case alLeft: room_ = r.x() + r.width() - (Left() + Width()); break;
    case alRight: room_ = Left() - r.x(); break;
    case alTop: room_ = r.y() + r.height() - (Top() + Height()); break;
    default: room_ = Top() - r.y(); break;
    }
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c->Visible() && c->Align() == far) room_ -= across ? c->Height() : c->Width();
    }
    room_ -= minSize_;
}

void TSplitter::mouseMoveEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QWidget, TControl>::mouseMoveEvent(e);
    if (!alive || !neighbour_) return;
    QPoint d = e->globalPosition().toPoint() - start_;
    int delta = 0;
    switch (Align()) {
    case alLeft: delta = d.x(); break;
    case alRight: delta = -d.x(); break;
    case alTop: delta = d.y(); break;
    default: delta = -d.y(); break;
    }
    int size = std::max(minSize_, std::min(startSize_ + delta, startSize_ + std::max(0, room_)));
    if (Align() == alTop || Align() == alBottom) neighbour_->SetHeight(size);
    else neighbour_->SetWidth(size);
}

void TSplitter::mouseReleaseEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    bool moved = neighbour_ != nullptr;
    neighbour_ = nullptr;
    TQtControl<QWidget, TControl>::mouseReleaseEvent(e);
    if (alive && moved && e->button() == Qt::LeftButton) FireEvent(OnMoved, static_cast<TObject*>(this));
}

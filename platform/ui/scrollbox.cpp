#include <QScrollBar>

#include "platform/ui/forms.h"

TScrollBox::TScrollBox(TComponent* owner) : TQtControl<QScrollArea>(owner), area_(new QWidget)
{
    setWidget(area_);
    setWidgetResizable(false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    resize(185, 41);
    UpdateRange();
}

void TScrollBox::SetAutoScroll(bool v)
{
    autoScroll_ = v;
    Qt::ScrollBarPolicy p = v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(p);
    setVerticalScrollBarPolicy(p);
    AlignControls();
}

QRect TScrollBox::ClientRect() const
{
    // The viewport learns its size only when shown; work it out from the frame.
    QSize s = maximumViewportSize();
    if (verticalScrollBar()->isVisibleTo(this)) s.rwidth() -= verticalScrollBar()->sizeHint().width();
    if (horizontalScrollBar()->isVisibleTo(this)) s.rheight() -= horizontalScrollBar()->sizeHint().height();
    return QRect(0, 0, std::max(0, s.width()), std::max(0, s.height()));
}

void TScrollBox::AlignControls()
{
    TQtControl<QScrollArea>::AlignControls();
    UpdateRange();
}

void TScrollBox::ControlBoundsChanged(TControl* c)
{
    TQtControl<QScrollArea>::ControlBoundsChanged(c);
    UpdateRange();
}

void TScrollBox::UpdateRange()
{
    // The scrolled area holds every unaligned child and fills the view at least.
    QRect r = ClientRect();
    int w = r.width(), h = r.height();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != alNone) continue;
        w = std::max(w, c->Left() + c->Width());
        h = std::max(h, c->Top() + c->Height());
    }
    if (area_->size() != QSize(w, h)) area_->resize(w, h);
}

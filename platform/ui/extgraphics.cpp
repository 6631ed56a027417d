// Shapes and images.
#include <QPainter>

#include "platform/ui/extctrls.h"

// ---- TShape ----

TShape::TShape(TComponent* owner)
    : TQtControl<QWidget, TControl>(owner), brush_(new TBrush), pen_(new TPen)
{
    resize(65, 65);
    auto repaint = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) { update(); }));
    brush_->OnChange = repaint;
    pen_->OnChange = repaint;
}

TShape::~TShape()
{
    delete brush_;
    delete pen_;
}

void TShape::SetShape(TShapeType s)
{
    shape_ = s;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    int pw = pen_->Style() == psClear ? 0 : pen_->Width();
    if (pw > 0) {
        QPen pen(ColorToQ(pen_->Color()));
        pen.setWidth(pw);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.setBrush(brush_->Style() == bsClear ? QBrush() : QBrush(ColorToQ(brush_->Color())));
    // As the class library: the outline lies inside the control, squares and circles
    // centred in it.
    int x = pw / 2, y = x;
    int w = width() - pw + 1, h = height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    int s = std::min(w, h);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    QRect r(x, y, std::max(0, w - 1), std::max(0, h - 1));
    if (pw == 0) r.adjust(0, 0, 1, 1);
    switch (shape_) {
    case stRoundRect: case stRoundSquare: p.drawRoundedRect(r, s / 8.0, s / 8.0); break;
    case stEllipse: case stCircle: p.drawEllipse(r); break;
    default: p.drawRect(r); break;
    }
}

// ---- TImage ----

TImage::TImage(TComponent* owner) : TQtControl<QWidget, TControl>(owner), picture_(new TPicture)
{
    resize(105, 105);
    picture_->OnChange = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) { update(); }));
}

TImage::~TImage() { delete picture_; }

void TImage::SetStretch(bool v)
{
    stretch_ = v;
    update();
}

void TImage::SetCenter(bool v)
{
    center_ = v;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    const QImage& img = picture_->Image();
    if (img.isNull()) return;
    QPainter p(this);
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), img);
    } else if (center_) {
        p.drawImage(QPoint((width() - img.width()) / 2, (height() - img.height()) / 2), img);
    } else {
        p.drawImage(QPoint(0, 0), img);
    }
}

#include "platform/ui/buttons.h"

#include <QBitmap>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

QIcon GlyphIcon(const TBitmap* glyph)
{
    const QImage& img = glyph->Image();
    if (img.isNull()) return QIcon();
    QPixmap pm = QPixmap::fromImage(img);
    if (!img.hasAlphaChannel()) {
        QColor transparent = img.pixelColor(0, img.height() - 1);
        pm.setMask(pm.createMaskFromColor(transparent, Qt::MaskInColor));
    }
    return QIcon(pm);
}

}  // namespace

// ---- TBitBtn ----

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(new TBitmap)
{
    glyph_->OnChange = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) {
        setIcon(GlyphIcon(glyph_));
        if (!glyph_->Empty()) setIconSize(QSize(glyph_->Width(), glyph_->Height()));
    }));
}

TBitBtn::~TBitBtn() { delete glyph_; }

// ---- TSpeedButton ----

TSpeedButton::TSpeedButton(TComponent* owner)
    : TQtControl<QToolButton, TControl>(owner), glyph_(new TBitmap)
{
    resize(23, 22);
    setCheckable(true);  // shows the down state; the class library's rules decide it
    setFocusPolicy(Qt::NoFocus);
    glyph_->OnChange = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) {
        setIcon(GlyphIcon(glyph_));
        if (!glyph_->Empty()) setIconSize(QSize(glyph_->Width(), glyph_->Height()));
        UpdateLook();
    }));
    connect(this, &QToolButton::clicked, this, [this](bool) { Click(); });
    UpdateLook();
}

TSpeedButton::~TSpeedButton() { delete glyph_; }

void TSpeedButton::SetCaption(const AnsiString& s)
{
    setText(ToQ(s));
    UpdateLook();
}

void TSpeedButton::UpdateLook()
{
    bool pic = !glyph_->Empty(), txt = !text().isEmpty();
    setToolButtonStyle(pic && txt ? Qt::ToolButtonTextBesideIcon
                       : pic ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
}

void TSpeedButton::ApplyDown(bool v)
{
    down_ = v;
    setChecked(v);
}

void TSpeedButton::ReleaseOthers()
{
    TWinControl* p = Parent();
    if (!p || groupIndex_ == 0) return;
    for (int i = 0; i < p->ControlCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(p->Controls(i));
        if (b && b != this && b->groupIndex_ == groupIndex_ && b->down_) b->ApplyDown(false);
    }
}

void TSpeedButton::SetGroupIndex(int g)
{
    groupIndex_ = g < 0 ? 0 : g;
    if (groupIndex_ == 0) ApplyDown(false);
    else if (down_) ReleaseOthers();
}

void TSpeedButton::SetDown(bool v)
{
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (down_ && !allowAllUp_) return;  // the group keeps its one button down
    ApplyDown(v);
    if (v) ReleaseOthers();
}

void TSpeedButton::SetAllowAllUp(bool v)
{
    allowAllUp_ = v;
    TWinControl* p = Parent();
    if (!p || groupIndex_ == 0) return;
    for (int i = 0; i < p->ControlCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(p->Controls(i));
        if (b && b->groupIndex_ == groupIndex_) b->allowAllUp_ = v;
    }
}

// A hot spot keeps the picture under it visible: hovered or down, it is outlined and tinted
// instead of being covered by the style's button face.
void TSpeedButton::paintEvent(QPaintEvent* e)
{
    if (!IsHotSpot()) {
        QToolButton::paintEvent(e);
        return;
    }
    const bool hot = underMouse() && isEnabled();
    if (!hot && !down_) return;
    QPainter p(this);
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(down_ ? 90 : 50);
    p.fillRect(rect(), tint);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void TSpeedButton::nextCheckState()
{
    // The operator's click, before OnClick.
    if (groupIndex_ == 0) {
        ApplyDown(false);
    } else if (!down_) {
        ApplyDown(true);
        ReleaseOthers();
    } else if (allowAllUp_) {
        ApplyDown(false);
    } else {
        ApplyDown(true);
    }
}

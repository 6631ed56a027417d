// Bitmap buttons and speed buttons.
#pragma once

#include <QToolButton>

#include "platform/ui/stdctrls.h"

// A push button that can show a picture (its Glyph) beside or instead of its caption. The
// glyph's bottom-left pixel colour is drawn transparent, as in the class library.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;
    TBitmap* Glyph() const { return glyph_; }

private:
    TBitmap* glyph_;
};

// A speed button. GroupIndex 0: a plain button that does not stay down. GroupIndex > 0: the
// buttons of one parent with that index form a group, at most one of them down; a click puts
// an up button down, and a down one up when AllowAllUp (shared by the group) is set. Setting
// Down by code never clicks. OnClick runs after the down state changed.
class TSpeedButton : public TQtControl<QToolButton, TControl> {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    AnsiString Caption() const { return FromQ(text()); }
    void SetCaption(const AnsiString& s);
    TBitmap* Glyph() const { return glyph_; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    bool Flat() const { return autoRaise(); }
    void SetFlat(bool v) { setAutoRaise(v); }
    // Runs OnClick, as a click does (the down state is not changed).
    void Click() { FireEvent(OnClick, static_cast<TObject*>(this)); }
    bool IsGraphic() const override { return true; }

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* e) override;

private:
    // A flat button with neither glyph nor caption: a hot spot over a picture.
    bool IsHotSpot() const { return Flat() && glyph_->Empty() && text().isEmpty(); }
    void ApplyDown(bool v);
    void ReleaseOthers();
    void UpdateLook();
    TBitmap* glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
};

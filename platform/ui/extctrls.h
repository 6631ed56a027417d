// Panels, splitters, shapes, images, radio groups and timers.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QTimer>
#include <vector>

#include "platform/ui/controls.h"

class QRadioButton;
class QGridLayout;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A panel: a caption drawn in it, bevels and a border around what its aligned children
// share.
class TPanel : public TQtControl<QFrame> {
public:
    explicit TPanel(TComponent* owner);
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& s);
    // A caption that only marks the panel (a row judged by it) need not be drawn.
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);
    void SetBorderWidth(int w) override;
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void UpdateMargins();
    AnsiString caption_;
    bool showCaption_ = true;
    TAlignment alignment_ = taCenter;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    TBorderStyle borderStyle_ = bsNone;
};

// A splitter resizes the aligned sibling that it touches on its own side (the control left of
// a left-aligned splitter, ...). Aligned left at first, 3 wide.
class TSplitter : public TQtControl<QWidget, TControl> {
public:
    explicit TSplitter(TComponent* owner);
    int MinSize() const { return minSize_; }
    void SetMinSize(int v) { minSize_ = v < 1 ? 1 : v; }
    bool IsGraphic() const override { return true; }

    TNotifyEvent OnMoved;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    TControl* FindNeighbour() const;
    TControl* neighbour_ = nullptr;
    QPoint start_;
    int startSize_ = 0;
    int room_ = 0;
    int minSize_ = 30;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TQtControl<QWidget, TControl> {
public:
    explicit TShape(TComponent* owner);
    ~TShape() override;
    TBrush* Brush() const { return brush_; }
    TPen* Pen() const { return pen_; }
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s);
    bool IsGraphic() const override { return true; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TBrush* brush_;
    TPen* pen_;
    TShapeType shape_ = stRectangle;
};

// An image: its picture drawn at the top left, centred, or stretched over the whole control.
class TImage : public TQtControl<QWidget, TControl> {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;
    TPicture* Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool IsGraphic() const override { return true; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TPicture* picture_;
    bool stretch_ = false;
    bool center_ = false;
};

class TRadioGroup : public TQtControl<QGroupBox> {
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    TStrings* Items() const { return items_; }
    AnsiString Caption() const { return FromQ(title()); }
    void SetCaption(const AnsiString& s) { setTitle(ToQ(s)); }
    int Columns() const { return columns_; }
    void SetColumns(int n);
    int ItemIndex() const { return itemIndex_; }
    // As in the class library, selecting another item by code also fires OnClick.
    void SetItemIndex(int index);

    // Rebuilds the buttons after Items changed (the item list calls it).
    void ItemsChanged();

private:
    void ButtonClicked(int index);

    TStrings* items_;
    std::vector<QRadioButton*> buttons_;
    QGridLayout* grid_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

// TTimer: fires OnTimer every Interval milliseconds while Enabled (both set: 1000 and true
// at first, as in the class library).
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);

    TNotifyEvent OnTimer;

private:
    void Update();
    QTimer* timer_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

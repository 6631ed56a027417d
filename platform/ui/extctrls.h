// Radio groups and timers.
#pragma once

#include <QGroupBox>
#include <QTimer>
#include <vector>

#include "platform/ui/controls.h"

class QRadioButton;
class QGridLayout;

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

#include "platform/ui/extctrls.h"

#include <QGridLayout>
#include <QRadioButton>

namespace {

class RadioItems : public TStringList {
public:
    explicit RadioItems(TRadioGroup* group) : group_(group) {}
    void Put(int index, const AnsiString& s) override { TStringList::Put(index, s); Changed(); }
    void Insert(int index, const AnsiString& s) override { TStringList::Insert(index, s); Changed(); }
    void Delete(int index) override { TStringList::Delete(index); Changed(); }
    void Clear() override { TStringList::Clear(); Changed(); }

private:
    void Changed()
    {
        if (updateCount_ == 0) group_->ItemsChanged();
    }
    TRadioGroup* group_;
};

}  // namespace

// ---- TRadioGroup ----

TRadioGroup::TRadioGroup(TComponent* owner)
    : TQtControl<QGroupBox>(owner), items_(new RadioItems(this)), grid_(new QGridLayout(this))
{
    grid_->setContentsMargins(8, 4, 8, 4);
    grid_->setSpacing(2);
}

TRadioGroup::~TRadioGroup() { delete items_; }

void TRadioGroup::SetColumns(int n)
{
    columns_ = n < 1 ? 1 : n;
    ItemsChanged();
}

void TRadioGroup::ItemsChanged()
{
    for (QRadioButton* b : buttons_) delete b;
    buttons_.clear();
    int n = items_->Count();
    int rows = (n + columns_ - 1) / columns_;
    for (int i = 0; i < n; ++i) {
        auto* b = new QRadioButton(ToQ(items_->Get(i)), this);
        b->setAutoExclusive(false);  // the group keeps exactly one checked itself
        connect(b, &QRadioButton::clicked, this, [this, i](bool) { ButtonClicked(i); });
        grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
        buttons_.push_back(b);
    }
    if (itemIndex_ >= n) itemIndex_ = -1;
    for (int i = 0; i < n; ++i) buttons_[static_cast<size_t>(i)]->setChecked(i == itemIndex_);
}

void TRadioGroup::SetItemIndex(int index)
{
    int n = static_cast<int>(buttons_.size());
    if (index < -1) index = -1;
    if (index >= n) index = n - 1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    for (int i = 0; i < n; ++i) buttons_[static_cast<size_t>(i)]->setChecked(i == itemIndex_);
    if (itemIndex_ >= 0) FireEvent(OnClick, static_cast<TObject*>(this));
}

void TRadioGroup::ButtonClicked(int index)
{
    itemIndex_ = index;
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setChecked(static_cast<int>(i) == index);
    FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TTimer ----

TTimer::TTimer(TComponent* owner) : TComponent(owner), timer_(new QTimer)
{
    RegisterApplicationCleanup();
    QObject::connect(timer_, &QTimer::timeout, [this]() { FireEvent(OnTimer, static_cast<TObject*>(this)); });
    Update();
}

TTimer::~TTimer() { delete timer_; }

void TTimer::SetEnabled(bool v)
{
    enabled_ = v;
    Update();
}

void TTimer::SetInterval(unsigned ms)
{
    interval_ = ms;
    Update();
}

void TTimer::Update()
{
    if (enabled_ && interval_ > 0) timer_->start(static_cast<int>(interval_));
    else timer_->stop();
}

// Status bars, page controls and progress bars.
#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/comctrls.h"

// ---- TStatusBar ----

void TStatusPanel::SetText(const AnsiString& s)
{
    text_ = s;
    label_->setText(ToQ(s));
}

void TStatusPanel::SetWidth(int w)
{
    width_ = w < 0 ? 0 : w;
    bar_->Relayout();
}

int TStatusPanel::Index() const { return bar_->Panels()->IndexOf(this); }

TStatusPanels::~TStatusPanels()
{
    for (TStatusPanel* p : panels_) delete p;
}

TStatusPanel* TStatusPanels::Items(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return panels_[static_cast<size_t>(index)];
}

int TStatusPanels::IndexOf(const TStatusPanel* p) const
{
    auto it = std::find(panels_.begin(), panels_.end(), p);
    return it == panels_.end() ? -1 : static_cast<int>(it - panels_.begin());
}

TStatusPanel* TStatusPanels::Add()
{
    auto* label = new QLabel(bar_);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar_->Layout()->insertWidget(Count(), label);
    auto* p = new TStatusPanel(bar_, label);
    panels_.push_back(p);
    bar_->Relayout();
    return p;
}

void TStatusPanels::Delete(int index)
{
    TStatusPanel* p = Items(index);
    panels_.erase(panels_.begin() + index);
    delete p->Label();
    delete p;
    bar_->Relayout();
}

void TStatusPanels::Clear()
{
    while (Count() > 0) Delete(Count() - 1);
}

TStatusBar::TStatusBar(TComponent* owner)
    : TQtControl<QFrame>(owner), panels_(new TStatusPanels(this)), layout_(new QHBoxLayout(this)),
      simple_(new QLabel(this))
{
    layout_->setContentsMargins(2, 2, 2, 0);
    layout_->setSpacing(2);
    simple_->setTextFormat(Qt::PlainText);
    layout_->addWidget(simple_, 1);
    resize(200, std::max(19, fontMetrics().height() + 6));
    SetAlign(alBottom);
    Relayout();
}

TStatusBar::~TStatusBar() { delete panels_; }

void TStatusBar::SetSimplePanel(bool v)
{
    simplePanel_ = v;
    Relayout();
}

void TStatusBar::SetSimpleText(const AnsiString& s)
{
    simpleText_ = s;
    simple_->setText(ToQ(s));
}

void TStatusBar::Relayout()
{
    int n = panels_->Count();
    bool simple = simplePanel_ || n == 0;
    simple_->setVisible(simple);
    for (int i = 0; i < n; ++i) {
        QLabel* l = panels_->Items(i)->Label();
        l->setVisible(!simple);
        if (i == n - 1) {
            // The last panel reaches to the right end.
            l->setMinimumWidth(panels_->Items(i)->Width());
            l->setMaximumWidth(QWIDGETSIZE_MAX);
            layout_->setStretchFactor(l, 1);
        } else {
            l->setFixedWidth(panels_->Items(i)->Width());
            layout_->setStretchFactor(l, 0);
        }
    }
}

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* owner) : TQtControl<QWidget>(owner) {}

TTabSheet::~TTabSheet()
{
    if (pageControl_) pageControl_->RemoveSheet(this);
}

void TTabSheet::SetCaption(const AnsiString& s)
{
    caption_ = s;
    if (pageControl_) pageControl_->SheetChanged(this);
}

void TTabSheet::SetPageControl(TPageControl* pc)
{
    if (pc == pageControl_) return;
    if (pageControl_) pageControl_->RemoveSheet(this);
    pageControl_ = pc;
    TQtControl<QWidget>::SetParent(pc);
    if (pc) pc->InsertSheet(this);
}

void TTabSheet::SetParent(TWinControl* parent)
{
    if (auto* pc = dynamic_cast<TPageControl*>(parent)) {
        SetPageControl(pc);
        return;
    }
    SetPageControl(nullptr);
    TQtControl<QWidget>::SetParent(parent);
}

void TTabSheet::SetTabVisible(bool v)
{
    tabVisible_ = v;
    if (pageControl_) pageControl_->SheetChanged(this);
}

int TTabSheet::PageIndex() const { return pageControl_ ? pageControl_->indexOf(const_cast<TTabSheet*>(this)) : -1; }

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* owner) : TQtControl<QTabWidget>(owner)
{
    resize(289, 193);
    connect(this, &QTabWidget::currentChanged, this, [this](int) {
        if (quiet_ == 0) FireEvent(OnChange, static_cast<TObject*>(this));
    });
}

TPageControl::~TPageControl()
{
    disconnect(this, nullptr, this, nullptr);
    ++quiet_;
    for (int i = 0; i < count(); ++i)
        if (auto* s = dynamic_cast<TTabSheet*>(widget(i))) s->ForgetPageControl();
}

TTabSheet* TPageControl::Pages(int index) const
{
    if (index < 0 || index >= count())
        ListIndexError(index);
    return dynamic_cast<TTabSheet*>(widget(index));
}

TTabSheet* TPageControl::ActivePage() const { return dynamic_cast<TTabSheet*>(currentWidget()); }

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (!page || indexOf(page) < 0) return;
    ++quiet_;
    setCurrentWidget(page);
    --quiet_;
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= count()) return;
    ++quiet_;
    setCurrentIndex(index);
    --quiet_;
}

void TPageControl::InsertSheet(TTabSheet* sheet)
{
    ++quiet_;
    int i = addTab(sheet, ToQ(sheet->Caption()));
    setTabVisible(i, sheet->TabVisible());
    --quiet_;
}

void TPageControl::RemoveSheet(TTabSheet* sheet)
{
    ++quiet_;
    int i = indexOf(sheet);
    if (i >= 0) removeTab(i);
    --quiet_;
}

void TPageControl::SheetChanged(TTabSheet* sheet)
{
    int i = indexOf(sheet);
    if (i < 0) return;
    ++quiet_;
    setTabText(i, ToQ(sheet->Caption()));
    setTabVisible(i, sheet->TabVisible());
    --quiet_;
}

// ---- TProgressBar ----

TProgressBar::TProgressBar(TComponent* owner) : TQtControl<QProgressBar>(owner)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    resize(150, 16);
}

void TProgressBar::SetPosition(int v)
{
    setValue(std::max(minimum(), std::min(maximum(), v)));
}

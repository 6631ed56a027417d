// Labels, static texts and memos.
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/ui/stdctrls.h"

namespace {

Qt::Alignment QtAlignment(TAlignment a)
{
    switch (a) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignTop;
    case taCenter: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Sizes a label to its text; a right-justified one keeps its right edge.
void FitText(TControl* c, QLabel* label, TAlignment a)
{
    QSize s = label->sizeHint();
    int left = c->Left();
    if (a == taRightJustify) left = c->Left() + c->Width() - s.width();
    c->SetBounds(left, c->Top(), s.width(), s.height());
}

// The lines of a memo, kept in its document: one block per line.
class MemoLines : public TStrings {
public:
    explicit MemoLines(QPlainTextEdit* edit) : edit_(edit) {}

    int Count() const override
    {
        QTextDocument* d = edit_->document();
        if (d->isEmpty()) return 0;
        int n = d->blockCount();
        if (d->lastBlock().text().isEmpty()) --n;
        return n;
    }
    AnsiString Get(int index) const override
    {
        CheckIndex(index, Count());
        return FromQ(edit_->document()->findBlockByNumber(index).text());
    }
    void Put(int index, const AnsiString& s) override
    {
        CheckIndex(index, Count());
        QTextCursor c(edit_->document()->findBlockByNumber(index));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(ToQ(s));
    }
    void Insert(int index, const AnsiString& s) override
    {
        int n = Count();
        CheckIndex(index, n + 1);
        QTextDocument* d = edit_->document();
        if (index == n) {
            QTextCursor c(d);
            c.movePosition(QTextCursor::End);
            if (!d->isEmpty() && !d->lastBlock().text().isEmpty()) c.insertBlock();
            c.insertText(ToQ(s));
            edit_->setTextCursor(c);
            edit_->ensureCursorVisible();
        } else {
            QTextCursor c(d->findBlockByNumber(index));
            c.insertText(ToQ(s));
            c.insertBlock();
        }
    }
    void Delete(int index) override
    {
        CheckIndex(index, Count());
        QTextDocument* d = edit_->document();
        QTextBlock b = d->findBlockByNumber(index);
        QTextCursor c(b);
        if (b.next().isValid()) {
            c.setPosition(b.next().position(), QTextCursor::KeepAnchor);
        } else if (index > 0) {
            c.setPosition(b.previous().position() + b.previous().length() - 1);
            c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        } else {
            c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        }
        c.removeSelectedText();
    }
    void Clear() override { edit_->clear(); }

private:
    QPlainTextEdit* edit_;
};

}  // namespace

// ---- TLabel ----

TLabel::TLabel(TComponent* owner) : TQtControl<QLabel, TControl>(owner)
{
    setTextFormat(Qt::PlainText);
    setAlignment(QtAlignment(alignment_));
    FitText(this, this, alignment_);
}

void TLabel::SetCaption(const AnsiString& s)
{
    setText(ToQ(s));
    if (autoSize_) FitText(this, this, alignment_);
}

void TLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    if (v) FitText(this, this, alignment_);
}

void TLabel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setAlignment(QtAlignment(a));
}

void TLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QLabel, TControl>::mouseReleaseEvent(e);
    if (alive && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TStaticText ----

TStaticText::TStaticText(TComponent* owner) : TQtControl<QLabel>(owner)
{
    setTextFormat(Qt::PlainText);
    setAlignment(QtAlignment(alignment_));
    FitText(this, this, alignment_);
}

void TStaticText::SetCaption(const AnsiString& s)
{
    setText(ToQ(s));
    if (autoSize_) FitText(this, this, alignment_);
}

void TStaticText::SetAutoSize(bool v)
{
    autoSize_ = v;
    if (v) FitText(this, this, alignment_);
}

void TStaticText::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setAlignment(QtAlignment(a));
}

void TStaticText::SetBorderStyle(TStaticBorderStyle s)
{
    borderStyle_ = s;
    switch (s) {
    case sbsSunken: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case sbsSingle: setFrameStyle(QFrame::Box | QFrame::Plain); break;
    default: setFrameStyle(QFrame::NoFrame); break;
    }
    setLineWidth(1);
    if (autoSize_) FitText(this, this, alignment_);
}

void TStaticText::mouseReleaseEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QLabel>::mouseReleaseEvent(e);
    if (alive && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TMemo ----

TMemo::TMemo(TComponent* owner) : TQtControl<QPlainTextEdit>(owner), lines_(new MemoLines(this))
{
    // Lines written by code are no operator's edits to undo, and a long-running message
    // memo must not keep them all twice.
    document()->setUndoRedoEnabled(false);
    color_ = clWindow;
    resize(185, 89);
    SetWordWrap(true);
    SetScrollBars(ssNone);
}

TMemo::~TMemo() { delete lines_; }

void TMemo::SetWordWrap(bool v)
{
    wordWrap_ = v;
    setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    scrollBars_ = s;
    bool h = s == ssHorizontal || s == ssBoth, v = s == ssVertical || s == ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetColor(TColor c)
{
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQ(c));
    setPalette(pal);
}

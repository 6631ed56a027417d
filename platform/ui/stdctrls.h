// Standard controls: edits, combo boxes, labels, buttons, check boxes, group boxes, memos.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/controls.h"

using TKeyPressEvent = TClosure<TObject*, char&>;

class TCustomEdit : public TQtControl<QLineEdit> {
public:
    explicit TCustomEdit(TComponent* owner);

    AnsiString Text() const { return FromQ(text()); }
    // Fires OnChange when the text changes, as when the operator types.
    void SetText(const AnsiString& s);
    // 0: no limit. Limits what the operator types, never what code sets.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool v) { setReadOnly(v); }
    void SetColor(TColor c) override;
    void SelectAll() { selectAll(); }

    // Runs the exit event as when the focus leaves the edit.
    void DoExit() { FireEvent(OnExit, static_cast<TObject*>(this)); }

    TNotifyEvent OnChange;
    TNotifyEvent OnExit;
    TNotifyEvent OnEnter;
    TKeyPressEvent OnKeyPress;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void PasteFiltered();

    int maxLength_ = 0;
    int changing_ = 0;  // depth of OnChange handlers running
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TQtControl<QComboBox> {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TStrings* Items() const { return items_; }
    int ItemIndex() const { return currentIndex(); }
    // Selects by code: no change event, as in the class library.
    void SetItemIndex(int index);
    AnsiString Text() const { return FromQ(currentText()); }
    void SetText(const AnsiString& s);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int n) { setMaxVisibleItems(n); }
    void SetColor(TColor c) override;

    TNotifyEvent OnChange;  // the operator's action only
    TNotifyEvent OnExit;

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    TStrings* items_;
    TComboBoxStyle style_ = csDropDown;
};

// ---- labels, buttons, check boxes, group boxes, memos ----

class TLabel : public TQtControl<QLabel, TControl> {
public:
    explicit TLabel(TComponent* owner);
    AnsiString Caption() const { return FromQ(text()); }
    // An auto-sized label takes the size of its text.
    void SetCaption(const AnsiString& s);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool v) { setWordWrap(v); }
    bool IsGraphic() const override { return true; }
    void FontChanged() override { SetAutoSize(autoSize_); }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
};

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

class TStaticText : public TQtControl<QLabel> {
public:
    explicit TStaticText(TComponent* owner);
    AnsiString Caption() const { return FromQ(text()); }
    void SetCaption(const AnsiString& s);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle s);
    void FontChanged() override { SetAutoSize(autoSize_); }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TStaticBorderStyle borderStyle_ = sbsNone;
};

// A push button. A click sets the ModalResult of its form (when not mrNone), then runs
// OnClick. Default: Enter clicks it; Cancel: Escape clicks it.
class TButton : public TQtControl<QPushButton> {
public:
    explicit TButton(TComponent* owner);
    AnsiString Caption() const { return FromQ(text()); }
    void SetCaption(const AnsiString& s) { setText(ToQ(s)); }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    bool Default() const { return isDefault(); }
    void SetDefault(bool v) { setDefault(v); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    // Clicks as the operator does.
    virtual void Click();

private:
    TModalResult modalResult_ = mrNone;
    bool cancel_ = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// OnClick runs when the operator clicks and also when code changes Checked, as in the class
// library.
class TCheckBox : public TQtControl<QCheckBox> {
public:
    explicit TCheckBox(TComponent* owner);
    AnsiString Caption() const { return FromQ(text()); }
    void SetCaption(const AnsiString& s) { setText(ToQ(s)); }
    bool Checked() const { return checkState() == Qt::Checked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const { return isTristate(); }
    void SetAllowGrayed(bool v) { setTristate(v); }
};

// Radio buttons of one parent exclude each other. OnClick runs on the operator's click and
// when code checks the button.
class TRadioButton : public TQtControl<QRadioButton> {
public:
    explicit TRadioButton(TComponent* owner);
    AnsiString Caption() const { return FromQ(text()); }
    void SetCaption(const AnsiString& s) { setText(ToQ(s)); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool v);
};

class TGroupBox : public TQtControl<QGroupBox> {
public:
    explicit TGroupBox(TComponent* owner);
    AnsiString Caption() const { return FromQ(title()); }
    void SetCaption(const AnsiString& s) { setTitle(ToQ(s)); }
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit; Lines holds its lines (a last empty line does not count, as in the class
// library). Adding a line scrolls it into view.
class TMemo : public TQtControl<QPlainTextEdit> {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    TStrings* Lines() const { return lines_; }
    AnsiString Text() const { return FromQ(toPlainText()); }
    void SetText(const AnsiString& s) { setPlainText(ToQ(s)); }
    void Clear() { clear(); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool v) { setReadOnly(v); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    void SetColor(TColor c) override;

private:
    TStrings* lines_;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
};

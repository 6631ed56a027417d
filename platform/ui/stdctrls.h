// Standard controls: edits and combo boxes.
#pragma once

#include <QComboBox>
#include <QLineEdit>

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
    TColor Color() const { return color_; }
    void SetColor(TColor c);
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
    int maxLength_ = 0;
    TColor color_ = clWindow;
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

    TNotifyEvent OnChange;  // the operator's action only
    TNotifyEvent OnExit;

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    TStrings* items_;
    TComboBoxStyle style_ = csDropDown;
};

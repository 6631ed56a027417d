// The panels from which a configuration form is built at run time, around one request and
// its variable list:
//
//   TCtrlBtnPanel       the button column at the right edge, with the row counter on top
//   TMsgPanel           the strip whose memo receives the request's result lines
//   TEditsPanel         one row per variable: check box, label, edit or drop-down list
//   TListViewPanel      a list view bound to a table request
//   TSNMPPanel          buttons, content and message strip; Refresh reads, Close closes
//   TSNMPEditorPanel    a TSNMPPanel over a TEditsPanel; Set Checked writes the checked rows
//   TSNMPListViewPanel  a TSNMPEditorPanel over a TListViewPanel, with Add, Edit and Delete
//                       (the edits panel is lent to a modal page for Add and Edit)
//
// Sizes are pixels, unscaled. The request is never owned by a panel.
#pragma once

#include <vector>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class QzSNMPRequest2Edits;
class TSNMPPanel;

class TCtrlBtnPanel : public TPanel {
public:
    // Count box, samples label and the eight buttons; a button whose glyph file lies in the
    // current directory shows the glyph instead of its caption. Parent: Owner, aligned right.
    explicit TCtrlBtnPanel(TComponent* Owner);
    ~TCtrlBtnPanel() override;

    // Stacks the controls from the top margin down, 96 wide; hidden ones take no room.
    void ArrangeButtons();
    // What the stacked column needs from the top: its last visible control's bottom edge
    // and the top margin again.
    int ArrangedHeight() const;

    TLabel* SamplesLabel;
    TStaticText* CountBox;
    TBitBtn* RefreshBtn;
    TBitBtn* EditBtn;
    TBitBtn* SetCheckedBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CheckAllBtn;
    TBitBtn* ClearChecksBtn;
    TBitBtn* CloseBtn;
    int LeftMargin = 10;
    int TopMargin = 10;
    TList* Arrangement;  // the controls in stacking order
};

class TMsgPanel : public TPanel {
public:
    explicit TMsgPanel(TComponent* Owner);
    TMemo* Memo;
};

enum TEditRowKind {
    rkEnd = 0,           // no row
    rkReadOnlyText = 1,  // TEdit, read-only
    rkText = 2,          // TEdit
    rkList = 3,          // TComboBox: a writable enumeration
    rkReadOnlyList = 4,  // TEdit, read-only: an enumeration shown as its label
    rkCustom = 5,        // a control of the form's own (ReplaceRowInput)
};

struct TEditRow {
    int Kind = rkEnd;
    AnsiString Format;          // edit-constraint format of an edit
    TControl* Input = nullptr;  // TEdit, TComboBox for rkList, the form's own for rkCustom
    TCheckBox* Check = nullptr;
    TLabel* Label = nullptr;
};

class TEditsPanel : public TPanel {
public:
    TEditsPanel(TComponent* Owner, QzSNMPRequest2Edits* request);

    void BuildRows(QzSNMPRequest2Edits* request);
    // mode 1: all rows on one line; mode 2: one row under the other; other modes move nothing.
    // resize: the panel takes the rows' extent and a margin of 40.
    void ArrangeRows(int mode, bool resize);
    void SetEditWidth(int width, int mode);
    // Shows the buttons an editor needs.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    void SetReadOnlyColors(TColor font, TColor background);
    // Writable rows that are no key enabled (their check boxes take `checked`), the rest disabled.
    void ResetRowStates(bool checked);

    // Row operations; an index outside the rows shows "aIdx is overtop!" and does nothing.
    void DisableRow(int i);
    void EnableRow(int i);
    void HideRow(int i);
    void ShowRow(int i);
    void UncheckRow(int i);
    void ClearRow(int i);
    void ClearRows();
    void SetRowText(int i, const AnsiString& text);
    // A custom row is empty when its panel's caption is: the form that composes the row from
    // several controls sets the caption to tell.
    bool IsRowEmpty(int i);
    // Puts a control of the form's own in row i's input place (parent, bounds and enabled
    // state of the generated input) and deletes the generated one with its association; the
    // row becomes rkCustom, and binding the new control to the variable is the form's.
    void ReplaceRowInput(int i, TControl* input);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Row i; a row of kind rkEnd outside the rows.
    const TEditRow& Row(int i) const;
    TCheckBox* RowCheck(int i) const { return Row(i).Check; }
    TControl* RowInput(int i) const { return Row(i).Input; }
    bool IsReadOnlyRow(int i) const;
    bool IsKeyRow(int i) const;
    bool IsHiddenRow(int i) const;
    bool IsCheckedRow(int i) const;

    QzSNMPRequest2Edits* Request() const { return request_; }
    TScrollBox* ScrollBox() const { return scrollBox_; }
    int EditWidth() const { return editWidth_; }
    bool DefaultChecked() const { return defaultChecked_; }

    // Enables the Set Checked button of the SNMP panel that holds this panel when a visible
    // check box is checked, disables it otherwise.
    void UpdateSetChecked();

private:
    bool CheckIndex(int i) const;
    void CheckBoxClick(TObject* Sender);
    TSNMPPanel* HolderPanel() const;

    std::vector<TEditRow> rows_;
    int editWidth_ = 121;
    TColor readOnlyFont_ = clBlack;
    TColor readOnlyBackground_ = clBtnFace;
    QzSNMPRequest2Edits* request_ = nullptr;
    bool defaultChecked_ = false;
    TScrollBox* scrollBox_ = nullptr;
};

class TListViewPanel : public TPanel {
public:
    // Binds a new list view to the request; at most 450 wide (8 pixels a caption letter) and
    // 350 high.
    TListViewPanel(TComponent* Owner, QzSNMPRequest2Edits* request);
    // Shows the buttons a table needs.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    TListView* ListView;
    int DeleteStatusColumn = -1;
    int AddStatusColumn = -1;
    AnsiString AddStatusValue;
    AnsiString DeleteStatusValue;
};

class TSNMPPanel : public TPanel {
public:
    // messagePanel: result lines go to its memo; null: to a message strip of the panel's own.
    TSNMPPanel(TComponent* Owner, TMsgPanel* messagePanel, QzSNMPRequest2Edits* request);

    // Shows content in the client area and takes its size around it.
    void SetContent(TControl* content);
    // Fills the form's client area, grown to the panel's size but at most 800 x 550.
    void AttachToForm(TForm* form);
    void RefreshBtnClick(TObject* Sender);
    void CloseBtnClick(TObject* Sender);

    QzSNMPRequest2Edits* Request;
    TCtrlBtnPanel* BtnPanel;
    TPanel* ClientPanel;
    TMsgPanel* MsgPanel;  // the own message strip; null with an external one
    TForm* Form = nullptr;
    TControl* Content = nullptr;
    TSplitter* RightSplitter;
    TSplitter* BottomSplitter;  // above the own message strip; null without one
};

class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(TComponent* Owner, QzSNMPRequest2Edits* request);

    void SetEditWidth(int width);
    // Variable i's edit gets another edit-constraint format.
    void SetVarFormat(int i, const char* format);
    // Writes the checked rows, synchronously. A sender whose Tag is 1 (a page's button) closes
    // its page afterwards, unless a checked row was empty.
    void SetCheckedClick(TObject* Sender);
    void CheckAllClick(TObject* Sender);
    void ClearChecksClick(TObject* Sender);

    TEditsPanel* EditsPanel;
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(TComponent* Owner, QzSNMPRequest2Edits* request);

    // The status value written by Add or Delete into a column; it must be one of the items of
    // the column's drop-down list. Shows the Add (Delete) button.
    void SetAddStatus(int column, const char* value);
    void SetDeleteStatus(int column, const char* value);

    // Refresh: ignored while an asynchronous read runs.
    void RefreshListClick(TObject* Sender);
    void AddBtnClick(TObject* Sender);
    void EditBtnClick(TObject* Sender);
    void DeleteBtnClick(TObject* Sender);
    void ListViewDblClick(TObject* Sender);
    void ListViewClick(TObject* Sender);
    void ListViewChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void ListViewMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    // The tool tip of a row: a line per column, caption and text.
    AnsiString RowHint(TListItem* item) const;

    TListViewPanel* ListViewPanel;
    TNotifyEvent OnBeforeAdd;
    TNotifyEvent OnAfterAdd;
    TNotifyEvent OnBeforeEdit;
    TNotifyEvent OnAfterEdit;
    // The panel of the Add or Edit page while one is open; null otherwise.
    TSNMPPanel* PagePanel = nullptr;

private:
    class Page;
    void SetStatus(int column, const char* value, bool add);
    void ClearEditRows(TObject* Sender);
    void ShowCount();
    void AddPage();
    void EditPage();
    // Waits, processing messages, until a running asynchronous read has ended; false when the
    // form was closed meanwhile (the close is then made again).
    bool WaitForRead();
    // Opens the Edit page once the SNMP pump has returned (polled, never spun).
    void DeferEdit();
    bool editDeferred_ = false;
    AnsiString PageCaption() const;
};

// The main window's menu commands as records: what each menu item opens and how. One piece
// of code per kind runs them (TMainForm::RunMenuCommand); the records are data.
#pragma once

#include "platform/ui/ansistring.h"

class TMainForm;
class TObject;

enum TCommandKind {
    ckEditor,    // generated configuration form with an editor panel over one descriptor table
    ckListView,  // generated configuration form with a list-view panel over one descriptor table
    ckForm,      // a hand-made feature form, shown modally
    ckModule,    // one of the host's module executables, through the launcher
    ckSpecial,   // a handler of the main window's own
};

// The form caption alone, or followed by ": " and the agent's address.
enum TCaptionRule { crPlain, crAddress };

// The one step of its own that a command may add.
enum TCommandExtra {
    exNone,
    exSnmpV2c,            // an SNMPv1 connection reads the table with SNMPv2c; restored afterwards
    exSynchronous,        // the form's request is synchronous
    exRmonCloseHook,      // the form's close re-reads the RMON state for the menu
    exDot1xMenuState,     // the 802.1X state is re-read for the menu after the form is gone
    exEditorWidth,        // the editor panel's edits get width trunc(extraValue x scale)
    exRowEditorWidth,     // the row editor's edits grow by trunc(extraValue x scale)
    exNoEdit,             // the list view's button column has no Edit button
    exStpVersionRefresh,  // the spanning-tree version is read first; a failure goes to the status bar
    exPortEditorWidth,    // the editor panel's edits grow by trunc(extraValue x scale) (port pop-up)
};

// Height or width of a table command's form, set in the record's order: Height := v or
// Height := Height + v, where v = trunc(value x ScaleFactor) or, unscaled, value.
struct TSizeAction {
    char dimension = 0;  // 'H', 'W', or 0: none
    bool additive = false;
    bool scaled = true;
    int value = 0;
};

using TMainFormHandler = void (TMainForm::*)(TObject*);

struct TMenuCommand {
    const char* component;  // the menu item
    TCommandKind kind;
    // ckEditor, ckListView: the descriptor table's catalog component (null: the item's own);
    // ckForm: the form class; ckModule: the launcher's argument ("/TRmon_History").
    const char* target = nullptr;
    TCaptionRule captionRule = crPlain;
    TSizeAction sizes[2] = {};
    TCommandExtra extra = exNone;
    int extraValue = 0;          // the width of exEditorWidth and exRowEditorWidth
    const char* caption = nullptr;  // ckForm: the caption set before showing; null keeps the form's own
    const char* global = nullptr;   // ckForm: the variable holding the open form; null when local only
    TMainFormHandler handler = nullptr;  // ckSpecial
    // ckEditor, ckListView: the instance of the form's variable list (a port pop-up's
    // "<port>.<medium>"); null: none. Only commands made at run time set it.
    const char* instance = nullptr;
};

// Every command, in menu order.
int MenuCommandCount();
const TMenuCommand& MenuCommandAt(int index);  // 0 .. MenuCommandCount()-1
// The command of a menu item (exact component name), or null for an item without one.
const TMenuCommand* FindMenuCommand(const AnsiString& component);
// The catalog component of a table command's descriptor table.
const char* TableComponent(const TMenuCommand& cmd);

// trunc(value x scaleFactor), toward zero.
int ScaledSize(int value, float scaleFactor);

// "caption" or "caption: address".
AnsiString RuleCaption(const AnsiString& caption, TCaptionRule rule, const AnsiString& address);

// What a table command makes of its form: the caption and the size after its size actions,
// from the form's size as built.
struct TCommandLayout {
    AnsiString caption;
    int width;
    int height;
};
TCommandLayout ComputeCommandLayout(const TMenuCommand& cmd, const AnsiString& formCaption,
                                    const AnsiString& agentAddress, float scaleFactor, int width,
                                    int height);

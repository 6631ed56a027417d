// Message boxes and beeps. Every box of the program goes through PlatformMessageBox, whose
// handler a test replaces to read the text and give the answer.
#pragma once

#include <functional>

#include "platform/ui/classes.h"

enum : int {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30, MB_ICONEXCLAMATION = 0x30, MB_ICONINFORMATION = 0x40,
    MB_ICONASTERISK = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

using MessageBoxHandler = std::function<int(const AnsiString& text, const AnsiString& caption, int flags)>;
using BeepHandler = std::function<void(unsigned frequency, unsigned duration)>;

// Installs a handler and returns the one it replaces; an empty handler restores the default
// (a Qt message box; on a display-less platform the text goes to standard error and the box
// answers OK, Cancel or No).
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
BeepHandler SetBeepHandler(BeepHandler handler);

int PlatformMessageBox(const AnsiString& text, const AnsiString& caption, int flags);
void Beep(unsigned frequency, unsigned duration);
// The default message beep (a refused key); goes through the beep handler as Beep(0, 0).
void MessageBeep(unsigned type = 0);
// A box with the application's title as caption and an OK button.
void ShowMessage(const AnsiString& text);
// A box captioned with the program's file name, extension included: the libraries' own error
// boxes.
int ProgramMessageBox(const AnsiString& text, int flags);

// The class library's message dialog, through PlatformMessageBox: the caption names the kind
// ("Warning", "Error", "Information", "Confirm"); OK/Cancel, Yes/No and Yes/No/Cancel map to
// the boxes of those buttons, anything else to OK. Returns mrOk, mrCancel, mrYes or mrNo.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
extern const TMsgDlgButtons mbOKCancel;
extern const TMsgDlgButtons mbYesNoCancel;

int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

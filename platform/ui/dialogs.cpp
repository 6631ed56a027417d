#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

namespace {

MessageBoxHandler& BoxHandler()
{
    static MessageBoxHandler h;
    return h;
}

BeepHandler& TheBeepHandler()
{
    static BeepHandler h;
    return h;
}

int DefaultAnswer(int flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL: case MB_YESNOCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    default: return IDOK;
    }
}

bool HasDisplay()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    QString p = QGuiApplication::platformName();
    return p != "offscreen" && p != "minimal";
}

int QtMessageBox(const AnsiString& text, const AnsiString& caption, int flags)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ToQ(caption));
    box.setText(ToQ(text));
    switch (flags & 0xF0) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (flags & 0xF) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
    }
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler old = std::move(BoxHandler());
    BoxHandler() = std::move(handler);
    return old;
}

BeepHandler SetBeepHandler(BeepHandler handler)
{
    BeepHandler old = std::move(TheBeepHandler());
    TheBeepHandler() = std::move(handler);
    return old;
}

int PlatformMessageBox(const AnsiString& text, const AnsiString& caption, int flags)
{
    if (BoxHandler()) return BoxHandler()(text, caption, flags);
    if (!HasDisplay()) {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
        return DefaultAnswer(flags);
    }
    return QtMessageBox(text, caption, flags);
}

void Beep(unsigned frequency, unsigned duration)
{
    if (TheBeepHandler()) {
        TheBeepHandler()(frequency, duration);
        return;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

void MessageBeep(unsigned) { Beep(0, 0); }

void ShowMessage(const AnsiString& text) { PlatformMessageBox(text, Application->Title(), MB_OK); }

int ProgramMessageBox(const AnsiString& text, int flags)
{
    return PlatformMessageBox(text, ExtractFileName(Application->ExeName()), flags);
}

const TMsgDlgButtons mbOKCancel = TMsgDlgButtons() << mbOK << mbCancel;
const TMsgDlgButtons mbYesNoCancel = TMsgDlgButtons() << mbYes << mbNo << mbCancel;

int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    AnsiString caption;
    int flags = 0;
    switch (type) {
    case mtWarning: caption = "Warning"; flags = MB_ICONWARNING; break;
    case mtError: caption = "Error"; flags = MB_ICONSTOP; break;
    case mtInformation: caption = "Information"; flags = MB_ICONINFORMATION; break;
    case mtConfirmation: caption = "Confirm"; flags = MB_ICONQUESTION; break;
    default: caption = Application->Title(); break;
    }
    if (buttons.Contains(mbYes) && buttons.Contains(mbNo))
        flags |= buttons.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    else if (buttons.Contains(mbOK) && buttons.Contains(mbCancel))
        flags |= MB_OKCANCEL;
    switch (PlatformMessageBox(msg, caption, flags)) {
    case IDOK: return mrOk;
    case IDYES: return mrYes;
    case IDNO: return mrNo;
    default: return mrCancel;
    }
}

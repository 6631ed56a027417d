#include "platform/ui/forms.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

static TApplication theApplication;
TApplication* Application = &theApplication;

TApplication::TApplication() : TComponent(nullptr) {}

AnsiString TApplication::ExeName() const
{
    if (!exeName_.IsEmpty()) return exeName_;
    if (QCoreApplication::instance()) {
        QByteArray p = QCoreApplication::applicationFilePath().toLocal8Bit();
        return AnsiString(p.constData(), static_cast<int>(p.size()));
    }
    return AnsiString();
}

AnsiString TApplication::Title() const
{
    if (!title_.IsEmpty()) return title_;
    AnsiString name = ExtractFileName(ExeName());
    int dot = name.Pos(".");
    return dot > 0 ? name.SubString(1, dot - 1) : name;
}

void TApplication::ProcessMessages()
{
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate()
{
    terminated_ = true;
    if (QCoreApplication::instance()) QCoreApplication::quit();
}

void TApplication::ShowException(const Exception& e)
{
    // As the class library: a full stop is added after a last character above '.'.
    AnsiString msg = e.Message;
    if (!msg.IsEmpty() && static_cast<unsigned char>(msg[msg.Length()]) > '.') msg += ".";
    PlatformMessageBox(msg, Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException()
{
    try {
        throw;
    } catch (const Exception& e) {
        ShowException(e);
    } catch (const std::exception& e) {
        ShowException(Exception(e.what()));
    } catch (...) {
        ShowException(Exception("Unknown exception"));
    }
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, int flags)
{
    return PlatformMessageBox(text, caption.IsEmpty() ? Title() : caption, flags);
}

void HandleEventException() { Application->HandleException(); }

void Sleep(unsigned milliseconds) { QThread::msleep(milliseconds); }

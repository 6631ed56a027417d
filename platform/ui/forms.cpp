// The application object and the screen.
#include "platform/ui/forms.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QScreen>
#include <QThread>

#include "platform/ui/dialogs.h"
#include "platform/ui/eventexception.h"
#include "platform/ui/sysutils.h"

static TApplication theApplication;
TApplication* Application = &theApplication;
static TScreen theScreen;
TScreen* Screen = &theScreen;

void RegisterApplicationCleanup()
{
    static bool registered = false;
    if (registered || !QCoreApplication::instance()) return;
    registered = true;
    qAddPostRoutine([] {
        Screen->SetCursor(crDefault);
        Application->DestroyOwned();
    });
}

// ---- TApplication ----

TApplication::TApplication() : TComponent(nullptr) {}

// Forms still owned here mean that the process ends without Qt's application object going
// first: exit() from the window system when the display went away. The screen object and the
// window system may be gone already, so the forms are left to the process's end.
TApplication::~TApplication()
{
    mainForm_ = nullptr;
    while (ComponentCount() > 0) RemoveComponent(Components(ComponentCount() - 1));
}

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

void TApplication::Run()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || terminated_) return;
    RegisterApplicationCleanup();
    // Windows are hidden, not closed, by the forms' closing protocol; the main form's close
    // or Terminate ends the loop.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    if (mainForm_) mainForm_->Show();
    if (!terminated_) QApplication::exec();
}

void TApplication::ProcessMessages()
{
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate()
{
    terminated_ = true;
    if (QCoreApplication::instance()) QCoreApplication::exit(0);  // every running loop ends
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

namespace {

// Exceptions that leave an event handler are shown as the application shows them.
const bool kShowsEventExceptions = [] {
    SetEventExceptionHandler([] { Application->HandleException(); });
    return true;
}();

}  // namespace

void Sleep(unsigned milliseconds) { QThread::msleep(milliseconds); }

// ---- TScreen ----

static QScreen* PrimaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                         : nullptr;
}

int TScreen::PixelsPerInch() const
{
    QScreen* s = PrimaryScreen();
    return s ? qRound(s->logicalDotsPerInch()) : 96;
}

int TScreen::Width() const
{
    QScreen* s = PrimaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const
{
    QScreen* s = PrimaryScreen();
    return s ? s->geometry().height() : 0;
}

void TScreen::SetCursor(TCursor c)
{
    if (c == cursor_ || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    if (cursor_ != crDefault) QApplication::restoreOverrideCursor();
    cursor_ = c;
    if (c == crDefault) return;
    Qt::CursorShape shape;
    switch (c) {
    case crNone: shape = Qt::BlankCursor; break;
    case crCross: shape = Qt::CrossCursor; break;
    case crIBeam: shape = Qt::IBeamCursor; break;
    case crSizeNESW: shape = Qt::SizeBDiagCursor; break;
    case crSizeNS: case crVSplit: shape = Qt::SizeVerCursor; break;
    case crSizeNWSE: shape = Qt::SizeFDiagCursor; break;
    case crSizeWE: case crHSplit: shape = Qt::SizeHorCursor; break;
    case crHourGlass: shape = Qt::WaitCursor; break;
    case crNo: shape = Qt::ForbiddenCursor; break;
    case crAppStart: shape = Qt::BusyCursor; break;
    case crHandPoint: shape = Qt::PointingHandCursor; break;
    case crSizeAll: shape = Qt::SizeAllCursor; break;
    default: shape = Qt::ArrowCursor; break;
    }
    QApplication::setOverrideCursor(QCursor(shape));
}

TForm* TScreen::ActiveForm() const
{
    return dynamic_cast<TForm*>(QApplication::activeWindow());
}

// The application object.
#pragma once

#include "platform/ui/classes.h"

class Exception;

class TApplication : public TComponent {
public:
    TApplication();

    // The program's file name without directory ("vrx6120"); Title defaults to it.
    AnsiString ExeName() const;
    void SetExeName(const AnsiString& path) { exeName_ = path; }
    AnsiString Title() const;
    void SetTitle(const AnsiString& t) { title_ = t; }

    // Runs the pending window messages, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Shows an exception the way an unhandled one in an event is shown.
    void ShowException(const Exception& e);
    void HandleException();
    int MessageBox(const AnsiString& text, const AnsiString& caption, int flags);

private:
    AnsiString exeName_;
    AnsiString title_;
    bool terminated_ = false;
};

extern TApplication* Application;

void Sleep(unsigned milliseconds);

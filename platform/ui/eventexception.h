// Who shows an exception that leaves an event handler (see FireEvent in classes.h). The
// widget library installs its application's display; without it (a program with no window)
// the exception's text goes to the diagnostic output.
#pragma once

using EventExceptionHandler = void (*)();

// The handler runs inside a catch block and may rethrow to read the exception.
void SetEventExceptionHandler(EventExceptionHandler handler);

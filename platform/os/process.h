// Starting other programs: the host application's module executables and the help viewer.
#pragma once

#include <string>
#include <vector>

// Starts `program` detached, each of `args` as one argument, without a shell. A name without
// '/' is looked up on PATH. False, with the reason in *error when given, when it cannot start.
bool StartProgram(const std::string& program, const std::vector<std::string>& args,
                  std::string* error = nullptr);

// Opens a file with the desktop's handler for its type (xdg-open). False, with the reason,
// when the file is missing or the handler cannot be started; what the handler then does
// with the file (a help file of another system may have no viewer here) is its own affair.
bool OpenDocument(const std::string& path, std::string* error = nullptr);

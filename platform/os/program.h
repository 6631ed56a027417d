// The program's command line and its own directory.
#pragma once

#include <string>
#include <vector>

// Keeps the command line: args[0] is the program, the rest its parameters. The program
// entry calls it once the window system has taken its own options out.
void SetProgramArguments(std::vector<std::string> args);
void SetProgramArguments(int argc, char** argv);

// Number of parameters after the program name.
int ParamCount();
// Parameter `index` (0: the program as started); "" outside 0..ParamCount().
std::string ParamStr(int index);

// Directory of the running executable, ending in '/'; "" when the system does not say.
std::string ProgramDirectory();

// Starting programs without a shell, the command line, the program's directory.
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/process.h"
#include "platform/os/program.h"
#include "tests/support/testsupport.h"

namespace {

std::vector<std::string> Lines(const std::string& file)
{
    std::ifstream f(file);
    std::vector<std::string> out;
    std::string line;
    while (std::getline(f, line)) out.push_back(line);
    return out;
}

}  // namespace

TEST(StartProgram, EachArgumentStaysWholeAndNoShellReadsIt)
{
    TempDir dir;
    std::string out = dir.File("args");
    dir.Write("record", "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" + out + ".tmp'\nmv '" +
                            out + ".tmp' '" + out + "'\n");
    chmod(dir.File("record").c_str(), 0755);
    std::string error;
    ASSERT_TRUE(StartProgram(dir.File("record"), {"/Rmy community", "", "$HOME;*", "/TMIB_Info"}, &error)) << error;
    ASSERT_TRUE(WaitFor([&] { return access(out.c_str(), F_OK) == 0; }));
    EXPECT_EQ(Lines(out), (std::vector<std::string>{"[/Rmy community]", "[]", "[$HOME;*]", "[/TMIB_Info]"}));
}

TEST(StartProgram, FailuresSayWhy)
{
    std::string error;
    EXPECT_FALSE(StartProgram("", {}, &error));
    EXPECT_EQ(error, "no program named");
    error.clear();
    EXPECT_FALSE(StartProgram("vrx-no-such-module", {"/TMIB_Info"}, &error));
    EXPECT_EQ(error.rfind("vrx-no-such-module: ", 0), 0u) << error;
    TempDir dir;
    error.clear();
    EXPECT_FALSE(OpenDocument(dir.File("VRX-6120.hlp"), &error));
    EXPECT_EQ(error, dir.File("VRX-6120.hlp") + ": no such file");
}

TEST(ProgramArguments, ParamCountAndParamStr)
{
    SetProgramArguments({"/opt/m/vrx6120", "/I10.1.1.1", "/Rpub"});
    EXPECT_EQ(ParamCount(), 2);
    EXPECT_EQ(ParamStr(0), "/opt/m/vrx6120");
    EXPECT_EQ(ParamStr(2), "/Rpub");
    EXPECT_EQ(ParamStr(3), "");
    EXPECT_EQ(ParamStr(-1), "");
    SetProgramArguments({});
    EXPECT_EQ(ParamCount(), 0);

    // The directory of this test program.
    std::string dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(access((dir + "platform_os_tests").c_str(), X_OK), 0) << dir;
}

// A main window made in a scratch directory of its own (the SNMPv3 boots counter lies in the
// current directory) with a registry file there, from a command line the test gives.
#pragma once

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/qzmessages.h"
#include "mainwindow/mainunit.h"
#include "platform/os/program.h"
#include "snmpvars/qzsnmperror.h"
#include "tests/support/testsupport.h"

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char buf[4096];
        ASSERT_NE(getcwd(buf, sizeof buf), nullptr);
        oldDir_ = buf;
        ASSERT_EQ(chdir(dir.Path().c_str()), 0);
        setenv("VRX6120_REGISTRY", dir.File("registry.reg").c_str(), 1);
    }
    void TearDown() override
    {
        delete form;
        form = nullptr;
        // Message files loaded by a test stay with it.
        QzCommonMessageTable.Reset();
        QzSNMPMessageTable.Reset();
        unsetenv("VRX6120_REGISTRY");
        EXPECT_EQ(chdir(oldDir_.c_str()), 0);
    }
    void Registry(const std::string& sections)
    {
        dir.Write("registry.reg", "Windows Registry Editor Version 5.00\r\n\r\n" + sections);
    }
    TMainForm* Make(std::vector<std::string> params)
    {
        delete form;
        form = nullptr;
        params.insert(params.begin(), "vrx6120");
        SetProgramArguments(params);
        form = new TMainForm(nullptr);
        return form;
    }
    AnsiString Status() const { return form->StatusBar->Panels()->Items(0)->Text(); }

    TempDir dir;
    MessageBoxRecorder boxes;
    TMainForm* form = nullptr;

private:
    std::string oldDir_;
};

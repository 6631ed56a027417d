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
#include "snmpvars/qzsnmprequest2edits.h"
#include "tests/support/simagent.h"
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
        Made();
        return form;
    }
    // The main window on the simulated agent: SNMPv2c through the device settings file. The
    // requests made after it (the forms') are patient unless a test or a form sets otherwise.
    TMainForm* MakeOn(const SimAgent& agent)
    {
        dir.Write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agent.Port()) +
                                       "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
        Make({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
        QzSNMPTimeout = kPatientTimeout;
        return form;
    }
    // Shows the window and waits for its first activation (front panel, menu states).
    void ShowAndActivate()
    {
        form->Show();
        ASSERT_TRUE(WaitFor([&] { return form->Activated; }));
    }
    // Status reads that give up at once, for windows on an address where nothing answers.
    void QuickStatusReads()
    {
        for (QzSNMPRequest2Edits* r : {form->RmonStateRequest, form->StpVersionRequest, form->Dot1xStateRequest}) {
            r->Request.timeout = 5;
            r->Request.retries = 0;
        }
    }
    // Runs after every Make.
    virtual void Made() {}
    AnsiString Status() const { return form->StatusBar->Panels()->Items(0)->Text(); }

    TempDir dir;
    MessageBoxRecorder boxes;
    TMainForm* form = nullptr;

private:
    std::string oldDir_;
};

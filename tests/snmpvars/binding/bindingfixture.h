// Control bindings against the simulated agent: a form to hold the controls, the System Log
// server table of the VRX-6120 with a few more rows, and helpers to read result lines.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "common/qzoptionlist.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "snmpvars/qzsnmperror.h"
#include "tests/snmpvars/agentfixture.h"

// swSysLogCtrlServerTable: index, server IP, severity, facility, UDP port, state, row status.
inline const char* SysLogEntry() { return "1.3.6.1.4.1.171.12.12.2.1"; }
inline std::string SysLogCol(int column, int row = 0)
{
    return std::string(SysLogEntry()) + "." + std::to_string(column) + (row ? "." + std::to_string(row) : "");
}

inline QzOptionList& SeverityOptions()
{
    static const QzOptionEntry kSeverity[] = {{0, "all"}, {4, "warning"}, {6, "info"}, {0, nullptr}};
    static QzOptionList list(kSeverity);
    return list;
}
inline QzOptionList& StateOptions()
{
    static const QzOptionEntry kState[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
    static QzOptionList list(kState);
    return list;
}
inline QzOptionList& RowStatusOptions()
{
    static const QzOptionEntry kRowStatus[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
    static QzOptionList list(kRowStatus);
    return list;
}

inline const UISnmpVar* SysLogVars()
{
    static const UISnmpVar vars[] = {
        {"1.3.6.1.4.1.171.12.12.2.1.1", "Index", sxInteger, acNotAccess},
        {"1.3.6.1.4.1.171.12.12.2.1.2", "Server IP", sxIpAddress, acReadWrite},
        {"1.3.6.1.4.1.171.12.12.2.1.3", "Severity", sxInteger, acReadWrite, &SeverityOptions()},
        {"1.3.6.1.4.1.171.12.12.2.1.4", "Facility", sxInteger, acReadWrite},
        {"1.3.6.1.4.1.171.12.12.2.1.5", "UDP Port", sxInteger, acReadWrite},
        {"1.3.6.1.4.1.171.12.12.2.1.6", "State", sxInteger, acReadWrite, &StateOptions()},
        {"1.3.6.1.4.1.171.12.12.2.1.7", "Row Status", sxInteger, acReadWrite, &RowStatusOptions()},
        {nullptr},
    };
    return vars;
}

// Rows 2 and 3 beside the data file's row 1.
inline std::vector<std::string> MoreSysLogRows()
{
    std::vector<std::string> lines;
    const char* ips[] = {"10.90.90.98", "192.168.1.200"};
    for (int row = 2; row <= 3; ++row) {
        lines.push_back(SysLogCol(2, row) + " ipaddress " + ips[row - 2]);
        lines.push_back(SysLogCol(3, row) + " integer " + (row == 2 ? "4" : "6"));
        lines.push_back(SysLogCol(4, row) + " integer 2");
        lines.push_back(SysLogCol(5, row) + " integer " + std::to_string(500 + row));
        lines.push_back(SysLogCol(6, row) + " integer " + (row == 2 ? "2" : "3"));
        lines.push_back(SysLogCol(7, row) + " integer 1");
    }
    return lines;
}

// "Get: <text>[ Request:<description>]. Receive at hh:nn:ss AM." with the given text.
inline bool IsResultLine(const std::string& line, const std::string& op, const std::string& text,
                         const std::string& description = "")
{
    std::string head = op + ": " + text + (description.empty() ? "" : " Request:" + description) + ". Receive at ";
    if (line.compare(0, head.size(), head) != 0) return false;
    static const std::regex time("\\d\\d:\\d\\d:\\d\\d \\S+\\.");
    return std::regex_match(line.substr(head.size()), time);
}

inline std::string OkText() { return QzSNMPOwnText(qzsOk).std(); }

inline std::vector<std::string> LinesOf(TMemo* memo)
{
    std::vector<std::string> lines;
    for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Get(i).std());
    return lines;
}

// A form's own event handlers, bound methods so that tests can compare events.
struct FormHandlers {
    int clicks = 0, changes = 0, edits = 0, selects = 0, queries = 0;
    bool refuse = false;
    void Click(TObject*) { ++clicks; }
    void Change(TObject*) { ++changes; }
    void Edit(TObject*) { ++edits; }
    void Select(TObject*, TListItem*, bool) { ++selects; }
    void CloseQuery(TObject*, bool& canClose)
    {
        ++queries;
        if (refuse) canClose = false;
    }
};

class BindingTest : public AgentTest {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 640, 480);
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(0, 380, 640, 100);
    }
    void TearDown() override { delete form; }

    // The number of logged requests of a kind, once at least atLeast are there and every
    // request answered so far is logged (the agent logs a request after its reply).
    size_t Count(const std::string& kind, size_t atLeast = 0) const
    {
        auto count = [&] {
            size_t n = 0;
            for (const SimRequest& r : agent_->Requests())
                if (r.kind == kind) ++n;
            return n;
        };
        WaitFor([&] { return count() >= atLeast; });
        agent_->Sync();
        return count();
    }

    TForm* form = nullptr;
    TMemo* memo = nullptr;
};

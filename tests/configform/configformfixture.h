// Generated configuration forms over the VRX-6120 catalog tables, against the simulated agent:
// a form built as the table commands build it, shown modally, driven from timers while its
// modal loop (or that of an Add or Edit page) runs.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "configform/guiconfigform.h"
#include "mib/mibcatalog.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "tests/snmpvars/agentfixture.h"

// swSysLogCtrlServerTable: index, server IP, facility, severity, UDP port, state, row status.
inline std::string SysLog(int column, int row)
{
    return "1.3.6.1.4.1.171.12.12.2.1." + std::to_string(column) + "." + std::to_string(row);
}

// Rows 2 and 4 beside the data file's row 1.
inline std::vector<std::string> MoreSysLogServers()
{
    std::vector<std::string> lines;
    for (int row : {2, 4}) {
        lines.push_back(SysLog(2, row) + " ipaddress 10.90.90." + std::to_string(100 + row));
        lines.push_back(SysLog(3, row) + " integer " + std::to_string(row));
        lines.push_back(SysLog(4, row) + " integer 2");
        lines.push_back(SysLog(5, row) + " integer 514");
        lines.push_back(SysLog(6, row) + " integer 3");
        lines.push_back(SysLog(7, row) + " integer 1");
    }
    return lines;
}

inline std::vector<std::string> Oids(const SimRequest& r)
{
    std::vector<std::string> oids;
    for (const SimVarbind& vb : r.varbinds) oids.push_back(vb.oid);
    return oids;
}

// "oid=value" of every varbind.
inline std::vector<std::string> Bindings(const SimRequest& r)
{
    std::vector<std::string> out;
    for (const SimVarbind& vb : r.varbinds) out.push_back(vb.oid + "=" + vb.value);
    return out;
}

class ConfigFormTest : public AgentTest {
protected:
    void TearDown() override
    {
        delete form;
        form = nullptr;
    }

    // The agent with the VRX-6120 data file and further lines.
    void Agent(const std::vector<std::string>& lines = {}, int version = 1) { Start(lines, version, false); }

    // A form over a catalog table, set up as its table command sets it up.
    void Make(const char* component, unsigned char mode = 1)
    {
        const MibCommand* c = FindMibCommand(component);
        ASSERT_NE(c, nullptr) << component;
        delete form;
        form = new TConfigForm(Application);
        request = new QzSNMPRequest2Edits(form);
        request->Request.varList = QzSNMPVarList(c->table, static_cast<unsigned char>(c->listType), c->keyCount);
        request->Mode = mode;
        if (c->panel == mpEditor) {
            editor = form->AddEditorPanel(request);
            table = nullptr;
        } else {
            table = form->AddListViewPanel(request, c->add.column, c->add.label, c->remove.column, c->remove.label);
            editor = table;
        }
        if (c->formats)
            for (const MibVarFormat* f = c->formats; f->format; ++f) editor->SetVarFormat(f->index, f->format);
        form->SetCaption(c->caption);
    }

    // Shows the form; once its first read has ended, runs body and closes the form. Polls
    // without blocking, so a synchronous read that processes messages goes on meanwhile.
    void Run(const std::function<void()>& body)
    {
        bool ran = false;
        auto* poll = new QTimer(form);
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, poll, [this, body, poll, &ran] {
            if (!form->CurrentRequest || form->CurrentRequest->Busy) return;
            poll->stop();
            body();
            ran = true;
            form->Close();
        });
        poll->start();
        form->ShowModal();
        delete poll;
        EXPECT_TRUE(ran);
    }

    // Runs page(the page's panel) once an Add or Edit page is shown, then closes the page if
    // it is still open. Polls without blocking, so whatever runs before the page opens goes on.
    void OnPage(const std::function<void(TSNMPPanel*)>& page)
    {
        auto* poll = new QTimer(form);
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, poll, [this, page, poll] {
            TSNMPPanel* panel = table->PagePanel;
            if (!panel || !panel->isVisible()) return;
            poll->stop();
            poll->deleteLater();
            page(panel);
            if (table->PagePanel == panel) panel->Form->Close();
        });
        poll->start();
    }

    static void Click(TControl* c) { QTest::mouseClick(c->Widget(), Qt::LeftButton); }

    TListView* ListView() const { return table->ListViewPanel->ListView; }
    TListItem* Row(int i) const { return ListView()->Items()->Item(i); }
    // A point on a row, in its first column.
    QPoint RowPoint(int i) const { return QPoint(10, ListView()->visualItemRect(Row(i)).center().y()); }
    // Clicks a row as the operator does.
    void ClickRow(int i) { QTest::mouseClick(ListView()->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(i)); }
    // The first click of a double click selects the row, as the window system delivers it.
    void DoubleClickRow(int i)
    {
        ClickRow(i);
        QTest::mouseDClick(ListView()->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(i));
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < ListView()->Items()->Count(); ++i) out.push_back(Row(i)->Caption().std());
        return out;
    }

    TEdit* EditOf(int i) const { return dynamic_cast<TEdit*>(editor->EditsPanel->RowInput(i)); }
    TComboBox* ComboOf(int i) const { return dynamic_cast<TComboBox*>(editor->EditsPanel->RowInput(i)); }
    static std::vector<std::string> ItemsOf(TComboBox* box)
    {
        std::vector<std::string> out;
        for (int k = 0; k < box->Items()->Count(); ++k) out.push_back(box->Items()->Get(k).std());
        return out;
    }
    static std::vector<std::string> MemoLines(TMemo* memo)
    {
        std::vector<std::string> out;
        for (int i = 0; i < memo->Lines()->Count(); ++i) out.push_back(memo->Lines()->Get(i).std());
        return out;
    }

    // Requests of a kind, in order, once at least `count` of them are logged (the agent logs
    // a request after answering it) and with every request answered so far.
    std::vector<SimRequest> Of(const std::string& kind, size_t count = 0) const
    {
        if (count > 0) {
            WaitFor([&] { return Of(kind).size() >= count; });
            agent_->Sync();
        }
        std::vector<SimRequest> out;
        for (const SimRequest& r : agent_->Requests())
            if (r.kind == kind) out.push_back(r);
        return out;
    }

    MessageBoxRecorder boxes;
    TConfigForm* form = nullptr;
    QzSNMPRequest2Edits* request = nullptr;
    TSNMPEditorPanel* editor = nullptr;
    TSNMPListViewPanel* table = nullptr;
};

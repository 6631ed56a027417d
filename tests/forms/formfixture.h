// Hand-made feature forms against the simulated switch: the main window on the agent (made,
// not shown, so no LED poll runs), the forms registered as the program registers them, and a
// form opened from its menu item (or directly) and driven from a timer while its modal loop
// runs.
//
//   TEST_F(FeatureFormTest, Something) {
//       StartSwitch();
//       RunMenu<TPortTrunkForm>("PortTrunk2", [](TPortTrunkForm* f) { return !f->TrunkRequest->Busy; },
//                               [&](TPortTrunkForm* f) { ... Click(f->SetBtn); ... });
//       EXPECT_EQ(Sets().size(), 1u);
//   }
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "forms/acl/aclforms.h"
#include "forms/layer2/layer2forms.h"
#include "forms/routing_security/routingsecurityforms.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"
#include "tests/mainwindow/mainformfixture.h"

class FeatureFormTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        RegisterLayer2Forms();
        RegisterAclForms();
        RegisterRoutingSecurityForms();
    }
    void TearDown() override
    {
        MainFormTest::TearDown();
        agent.reset();
    }

    // The agent with the default switch and further data lines, and the main window on it.
    void StartSwitch(const std::vector<std::string>& lines = {}, const std::vector<std::string>& args = {})
    {
        SimAgentOptions options;
        options.lines = lines;
        options.args = args;
        agent = std::make_unique<SimAgent>(options);
        MakeOn(*agent);
    }

    // Picks the menu item; once the form it opens is shown and ready(form) holds, runs body(form)
    // and closes the form (if body left it open). Fails when no such form opens.
    template <class F>
    void RunMenu(const char* component, std::function<bool(F*)> ready, std::function<void(F*)> body, int ms = 10000)
    {
        TMenuItem* item = dynamic_cast<TMenuItem*>(form->FindComponent(component));
        ASSERT_NE(item, nullptr) << component;
        ASSERT_TRUE(item->Enabled()) << component << " is not enabled";
        bool ran = false;
        Drive<F>(ready, body, ran, ms);
        item->Click();
        EXPECT_TRUE(ran) << component;
    }

    // The same for a form made directly, as its menu handler makes it (Application as owner,
    // shown modally, then deleted).
    template <class F>
    void RunForm(std::function<bool(F*)> ready, std::function<void(F*)> body, int ms = 10000)
    {
        bool ran = false;
        Drive<F>(ready, body, ran, ms);
        std::unique_ptr<F> f(new F(Application));
        f->ShowModal();
        f.reset();
        EXPECT_TRUE(ran);
    }

    // The requests the agent has logged since the last Mark(), of one kind ("" for all).
    std::vector<SimRequest> Since(const std::string& kind = "") const
    {
        std::vector<SimRequest> out;
        std::vector<SimRequest> all = agent->Requests();
        for (size_t i = mark_; i < all.size(); ++i)
            if (kind.empty() || all[i].kind == kind) out.push_back(all[i]);
        return out;
    }
    void Mark() { mark_ = agent->Requests().size(); }
    // The SETs logged since Mark(), once at least `count` are there, with every request
    // answered so far.
    std::vector<SimRequest> Sets(size_t count = 1) const
    {
        WaitFor([&] { return Since("SET").size() >= count; });
        Settle();
        return Since("SET");
    }

    static void Click(TControl* c) { QTest::mouseClick(c->Widget(), Qt::LeftButton); }
    // Selects row i of a list view as the operator's click does.
    static void ClickRow(TListView* lv, int i)
    {
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(10, lv->visualItemRect(lv->Items()->Item(i)).center().y()));
    }
    static bool Idle(const QzSNMPRequest2Controls* r) { return r && !r->Busy; }
    // Waits until the request is idle and the agent has logged every request it answered.
    void WaitIdle(const QzSNMPRequest2Controls* r)
    {
        EXPECT_TRUE(WaitFor([&] { return Idle(r); }));
        Settle();
    }
    void Settle() const
    {
        if (agent) agent->Sync();
    }
    static std::vector<std::string> Captions(TListView* lv)
    {
        std::vector<std::string> out;
        for (int i = 0; i < lv->Items()->Count(); ++i) out.push_back(lv->Items()->Item(i)->Caption().std());
        return out;
    }
    // "oid type value" of every varbind of a logged request; an octet string shows as "text"
    // when every byte is printable, else as 0x and upper-case hex digits.
    static std::vector<std::string> Varbinds(const SimRequest& r)
    {
        std::vector<std::string> out;
        for (const SimVarbind& vb : r.varbinds) out.push_back(vb.oid + " " + vb.type + " " + Shown(vb));
        return out;
    }
    static std::string Shown(const SimVarbind& vb)
    {
        if (vb.type != "string" && vb.type != "opaque") return vb.value;
        bool printable = true;
        for (unsigned char c : vb.value) printable = printable && c >= 0x20 && c < 0x7f;
        if (printable) return "\"" + vb.value + "\"";
        static const char* digits = "0123456789ABCDEF";
        std::string hex = "0x";
        for (unsigned char c : vb.value) {
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        return hex;
    }

    std::unique_ptr<SimAgent> agent;

private:
    template <class F>
    void Drive(std::function<bool(F*)> ready, std::function<void(F*)> body, bool& ran, int ms)
    {
        auto* poll = new QTimer(qApp);
        poll->setInterval(5);
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, ready, body, &ran, started, ms] {
            F* f = dynamic_cast<F*>(QApplication::activeModalWidget());
            if (!f) {
                if (started->elapsed() > ms) poll->deleteLater();
                return;
            }
            if (!ready(f) && started->elapsed() < ms) return;
            poll->stop();
            poll->deleteLater();
            Settle();  // the body's Mark() then counts nothing of the opening read
            QPointer<QWidget> alive(f);
            body(f);
            ran = true;
            if (alive && f->isVisible()) f->Close();
        });
        poll->start();
    }

    size_t mark_ = 0;
};

// The AAA server control form against the simulated switch: one action row written at the
// instance of group name, address and protocol; the checks; one owner frees the form.
#include "forms/routing_security/aaasrvctrlform.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kCtrl = "1.3.6.1.4.1.171.12.5.12.1.4.";
const std::string kRadius = "6.114.97.100.105.117.115";

bool Read(TAAASrvCtrlForm* f) { return f->Request && !f->Request->Busy && f->lvOper->Items()->Count() > 0; }

class ServerControlTest : public SecurityFormTest {};

}  // namespace

TEST_F(ServerControlTest, SetAddsAndDeletesAServerOfAGroupWithoutReadingBack)
{
    StartSwitch();
    RunMenu<TAAASrvCtrlForm>("ServerControl1", Read, [&](TAAASrvCtrlForm* f) {
        EXPECT_EQ(f->Caption().std(), "Server Control: 127.0.0.1");
        EXPECT_EQ(f->cbxAuthPtcl->ItemIndex(), -1);
        EXPECT_EQ(f->cbxOper->ItemIndex(), -1);
        EXPECT_FALSE(f->lvOper->Visible());
        Screenshot(f, "TAAASrvCtrlForm");

        f->edtSrvGrpName->SetText("radius");
        f->edtSrvIP->SetText("10.90.90.22");
        f->cbxAuthPtcl->SetItemIndex(3);
        f->cbxOper->SetItemIndex(0);
        Mark();
        Click(f->btnSet);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kCtrl + kRadius + ".10.90.90.22.4 integer 1"});
        WaitIdle(f->Request);
        EXPECT_EQ(f->edtSrvGrpName->Text().std(), "radius");
        EXPECT_EQ(f->cbxOper->Text().std(), "add");

        // A server that is not in the group: the request goes all the same.
        f->edtSrvIP->SetText("10.90.90.99");
        f->cbxAuthPtcl->SetItemIndex(0);
        f->cbxOper->SetItemIndex(1);
        Click(f->btnSet);
        sets = Sets(2);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(Varbinds(sets[1]), std::vector<std::string>{kCtrl + kRadius + ".10.90.90.99.1 integer 2"});
        EXPECT_EQ(sets[1].status, "noError");
        WaitIdle(f->Request);
        EXPECT_TRUE(Since("GETNEXT").empty());
        EXPECT_TRUE(Since("GET").empty());
    });
}

TEST_F(ServerControlTest, SetChecksStopBeforeAnythingIsSent)
{
    StartSwitch();
    struct Case {
        const char* group;
        const char* ip;
        int protocol, oper;
        const char* message;
    };
    const Case cases[] = {
        {"", "10.90.90.22", 3, 0, "Please input Server Group Name."},
        {"radius", "", 3, 0, "Please input Server IP Address."},
        {"radius", "10.90.90.22", -1, 0, "Please choose Server Authentication Protocol."},
        {"radius", "10.90.90.22", 3, -1, "Please choose Operate."},
    };
    RunMenu<TAAASrvCtrlForm>("ServerControl1", Read, [&](TAAASrvCtrlForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            f->edtSrvGrpName->SetText(c.group);
            f->edtSrvIP->SetText(c.ip);
            f->cbxAuthPtcl->SetItemIndex(c.protocol);
            f->cbxOper->SetItemIndex(c.oper);
            Click(f->btnSet);
            EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.message;
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(ServerControlTest, TheFormClosedByItsButtonIsFreedOnceByTheMenuHandler)
{
    StartSwitch();
    int destroyed = 0;
    RunMenu<TAAASrvCtrlForm>("ServerControl1", Read, [&](TAAASrvCtrlForm* f) {
        QObject::connect(f, &QObject::destroyed, [&destroyed] { ++destroyed; });
        EXPECT_EQ(AAASrvCtrlForm, f);
        Click(f->btnClose);
    });
    WaitFor([] { return false; }, 50);  // a release posted by the close would run here
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(AAASrvCtrlForm, nullptr);
}

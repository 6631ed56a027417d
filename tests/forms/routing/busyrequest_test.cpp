// The routing forms whose request runs in the background, against a slow simulated switch: a
// button pressed while a read is under way starts nothing (no write, no dialog), and a row
// selected in the half-read list is not written either.
#include "forms/routing_security/bootctrltableform.h"
#include "forms/routing_security/ipstaticrouteeditform.h"
#include "forms/routing_security/ipstaticrouteform.h"
#include "forms/routing_security/newbootpctrlform.h"
#include "forms/routing_security/routeredistributform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

template <class F>
bool Read(F* f)
{
    return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() > 0;
}

class BusyRequestTest : public RoutingFormTest {
protected:
    // Starts a read that the switch answers slowly, selects the first row once it is listed,
    // runs presses() while the read is still under way, then lets the read end.
    template <class F>
    void WhileReading(F* f, TControl* refresh, std::function<void()> presses)
    {
        // Each reply is held long enough for a loaded machine to click in between, and well
        // within the request's time-out.
        f->Request->Request.timeout = 1500;
        f->Request->Request.retries = 0;
        agent->Control("fault delay 2500");
        Click(refresh);
        ASSERT_TRUE(WaitFor([&] { return f->ListView1->Items()->Count() == 1; }, 10000));
        ASSERT_TRUE(f->Request->Busy);
        ClickRow(f->ListView1, 0);
        boxes.Clear();
        Mark();
        presses();
        agent->Control("fault delay 0");
        WaitIdle(f->Request);
        EXPECT_TRUE(Since("SET").empty());
    }
    // Presses a button that opens dialog D; whether the dialog showed.
    template <class D>
    static bool Opens(TControl* button)
    {
        bool shown = false;
        WhenShown<D>([&](D*) { shown = true; });
        Click(button);
        return shown;
    }
};

}  // namespace

TEST_F(BusyRequestTest, IpStaticRouteOpensNoDialogWhileReading)
{
    StartSwitch();
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read<TIpStaticRouteForm>, [&](TIpStaticRouteForm* f) {
        WhileReading(f, f->GetButton, [&] {
            EXPECT_FALSE(Opens<TIpStaticRouteEditForm>(f->AddButton));
            EXPECT_EQ(Texts(), std::vector<std::string>{"Get data not complete"});
        });
    });
}

TEST_F(BusyRequestTest, BootCtrlTableStartsNothingWhileReading)
{
    StartSwitch();
    RunForm<TBOOTCtrlTableForm>(Read<TBOOTCtrlTableForm>, [&](TBOOTCtrlTableForm* f) {
        WhileReading(f, f->RefreshBtn, [&] {
            EXPECT_FALSE(Opens<TNewBootpCtrlForm>(f->AddBtn));
            f->DeleteBtnClick(f->DeleteBtn);
        });
    });
}

TEST_F(BusyRequestTest, RouteRedistributStartsNothingWhileReading)
{
    StartSwitch();
    RunForm<TRouteRedistributForm>(Read<TRouteRedistributForm>, [&](TRouteRedistributForm* f) {
        WhileReading(f, f->RefreshBtn, [&] {
            ASSERT_FALSE(f->Edit1->Text().IsEmpty());
            f->EditBtnClick(f->EditBtn);
            f->AddBtnClick(f->AddBtn);
            f->DeleteBtnClick(f->DeleteBtn);
            EXPECT_TRUE(f->Request->Busy);
        });
    });
}

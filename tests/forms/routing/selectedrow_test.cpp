// Every list form of the routing and security menus that writes a selected row, against the
// simulated switch: after a dialog closed without Set, a write the switch refused, a Refresh or
// a Delete, the form's next Delete or Edit goes to the row highlighted (as the operator clicks
// it again) or sends nothing, and with no row highlighted those buttons are disabled.
#include "forms/routing_security/arpipv6controleditform.h"
#include "forms/routing_security/arpipv6controlform.h"
#include "forms/routing_security/bootctrltableform.h"
#include "forms/routing_security/ipmacbindblockedform.h"
#include "forms/routing_security/ipmacbindingform.h"
#include "forms/routing_security/ipstaticrouteeditform.h"
#include "forms/routing_security/ipstaticrouteform.h"
#include "forms/routing_security/ipv6staticrouteeditform.h"
#include "forms/routing_security/ipv6staticrouteform.h"
#include "forms/routing_security/loginmethodlistform.h"
#include "forms/routing_security/newbootpctrlform.h"
#include "forms/routing_security/routeredistributform.h"
#include "forms/routing_security/serverinformationform.h"
#include "tests/forms/routing/routingfixture.h"

#include <map>

namespace {

enum Step { kDialogClosed, kRefused, kRefresh, kDelete };
const char* const kStepNames[] = {"DialogClosedWithoutSet", "WriteRefusedBySwitch", "Refresh", "Delete"};

// Sub-identifiers of hexadecimal octets, and of a text index (its length, then its characters).
std::string Arcs(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += (out.empty() ? "" : ".") + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}
std::string TextArcs(const std::string& text)
{
    std::string out = std::to_string(text.size());
    for (unsigned char c : text) out += "." + std::to_string(c);
    return out;
}
std::string Cell(TListItem* row, int column)
{
    if (column == 0) return row->Caption().std();
    return row->SubItems()->Count() >= column ? row->SubItems()->Strings(column - 1).std() : "";
}

class SelectedRowTest;

// One list form: how it opens, which row the steps start from, the instance a row's write goes
// to, its buttons by component name, and its dialog, if it has one.
struct ListForm {
    std::string name;
    std::string entry;  // the table's entry OID and a dot
    int row;
    std::function<std::string(TListItem*)> instance;
    const char* refresh;
    const char* refusedWrite;
    std::vector<const char*> rowWrites;  // Delete, then Edit where the form has one
    std::function<void(SelectedRowTest&, std::function<void(TForm*)>)> open;
    std::function<QzSNMPRequest2Controls*(TForm*)> request;
    std::function<void(TForm*)> closeDialogWithoutSet;  // types another row's index first
};

class SelectedRowTest : public RoutingFormTest, public ::testing::WithParamInterface<std::pair<int, Step>> {
public:
    static const std::vector<ListForm>& Forms();

    template <class F>
    static ListForm Form(std::string name, const char* menu, std::string entry, int row,
                         std::function<std::string(TListItem*)> instance, const char* refresh,
                         const char* refusedWrite, std::vector<const char*> rowWrites,
                         std::function<void(F*)> closeDialog = nullptr)
    {
        ListForm f{name, entry, row, instance, refresh, refusedWrite, rowWrites, nullptr, nullptr, nullptr};
        f.open = [menu](SelectedRowTest& t, std::function<void(TForm*)> body) {
            auto ready = [](F* form) { return Idle(form->Request) && form->ListView1->Items()->Count() > 0; };
            auto run = [body](F* form) { body(form); };
            if (menu)
                t.RunMenu<F>(menu, ready, run);
            else
                t.RunForm<F>(ready, run);
        };
        f.request = [](TForm* form) -> QzSNMPRequest2Controls* { return static_cast<F*>(form)->Request; };
        if (closeDialog) f.closeDialogWithoutSet = [closeDialog](TForm* form) { closeDialog(static_cast<F*>(form)); };
        return f;
    }

protected:
    TControl* Button(TForm* f, const char* name)
    {
        auto* c = dynamic_cast<TControl*>(f->FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static TListView* List(TForm* f) { return dynamic_cast<TListView*>(f->FindComponent("ListView1")); }
    static int IndexOf(TListView* lv, TListItem* row)
    {
        for (int i = 0; i < lv->Items()->Count(); ++i)
            if (lv->Items()->Item(i) == row) return i;
        return -1;
    }
    void Press(const ListForm& form, TForm* f, const char* button)
    {
        Click(Button(f, button));
        WaitIdle(form.request(f));
    }
};

const std::vector<ListForm>& SelectedRowTest::Forms()
{
    static const std::map<std::string, int> kProtocols = {{"tacacs", 1}, {"xtacacs", 2}, {"tacacs-plus", 3},
                                                          {"radius", 4}, {"rip", 2},     {"ospf", 3},
                                                          {"static", 4}, {"local", 5}};
    auto value = [](const std::string& label) {
        auto it = kProtocols.find(label);
        return it == kProtocols.end() ? std::string("?") : std::to_string(it->second);
    };
    static const std::vector<ListForm> forms = {
        Form<TIpStaticRouteForm>(
            "IpStaticRoute", "IPStaticRoute1", "1.3.6.1.4.1.171.11.70.2.3.2.5.1.", 1,
            [](TListItem* r) { return Cell(r, 0) + "." + Cell(r, 1) + "." + (Cell(r, 2) == "backup" ? "2" : "1"); },
            "GetButton", "DeleteButton", {"DeleteButton"},
            [](TIpStaticRouteForm* f) {
                WhenShown<TIpStaticRouteEditForm>([](TIpStaticRouteEditForm* d) {
                    d->DesEdit->SetText("192.168.10.0");
                    d->MaskEdit->SetText("255.255.255.0");
                    d->BakeupComboBox->SetItemIndex(1);
                });
                Click(f->AddButton);
            }),
        Form<TIpv6StaticRouteForm>(
            "Ipv6StaticRoute", "IPv6StaticRoute1", "1.3.6.1.4.1.171.12.26.3.1.1.", 0,
            [](TListItem* r) { return Arcs(Cell(r, 0)) + "." + Arcs(Cell(r, 1)) + "." + Arcs(Cell(r, 2)); }, "btnGet",
            "btnDelete", {"btnDelete"},
            [](TIpv6StaticRouteForm* f) {
                WhenShown<TIpv6StaticRouteEditForm>([](TIpv6StaticRouteEditForm* d) {
                    d->edtDst->SetText("20010DB8002000000000000000000000");
                    d->edtMask->SetText("FFFFFFFFFFFFFFFFFFFFFFFF00000000");
                    d->edtNextHop->SetText("20010DB8000000000000000000000254");
                });
                Click(f->btnAdd);
            }),
        Form<TARPIPV6ControlForm>(
            "ArpIpv6Control", "ARPControlIPv61", "1.3.6.1.4.1.171.12.26.4.7.1.", 1,
            [](TListItem* r) { return Cell(r, 0) + "." + Arcs(Cell(r, 1)); }, "btnGet", "btnDelete", {"btnDelete"},
            [](TARPIPV6ControlForm* f) {
                WhenShown<TARPIPv6ControlEditForm>(
                    [](TARPIPv6ControlEditForm* d) { d->edtAddress->SetText("20010DB8000000000000000000000010"); });
                Click(f->btnAdd);
            }),
        Form<TBOOTCtrlTableForm>(
            "BootCtrlTable", nullptr, "1.3.6.1.4.1.171.11.55.2.3.3.1.4.1.", 0,
            [](TListItem* r) { return TextArcs(Cell(r, 0)) + "." + Cell(r, 1); }, "RefreshBtn", "DeleteBtn",
            {"DeleteBtn"},
            [](TBOOTCtrlTableForm* f) {
                WhenShown<TNewBootpCtrlForm>([](TNewBootpCtrlForm* d) {
                    d->Edit1->SetText("system");
                    d->Edit2->SetText("10.90.90.200");
                });
                Click(f->AddBtn);
            }),
        Form<TLoginMethodListForm>("LoginMethodList", "LoginMethodControl1", "1.3.6.1.4.1.171.12.5.3.1.", 0,
                                   [](TListItem* r) { return TextArcs(Cell(r, 0)); }, "GetButton", "EditButton",
                                   {"DeleteButton", "EditButton"}),
        Form<TServerInformationForm>("ServerInformation", "ServerInformation1", "1.3.6.1.4.1.171.12.5.10.1.", 0,
                                     [value](TListItem* r) { return Cell(r, 0) + "." + value(Cell(r, 1)); },
                                     "GetButton", "EditButton", {"DeleteButton", "EditButton"}),
        Form<TIPMACBindingForm>("IpMacBinding", "BindingTable1", "1.3.6.1.4.1.171.12.23.4.1.1.", 0,
                                [](TListItem* r) { return Cell(r, 0); }, "btnGet", "btnEdit",
                                {"btnDelete", "btnEdit"}),
        Form<TIpMacBindBlockedForm>("IpMacBindBlocked", "BindingBlockedTable1", "1.3.6.1.4.1.171.12.23.4.2.1.", 1,
                                    [](TListItem* r) { return Cell(r, 0) + "." + Arcs(Cell(r, 1)); }, "btnGet",
                                    "btnDelete", {"btnDelete"}),
        Form<TRouteRedistributForm>("RouteRedistribut", nullptr, "1.3.6.1.4.1.171.11.55.2.3.5.1.", 0,
                                    [value](TListItem* r) { return value(Cell(r, 0)) + "." + value(Cell(r, 1)); },
                                    "RefreshBtn", "DeleteBtn", {"DeleteBtn", "EditBtn"}),
    };
    return forms;
}

std::vector<std::pair<int, Step>> Cases()
{
    std::vector<std::pair<int, Step>> out;
    const std::vector<ListForm>& forms = SelectedRowTest::Forms();
    for (int i = 0; i < static_cast<int>(forms.size()); ++i)
        for (Step s : {kDialogClosed, kRefused, kRefresh, kDelete})
            if (s != kDialogClosed || forms[static_cast<size_t>(i)].closeDialogWithoutSet) out.push_back({i, s});
    return out;
}

}  // namespace

TEST_P(SelectedRowTest, TheNextWriteGoesToTheHighlightedRowOrNowhere)
{
    const ListForm& form = Forms()[static_cast<size_t>(GetParam().first)];
    const Step step = GetParam().second;
    StartSwitch();
    form.open(*this, [&](TForm* f) {
        TListView* lv = List(f);
        ASSERT_NE(lv, nullptr);
        ClickRow(lv, form.row);
        ASSERT_NE(lv->Selected(), nullptr);
        switch (step) {
        case kDialogClosed:
            form.closeDialogWithoutSet(f);
            break;
        case kRefused:
            agent->Control("fault error " + form.entry.substr(0, form.entry.size() - 1) + " genErr set");
            Mark();
            Press(form, f, form.refusedWrite);
            ASSERT_EQ(Sets().size(), 1u);
            EXPECT_NE(Since("SET")[0].status, "noError");
            agent->Control("fault clear");
            break;
        case kRefresh:
            Press(form, f, form.refresh);
            break;
        case kDelete:
            Press(form, f, form.rowWrites[0]);
            break;
        }
        for (const char* write : form.rowWrites) {
            SCOPED_TRACE(write);
            // The operator clicks a highlighted row again before writing it.
            std::string target;
            if (TListItem* row = lv->Selected()) {
                ClickRow(lv, IndexOf(lv, row));
                ASSERT_NE(lv->Selected(), nullptr);
                target = form.instance(lv->Selected());
            } else {
                for (const char* button : form.rowWrites) EXPECT_FALSE(Button(f, button)->Enabled()) << button;
            }
            Mark();
            Press(form, f, write);
            std::vector<SimRequest> sets = Since("SET");
            if (target.empty()) {
                EXPECT_TRUE(sets.empty());
                continue;
            }
            ASSERT_EQ(sets.size(), 1u);
            for (const SimVarbind& vb : sets[0].varbinds) {
                ASSERT_EQ(vb.oid.compare(0, form.entry.size(), form.entry), 0) << vb.oid;
                const std::string rest = vb.oid.substr(form.entry.size());
                EXPECT_EQ(rest.substr(rest.find('.') + 1), target) << vb.oid;
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(ListForms, SelectedRowTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<std::pair<int, Step>>& info) {
                             return SelectedRowTest::Forms()[static_cast<size_t>(info.param.first)].name + "_" +
                                    kStepNames[info.param.second];
                         });

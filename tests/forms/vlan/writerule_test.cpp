// The list forms that write a selected row, against the simulated switch: after a write the
// switch refused, a Refresh or a Delete, the next Set or Delete goes to the row that is
// highlighted, at the index it was read under, or sends nothing when none is.
#include "forms/layer2/garpformunit.h"
#include "forms/layer2/multicastfilterinformationformunit.h"
#include "forms/layer2/multicastforwardinginformationformunit.h"
#include "forms/layer2/unicastfilterinformationformunit.h"
#include "forms/layer2/vlanportinfomationunit.h"
#include "forms/layer2/vlanstaticformunit.h"
#include "tests/forms/vlan/vlanfixture.h"

namespace {

enum Step { kRefused, kRefresh, kDelete };
const char* const kStepNames[] = {"write refused by the switch", "Refresh", "Delete"};

// What the rule needs of one form.
template <class F>
struct Ops {
    const char* menu;                  // its menu item; null: made directly
    std::string refuse;                // the fault that makes the switch refuse its writes
    int row;                           // the row selected first
    QzSNMPRequest2Edits* F::*request;
    TListView* F::*list;
    TButton* F::*refresh;
    std::vector<TButton* F::*> writes;  // Set, Delete: whichever the form has
    std::function<std::string(TListItem*)> instance;  // the index a row was read under
    bool disabledWithoutRow = true;    // its write buttons are disabled while no row is selected
};

class WriteRuleTest : public VlanFormTest, public ::testing::WithParamInterface<std::tuple<int, Step>> {
public:
    template <class F>
    void Exercise(const Ops<F>& ops, Step step)
    {
        StartSwitch();
        auto ready = [&](F* f) { return Idle(f->*ops.request) && (f->*ops.list)->Items()->Count() > ops.row; };
        auto body = [&](F* f) {
            QzSNMPRequest2Edits* request = f->*ops.request;
            TListView* lv = f->*ops.list;
            ClickShownRow(lv, ops.row);
            if (step == kRefused) agent->Control(ops.refuse);
            TButton* first = step == kRefresh ? f->*ops.refresh : f->*ops.writes.back();
            if (step == kRefused) first = f->*ops.writes.front();
            Click(first);
            WaitIdle(request);
            agent->Control("fault clear");
            for (TButton* F::*write : ops.writes) {
                TButton* button = f->*write;
                SCOPED_TRACE(button->Caption().std());
                TListItem* selected = lv->Selected();
                const std::string expected = selected ? ops.instance(selected) : std::string();
                boxes.Clear();
                Mark();
                button->OnClick(button);  // pressed, whether it shows as enabled or not
                WaitIdle(request);
                const std::vector<SimRequest> sets = Since("SET");
                if (expected.empty()) {
                    EXPECT_TRUE(sets.empty()) << "written with no row selected";
                    if (ops.disabledWithoutRow) EXPECT_FALSE(button->Enabled()) << "enabled with no row selected";
                    continue;
                }
                ASSERT_LE(sets.size(), 1u);
                for (const SimRequest& set : sets)
                    for (const SimVarbind& vb : set.varbinds)
                        EXPECT_EQ(vb.oid.substr(vb.oid.size() - std::min(vb.oid.size(), expected.size() + 1)),
                                  "." + expected)
                            << vb.oid;
                if (!sets.empty()) break;  // the row is gone or read again
            }
        };
        if (ops.menu) RunMenu<F>(ops.menu, ready, body);
        else RunForm<F>(ready, body);
    }
};

std::string Caption(TListItem* item) { return item->Caption().std(); }

// VID . MAC address . receive port, the MAC address in decimal arcs.
std::string FilterInstance(TListItem* item)
{
    const std::string mac = item->SubItems()->Get(0).std();
    std::string out = item->Caption().std();
    for (size_t i = 0; i + 1 < mac.size(); i += 2) out += "." + std::to_string(std::stoi(mac.substr(i, 2), nullptr, 16));
    return out + "." + item->SubItems()->Get(1).std();
}

const int kForms = 6;

void RunCase(WriteRuleTest* t, int form, Step step);

TEST_P(WriteRuleTest, TheNextWriteGoesToTheHighlightedRowOrNowhere)
{
    const auto [form, step] = GetParam();
    SCOPED_TRACE(kStepNames[step]);
    RunCase(this, form, step);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<int, Step>>& info)
{
    static const char* const forms[kForms] = {"VlanStatic",      "ForwardAll",    "VlanPortInfo",
                                              "MulticastFilter", "UnicastFilter", "Garp"};
    static const char* const steps[] = {"Refused", "Refresh", "Delete"};
    return std::string(forms[std::get<0>(info.param)]) + steps[std::get<1>(info.param)];
}

// Each form with the steps it has (Delete where it has one).
const std::tuple<int, Step> kCases[] = {
    {0, kRefused}, {0, kRefresh}, {0, kDelete}, {1, kRefused}, {1, kRefresh}, {2, kRefused}, {2, kRefresh},
    {3, kRefused}, {3, kRefresh}, {3, kDelete}, {4, kRefused}, {4, kRefresh}, {4, kDelete}, {5, kRefused},
    {5, kRefresh},
};

INSTANTIATE_TEST_SUITE_P(ListForms, WriteRuleTest, ::testing::ValuesIn(kCases), CaseName);

void RunCase(WriteRuleTest* a, int form, Step step)
{
    switch (form) {
    case 0:
        return a->Exercise(Ops<TVlanStaticForm>{"StaticForm1", "fault error 1.3.6.1.2.1.17.7.1.4.3.1.1 noAccess set", 1,
                                                &TVlanStaticForm::StaticRequest, &TVlanStaticForm::LV_dot1qVlanStaticEntry,
                                                &TVlanStaticForm::RefreshBtn,
                                                {&TVlanStaticForm::SetBtn, &TVlanStaticForm::DeleteBtn}, Caption},
                           step);
    case 1:
        return a->Exercise(
            Ops<TMulticastForwardingInformationForm>{
                nullptr, "fault error 1.3.6.1.2.1.17.7.1.2.4.1.2 noAccess set", 1,
                &TMulticastForwardingInformationForm::ForwardRequest,
                &TMulticastForwardingInformationForm::LV_dot1qForwardUnregisteredEntry,
                &TMulticastForwardingInformationForm::RefreshBtn, {&TMulticastForwardingInformationForm::SetBtn}, Caption},
            step);
    case 2:
        return a->Exercise(Ops<TVLanPortInfomationForm>{"PortsInfo1", "fault error 1.3.6.1.2.1.17.7.1.4.5.1.1 noAccess set",
                                                        2, &TVLanPortInfomationForm::PortVlanRequest,
                                                        &TVLanPortInfomationForm::LV_dot1qPortVlanEntry,
                                                        &TVLanPortInfomationForm::RefreshBtn,
                                                        {&TVLanPortInfomationForm::SetBtn}, Caption, false},
                           step);
    case 3:
        return a->Exercise(
            Ops<TMulticastFilterInformationForm>{
                "MulticastInformation1", "fault error 1.3.6.1.2.1.17.7.1.3.2.1.3 noAccess set", 1,
                &TMulticastFilterInformationForm::FilterRequest, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntry,
                &TMulticastFilterInformationForm::RefreshBtn,
                {&TMulticastFilterInformationForm::SetBtn, &TMulticastFilterInformationForm::btnDelete}, FilterInstance},
            step);
    case 4:  // its one write of a selected row is Delete
        return a->Exercise(
            Ops<TUnicastFilterInformationForm>{
                "UnicastInformation1", "fault error 1.3.6.1.2.1.17.7.1.3.1.1.4 noAccess set", 1,
                &TUnicastFilterInformationForm::FilterRequest, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntry,
                &TUnicastFilterInformationForm::RefreshBtn, {&TUnicastFilterInformationForm::DeleteBtn}, FilterInstance},
            step);
    case 5:
        return a->Exercise(Ops<TGARPForm>{"GVRP1", "fault error 1.3.6.1.2.1.17.6.1.3.1.1.1 noAccess set", 1,
                                          &TGARPForm::GarpRequest, &TGARPForm::LV_dot1dPortGarpEntry, &TGARPForm::RefreshBtn,
                                          {&TGARPForm::SetBtn}, Caption, false},
                           step);
    }
}

}  // namespace

// Every access-list form, after a refused write, a Refresh or a Delete, followed by its own
// Edit (or Set) and Delete: each write goes to the row the operator selected, with that row's
// values as read, or nothing is sent while no row is selected and its buttons are disabled.
#include <tuple>

#include "forms/acl/EthernetInformationRule.h"
#include "forms/acl/EthernetMaskInformation.h"
#include "forms/acl/IPMaskInformation.h"
#include "forms/acl/IPRule.h"
#include "forms/acl/IPv6MaskInfo.h"
#include "forms/acl/Ipv6Rule.h"
#include "forms/acl/UserDefinedInformationRule.h"
#include "forms/acl/UserMaskInfo.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using Wires = std::vector<std::vector<std::string>>;
class NextWriteTest;
using Opener = std::function<void(NextWriteTest&, std::function<void(TForm*)>)>;

// One form: how it opens, its table, the names of its controls, and the two writes of its first
// row as read (Edit or Set with the row status chosen as "active", and Delete).
struct FormCase {
    const char* name;
    Opener open;
    std::string entry;  // the table's entry OID
    const char* refresh;
    const char* write;
    const char* remove;
    const char* key;                // the edit of the first index
    const char* rowBox = nullptr;   // a rule form's row-status field box and combo box
    const char* rowCombo = nullptr;
    std::vector<std::string> writeWire;  // after the entry OID and a dot
    std::vector<std::string> deleteWire;
};

enum Step { stFreshSelection, stRefused, stRefresh, stDelete };
const char* const kStepNames[] = {"FreshSelection", "RefusedBySwitch", "Refresh", "Delete"};

const std::vector<FormCase>& Cases();

class NextWriteTest : public AclFormTest, public ::testing::WithParamInterface<std::tuple<int, int>> {
public:
    template <class F>
    void OpenByMenu(const char* component, std::function<void(TForm*)> body)
    {
        Open<F>(component, [body](F* f) { body(f); });
    }
    template <class F>
    void OpenAlone(std::function<void(TForm*)> body)
    {
        OpenDirectly<F>([body](F* f) { body(f); });
    }

protected:
    template <class T>
    static T* Named(TForm* f, const char* name)
    {
        T* c = FindChild<T>(f, name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // The row status chosen as "active", where a rule form asks for it to be chosen.
    static void ChooseActive(const FormCase& c, TForm* f)
    {
        if (!c.rowBox) return;
        Tick(Named<TCheckBox>(f, c.rowBox));
        Pick(Named<TComboBox>(f, c.rowCombo), 0);
    }
    std::vector<std::string> WireSince(const FormCase& c)
    {
        Settle();
        std::vector<std::string> out;
        for (const SimRequest& r : Since("SET"))
            for (const std::string& vb : Wire(r)) out.push_back(vb.substr(c.entry.size() + 1));
        return out;
    }
};

template <class F>
Opener ByMenu(const char* component)
{
    return [component](NextWriteTest& t, std::function<void(TForm*)> body) { t.OpenByMenu<F>(component, body); };
}
template <class F>
Opener Alone()
{
    return [](NextWriteTest& t, std::function<void(TForm*)> body) { t.OpenAlone<F>(body); };
}

const std::vector<FormCase>& Cases()
{
    static const std::vector<FormCase> cases = {
        {"EthernetMask", ByMenu<TEthernetMaskInformationForm>("EthernetMask1"), "1.3.6.1.4.1.171.12.9.2.1.1",
         "BT_Get", "SetBtn", "BT_Delete", "IDEdit", nullptr, nullptr,
         {"2.1 integer 1", "3.1 integer 4", "4.1 string FFFFFFFFFFFF", "5.1 string FFFFFFFFFFFF", "6.1 integer 2",
          "7.1 integer 2", "8.1 integer 1"},
         {"8.1 integer 6"}},
        {"EthernetRule", ByMenu<TEthernetInformationRuleForm>("RuleOfEthernetInformation1"),
         "1.3.6.1.4.1.171.12.9.3.1.1", "GetButton", "EditButton", "DeleteButton", "MaskIDEdit", "cbxRow",
         "RowComboBox", {"14.1.1 string FF00000000000000", "17.1.1 integer 1"}, {"17.1.1 integer 6"}},
        {"Ipv6Mask", ByMenu<TIPv6MaskInfoForm>("IPv6MaskInformation1"), "1.3.6.1.4.1.171.12.9.2.4.1", "GetButton",
         "EditButton", "DeleteButton", "edtMaskID", nullptr, nullptr,
         {"4.1 integer 1", "7.1 integer 1", "2.1 integer 1", "3.1 integer 1"}, {"7.1 integer 6"}},
        {"Ipv6Rule", ByMenu<TIpv6RuleForm>("IPv6Rule1"), "1.3.6.1.4.1.171.12.9.3.4.1", "GetButton", "EditButton",
         "DeleteButton", "edtRuleID", "cbxRow", "RowComboBox",
         {"11.1.1 string F000000000000000", "14.1.1 integer 1"}, {"14.1.1 integer 6"}},
        {"IpMask", ByMenu<TIPMaskInformationForm>("IPMaskInformation1"), "1.3.6.1.4.1.171.12.9.2.2.1", "BT_Get",
         "SetBtn", "BT_Delete", "IPIDEdit", nullptr, nullptr,
         {"3.1 integer 4", "4.1 ipaddress 255.255.255.0", "5.1 ipaddress 255.255.255.0", "6.1 integer 2",
          "7.1 integer 4", "10.1 integer 2", "13.1 string FFFF", "14.1 integer 2", "19.1 integer 1"},
         {"19.1 integer 6"}},
        {"IpRule", ByMenu<TIPRuleForm>("IPRule1"), "1.3.6.1.4.1.171.12.9.3.2.1", "GetButton", "EditButton",
         "DeleteButton", "IPRuleEdit", "cbxRow", "RowComboBox",
         {"21.1.1 string FF00000000000000", "24.1.1 integer 1"}, {"24.1.1 integer 6"}},
        {"PayloadMask", Alone<TUserMaskInfoForm>(), "1.3.6.1.4.1.171.11.5.1.3.1", "GetButton", "OperButton",
         "DeleteButton", "Edit1", nullptr, nullptr,
         {"2.1 string FF00000000000000", "3.1 string 000000000000000000000000FFFF0000",
          "4.1 string 0000000000000000FF00000000000000", "5.1 string 00000000000000000000000000000000",
          "6.1 string 00000000000000000000000000000000", "7.1 string 00000000000000000000000000000000",
          "8.1 integer 1"},
         {"8.1 integer 6"}},
        {"PayloadRule", Alone<TUserDefinedInformationRuleForm>(), "1.3.6.1.4.1.171.11.5.2.3.1", "GetButton",
         "EditButton", "DeleteButton", "ProfileIDEdit", "cbxRow", "RowComboBox", {"15.1.1 integer 1"},
         {"15.1.1 integer 6"}},
    };
    return cases;
}

}  // namespace

TEST_P(NextWriteTest, GoesToTheSelectedRowAsReadOrNowhere)
{
    const FormCase& c = Cases()[static_cast<size_t>(std::get<0>(GetParam()))];
    const Step step = static_cast<Step>(std::get<1>(GetParam()));
    StartSwitch();
    c.open(*this, [&](TForm* f) {
        auto* lv = Named<TListView>(f, "ListView1");
        auto* write = Named<TButton>(f, c.write);
        auto* remove = Named<TButton>(f, c.remove);
        ClickRow(lv, 0);
        const std::string firstRow = lv->Items()->Item(0)->Caption().std();
        switch (step) {
        case stFreshSelection: break;
        case stRefused:
            agent->Control("fault error " + c.entry + " genErr set");
            ChooseActive(c, f);
            Mark();
            Click(write);
            EXPECT_EQ(Sets(1).size(), 1u);
            agent->Control("fault clear");
            break;
        case stRefresh: Click(Named<TButton>(f, c.refresh)); break;
        case stDelete:
            Mark();
            Click(remove);
            EXPECT_EQ(WireSince(c), c.deleteWire);
            break;
        }
        // The operator clicks the row still highlighted (if any) and writes, then deletes.
        for (TButton* button : {write, remove}) {
            SCOPED_TRACE(button->Name().c_str());
            TListItem* selected = lv->Selected();
            if (selected) {
                EXPECT_EQ(selected->Caption().std(), firstRow);
                for (int i = 0; i < lv->Items()->Count(); ++i)
                    if (lv->Items()->Item(i) == selected) ClickRow(lv, i);
            } else {
                EXPECT_FALSE(write->Enabled());
                EXPECT_FALSE(remove->Enabled());
                EXPECT_EQ(Named<TEdit>(f, c.key)->Text(), "");
            }
            if (button == write) ChooseActive(c, f);
            boxes.Clear();
            Mark();
            Click(button);
            const std::vector<std::string> sent = WireSince(c);
            if (!selected) {
                EXPECT_TRUE(sent.empty());
                continue;
            }
            EXPECT_TRUE(BoxTexts().empty());
            EXPECT_EQ(sent, button == write ? c.writeWire : c.deleteWire);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(AclForms, NextWriteTest,
                         ::testing::Combine(::testing::Range(0, 8), ::testing::Range(0, 4)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(Cases()[static_cast<size_t>(std::get<0>(info.param))].name) + "_" +
                                    kStepNames[std::get<1>(info.param)];
                         });

// A Delete or Edit that reaches the form while its Refresh still reads starts nothing.
class BusyClickTest : public NextWriteTest {};

TEST_P(BusyClickTest, AClickWhileTheFormReadsStartsNothing)
{
    const FormCase& c = Cases()[static_cast<size_t>(std::get<0>(GetParam()))];
    StartSwitch();
    c.open(*this, [&](TForm* f) {
        auto* lv = Named<TListView>(f, "ListView1");
        auto* write = Named<TButton>(f, c.write);
        auto* remove = Named<TButton>(f, c.remove);
        const int rows = lv->Items()->Count();
        ClickRow(lv, 0);
        ChooseActive(c, f);
        bool clicked = false;
        QTimer::singleShot(0, f, [&] {
            clicked = true;
            Click(remove);
            Click(write);
        });
        Mark();
        Click(Named<TButton>(f, c.refresh));
        EXPECT_TRUE(WaitFor([&] { return clicked; }, 5000));
        EXPECT_TRUE(WireSince(c).empty());
        EXPECT_EQ(lv->Items()->Count(), rows);
    });
}

INSTANTIATE_TEST_SUITE_P(AclForms, BusyClickTest, ::testing::Combine(::testing::Range(0, 8), ::testing::Values(0)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(Cases()[static_cast<size_t>(std::get<0>(info.param))].name);
                         });

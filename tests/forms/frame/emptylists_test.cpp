// Drop-down lists of the feature forms against a switch that never answers: a list shows no
// item until a read, the form's own choice or the operator selects one.
#include "snmpvars/qzsnmpsession.h"
#include "tests/forms/formfixture.h"

namespace {

struct Case {
    const char* menu;
    std::vector<const char*> lists;
};

}  // namespace

TEST_F(FeatureFormTest, DropDownListsOfASilentSwitchShowNoItem)
{
    StartSwitch({}, {"--fault", "drop all"});
    QzSNMPTimeout = 30;  // the forms' reads give up soon; nothing here waits for them
    const Case cases[] = {
        {"DeviceControl1",
         {"IGMPComBo", "SnoopingComBo", "RmonComBo", "CleanComBo", "cbxMACNotify", "WebStateComBo", "TelStateComBo",
          "IPConfigComBo"}},
        {"Information2", {"Combo_STPVersion", "Combo_BPDU", "Combo_LBD"}},
        {"IPRule1", {"ProtocolComboBox"}},
    };
    for (const Case& c : cases) {
        RunMenu<TForm>(c.menu, [](TForm* f) { return f->isVisible(); }, [&](TForm* f) {
            for (const char* name : c.lists) {
                auto* box = dynamic_cast<TComboBox*>(f->FindComponent(name));
                ASSERT_NE(box, nullptr) << c.menu << " " << name;
                EXPECT_GT(box->Items()->Count(), 0) << c.menu << " " << name;
                EXPECT_EQ(box->ItemIndex(), -1) << c.menu << " " << name;
                EXPECT_EQ(box->Text().std(), "") << c.menu << " " << name;
            }
        });
    }
    QzSNMPTimeout = 100;
}

// The MLD snooping group form against the simulated switch: groups indexed by VLAN and IPv6
// address, the selected group's details, and one walk at a time.
#include "forms/layer2/mld_snoopinggroupunit.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kGroup = "1.3.6.1.4.1.171.12.34.3.3.1.";

bool Read(TMLD_SnoopingGroupForm* f) { return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() > 0; }

std::vector<int> Checked(TStackingPortUitForm* page)
{
    std::vector<int> ports;
    for (int k = 0; k < 64; ++k)
        if (page->PortCheck(k)->Checked()) ports.push_back(k + 1);
    return ports;
}

bool DetailsEmpty(TMLD_SnoopingGroupForm* f)
{
    return f->stVID->Caption().IsEmpty() && f->edtIPAddress->Text().IsEmpty() && f->edtMAC->Text().IsEmpty() &&
           f->edtCount->Text().IsEmpty() && Checked(f->PortPage).empty();
}

class MldGroupTest : public SecurityFormTest {
protected:
    void Open(std::function<void(TMLD_SnoopingGroupForm*)> body)
    {
        RunMenu<TMLD_SnoopingGroupForm>("GroupInformation2", Read, body);
    }
};

}  // namespace

TEST_F(MldGroupTest, ShowsTheGroupsAndTheSelectedGroupsDetailsUntilRefresh)
{
    StartSwitch();
    Open([&](TMLD_SnoopingGroupForm* f) {
        EXPECT_EQ(f->Caption(), "MLD Snooping Group  Information");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "1", "10"}));
        EXPECT_EQ(f->StatusBar1->SimpleText().Pos("Get: (QzSNMP++) Ok!"), 1) << f->StatusBar1->SimpleText().c_str();

        ClickRow(f->ListView1, 1);
        EXPECT_EQ(f->stVID->Caption(), "1");
        EXPECT_EQ(f->edtIPAddress->Text(), "FF1E0000000000000000000000000001");
        EXPECT_EQ(f->edtMAC->Text(), "333300000001");
        EXPECT_EQ(f->edtCount->Text(), "3");
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{2, 27}));
        Screenshot(f, "MLD_SnoopingGroupForm");

        // A click on no row clears the details.
        QTest::mouseClick(f->ListView1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(10, f->ListView1->viewport()->height() - 5));
        EXPECT_TRUE(DetailsEmpty(f));

        ClickRow(f->ListView1, 2);
        EXPECT_EQ(f->stVID->Caption(), "10");
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{1, 2, 3, 4}));
        Click(f->btnGet);
        EXPECT_TRUE(DetailsEmpty(f));
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
        EXPECT_TRUE(DetailsEmpty(f));
    });
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(MldGroupTest, RefreshWhileTheWalkRunsStartsNoSecondWalk)
{
    StartSwitch();
    Open([&](TMLD_SnoopingGroupForm* f) {
        agent->Control("fault delay 200");
        Mark();
        Click(f->btnGet);
        ASSERT_TRUE(f->Request->Busy);
        Click(f->btnGet);
        Click(f->btnGet);
        agent->Control("fault delay 0");
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
        size_t walks = 0;
        for (const SimRequest& r : Since("GETNEXT"))
            if (!r.varbinds.empty() && r.varbinds[0].oid == kGroup + "3") ++walks;
        EXPECT_EQ(walks, 1u);
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "1", "10"}));
    });
}

// The port-selection page: boxes laid out per unit, the model's ports shown, bits of the port
// list in box order.
#include <gtest/gtest.h>
#include <unistd.h>

#include "forms/layer2/stackingportunit.h"
#include "platform/ui/forms.h"
#include "tests/support/testsupport.h"

namespace {

class PortPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char buf[4096];
        ASSERT_NE(getcwd(buf, sizeof buf), nullptr);
        oldDir_ = buf;
        ASSERT_EQ(chdir(dir.Path().c_str()), 0);
        owner = new TForm(Application);
    }
    void TearDown() override
    {
        delete owner;
        EXPECT_EQ(chdir(oldDir_.c_str()), 0);
    }
    TCheckBox* Box(TStackingPortUitForm* page, int k) { return page->PortCheck(k); }

    TempDir dir;
    TForm* owner = nullptr;
    std::string oldDir_;
};

}  // namespace

TEST_F(PortPageTest, BoxesStandTwelveARowAndShowTheModelsPorts)
{
    TStackingPortUitForm* page = CreatePortPage(owner, owner, 1);
    ASSERT_EQ(page->PortChecks->Count(), 64);
    EXPECT_EQ(page->UnitSheets->Count(), 1);
    // Port 13 opens the second row; columns 40 pixels apart from 20.
    EXPECT_EQ(Box(page, 12)->Left(), 20);
    EXPECT_EQ(Box(page, 12)->Top(), 21);
    EXPECT_EQ(Box(page, 1)->Left(), 60);
    EXPECT_EQ(Box(page, 0)->Width(), 32);
    EXPECT_EQ(Box(page, 9)->Width(), 40);
    EXPECT_EQ(Box(page, 9)->Caption(), "10");
    for (int k = 0; k < 64; ++k) EXPECT_EQ(Box(page, k)->Visible(), k < 27) << k;
    auto* sheet = static_cast<TTabSheet*>(page->UnitSheets->Get(0));
    EXPECT_EQ(sheet->Caption(), "Unit1 VRX-6120");
    EXPECT_FALSE(sheet->TabVisible());
}

TEST_F(PortPageTest, TheMarkerFileMakesTenARow)
{
    dir.Write("DeviceInfo.ini", "anything");
    TStackingPortUitForm* page = CreatePortPage(owner, owner, 1);
    EXPECT_EQ(Box(page, 10)->Left(), 20);
    EXPECT_EQ(Box(page, 10)->Top(), 21);
    EXPECT_EQ(Box(page, 9)->Left(), 380);
}

TEST_F(PortPageTest, TwelveUnitsHoldSevenHundredSixtyEightBoxesOfWhichUnitOneShows)
{
    TStackingPortUitForm* page = CreatePortPage(owner, owner, 12);
    ASSERT_EQ(page->PortChecks->Count(), 768);
    int visible = 0;
    for (int k = 0; k < 768; ++k) visible += Box(page, k)->Visible() ? 1 : 0;
    EXPECT_EQ(visible, 27);
    for (int k : {0, 63, 64, 700}) Box(page, k)->SetChecked(true);
    page->ClearChecks();
    for (int k : {0, 63, 64, 700}) EXPECT_FALSE(Box(page, k)->Checked()) << k;
    EXPECT_THROW(page->ShowUnitPorts("x", "VRX-6120", 1, 27, 12), EConvertError);
}

TEST(PortIndexListTest, CountsFromZero)
{
    EXPECT_EQ(PortIndexList(0), "");
    EXPECT_EQ(PortIndexList(3), "0,1,2");
    EXPECT_EQ(PortIndexList(64).SubString(PortIndexList(64).Length() - 4, 5), "62,63");
}

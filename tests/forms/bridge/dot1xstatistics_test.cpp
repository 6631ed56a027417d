// The 802.1X statistics forms against the simulated switch: the index table's address column
// walked beside each counter table, rows keyed by address and port (both shown).
#include "forms/layer2/diagnosticsinformationformunit.h"
#include "forms/layer2/macstatistictableformunit.h"
#include "tests/forms/bridge/bridgefixture.h"

namespace {

const std::string kPae = "1.3.6.1.4.1.171.12.3.6.";

template <class F>
bool Read(F* f)
{
    return f->StatisticsRequest && !f->StatisticsRequest->Busy;
}

using Dot1xStatisticsTest = BridgeFormTest;

}  // namespace

TEST_F(Dot1xStatisticsTest, DiagnosticsListEverySupplicantWithItsEighteenCounters)
{
    StartSwitch();
    RunMenu<TDiagnosticsInformationForm>("DiagnosticsInformation1", Read<TDiagnosticsInformationForm>,
                                         [&](TDiagnosticsInformationForm* f) {
        EXPECT_EQ(f->Caption().std(), "DiagnosticsInformation  Form");
        EXPECT_EQ(f->StatisticsRequest->Mode, 0);
        TListView* lv = f->ListView1;
        EXPECT_EQ(lv->Columns()->Count(), 20);
        ASSERT_EQ(lv->Items()->Count(), 2);
        EXPECT_EQ(Row(lv, 0), "001B11223344 3 101 102 103 104 105 106 107 108 109 110 111 112 113 114 115 116 117 118");
        EXPECT_EQ(Row(lv, 1), "005056C00008 5 201 202 203 204 205 206 207 208 209 210 211 212 213 214 215 216 217 218");
        EXPECT_EQ(LastLine(f->Memo1).find("Get: (QzSNMP++) Ok!"), 0u);
        Screenshot(f, "TDiagnosticsInformationForm");
    });
}

TEST_F(Dot1xStatisticsTest, EapolStatisticsListEverySupplicantWithTheLastFrame)
{
    StartSwitch();
    RunMenu<TMacStatisticTableForm>("StatisticTable1", Read<TMacStatisticTableForm>, [&](TMacStatisticTableForm* f) {
        EXPECT_EQ(f->Caption().std(), "MacStatisticTableForm");
        TListView* lv = f->ListView1;
        ASSERT_EQ(lv->Items()->Count(), 2);
        EXPECT_EQ(Row(lv, 0), "001B11223344 3 1001 1002 1003 1004 1005 1006 1007 1008 1009 1010 2 001B11223344");
        EXPECT_EQ(Row(lv, 1), "005056C00008 5 2001 2002 2003 2004 2005 2006 2007 2008 2009 2010 2 005056C00008");
        Screenshot(f, "TMacStatisticTableForm");

        agent->Control(kPae + "2.1.1.0.80.86.192.0.8.5 counter 2100");
        Click(f->Button1);
        EXPECT_EQ(lv->Items()->Item(1)->SubItems()->Get(1).std(), "2100");
    });
}

TEST_F(Dot1xStatisticsTest, AnEmptyTableShowsTheHeadersAndAFailedRefreshNoMessageBox)
{
    StartSwitch({"unset " + kPae + "1.1", "unset " + kPae + "3.1", "unset " + kPae + "4.1", "unset " + kPae + "2.1"});
    RunMenu<TDiagnosticsInformationForm>("DiagnosticsInformation1", Read<TDiagnosticsInformationForm>,
                                         [&](TDiagnosticsInformationForm* f) {
        EXPECT_EQ(f->ListView1->Items()->Count(), 0);
        EXPECT_EQ(f->ListView1->Columns()->Count(), 20);
        EXPECT_EQ(f->ListView1->Columns()->Items(2)->Caption().std(), "swAuthEntersConnecting");

        agent->Control("fault drop all");
        f->StatisticsRequest->Request.timeout = 10;
        f->StatisticsRequest->Request.retries = 0;
        Click(f->Button1);
        EXPECT_TRUE(Texts().empty());
    });
}

// The IP mask profile form: the profiles read, what each protocol and option leaves out of a
// write, Set / Delete on the wire, the checks, and a refused write.
#include "forms/acl/IPMaskInformation.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TIPMaskInformationForm;
using Wires = std::vector<std::vector<std::string>>;
const std::string kEntry = "1.3.6.1.4.1.171.12.9.2.2.1.";

class IPMaskTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { Open<F>("IPMaskInformation1", body); }
    static std::vector<int> Flags(F* f)
    {
        std::vector<int> out;
        for (int i = 0; i < f->Request->Request.varList.GetCount(); ++i)
            out.push_back(f->Request->Request.varList.Items(i).access);
        return out;
    }
    static std::string Panel0(F* f) { return f->StatusBar1->Panels()->Items(0)->Text().std(); }
    // Every field of a profile, as the operator fills them (combo boxes by item index).
    struct Profile {
        const char* id;
        int state;
        const char* src;
        const char* dst;
        int dscp, proto, tcp, udp;
        const char* srcPort;
        const char* dstPort;
        int flagBit;
        const char* flagMask;
        int protoOption;
        const char* protoId;
        const char* protoMask;
        int row;
    };
    static void Fill(F* f, const Profile& p)
    {
        Type(f->IPIDEdit, p.id);
        Pick(f->IpAddMaskStateComboBox, p.state);
        Type(f->IpAddMaskSrcEdit, p.src);
        Type(f->IpAddMaskDstEdit, p.dst);
        Pick(f->UseDSCPComBo, p.dscp);
        Pick(f->UseProTypeComBo, p.proto);
        Pick(f->TCPOptionComBo, p.tcp);
        Pick(f->UDPOptionComBo, p.udp);
        Type(f->TCPUDPSrcMaskEdit, p.srcPort);
        Type(f->TCPUDPDstPortMaskEdit, p.dstPort);
        Pick(f->TCPFlagBitOptionComBo, p.flagBit);
        Type(f->TCPFlagBitMaskEdit, p.flagMask);
        Pick(f->ProOptionComBo, p.protoOption);
        Type(f->ProtoIDEdit, p.protoId);
        Type(f->ProIDMaskEdit, p.protoMask);
        Pick(f->RowStatusComBo, p.row);
    }
};

// Item indexes: state 0 other, 1 dst, 2 src, 3 dst-src; protocol 0 none, 1 icmp, 2 igmp, 3 tcp,
// 4 udp, 5 protocolId; port option 0 other, 1 dst, 2 src, 3 dst-src; enable 0, disable 1.
enum { kOther, kDst, kSrc, kDstSrc };
enum { kNone, kIcmp, kIgmp, kTcp, kUdp, kProtocolId };

}  // namespace

TEST_F(IPMaskTest, ListsTheProfilesAndSelectingOneFillsTheControls)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "IPMaskInformationForm");
        EXPECT_EQ(f->Caption(), "IP Mask Information Form");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        TListItem* row = f->ListView1->Items()->Item(0);
        EXPECT_EQ(row->SubItems()->Strings(0), "dst-src-ip-addr");
        EXPECT_EQ(row->SubItems()->Strings(1), "255.255.255.0");
        EXPECT_EQ(row->SubItems()->Strings(4), "tcp");
        EXPECT_EQ(row->SubItems()->Strings(8), "FFFF");
        EXPECT_EQ(row->SubItems()->Strings(14), "active");
        // Add mode, with the combo boxes at their defaults.
        EXPECT_FALSE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->BT_Delete->Enabled());
        EXPECT_TRUE(f->BT_Add->Enabled());
        EXPECT_TRUE(f->IPIDEdit->Enabled());
        EXPECT_EQ(f->UseDSCPComBo->Text(), "disabled");
        EXPECT_EQ(f->UseProTypeComBo->Text(), "none");
        EXPECT_EQ(f->TCPFlagBitOptionComBo->Text(), "disable");
        EXPECT_EQ(f->ProOptionComBo->Text(), "disable");
        EXPECT_EQ(f->RowStatusComBo->Text(), "active");
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(f->IPIDEdit->Text(), "2");
        EXPECT_EQ(f->IpAddMaskSrcEdit->Text(), "255.255.0.0");
        EXPECT_EQ(f->UseProTypeComBo->Text(), "icmp");
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_TRUE(f->BT_Delete->Enabled());
        EXPECT_FALSE(f->BT_Add->Enabled());
        EXPECT_FALSE(f->IPIDEdit->Enabled());
        // Refresh: add mode again, the edits emptied, the combo boxes as they were.
        Click(f->BT_Get);
        EXPECT_EQ(f->IPIDEdit->Text(), "");
        EXPECT_EQ(f->IpAddMaskSrcEdit->Text(), "");
        EXPECT_EQ(f->UseProTypeComBo->Text(), "icmp");
        EXPECT_FALSE(f->SetBtn->Enabled());
    });
}

TEST_F(IPMaskTest, AddSendsWhatTheProtocolAndOptionsLeaveMeaningful)
{
    struct Case {
        const char* name;
        Profile profile;
        std::vector<std::string> wire;
    };
    const std::vector<Case> cases = {
        // TCP destination ports: the source port mask, the UDP option and the protocol-number
        // objects stay out (a protocol number of 256 is not even looked at).
        {"tcp dst-addr",
         {"3", kDstSrc, "255.255.255.0", "255.255.0.0", 1, kTcp, kDst, kOther, "00FF", "ff00", 0, "12", 1, "256",
          "0000FFFF", 3},
         {kEntry + "3.3 integer 4", kEntry + "4.3 ipaddress 255.255.255.0", kEntry + "5.3 ipaddress 255.255.0.0",
          kEntry + "6.3 integer 2", kEntry + "7.3 integer 4", kEntry + "10.3 integer 2", kEntry + "13.3 string FF00",
          kEntry + "14.3 integer 1", kEntry + "15.3 integer 12", kEntry + "19.3 integer 4"}},
        // UDP with its option "other": no UDP option, no TCP flags; the TCP option's address
        // choice still carries the source port mask. A flag mask of 64 is not looked at.
        {"udp other",
         {"4", kOther, "255.0.0.0", "255.0.0.0", 0, kUdp, kSrc, kOther, "0fff", "FFFF", 0, "64", 1, "", "", 3},
         {kEntry + "3.4 integer 1", kEntry + "6.4 integer 1", kEntry + "7.4 integer 5", kEntry + "12.4 string 0FFF",
          kEntry + "19.4 integer 4"}},
        // A protocol number with its mask; the destination mask is meaningless for "src-ip-addr".
        {"protocolId",
         {"5", kSrc, "255.0.0.0", "255.255.255.255", 1, kProtocolId, kDst, kDst, "FFFF", "FFFF", 0, "5", 0, "17",
          "FFFFFFFF", 3},
         {kEntry + "3.5 integer 3", kEntry + "4.5 ipaddress 255.0.0.0", kEntry + "6.5 integer 2",
          kEntry + "7.5 integer 6", kEntry + "16.5 integer 1", kEntry + "17.5 integer 17",
          kEntry + "18.5 string FFFFFFFF", kEntry + "19.5 integer 4"}},
        // Empty edits stay out; "none" leaves every protocol object out.
        {"none, empty edits",
         {"6", kDst, "", "", 1, kNone, kDstSrc, kDstSrc, "", "", 0, "", 0, "", "", 3},
         {kEntry + "3.6 integer 2", kEntry + "6.6 integer 2", kEntry + "7.6 integer 1", kEntry + "19.6 integer 4"}},
    };
    StartSwitch();
    Run([&](F* f) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Fill(f, c.profile);
            Mark();
            Click(f->BT_Add);
            EXPECT_EQ(SetsOnWire(), Wires{c.wire});
            EXPECT_EQ(Captions(f->ListView1).back(), c.profile.id);
            EXPECT_EQ(f->IPIDEdit->Text(), "");
            EXPECT_TRUE(f->BT_Add->Enabled());
        }
    });
}

TEST_F(IPMaskTest, SetWritesTheShownRowStatusAndDestroyDeletesLikeDelete)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);  // icmp: only the mask state, its source mask, DSCP and protocol
        Pick(f->UseDSCPComBo, 0);
        Mark();
        Click(f->SetBtn);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "3.2 integer 3", kEntry + "4.2 ipaddress 255.255.0.0",
                                        kEntry + "6.2 integer 1", kEntry + "7.2 integer 2",
                                        kEntry + "19.2 integer 1"}}));
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(3), "enabled");

        ClickRow(f->ListView1, 0);
        Pick(f->RowStatusComBo, 5);
        Mark();
        Click(f->SetBtn);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "19.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"2"}));

        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->BT_Delete);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "19.2 integer 6"}}));
        EXPECT_TRUE(Captions(f->ListView1).empty());
        EXPECT_FALSE(f->BT_Delete->Enabled());
    });
}

TEST_F(IPMaskTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        const Profile base = {"4", kOther, "", "", 1, kNone, kOther, kOther, "", "", 1, "", 1, "", "", 3};
        auto with = [base](std::function<void(Profile&)> change) {
            return [base, change](F* f) {
                Profile p = base;
                change(p);
                Fill(f, p);
            };
        };
        auto at = [](TWinControl* (*pick)(F*)) { return std::function<TWinControl*(F*)>(pick); };
        const std::vector<Check<F>> checks = {
            {"no id", with([](Profile& p) { p.id = ""; }), "IP Mask ID must be set.",
             at([](F* f) -> TWinControl* { return f->IPIDEdit; })},
            {"source address of five digits",
             with([](Profile& p) { p.state = kSrc; p.src = "255.255.255.2551"; }), "Please input a valid ip",
             at([](F* f) -> TWinControl* { return f->IpAddMaskSrcEdit; })},
            {"destination address with 00",
             with([](Profile& p) { p.state = kDstSrc; p.dst = "255.00.0.0"; }), "Please input a valid ip",
             at([](F* f) -> TWinControl* { return f->IpAddMaskDstEdit; })},
            {"protocol mask of 7 digits",
             with([](Profile& p) { p.proto = kProtocolId; p.protoOption = 0; p.protoMask = "FFFFFFF"; }),
             "Invalid Mask!", at([](F* f) -> TWinControl* { return f->ProIDMaskEdit; })},
            {"protocol number 256", with([](Profile& p) { p.proto = kProtocolId; p.protoId = "256"; }),
             "Please input a valid value", at([](F* f) -> TWinControl* { return f->ProtoIDEdit; })},
            {"protocol number below 0", with([](Profile& p) { p.proto = kProtocolId; p.protoId = "-1"; }),
             "Please input a valid value", at([](F* f) -> TWinControl* { return f->ProtoIDEdit; })},
            {"destination port mask of 3 digits",
             with([](Profile& p) { p.proto = kTcp; p.tcp = kDst; p.dstPort = "FFF"; }), "Invalid Mask!",
             at([](F* f) -> TWinControl* { return f->TCPUDPDstPortMaskEdit; })},
            {"source port mask of 5 digits, by the UDP option",
             with([](Profile& p) { p.proto = kUdp; p.udp = kSrc; p.srcPort = "0FFFF"; }), "Invalid Mask!",
             at([](F* f) -> TWinControl* { return f->TCPUDPSrcMaskEdit; })},
            {"flag-bit mask 64", with([](Profile& p) { p.proto = kTcp; p.flagBit = 0; p.flagMask = "64"; }),
             "Please input a valid value", at([](F* f) -> TWinControl* { return f->TCPFlagBitMaskEdit; })},
            {"listed id", with([](Profile& p) { p.id = "2"; }),
             "There is already a record with the same IP Mask ID. Please modified it.",
             at([](F* f) -> TWinControl* { return f->IPIDEdit; })},
            {"new id, active", with([](Profile& p) { p.row = 0; }), "Row Status must be createAndGo.",
             at([](F* f) -> TWinControl* { return f->RowStatusComBo; })},
        };
        RunChecks<F>(f, checks, [](F*) {}, [](F* f) { Click(f->BT_Add); });
    });
}

TEST_F(IPMaskTest, ARefusedWriteOrDeleteShowsItsFailureAfterTheRereadAndGivesTheFlagsBack)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.9.2.2.1.19 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        auto refused = [&](std::function<void()> press) {
            Mark();
            press();
            Settle();  // the write and the re-read are answered; their log lines may lag
            const std::vector<SimRequest> after = Since();
            ASSERT_FALSE(after.empty());
            EXPECT_EQ(after.front().kind, "SET");
            EXPECT_EQ(after.front().status, "genErr");
            EXPECT_GT(after.size(), 1u) << "the table is read again";
            EXPECT_EQ(Panel0(f), "(SNMP) Cannot perform operation, General Error!");
            EXPECT_EQ(Flags(f), before);
            EXPECT_FALSE(f->SetBtn->Enabled());
            EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        };
        ClickRow(f->ListView1, 0);
        refused([&] { Click(f->SetBtn); });
        f->StatusBar1->Panels()->Items(0)->SetText("");
        ClickRow(f->ListView1, 1);
        refused([&] { Click(f->BT_Delete); });
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 15);
    });
}

// The IPv6 static route form and its edit dialog against the simulated switch: routes indexed
// by destination, mask and next hop (16 sub-identifiers each), the 32-digit address and mask
// checks, Add, Add Default and Delete.
#include "forms/routing_security/ipv6staticrouteeditform.h"
#include "forms/routing_security/ipv6staticrouteform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

const std::string kRoute = "1.3.6.1.4.1.171.12.26.3.1.1.";
// The sub-identifiers of an address of 32 hexadecimal digits.
std::string Arcs(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        if (!out.empty()) out += ".";
        out += std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return out;
}
const std::string kZeros(32, '0');

bool Read(TIpv6StaticRouteForm* f) { return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() > 0; }

using Dialog = TIpv6StaticRouteEditForm;

class Ipv6StaticRouteTest : public RoutingFormTest {
protected:
    static void Fill(Dialog* d, const std::string& dst, const std::string& mask, const std::string& nextHop,
                     const char* metric)
    {
        if (d->edtDst->Enabled()) d->edtDst->SetText(dst.c_str());
        if (d->edtMask->Enabled()) d->edtMask->SetText(mask.c_str());
        d->edtNextHop->SetText(nextHop.c_str());
        d->edtMetric->SetText(metric);
    }
};

}  // namespace

TEST_F(Ipv6StaticRouteTest, RoutesAreListedWithTheirAddressesAsHexDigits)
{
    StartSwitch();
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        EXPECT_EQ(f->Caption().std(), "Ipv6 Static Route");
        EXPECT_EQ(Captions(f->ListView1),
                  (std::vector<std::string>{"20010DB8000100000000000000000000", "20010DB8002000000000000000000000"}));
        EXPECT_EQ(f->StaticText1->Caption().std(), "2");
        EXPECT_FALSE(f->btnDelete->Enabled());
        Screenshot(f, "TIpv6StaticRouteForm");
        ClickRow(f->ListView1, 1);
        EXPECT_TRUE(f->btnDelete->Enabled());
        Dialog* d = Ipv6StaticRouteEditForm;
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->edtMask->Text().std(), "FFFFFFFFFFFFFFFFFFFFFFFF00000000");
        EXPECT_EQ(d->edtNextHop->Text().std(), "20010DB8000000000000000000000254");
        EXPECT_EQ(d->edtMetric->Text().std(), "5");
        EXPECT_EQ(d->cbxStatus->Text().std(), "valid");
    });
    EXPECT_EQ(Ipv6StaticRouteEditForm, nullptr);
}

TEST_F(Ipv6StaticRouteTest, AddAndAddDefaultWriteAtDestinationMaskAndNextHop)
{
    StartSwitch();
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        const std::string dst = "20010db8003000000000000000000000", mask = "ffffffffffffffff0000000000000000",
                          hop = "FE800000000000000000000000000002";
        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->Caption().std(), "Ipv6 Static Route Edit");
            EXPECT_TRUE(d->edtDst->Enabled());
            EXPECT_FALSE(d->cbxStatus->Enabled());
            EXPECT_EQ(d->cbxStatus->Text().std(), "valid");
            Screenshot(d, "TIpv6StaticRouteEditForm");
            Fill(d, dst, mask, hop, "");
            Mark();
            Click(d->btnSet);
        });
        Click(f->btnAdd);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string row = Arcs(dst) + "." + Arcs(mask) + "." + Arcs(hop);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kRoute + "5." + row + " integer 3"});
        EXPECT_EQ(f->ListView1->Items()->Count(), 3);
        EXPECT_EQ(f->StaticText1->Caption().std(), "3");

        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->edtDst->Text().std(), kZeros);
            EXPECT_EQ(d->edtMask->Text().std(), kZeros);
            EXPECT_FALSE(d->edtDst->Enabled());
            EXPECT_FALSE(d->edtMask->Enabled());
            EXPECT_EQ(d->edtNextHop->Text().std(), "");
            Click(d->btnSet);
            EXPECT_EQ(Texts(), std::vector<std::string>{"Please Set Next Hop Address"});
            Fill(d, "", "", hop, "7");
            Mark();
            Click(d->btnSet);
        });
        Click(f->btnAddDefault);
        sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string def = Arcs(kZeros) + "." + Arcs(kZeros) + "." + Arcs(hop);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kRoute + "4." + def + " integer 7",
                                                               kRoute + "5." + def + " integer 3"}));
        EXPECT_EQ(f->ListView1->Items()->Count(), 4);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->Caption().std(), kZeros);

        // The next showing of Add starts empty again.
        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->edtDst->Text().std(), "");
            EXPECT_TRUE(d->edtMask->Enabled());
        });
        Click(f->btnAdd);
    });
}

TEST_F(Ipv6StaticRouteTest, ChecksStopAtTheFirstFailureWithItsMessage)
{
    StartSwitch();
    const std::string dst = "20010db8003000000000000000000000", mask = "ffffffffffffffff0000000000000000",
                      hop = "fe800000000000000000000000000002";
    struct Case {
        std::string dst, mask, hop;
        const char *metric, *message;
    };
    const Case cases[] = {
        {"", mask, hop, "", "Please Set Destination Address"},
        {"2001:db8::1", mask, hop, "", "Please input a valid IPv6 address"},
        {dst.substr(0, 31), mask, hop, "", "Please input a valid IPv6 address"},
        {"g" + dst.substr(1), mask, hop, "", "Please input a valid IPv6 address"},
        {dst, "", hop, "", "Please Set Mask"},
        {dst, "ffff0fff" + std::string(24, '0'), hop, "", "Please input a valid Mask"},
        {dst, "fffffffffffffff10000000000000000", hop, "", "Please input a valid Mask"},
        {dst, mask.substr(0, 30), hop, "", "Please input a valid Mask"},
        {dst, mask, "", "", "Please Set Next Hop Address"},
        {dst, mask, "fe80::2", "", "Please input a valid IPv6 address"},
        {dst, mask, dst, "", "Duplicate IP address, Please input a valid Next Hop"},
        {dst, mask, hop, "0", "Metric should between 1-65535"},
        {dst, mask, hop, "65536", "Metric should between 1-65535"},
    };
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        Mark();
        WhenShown<Dialog>([&](Dialog* d) {
            for (const Case& c : cases) {
                boxes.Clear();
                Fill(d, c.dst, c.mask, c.hop, c.metric);
                d->btnSetClick(d->btnSet);
                EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.dst << " " << c.mask << " " << c.hop;
                EXPECT_TRUE(d->isVisible());
            }
        });
        Click(f->btnAdd);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(Ipv6StaticRouteTest, MasksPassExactlyAsContiguousPrefixes)
{
    struct Case {
        std::string mask;
        bool passes;
    };
    const Case cases[] = {
        {std::string(32, '0'), true},
        {std::string(32, 'f'), true},
        {std::string(32, 'F'), true},
        {"ffffffffffffffff0000000000000000", true},
        {"fffe" + std::string(28, '0'), true},
        {"ffffc" + std::string(27, '0'), true},
        {"FFFF8" + std::string(27, '0'), true},
        {"ffffffffffffffffffffffffffffffe", false},  // 31 digits
        {"fffffffffffffffffffffffffffffffE", true},
        {"ffff9" + std::string(27, '0'), false},
        {"fffe" + std::string(27, '0') + "1", false},
        {"ffff0fff" + std::string(24, '0'), false},
        {"ffffg" + std::string(27, '0'), false},
    };
    for (const Case& c : cases) {
        boxes.Clear();
        EXPECT_EQ(ValidateIpv6Mask(c.mask.c_str()), c.passes) << c.mask;
        EXPECT_EQ(Texts(), c.passes ? std::vector<std::string>{} : std::vector<std::string>{"Please input a valid Mask"})
            << c.mask;
    }
    boxes.Clear();
    EXPECT_TRUE(ParseIpv6Text("20010DB8ABCDEF000000000000000001"));
    EXPECT_FALSE(ParseIpv6Text("20010DB8ABCDEF0000000000000000011"));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Please input a valid IPv6 address"});
}

TEST_F(Ipv6StaticRouteTest, DeleteWritesInvalidWithoutTheMetric)
{
    StartSwitch();
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        f->btnDeleteClick(f->btnDelete);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Choose the item first."});
        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->btnDelete);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string row = Arcs("20010db8000100000000000000000000") + "." +
                                Arcs("ffffffffffffffff0000000000000000") + "." +
                                Arcs("fe800000000000000000000000000001");
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kRoute + "5." + row + " integer 2"});
        EXPECT_EQ(f->ListView1->Items()->Count(), 1);
        EXPECT_FALSE(f->btnDelete->Enabled());
        EXPECT_EQ(f->ListView1->Columns()->Count(), 5);
    });
}

TEST_F(Ipv6StaticRouteTest, ARefusedWriteIsAMemoLineAndClosesTheDialog)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.26.3.1.1.5 genErr set"});
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        const size_t before = Lines(f->Memo1).size();
        bool closed = false;
        WhenShown<Dialog>([&](Dialog* d) {
            Fill(d, "20010db8003000000000000000000000", "ffffffffffffffff0000000000000000",
                 "fe800000000000000000000000000002", "");
            Click(d->btnSet);
            closed = d->ModalResult() != mrNone;
        });
        Click(f->btnAdd);
        EXPECT_TRUE(closed);
        std::vector<std::string> lines = Lines(f->Memo1);
        ASSERT_GT(lines.size(), before);
        EXPECT_NE(lines.back().find("General Error"), std::string::npos) << lines.back();
        EXPECT_EQ(f->ListView1->Items()->Count(), 2);
        // The flags are back: a Refresh reads every column.
        Click(f->btnGet);
        EXPECT_EQ(f->ListView1->Columns()->Count(), 5);
        EXPECT_EQ(f->ListView1->Items()->Count(), 2);
    });
}

// The dialog's edits are the route's index: a route typed there and left without Set must not
// become the route that Delete removes.
TEST_F(Ipv6StaticRouteTest, DeleteAfterTheDialogClosedWithoutSetGoesOnlyToARouteSelectedAgain)
{
    StartSwitch();
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        ClickRow(f->ListView1, 0);
        WhenShown<Dialog>([&](Dialog* d) {
            Fill(d, "20010DB8002000000000000000000000", "FFFFFFFFFFFFFFFFFFFFFFFF00000000",
                 "20010DB8000000000000000000000254", "");
        });
        Click(f->btnAdd);
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_FALSE(f->btnDelete->Enabled());
        Mark();
        Click(f->btnDelete);
        f->btnDeleteClick(f->btnDelete);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Choose the item first."});
        Settle();
        EXPECT_TRUE(Since("SET").empty());

        ClickRow(f->ListView1, 0);
        Click(f->btnDelete);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string row = Arcs("20010db8000100000000000000000000") + "." +
                                Arcs("ffffffffffffffff0000000000000000") + "." +
                                Arcs("fe800000000000000000000000000001");
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kRoute + "5." + row + " integer 2"});
        EXPECT_EQ(Captions(f->ListView1), std::vector<std::string>{"20010DB8002000000000000000000000"});
    });
}

// A listed route (same destination, mask and next hop) is refused by name instead of being
// written over; another next hop is another route.
TEST_F(Ipv6StaticRouteTest, AddOfAListedRouteIsRefusedNamingIt)
{
    StartSwitch();
    const std::string dst = "20010db8002000000000000000000000", mask = "ffffffffffffffffffffffff00000000",
                      hop = "20010db8000000000000000000000254", other = "20010db8000000000000000000000253";
    RunMenu<TIpv6StaticRouteForm>("IPv6StaticRoute1", Read, [&](TIpv6StaticRouteForm* f) {
        Mark();
        WhenShown<Dialog>([&](Dialog* d) {
            Fill(d, dst, mask, hop, "9");
            Click(d->btnSet);
            EXPECT_EQ(Texts(), std::vector<std::string>{
                                   "Has already a record with the same Destination, Mask and Next Hop "
                                   "(20010DB8002000000000000000000000 FFFFFFFFFFFFFFFFFFFFFFFF00000000 "
                                   "20010DB8000000000000000000000254, Metric 5). Please change one of them."});
            EXPECT_TRUE(d->isVisible());
            Settle();
            EXPECT_TRUE(Since("SET").empty());
            Fill(d, dst, mask, other, "9");
            Click(d->btnSet);
        });
        Click(f->btnAdd);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string row = Arcs(dst) + "." + Arcs(mask) + "." + Arcs(other);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kRoute + "4." + row + " integer 9",
                                                               kRoute + "5." + row + " integer 3"}));
    });
}

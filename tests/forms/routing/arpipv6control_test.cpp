// The IPv6 neighbour form and its dialog against the simulated switch: entries indexed by
// interface and address, the dialog that always adds a static entry on interface 5121, its
// checks, and Delete writing the type alone.
#include "forms/routing_security/arpipv6controleditform.h"
#include "forms/routing_security/arpipv6controlform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

const std::string kArp = "1.3.6.1.4.1.171.12.26.4.7.1.";
std::string Arcs(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        if (!out.empty()) out += ".";
        out += std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return out;
}

bool Read(TARPIPV6ControlForm* f) { return f->Request && f->ListView1->Items()->Count() > 0; }

using Dialog = TARPIPv6ControlEditForm;

class ArpIpv6ControlTest : public RoutingFormTest {};

}  // namespace

TEST_F(ArpIpv6ControlTest, EntriesAreListedAndTheDialogAlwaysOpensForAStaticEntry)
{
    StartSwitch();
    RunMenu<TARPIPV6ControlForm>("ARPControlIPv61", Read, [&](TARPIPV6ControlForm* f) {
        EXPECT_EQ(f->Caption().std(), "IPV6 ARP Control");
        EXPECT_EQ(ARPIPV6ControlForm, f);
        ASSERT_EQ(f->ListView1->Items()->Count(), 2);
        EXPECT_EQ(f->StaticText1->Caption().std(), "2");
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(0).std(), "FE80000000000000021122FFFE334455");
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(1).std(), "001122334455");
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(2).std(), "static");
        EXPECT_FALSE(f->btnDelete->Enabled());
        Screenshot(f, "TARPIPV6ControlForm");
        ClickRow(f->ListView1, 0);
        EXPECT_TRUE(f->btnDelete->Enabled());
        Dialog* d = ARPIPv6ControlEditForm;
        EXPECT_EQ(d->edtMac->Text().std(), "005056C00008");
        // Whatever the selection put there, the dialog opens the same way.
        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->Caption().std(), "IPV6 ARP Control Edit");
            EXPECT_EQ(d->edtIndex->Text().std(), "5121");
            EXPECT_FALSE(d->edtIndex->Enabled());
            EXPECT_EQ(d->edtAddress->Text().std(), "");
            EXPECT_EQ(d->edtMac->Text().std(), "");
            EXPECT_EQ(d->cbxType->Text().std(), "static");
            EXPECT_FALSE(d->cbxType->Enabled());
            Screenshot(d, "TARPIPv6ControlEditForm");
        });
        Click(f->btnAdd);
    });
    EXPECT_EQ(ARPIPv6ControlEditForm, nullptr);
}

TEST_F(ArpIpv6ControlTest, AddWritesMacAndStaticAtInterfaceAndAddress)
{
    StartSwitch();
    RunMenu<TARPIPV6ControlForm>("ARPControlIPv61", Read, [&](TARPIPV6ControlForm* f) {
        const std::string address = "20010db80000000000000000000000AB";
        WhenShown<Dialog>([&](Dialog* d) {
            d->edtAddress->SetText(address.c_str());
            d->edtMac->SetText("001122AABBCC");
            Mark();
            Click(d->btnSet);
        });
        Click(f->btnAdd);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        const std::string row = "5121." + Arcs(address);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kArp + "3." + row + " string 0x001122AABBCC",
                                                               kArp + "4." + row + " integer 4"}));
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_EQ(f->ListView1->Items()->Count(), 3);
        EXPECT_EQ(f->StaticText1->Caption().std(), "3");
    });
}

TEST_F(ArpIpv6ControlTest, ChecksStopAtTheFirstFailureWithItsMessage)
{
    StartSwitch();
    const char* address = "20010db80000000000000000000000ab";
    struct Case {
        const char *index, *address, *mac, *message;
    };
    const Case cases[] = {
        {"", address, "001122AABBCC", "Please input an index first"},
        {"0", address, "001122AABBCC", "Index should between 1-65535"},
        {"65536", address, "001122AABBCC", "Index should between 1-65535"},
        {"5121", "", "001122AABBCC", "Please Set IPV6Address"},
        {"5121", "2001:db8::ab", "001122AABBCC", "Please input a valid IPv6 address"},
        {"5121", address, "", "Please Set Mac Address"},
        {"5121", address, "00-11-22-33-44-55", "Invalid Macaddrss"},
        {"5121", address, "00:11:22:33:44:55", "Invalid Macaddrss"},
        {"5121", address, "0011223344", "Invalid Macaddress"},
        {"5121", address, "001122334455", nullptr},
    };
    RunMenu<TARPIPV6ControlForm>("ARPControlIPv61", Read, [&](TARPIPV6ControlForm* f) {
        Mark();
        WhenShown<Dialog>([&](Dialog* d) {
            d->edtIndex->SetEnabled(true);
            for (const Case& c : cases) {
                if (!c.message) break;
                boxes.Clear();
                d->edtIndex->SetText(c.index);
                d->edtAddress->SetText(c.address);
                d->edtMac->SetText(c.mac);
                d->btnSetClick(d->btnSet);
                EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.index << " " << c.address << " " << c.mac;
                EXPECT_TRUE(d->isVisible());
            }
        });
        Click(f->btnAdd);
        EXPECT_TRUE(Since("SET").empty());
    });
    boxes.Clear();
    EXPECT_TRUE(ValidateMacText("001122aabbcc"));
    EXPECT_FALSE(ValidateMacText("001122aabbccdd"));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Invalid Macaddress"});
}

TEST_F(ArpIpv6ControlTest, DeleteWritesTypeInvalidWithoutTheMac)
{
    StartSwitch();
    RunMenu<TARPIPV6ControlForm>("ARPControlIPv61", Read, [&](TARPIPV6ControlForm* f) {
        f->btnDeleteClick(f->btnDelete);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Choose the item first."});
        ClickRow(f->ListView1, 1);
        Mark();
        Click(f->btnDelete);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{
                                         kArp + "4.5121." + Arcs("fe80000000000000021122fffe334455") + " integer 2"});
        EXPECT_EQ(f->ListView1->Items()->Count(), 1);
        EXPECT_FALSE(f->btnDelete->Enabled());
        EXPECT_EQ(f->ListView1->Columns()->Count(), 4);
    });
}

// The dialog's edits are the entry's index: an address typed there and left without Set must
// not become the entry that Delete removes.
TEST_F(ArpIpv6ControlTest, DeleteAfterTheDialogClosedWithoutSetGoesOnlyToAnEntrySelectedAgain)
{
    StartSwitch();
    RunMenu<TARPIPV6ControlForm>("ARPControlIPv61", Read, [&](TARPIPV6ControlForm* f) {
        ClickRow(f->ListView1, 1);  // fe80::211:22ff:fe33:4455
        WhenShown<Dialog>([&](Dialog* d) { d->edtAddress->SetText("20010DB8000000000000000000000010"); });
        Click(f->btnAdd);
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_FALSE(f->btnDelete->Enabled());
        Mark();
        Click(f->btnDelete);
        f->btnDeleteClick(f->btnDelete);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Choose the item first."});
        Settle();
        EXPECT_TRUE(Since("SET").empty());

        ClickRow(f->ListView1, 1);
        Click(f->btnDelete);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{
                                         kArp + "4.5121." + Arcs("fe80000000000000021122fffe334455") + " integer 2"});
        EXPECT_EQ(Captions(f->ListView1), std::vector<std::string>{"5121"});
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Strings(0).std(), "20010DB8000000000000000000000010");
    });
}

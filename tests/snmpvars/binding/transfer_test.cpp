// The value transfer between variables and their controls, in both directions, for every
// kind of control and every way of splitting a value; no agent needed.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "common/qzoptionlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "snmpvars/qzsnmpoctets.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "tests/snmpvars/requestfixture.h"
#include "tests/support/testsupport.h"

namespace {

QzOptionList& EnDis()
{
    static const QzOptionEntry kEnDis[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
    static QzOptionList list(kEnDis);
    return list;
}

// Makes the controls of a case on the form and reads or sets their states as texts: an edit
// its text, a check box "x" or "-", a combo box or radio group "#" and its item index, a
// label its caption.
class Controls {
public:
    explicit Controls(TForm* form) : form_(form) {}
    template <class C>
    C* Make()
    {
        auto* c = new C(form_);
        c->SetParent(form_);
        all_.push_back(c);
        return c;
    }
    std::vector<TEdit*> Edits(int n)
    {
        std::vector<TEdit*> e;
        for (int k = 0; k < n; ++k) e.push_back(Make<TEdit>());
        return e;
    }
    std::vector<std::string> State() const
    {
        std::vector<std::string> s;
        for (TControl* c : all_) {
            if (auto* e = dynamic_cast<TEdit*>(c)) s.push_back(e->Text().std());
            else if (auto* b = dynamic_cast<TCheckBox*>(c)) s.push_back(b->Checked() ? "x" : "-");
            else if (auto* cb = dynamic_cast<TComboBox*>(c)) s.push_back("#" + std::to_string(cb->ItemIndex()));
            else if (auto* g = dynamic_cast<TRadioGroup*>(c)) s.push_back("#" + std::to_string(g->ItemIndex()));
            else if (auto* l = dynamic_cast<TLabel*>(c)) s.push_back(l->Caption().std());
            else if (auto* t = dynamic_cast<TStaticText*>(c)) s.push_back(t->Caption().std());
        }
        return s;
    }
    void Input(const std::vector<std::string>& values)
    {
        for (size_t k = 0; k < values.size() && k < all_.size(); ++k) {
            const std::string& v = values[k];
            TControl* c = all_[k];
            if (auto* e = dynamic_cast<TEdit*>(c)) e->SetText(v.c_str());
            else if (auto* b = dynamic_cast<TCheckBox*>(c)) b->SetChecked(v == "x");
            else if (auto* cb = dynamic_cast<TComboBox*>(c)) cb->SetItemIndex(std::stoi(v.substr(1)));
            else if (auto* g = dynamic_cast<TRadioGroup*>(c)) g->SetItemIndex(std::stoi(v.substr(1)));
            else if (auto* l = dynamic_cast<TLabel*>(c)) l->SetCaption(v.c_str());
            else if (auto* t = dynamic_cast<TStaticText*>(c)) t->SetCaption(v.c_str());
        }
    }

private:
    TForm* form_;
    std::vector<TControl*> all_;
};

// "%s" n times (no input rules, so that tests can type anything).
AnsiString Plain(int n)
{
    std::string f;
    for (int k = 0; k < n; ++k) f += "%s";
    return f.c_str();
}

std::string Ticks(uint32_t t)
{
    std::string le;
    for (int k = 0; k < 4; ++k) le += static_cast<char>(t >> (8 * k));
    return QzSNMPOctetsToText(OctetStr(le), sxTimeTicks).std();
}

using Binder = std::function<void(QzSNMPRequest2Edits&, Controls&)>;

Binder Split(int n, int syntax = -1, int offset = 0)
{
    return [=](QzSNMPRequest2Edits& r, Controls& c) {
        std::vector<TEdit*> e = c.Edits(n);
        r.AssociateFormatList(0, offset, syntax, nullptr, Plain(n), e);
    };
}

struct Case {
    const char* name;
    int syntax;
    QzOptionList* options;
    Binder bind;
    std::string value;
    std::vector<std::string> shown;
    std::vector<std::string> typed;
    std::string back;
};

const uint32_t kTicks = 8640000u * 2 + 360000u * 3 + 6000u * 4 + 100u * 5 + 6;

std::vector<Case> Cases()
{
    return {
        {"label", sxDisplayStr, nullptr, [](auto& r, auto& c) { r.Associate(0, c.template Make<TLabel>()); },
         "abc", {"abc"}, {"xyz"}, "xyz"},
        {"static text", sxInteger, nullptr, [](auto& r, auto& c) { r.Associate(0, c.template Make<TStaticText>()); },
         "42", {"42"}, {"43"}, "43"},
        {"check box of a boolean", sxBoolean, nullptr,
         [](auto& r, auto& c) { r.Associate(0, c.template Make<TCheckBox>()); }, "true", {"x"}, {"-"}, "false"},
        {"check box of an enumeration", sxInteger, &EnDis(),
         [](auto& r, auto& c) { r.Associate(0, c.template Make<TCheckBox>()); }, "disabled", {"x"}, {"-"}, "enabled"},
        {"check box, first option", sxInteger, &EnDis(),
         [](auto& r, auto& c) { r.Associate(0, c.template Make<TCheckBox>()); }, "enabled", {"-"}, {"x"}, "disabled"},
        {"check box, value not in the list", sxInteger, &EnDis(),
         [](auto& r, auto& c) { r.Associate(0, c.template Make<TCheckBox>()); }, "7", {"-"}, {"-"}, "enabled"},
        {"combo box", sxInteger, &EnDis(), [](auto& r, auto& c) { r.Associate(0, c.template Make<TComboBox>()); },
         "disabled", {"#1"}, {"#0"}, "enabled"},
        {"radio group", sxInteger, &EnDis(),
         [](auto& r, auto& c) { r.Associate(0, c.template Make<TRadioGroup>(), 1); }, "disabled", {"#1"}, {"#0"},
         "enabled"},
        {"combo box of a byte", sxOctetStr, nullptr,
         [](auto& r, auto& c) { r.AssociatePart(0, 1, sxUInt8, &EnDis(), c.template Make<TComboBox>()); }, "0A02FF",
         {"#1"}, {"#0"}, "0A01FF"},
        {"bit map of bits 0 and 9", sxOctetStr, nullptr,
         [](auto& r, auto& c) {
             auto* b0 = c.template Make<TCheckBox>();
             auto* b9 = c.template Make<TCheckBox>();
             r.AssociateIndexList(0, "0,9", b0, b9);
         },
         "8040", {"x", "x"}, {"-", "x"}, "0040"},
        {"bit map: bits no box owns come out 0", sxBitStr, nullptr,
         [](auto& r, auto& c) {
             auto* b0 = c.template Make<TCheckBox>();
             auto* b1 = c.template Make<TCheckBox>();
             auto* b8 = c.template Make<TCheckBox>();
             r.AssociateIndexList(0, "0,1,8", b0, b1, b8);
         },
         "7FFF33", {"-", "x", "x"}, {"x", "-", "-"}, "800033"},
        {"display string in an edit", sxDisplayStr, nullptr, Split(1), "a long earlier value",
         {"a long earlier value"}, {"short"}, "short"},
        {"IPv4 address in four edits", sxIpAddress, nullptr, Split(4), "192.0.2.1", {"192", "0", "2", "1"},
         {"10", "", "+7x", "255"}, "10.0.7.255"},
        {"network address in four edits", sxNsapAddr, nullptr, Split(4), "1.2.3.4", {"1", "2", "3", "4"},
         {"1", "2", "3", "5"}, "1.2.3.5"},
        {"MAC address in six edits", sxMacAddress, nullptr, Split(6), "0200006120AB",
         {"02", "00", "00", "61", "20", "AB"}, {"0a", "B", "", "1", "ff", "20"}, "0A0B0001FF20"},
        {"IPv6 address in sixteen edits", sxIpv6Address, nullptr, Split(16), "20010DB8000000000000000000000001",
         {"20", "01", "0D", "B8", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "01"},
         {"FE", "80", "", "", "", "", "", "", "", "", "", "", "", "", "", "2"}, "FE800000000000000000000000000002"},
        {"octet string in six edits", sxOctetStr, nullptr, Split(6), "0102030405",
         {"01", "02", "03", "04", "05", ""}, {"01", "02", "03", "04", "05", "6"}, "010203040506"},
        {"object identifier", sxObjectId, nullptr, Split(4), "1.3.6.1", {"1", "3", "6", "1"}, {"1", "3", "6", "2"},
         "1.3.6.2"},
        {"time ticks in five edits", sxTimeTicks, nullptr, Split(5), Ticks(kTicks), {"2", "3", "4", "5", "6"},
         {"0", "25", "0", "0", "1"}, Ticks(25 * 360000u + 1)},
        {"date and time, negative zone", sxDateTime, nullptr, Split(10), "2006-7-4,13:5:0.0,-5:30",
         {"2006", "7", "4", "13", "5", "0", "0", "-", "5", "30"},
         {"2006", "7", "4", "13", "5", "0", "0", "-", "5", "30"}, "2006-7-4,13:5:0.0,-5:30"},
        {"date and time, changed", sxDateTime, nullptr, Split(10), "2006-7-4,13:5:0.0,+0:0",
         {"2006", "7", "4", "13", "5", "0", "0", "+", "0", "0"},
         {"2024", "12", "31", "23", "59", "58", "9", "", "2", "0"}, "2024-12-31,23:59:58.9,+2:0"},
        {"class-library date and time", sxBcdDateTime, nullptr, Split(7), "2020/02/29 01:02:03 pm",
         {"2020", "2", "29", "13", "2", "3", "0"}, {"1999", "12", "31", "0", "0", "0", "0"}, "1999/12/31 12:00:00 am"},
        {"a byte of an integer", sxInteger, nullptr, Split(1, sxUInt8, 1), "258", {"1"}, {"7"}, "1794"},
    };
}

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override { form = new TForm(nullptr); }
    void TearDown() override
    {
        r.reset();
        delete form;
    }
    void Use(int syntax, QzOptionList* options = nullptr, int access = acReadWrite)
    {
        r = std::make_unique<QzSNMPRequest2Edits>(form);
        r->Request.varList = MakeList({Var(syntax, access, options), Var(sxInteger)});
        c = std::make_unique<Controls>(form);
    }
    AnsiString& Value(int i = 0) { return *r->Request.varList.Items(i).value; }

    TForm* form = nullptr;
    std::unique_ptr<QzSNMPRequest2Edits> r;
    std::unique_ptr<Controls> c;
};

}  // namespace

TEST_F(TransferTest, EveryKindOfControlInBothDirections)
{
    MessageBoxRecorder boxes;
    for (const Case& k : Cases()) {
        SCOPED_TRACE(k.name);
        Use(k.syntax, k.options);
        k.bind(*r, *c);
        Value() = k.value.c_str();
        r->ValuesToControls(-1);
        EXPECT_EQ(c->State(), k.shown);
        c->Input(k.typed);
        r->ControlsToValues(-1);
        EXPECT_EQ(Value().std(), k.back);
        // And shown again as it was read back.
        r->ValuesToControls(0);
        r->ControlsToValues(0);
        EXPECT_EQ(Value().std(), k.back);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(TransferTest, TwoPartsOfOneOctetStringRebuildTheValue)
{
    Use(sxOctetStr);
    std::vector<TEdit*> low = c->Edits(4), high = c->Edits(4);
    r->AssociateFormatList(0, 0, sxIpAddress, nullptr, Plain(4), low);
    r->AssociateFormatList(0, 4, sxIpAddress, nullptr, Plain(4), high);
    Value() = "C00002010A000001";
    r->ValuesToControls(0);
    EXPECT_EQ(c->State(), (std::vector<std::string>{"192", "0", "2", "1", "10", "0", "0", "1"}));
    c->Input({"10", "1", "1", "1", "172", "16", "0", "9"});
    r->ControlsToValues(0);
    EXPECT_EQ(Value(), "0A010101AC100009");

    // A value shorter than a part's offset is padded with zero bytes; bytes no part covers stay.
    Use(sxOctetStr);
    std::vector<TEdit*> port = c->Edits(1);
    r->AssociateFormatList(0, 4, sxUInt16, nullptr, "%s", port);
    Value() = "01";
    EXPECT_EQ(RaisedCode([&] { r->ValuesToControls(0); }), -519);
    port[0]->SetText("258");
    r->ControlsToValues(0);
    EXPECT_EQ(Value(), "010000000102");
}

TEST_F(TransferTest, NoValueLeavesSplitEditsAndGivesNone)
{
    Use(sxIpAddress);
    std::vector<TEdit*> four = c->Edits(4);
    std::vector<TEdit*> one = c->Edits(1);
    r->AssociateFormatList(0, 0, -1, nullptr, Plain(4), four);
    r->AssociateFormatList(0, 0, -1, nullptr, "%s", one);
    c->Input({"1", "2", "3", "4", "x"});
    Value() = "(NULL)";
    r->ValuesToControls(0);
    EXPECT_EQ(c->State(), (std::vector<std::string>{"1", "2", "3", "4", "(NULL)"}));

    // An edit showing "(NULL)" gives no value: the variable keeps its text.
    Use(sxInteger);
    std::vector<TEdit*> e = c->Edits(1);
    r->AssociateFormatList(0, 0, -1, nullptr, "%s", e);
    Value() = "(NULL)";
    r->ValuesToControls(0);
    Value() = "5";
    r->ControlsToValues(0);
    EXPECT_EQ(Value(), "5");
}

TEST_F(TransferTest, ErrorsOfTheTransfer)
{
    // Five bytes into four edits.
    Use(sxOctetStr);
    r->AssociateFormatList(0, 0, -1, nullptr, Plain(4), c->Edits(4));
    Value() = "0102030405";
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r->ValuesToControls(0); }, &text), -522);
    EXPECT_EQ(text, "(QzSNMP++) Count of the associated visual controls is not enough!");

    // A bit beyond the value.
    Use(sxOctetStr);
    r->AssociateIndexList(0, "16", c->Make<TCheckBox>());
    Value() = "FFFF";
    EXPECT_EQ(RaisedCode([&] { r->ValuesToControls(0); }), -519);

    // A check box over a number without an option list.
    Use(sxInteger);
    r->Associate(0, c->Make<TCheckBox>());
    Value() = "1";
    EXPECT_EQ(RaisedCode([&] { r->ValuesToControls(0); }, &text), -517);
    EXPECT_EQ(text, "(QzSNMP++) Bad syntax of the associated SNMP variable's (partial) data!");
    EXPECT_EQ(RaisedCode([&] { r->ControlsToValues(0); }), -517);

    // A number typed beyond its object's type is refused, not wrapped into another number.
    struct Beyond {
        int syntax;
        const char* text;
        bool refused;
    };
    for (const Beyond& b : {Beyond{sxInteger, "2147483647", false}, Beyond{sxInteger, "-2147483648", false},
                            Beyond{sxInteger, "2147483648", true}, Beyond{sxInteger, "4294967396", true},
                            Beyond{sxGauge, "4294967295", false}, Beyond{sxGauge, "4294967296", true},
                            Beyond{sxUInteger, "-1", true}, Beyond{sxCounter, "99999999999", true}}) {
        SCOPED_TRACE(b.text);
        Use(b.syntax);
        auto* e = c->Make<TEdit>();
        r->AssociateFormat(0, "%s", e);
        Value() = "7";
        e->SetText(b.text);
        if (b.refused) {
            EXPECT_EQ(RaisedCode([&] { r->ControlsToValues(0); }), -518);
            EXPECT_EQ(Value(), "7");
        } else {
            r->ControlsToValues(0);
            EXPECT_EQ(Value(), b.text);
        }
    }

    // A failure stops the transfer: earlier variables have their new texts, the failing one
    // keeps its old text.
    r->Request.varList = MakeList({Var(sxDisplayStr), Var(sxInteger), Var(sxInteger)});
    r->RemoveAssociation(0);
    auto* label = c->Make<TLabel>();
    r->Associate(0, label);
    r->Associate(1, c->Make<TCheckBox>());
    label->SetCaption("new");
    Value(0) = "old";
    Value(1) = "1";
    EXPECT_EQ(RaisedCode([&] { r->ControlsToValues(-1); }), -517);
    EXPECT_EQ(Value(0), "new");
    EXPECT_EQ(Value(1), "1");
}

TEST_F(TransferTest, TypedNumbersThatWouldBeWrittenWrappedAreRefused)
{
    struct Typed {
        const char* name;
        int syntax;
        int part;  // -1: the variable's own syntax
        const char* value;
        std::vector<std::string> typed;
    };
    const Typed cases[] = {
        {"address number beyond 255", sxIpAddress, -1, "192.0.2.1", {"300", "1", "1", "1"}},
        {"negative address number", sxIpAddress, -1, "192.0.2.1", {"1", "2", "3", "-1"}},
        {"identifier beyond 32 bits", sxObjectId, -1, "1.3.6.1", {"1", "3", "6", "4294967296"}},
        {"ticks beyond 32 bits", sxTimeTicks, -1, "0:00:01.00", {"500", "0", "0", "0", "0"}},
        {"month beyond its octet", sxDateTime, -1, "2006-7-4,13:5:0.0", {"2006", "300", "4", "13", "5", "0", "0", "+", "0", "0"}},
        {"year beyond its octets", sxDateTime, -1, "2006-7-4,13:5:0.0", {"70000", "7", "4", "13", "5", "0", "0", "+", "0", "0"}},
        {"a byte of 256", sxInteger, sxUInt8, "258", {"256"}},
        {"a signed byte of 128", sxInteger, sxInt8, "258", {"128"}},
        {"a signed byte of -129", sxInteger, sxInt8, "258", {"-129"}},
        {"two bytes of 65536", sxInteger, sxUInt16, "258", {"65536"}},
        {"two bytes of -1", sxInteger, sxUInt16, "258", {"-1"}},
        {"signed two bytes of 32768", sxInteger, sxInt16, "258", {"32768"}},
    };
    for (const Typed& t : cases) {
        SCOPED_TRACE(t.name);
        Use(t.syntax);
        const int n = static_cast<int>(t.typed.size());
        Split(n, t.part)(*r, *c);
        Value() = t.value;
        c->Input(t.typed);
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { r->ControlsToValues(0); }, &text), -518);
        EXPECT_EQ(text, "(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!");
        EXPECT_EQ(Value(), t.value);
    }
}

TEST_F(TransferTest, PortListShorterThanItsBoxes)
{
    // The octets set the boxes they cover; the boxes beyond them are unchecked, so that none
    // keeps an earlier row's state for the next write, and then the shortness is raised.
    Use(sxOctetStr);
    auto* b0 = c->Make<TCheckBox>();
    auto* b7 = c->Make<TCheckBox>();
    auto* b8 = c->Make<TCheckBox>();
    auto* b15 = c->Make<TCheckBox>();
    r->AssociateIndexList(0, "0,7,8,15", b0, b7, b8, b15);
    Value() = "8181";
    r->ValuesToControls(0);
    EXPECT_EQ(c->State(), (std::vector<std::string>{"x", "x", "x", "x"}));
    Value() = "01";
    EXPECT_EQ(RaisedCode([&] { r->ValuesToControls(0); }), -519);
    EXPECT_EQ(c->State(), (std::vector<std::string>{"-", "x", "-", "-"}));
    Value() = "";
    EXPECT_EQ(RaisedCode([&] { r->ValuesToControls(0); }), -519);
    EXPECT_EQ(c->State(), (std::vector<std::string>{"-", "-", "-", "-"}));
}

TEST_F(TransferTest, WhatTheTransfersSkip)
{
    // A read-only variable is never read back from its control.
    Use(sxDisplayStr, nullptr, acReadOnly);
    auto* label = c->Make<TLabel>();
    r->Associate(0, label);
    Value() = "switch";
    r->ValuesToControls(-1);
    label->SetCaption("typed");
    r->ControlsToValues(-1);
    EXPECT_EQ(Value(), "switch");

    // A variable left out of a partial write for a while keeps its controls.
    Use(sxDisplayStr);
    label = c->Make<TLabel>();
    r->Associate(0, label);
    label->SetCaption("before");
    Value() = "after";
    r->Request.varList.Items(0).access |= acInvalid;
    r->ValuesToControls(-1);
    EXPECT_EQ(label->Caption(), "before");

    // A control that is gone is passed over.
    Use(sxDisplayStr);
    label = c->Make<TLabel>();
    r->Associate(0, label);
    delete label;
    Value() = "x";
    r->ValuesToControls(-1);
    r->ControlsToValues(-1);
    EXPECT_EQ(Value(), "x");
}

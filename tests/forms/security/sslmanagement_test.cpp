// The SSL management form against the simulated switch: the cipher-suite bit string read into
// four choices and written back as two hexadecimal digits.
#include "forms/routing_security/sslmanagementform.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kSsl = "1.3.6.1.4.1.171.12.7.1.";

bool Read(TSSLManagementForm* f) { return f->Request && !f->Request->Busy && !f->edtCacheTimeOut->Text().IsEmpty(); }

std::vector<int> SuiteItems(TSSLManagementForm* f)
{
    return {f->cbxciphersuites1->ItemIndex(), f->cbxciphersuites2->ItemIndex(), f->cbxciphersuites3->ItemIndex(),
            f->cbxciphersuites4->ItemIndex()};
}

class SslManagementTest : public SecurityFormTest {
protected:
    // The switch holding the cipher suites as these octets.
    void StartWithSuites(const std::string& hex) { StartSwitch({kSsl + "2.0 rw hex " + hex}); }
};

}  // namespace

TEST(CipherSuites, FourSuitesAreOneDigitAndZero)
{
    struct Case {
        bool enabled[4];
        const char* text;
    };
    const Case cases[] = {
        {{true, false, false, true}, "90"},
        {{true, true, true, true}, "F0"},
        {{false, false, false, false}, "00"},
        {{true, false, true, false}, "A0"},
        {{false, true, true, true}, "70"},
        {{true, true, false, false}, "C0"},
    };
    for (const Case& c : cases) EXPECT_EQ(CipherSuitesText(c.enabled).std(), c.text);
}

TEST(CipherSuites, OnlyTheFirstOfTwoDigitsIsRead)
{
    struct Case {
        const char* text;
        bool taken;
        bool enabled[4];
    };
    const Case cases[] = {
        {"A0", true, {true, false, true, false}},
        {"a0", true, {true, false, true, false}},
        {"0F", true, {false, false, false, false}},
        {"F0", true, {true, true, true, true}},
        {"9", false, {}},
        {"900", false, {}},
        {"", false, {}},
        {"G0", false, {}},
    };
    for (const Case& c : cases) {
        bool enabled[4] = {true, true, false, false};
        const bool before[4] = {true, true, false, false};
        ASSERT_EQ(CipherSuitesOfText(c.text, enabled), c.taken) << c.text;
        const bool* expected = c.taken ? c.enabled : before;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(enabled[k], expected[k]) << c.text << " suite " << k + 1;
    }
}

TEST_F(SslManagementTest, TheReadShowsStateTimeOutAndSuites)
{
    StartSwitch();
    RunMenu<TSSLManagementForm>("SSLManagement1", Read, [&](TSSLManagementForm* f) {
        EXPECT_EQ(f->Caption().std(), "SSL Management Table");
        EXPECT_EQ(f->cbxSSLVersion->Text().std(), "enabled");
        EXPECT_EQ(f->edtCacheTimeOut->Text().std(), "600");
        EXPECT_EQ(f->edtciphersuites->Text().std(), "D0");
        EXPECT_EQ(SuiteItems(f), (std::vector<int>{1, 1, 0, 1}));
        EXPECT_EQ(f->cbxciphersuites3->Text().std(), "disabled");
        Screenshot(f, "TSSLManagementForm");
    });
}

TEST_F(SslManagementTest, ASuitesTextOfAnotherLengthLeavesTheChoicesAsTheyWere)
{
    StartWithSuites("A0 00");
    RunMenu<TSSLManagementForm>("SSLManagement1", Read, [&](TSSLManagementForm* f) {
        EXPECT_EQ(f->edtciphersuites->Text().std(), "A000");
        EXPECT_EQ(SuiteItems(f), (std::vector<int>{-1, -1, -1, -1}));
    });
}

TEST_F(SslManagementTest, SetWritesTheSuitesAsTwoDigits)
{
    StartWithSuites("A0");
    RunMenu<TSSLManagementForm>("SSLManagement1", Read, [&](TSSLManagementForm* f) {
        EXPECT_EQ(SuiteItems(f), (std::vector<int>{1, 0, 1, 0}));
        f->cbxciphersuites3->SetItemIndex(0);
        f->cbxciphersuites4->SetItemIndex(1);
        f->edtCacheTimeOut->SetText("300");
        Mark();
        Click(f->btnSet);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(f->edtciphersuites->Text().std(), "90");
        const std::vector<std::string> vbs = Varbinds(sets[0]);
        ASSERT_EQ(vbs.size(), 3u);
        EXPECT_EQ(vbs[0], kSsl + "1.0 integer 3");
        EXPECT_EQ(sets[0].varbinds[1].oid, kSsl + "2.0");
        EXPECT_EQ(sets[0].varbinds[1].value, std::string("\x90", 1));
        EXPECT_EQ(vbs[2], kSsl + "3.0 gauge 300");
        WaitIdle(f->Request);
        EXPECT_EQ(agent->Requests().back().status, "noError");

        for (TComboBox* suite : {f->cbxciphersuites1, f->cbxciphersuites2, f->cbxciphersuites3, f->cbxciphersuites4})
            suite->SetItemIndex(0);
        Mark();
        Click(f->btnSet);
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(f->edtciphersuites->Text().std(), "00");
        EXPECT_EQ(sets[0].varbinds[1].value, std::string("\0", 1));
    });
}

TEST_F(SslManagementTest, SetWithAnEmptyInputWarnsAndSendsNothing)
{
    StartSwitch();
    RunMenu<TSSLManagementForm>("SSLManagement1", Read, [&](TSSLManagementForm* f) {
        Mark();
        f->edtCacheTimeOut->SetText("");
        Click(f->btnSet);
        f->edtCacheTimeOut->SetText("600");
        f->cbxciphersuites2->SetItemIndex(-1);
        Click(f->btnSet);
        ASSERT_EQ(Texts(), (std::vector<std::string>{"Some items are empty.", "Some items are empty."}));
        EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(SslManagementTest, ATimeOutThatIsNoNumberIsReportedInTheStatusBar)
{
    StartSwitch();
    RunMenu<TSSLManagementForm>("SSLManagement1", Read, [&](TSSLManagementForm* f) {
        f->edtCacheTimeOut->SetText("ten");
        Mark();
        Click(f->btnSet);
        WaitIdle(f->Request);
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_TRUE(boxes.Boxes().empty()) << (boxes.Boxes().empty() ? "" : boxes.Boxes()[0].text);
        EXPECT_NE(f->StatusBar1->Panels()->Items(0)->Text().std(), "");
    });
}

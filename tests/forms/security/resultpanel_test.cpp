// Forms whose status bar has panels show a request's outcome in the first panel, where their
// own failure texts go: a write the switch refuses shows there, and a later success replaces it.
#include "forms/acl/EthernetMaskInformation.h"
#include "forms/routing_security/serverinformationform.h"
#include "forms/routing_security/sslmanagementform.h"
#include "tests/forms/security/securityfixture.h"

namespace {

struct PanelCase {
    const char* menu;
    std::string refused;  // the object the switch refuses to write
    std::function<QzSNMPRequest2Controls*(TForm*)> request;
    std::function<TStatusBar*(TForm*)> bar;
    std::function<bool(TForm*)> ready;
    // The operator's write; the first attempt is refused, the second goes through.
    std::function<void(TForm*, int attempt)> write;
};

template <class F>
F* As(TForm* f)
{
    return dynamic_cast<F*>(f);
}

class ResultPanelTest : public SecurityFormTest {};

}  // namespace

TEST_F(ResultPanelTest, ASuccessReplacesARefusalInTheFirstPanel)
{
    using Mask = TEthernetMaskInformationForm;
    using Server = TServerInformationForm;
    using Ssl = TSSLManagementForm;
    const PanelCase cases[] = {
        {"EthernetMask1", "1.3.6.1.4.1.171.12.9.2.1.1.8", [](TForm* f) { return As<Mask>(f)->Request; },
         [](TForm* f) { return As<Mask>(f)->StatusBar1; },
         [](TForm* f) { return As<Mask>(f)->ListView1->Items()->Count() >= 2; },
         [](TForm* f, int attempt) {
             ClickRow(As<Mask>(f)->ListView1, attempt);
             Click(As<Mask>(f)->BT_Delete);
         }},
        {"ServerInformation1", "1.3.6.1.4.1.171.12.5.10.1.5", [](TForm* f) { return As<Server>(f)->Request; },
         [](TForm* f) { return As<Server>(f)->StatusBar1; },
         [](TForm* f) { return As<Server>(f)->ListView1->Items()->Count() >= 4; },
         [](TForm* f, int attempt) {
             ClickRow(As<Server>(f)->ListView1, attempt);
             As<Server>(f)->TimeoutEdit->SetText("9");
             Click(As<Server>(f)->EditButton);
         }},
        {"SSLManagement1", "1.3.6.1.4.1.171.12.7.1.3", [](TForm* f) { return As<Ssl>(f)->Request; },
         [](TForm* f) { return As<Ssl>(f)->StatusBar1; },
         [](TForm* f) { return !As<Ssl>(f)->edtCacheTimeOut->Text().IsEmpty(); },
         [](TForm* f, int attempt) {
             As<Ssl>(f)->edtCacheTimeOut->SetText(attempt ? "400" : "300");
             Click(As<Ssl>(f)->btnSet);
         }},
    };
    StartSwitch();
    for (const PanelCase& c : cases) {
        SCOPED_TRACE(c.menu);
        agent->Control("fault error " + c.refused + " genErr set");
        auto ready = [&](TForm* f) { return Idle(c.request(f)) && c.ready(f); };
        RunMenu<TForm>(c.menu, ready, [&](TForm* f) {
            auto panel = [&] { return c.bar(f)->Panels()->Items(0)->Text().std(); };
            Mark();
            c.write(f, 0);
            WaitIdle(c.request(f));
            ASSERT_EQ(Sets().size(), 1u);
            EXPECT_EQ(Sets()[0].status, "genErr");
            EXPECT_NE(panel().find("General Error"), std::string::npos) << panel();

            agent->Control("fault error " + c.refused + " noError");
            Mark();
            c.write(f, 1);
            WaitIdle(c.request(f));
            ASSERT_EQ(Sets().size(), 1u);
            EXPECT_EQ(Sets()[0].status, "noError");
            EXPECT_EQ(panel().find("Error"), std::string::npos) << panel();
            EXPECT_NE(panel().find("Ok!"), std::string::npos) << panel();
        });
    }
}

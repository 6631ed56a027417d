// Closing a form while its binding reads, and destroying a binding with a reply on its way:
// no hang, no call into a destroyed binding, and the controls keep nothing of it.
#include <QTimer>

#include "bindingfixture.h"
#include "snmpvars/qzsnmprequest2edits.h"

namespace {

const char kEntry[] = "1.3.6.1.4.1.99999.8.1";
const int kRows = 20;

std::vector<std::string> TableLines()
{
    std::vector<std::string> lines = {std::string("table ") + kEntry,
                                      std::string("column ") + kEntry + ".2 rw integer"};
    for (int row = 1; row <= kRows; ++row)
        lines.push_back(std::string(kEntry) + ".2." + std::to_string(row) + " integer " + std::to_string(row * 10));
    return lines;
}

const UISnmpVar kVars[] = {
    {"1.3.6.1.4.1.99999.8.1.1", "Row", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99999.8.1.2", "Value", sxInteger, acReadWrite},
    {nullptr},
};

class ClosingTest : public BindingTest {
protected:
    void Use(unsigned char mode)
    {
        Start(TableLines(), 1);
        lv = new TListView(form);
        lv->SetParent(form);
        lv->SetBounds(0, 0, 640, 300);
        r = new QzSNMPRequest2Edits(form);
        r->Request.varList = QzSNMPVarList(kVars, MVT_FMV, 1);
        r->Mode = mode;
        r->SetMessageControl(memo);
        r->BindListView(lv, true);
        // The closing protocol of the system's forms.
        form->OnClose = TCloseEvent(std::function<void(TObject*, TCloseAction&)>([this](TObject*, TCloseAction&) {
            ++closes;
            if (!r) return;
            r->Request.enabled = 0;
            QElapsedTimer t;
            t.start();
            while (r->Busy) {
                if (t.elapsed() > 5000) {
                    hung = true;  // fail instead of hanging the suite
                    return;
                }
                Application->ProcessMessages();
            }
            delete r;
            r = nullptr;
        }));
        form->OnCloseQuery = formCloseQuery;
    }
    // Closes the form (as the operator would) when the list view shows row `row`.
    void CloseAtRow(int row)
    {
        lv->OnChange = TLVChangeEvent(std::function<void(TObject*, TListItem*, TItemChange)>(
            [this, row](TObject*, TListItem* item, TItemChange) {
                if (item->Index() == row - 1) form->Close();
            }));
    }

    TListView* lv = nullptr;
    QzSNMPRequest2Edits* r = nullptr;
    int closes = 0;
    bool hung = false;
    FormHandlers h;
    int& queries = h.queries;
    const TCloseQueryEvent formCloseQuery{&h, &FormHandlers::CloseQuery};
};

}  // namespace

TEST_F(ClosingTest, ClosingFromTheMessagePumpOfAWalkWaitsUntilTheWalkHasUnwound)
{
    for (unsigned char mode : {0, 1}) {
        SCOPED_TRACE(int(mode));
        Use(mode);
        CloseAtRow(3);
        QTimer::singleShot(0, form, [this] { r->Get(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] { hung = true; });
        watchdog.start(10000);
        EXPECT_EQ(form->ShowModal(), mrCancel);
        EXPECT_FALSE(hung);
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(queries, 1);  // the form's own question, asked once when the close is made again
        EXPECT_EQ(r, nullptr);
        // The walk ended at its next step: no further get-next after the close.
        EXPECT_EQ(lv->Items()->Count(), 3);
        EXPECT_EQ(Count("GETNEXT", 3), 3u);
        EXPECT_EQ(form->OnCloseQuery, formCloseQuery);
        ASSERT_EQ(memo->Lines()->Count(), 1);
        EXPECT_TRUE(IsResultLine(LinesOf(memo)[0], "Get", OkText()));
        memo->Clear();
        closes = queries = 0;
        delete lv;
    }
}

TEST_F(ClosingTest, ClosingBetweenTheAnswersOfAnAsynchronousWalk)
{
    Use(1);
    agent_->Control("fault delay 40");
    QTimer::singleShot(0, form, [this] { r->Get(); });
    QTimer::singleShot(150, form, [this] { form->Close(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_FALSE(hung);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(r, nullptr);
    const size_t steps = Count("GETNEXT");
    EXPECT_LT(steps, static_cast<size_t>(kRows));
    // The answer on its way was still taken in; none is sent after it.
    EXPECT_EQ(static_cast<size_t>(lv->Items()->Count()), steps);
    WaitFor([] { return false; }, 150);
    EXPECT_EQ(Count("GETNEXT"), steps);
}

TEST_F(ClosingTest, AFormThatRefusesTheCloseKeepsAWorkingBinding)
{
    Use(0);
    h.refuse = true;
    CloseAtRow(2);
    QTimer::singleShot(0, form, [this] { r->Get(); });
    // Once the first read has ended (however slow the machine), the form is still open and the
    // binding reads the whole table again.
    QTimer next;
    next.setInterval(10);
    QObject::connect(&next, &QTimer::timeout, form, [this, &next] {
        if (!r || r->Busy || queries < 1) return;
        next.stop();
        lv->OnChange = nullptr;
        r->Get();
        h.refuse = false;
        form->Close();
    });
    next.start();
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);  // refused once, then agreed
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(lv->Items()->Count(), kRows);
}

TEST_F(ClosingTest, DeletingABindingWithAReplyOnItsWay)
{
    Use(1);
    agent_->Control("fault delay 200");
    int done = 0;
    r->OnGetDone = QzSNMPControlsDoneEvent(std::function<void(QzSNMPRequest2Controls*, QzSNMPError*)>(
        [&](QzSNMPRequest2Controls*, QzSNMPError*) { ++done; }));
    r->Get();
    EXPECT_TRUE(r->Busy);
    delete r;
    r = nullptr;
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(lv->Items()->Count(), 0);
    EXPECT_FALSE(lv->OnSelectItem);
}

TEST_F(ClosingTest, ABindingDeletedByItsOwnCompletionOrFromTheWalksPump)
{
    // The done event deletes the binding.
    Use(1);
    r->OnGetDone = QzSNMPControlsDoneEvent(std::function<void(QzSNMPRequest2Controls*, QzSNMPError*)>(
        [this](QzSNMPRequest2Controls*, QzSNMPError*) {
            delete r;
            r = nullptr;
        }));
    r->Get();
    ASSERT_TRUE(WaitFor([&] { return r == nullptr; }));
    EXPECT_EQ(lv->Items()->Count(), kRows);

    // A synchronous walk whose binding goes from inside the walk's own message pump.
    delete lv;
    Use(0);
    lv->OnChange = TLVChangeEvent(std::function<void(TObject*, TListItem*, TItemChange)>(
        [this](TObject*, TListItem* item, TItemChange) {
            if (item->Index() == 4) QTimer::singleShot(0, form, [this] {
                    delete r;
                    r = nullptr;
                });
        }));
    QzSNMPRequest2Edits* walking = r;
    walking->Get();  // returns once it finds itself deleted
    EXPECT_EQ(r, nullptr);
    EXPECT_EQ(lv->Items()->Count(), 5);
    EXPECT_EQ(form->OnCloseQuery, formCloseQuery);
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(Count("GETNEXT", 5), 5u);
}

// The frame every feature form shares: scaling, the access flags of a partial write, the
// closing protocol under a running walk, and one owner freeing a form.
#include <QElapsedTimer>

#include "forms/layer2/featureframe.h"
#include "forms/layer2/forwardportsframe.h"
#include "mainwindow/featureforms.h"
#include "tests/forms/formfixture.h"

namespace {

const TResComponent kStubComponents[] = {
    {"TMemo", "Memo1", nullptr, 0, 0, 0, 40, alBottom, nullptr, nullptr, rfReadOnly},
    {"TListView", "ListView1", nullptr, 0, 0, 0, 0, alClient},
    {nullptr},
};
const TResForm kStubLayout = {"StubForm", "Stub", 400, 301, poMainFormCenter, bsSizeable, kStubComponents};

// The switch's interface table, walked row by row.
const UISnmpVar kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", sxInteger, acReadWrite},
    {nullptr},
};

int stubsDestroyed = 0;

class TStubForm : public TFeatureFormBase {
public:
    explicit TStubForm(TComponent* Owner) : TFeatureFormBase(Owner, kStubLayout)
    {
        ListView1 = C<TListView>("ListView1");
        Memo1 = C<TMemo>("Memo1");
        OnCreate = TNotifyEvent(this, &TStubForm::FormCreate);
        OnClose = TCloseEvent(this, &TStubForm::FormClose);
        DoCreate();
    }
    ~TStubForm() override { ++stubsDestroyed; }
    void FormCreate(TObject*)
    {
        Request = NewRequest(kIfTable, MVT_UMV, 1);
        Request->BindListView(ListView1, true);
        Request->SetMessageControl(Memo1);
        Request->Get();
    }
    void FormClose(TObject*, TCloseAction& Action)
    {
        ReleaseRequest(Request);
        Action = caFree;  // as several forms do, while their menu handler deletes them too
    }
    TListView* ListView1;
    TMemo* Memo1;
    QzSNMPRequest2Edits* Request = nullptr;
};

// Two reads of the same table, each with a done handler that counts the calls made once the
// form has begun to close.
class TTwoReadsForm : public TFeatureFormBase {
public:
    enum CloseKind { ReleaseFirst, ReleaseBoth, NoRelease };
    static CloseKind closeKind;
    static int handlersAfterClose;

    explicit TTwoReadsForm(TComponent* Owner) : TFeatureFormBase(Owner, kStubLayout)
    {
        ListView1 = C<TListView>("ListView1");
        Memo1 = C<TMemo>("Memo1");
        OnCreate = TNotifyEvent(this, &TTwoReadsForm::FormCreate);
        OnClose = TCloseEvent(this, &TTwoReadsForm::FormClose);
        DoCreate();
    }
    void FormCreate(TObject*)
    {
        for (QzSNMPRequest2Edits** r : {&first, &second}) {
            *r = NewRequest(kIfTable, MVT_UMV, 1);
            (*r)->SetMessageControl(Memo1);
            (*r)->OnGetDone = QzSNMPControlsDoneEvent(this, &TTwoReadsForm::ReadDone);
        }
        first->BindListView(ListView1, true);
        first->Get();
        second->Get();
    }
    void FormClose(TObject*, TCloseAction&)
    {
        closing_ = true;
        if (closeKind != NoRelease) ReleaseRequest(first);
        if (closeKind == ReleaseBoth) ReleaseRequest(second);
    }
    void ReadDone(QzSNMPRequest2Controls*, QzSNMPError*) { Count(); }
    void Count()
    {
        if (closing_) ++handlersAfterClose;
    }
    TListView* ListView1;
    TMemo* Memo1;
    QzSNMPRequest2Edits* first = nullptr;
    QzSNMPRequest2Edits* second = nullptr;

private:
    bool closing_ = false;
};

TTwoReadsForm::CloseKind TTwoReadsForm::closeKind = TTwoReadsForm::NoRelease;
int TTwoReadsForm::handlersAfterClose = 0;

class FrameTest : public FeatureFormTest {
protected:
    void TearDown() override
    {
        UnregisterFeatureForm("PortTrunk2");
        FeatureFormTest::TearDown();
    }
};

}  // namespace

TEST_F(FrameTest, AFormThatAsksToBeFreedIsFreedOnceByItsMenuHandler)
{
    StartSwitch();
    RegisterFeatureForm<TStubForm>("PortTrunk2");
    stubsDestroyed = 0;
    RunMenu<TStubForm>("PortTrunk2", [](TStubForm* f) { return Idle(f->Request); },
                       [](TStubForm* f) { EXPECT_GT(f->ListView1->Items()->Count(), 20); });
    WaitFor([] { return false; }, 50);  // a release posted meanwhile would run here
    EXPECT_EQ(stubsDestroyed, 1);
}

TEST_F(FrameTest, ScaledFormsGrowByAQuarterCutTowardsZero)
{
    StartSwitch();
    form->ScaleUp = true;
    std::unique_ptr<TStubForm> f(new TStubForm(Application));
    EXPECT_EQ(f->Width(), 500);
    EXPECT_EQ(f->Height(), 376);
    f->Close();
    form->ScaleUp = false;
    std::unique_ptr<TStubForm> g(new TStubForm(Application));
    EXPECT_EQ(g->Width(), 400);
    EXPECT_EQ(g->Height(), 301);
    EXPECT_EQ(ScaledFormSize(301, true), 376);
}

TEST_F(FrameTest, SavedAccessFlagsComeBackWhenTheWriteThrows)
{
    QzSNMPVarList list(kIfTable, MVT_UMV, 1);
    try {
        TSavedAccessFlags saved(list);
        saved.LeaveOut(1);
        saved.LeaveOut(2);
        EXPECT_EQ(list.Items(2).access, acInvalid);
        throw Exception("refused");
    } catch (const Exception&) {
    }
    EXPECT_EQ(list.Items(0).access, acReadOnly);
    EXPECT_EQ(list.Items(2).access, acReadWrite);
}

// A close (or any wait for the request) asked from inside the walk's own row delivery cannot
// wait for the walk: it ends the walk instead of spinning.
TEST_F(FrameTest, ReleasingARequestFromInsideItsWalkDoesNotHang)
{
    StartSwitch({"fault delay 50"});  // rows keep arriving after the handler is in place
    RegisterFeatureForm<TStubForm>("PortTrunk2");
    bool installed = false, released = false;
    qint64 took = -1;
    auto install = [&](TStubForm* f) {
        installed = true;
        f->ListView1->OnChange = TLVChangeEvent(std::function<void(TObject*, TListItem*, TItemChange)>(
            [&, f](TObject*, TListItem*, TItemChange) {
                if (released || !f->Request || f->ListView1->Items()->Count() < 2) return;
                released = true;
                QElapsedTimer t;
                t.start();
                f->ReleaseRequest(f->Request);
                took = t.elapsed();
            }));
    };
    RunMenu<TStubForm>(
        "PortTrunk2",
        [&](TStubForm* f) {
            if (!installed) install(f);
            return released;
        },
        [&](TStubForm* f) { EXPECT_EQ(f->Request, nullptr); });
    EXPECT_TRUE(released);
    EXPECT_GE(took, 0);
    EXPECT_LT(took, 1000);
}

// A form that is closed while its read runs is destroyed without any of its handlers being
// called: the read is withdrawn, not completed, whether or not its close handler releases it.
TEST_F(FrameTest, ClosingRightAfterRefreshRunsNoHandlerOfTheForm)
{
    StartSwitch({"fault delay 150"});  // the read is still running when the form closes
    for (const char* component : {"ForwardUnregisteredInformation1", "MulticastForwardingInformation1"}) {
        SCOPED_TRACE(component);
        bool closed = false;
        RunMenu<TForwardPortsForm>(
            component, [](TForwardPortsForm* f) { return Idle(f->ForwardRequest); },
            [&](TForwardPortsForm* f) {
                Click(f->RefreshBtn);
                EXPECT_TRUE(f->ForwardRequest->Busy);
                f->Close();
                closed = true;
            },
            20000);
        EXPECT_TRUE(closed);
    }
}

// Whatever the close handler does: releasing one request, both, or none.
TEST_F(FrameTest, NoDoneHandlerRunsWhileAFormIsClosedOrDestroyed)
{
    StartSwitch({"fault delay 100"});
    RegisterFeatureForm<TTwoReadsForm>("PortTrunk2");
    for (TTwoReadsForm::CloseKind kind :
         {TTwoReadsForm::ReleaseFirst, TTwoReadsForm::ReleaseBoth, TTwoReadsForm::NoRelease}) {
        SCOPED_TRACE(static_cast<int>(kind));
        TTwoReadsForm::closeKind = kind;
        TTwoReadsForm::handlersAfterClose = 0;
        RunMenu<TTwoReadsForm>("PortTrunk2", [](TTwoReadsForm* f) { return f->first && f->first->Busy; },
                               [](TTwoReadsForm* f) { f->Close(); });
        EXPECT_EQ(TTwoReadsForm::handlersAfterClose, 0);
    }
}

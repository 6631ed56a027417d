// The frame every feature form shares: scaling, the access flags of a partial write, the
// closing protocol under a running walk, and one owner freeing a form.
#include <QElapsedTimer>

#include "forms/layer2/featureframe.h"
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

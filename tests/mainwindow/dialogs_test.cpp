// The About box and the two progress dialogs.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "mainwindow/aboutunit.h"
#include "common/qzoptionlist.h"
#include "mainwindow/progressunit.h"
#include "snmpvars/qzsnmpvarlist.h"
#include "tests/mainwindow/mainformfixture.h"
#include "tests/support/testsupport.h"

TEST(AboutForm, ShowsTheVRX6120AndClosesWithOk)
{
    auto* about = new TAboutForm(nullptr);
    AboutForm = about;
    QPointer<TAboutForm> alive(about);
    EXPECT_EQ(about->ClientWidth(), 323);
    EXPECT_EQ(about->ClientHeight(), 105);
    for (TImage* i : {about->Image6120, about->Image6110, about->Image6150, about->Image6110P}) {
        EXPECT_EQ(i->Left(), 16);
        EXPECT_EQ(i->Top(), 20);
        EXPECT_EQ(i->Picture()->Width(), 32);
        EXPECT_EQ(i->Picture()->Height(), 32);
    }
    EXPECT_TRUE(about->AboutLabel->Font()->Style().Contains(fsBold));
    EXPECT_EQ(about->VersionLabel->Caption(), "Release Version 1.20(Build 2006/05/23)");
    EXPECT_EQ(about->BT_Ok->Caption(), "OK");

    bool checked = false;
    QTimer::singleShot(0, qApp, [&] {
        EXPECT_EQ(about->Caption(), "About VRX-6120 Module");
        EXPECT_EQ(about->AboutLabel->Caption(), "Quenzo VRX-6120 Management Module");
        EXPECT_TRUE(about->Image6120->Visible());
        EXPECT_FALSE(about->Image6110->Visible());
        EXPECT_FALSE(about->Image6150->Visible());
        EXPECT_FALSE(about->Image6110P->Visible());
        // Every line shows whole, clear of the right border.
        for (TLabel* l : {about->AboutLabel, about->VersionLabel, about->CopyrightLabel}) {
            EXPECT_LE(l->Widget()->sizeHint().width(), l->Width()) << l->Caption().std();
            EXPECT_LE(l->Left() + l->Width(), about->ClientWidth() - 8) << l->Caption().std();
        }
        checked = true;
        QTest::mouseClick(about->BT_Ok, Qt::LeftButton);
    });
    EXPECT_EQ(about->ShowModal(), mrCancel);
    EXPECT_TRUE(checked);
    // The close released the form; deleting it first is still allowed.
    ASSERT_FALSE(alive.isNull());
    delete about;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(AboutForm, nullptr);
}

TEST(AboutForm, ShiftAltF3ShowsTheFullRelease)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool full;
    } cases[] = {
        {"F3", Qt::Key_F3, Qt::NoModifier, false},
        {"Shift+F3", Qt::Key_F3, Qt::ShiftModifier, false},
        {"Alt+F3", Qt::Key_F3, Qt::AltModifier, false},
        {"Shift+Alt+F4", Qt::Key_F4, Qt::ShiftModifier | Qt::AltModifier, false},
        {"Shift+Alt+F3", Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier, true},
        {"Ctrl+Shift+Alt+F3", Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, true},
    };
    TAboutForm about(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        about.VersionLabel->SetCaption("Release Version 1.20(Build 2006/05/23)");
        QTest::keyClick(about.BT_Ok, c.key, c.mods);
        EXPECT_EQ(about.VersionLabel->Caption(), c.full ? "Release Version 1.20R09(Build 2006/05/23)"
                                                        : "Release Version 1.20(Build 2006/05/23)");
    }
}

namespace {

// Counts the ticks of a progress dialog made fast.
template <class F>
int RunToEnd(F* form, TForm& parent)
{
    EXPECT_EQ(form->Parent(), &parent);
    EXPECT_TRUE(form->ProgressTimer->Enabled());
    EXPECT_EQ(form->ProgressTimer->Interval(), 1000u);
    int ticks = 0;
    TNotifyEvent original = form->ProgressTimer->OnTimer;
    form->ProgressTimer->OnTimer = TNotifyEvent(std::function<void(TObject*)>([&ticks, original](TObject* s) {
        ++ticks;
        original(s);
    }));
    form->ProgressTimer->SetInterval(1);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_FALSE(form->ProgressTimer->Enabled());
    EXPECT_EQ(form->Parent(), nullptr);
    return ticks;
}

}  // namespace

TEST(ProgressForm, ClosesItselfAtTheThirtyFirstTick)
{
    TForm parent(nullptr);
    parent.SetBounds(100, 100, 500, 300);
    parent.Show();

    auto* progress = new TProgressForm(nullptr, &parent);
    EXPECT_EQ(progress->Caption(), "Progress");
    EXPECT_EQ(progress->ClientWidth(), 358);
    EXPECT_EQ(progress->ClientHeight(), 66);
    EXPECT_EQ(progress->ProgressBar->Min(), 0);
    EXPECT_EQ(progress->ProgressBar->Max(), 76);
    EXPECT_TRUE(progress->LB_Prompt->Font()->Style().Contains(fsBold));
    progress->LB_Prompt->SetCaption("Please wait ...");
    EXPECT_EQ(RunToEnd(progress, parent), 31);
    EXPECT_EQ(progress->ProgressBar->Position(), 30);
    delete progress;

    auto* progress2 = new TProgressForm2(nullptr, &parent);
    EXPECT_EQ(progress2->TickLimit, 30);
    EXPECT_EQ(RunToEnd(progress2, parent), 31);
    EXPECT_EQ(progress2->ProgressBar->Position(), 30);
    delete progress2;

    progress2 = new TProgressForm2(nullptr, &parent);
    progress2->TickLimit = 5;
    EXPECT_EQ(RunToEnd(progress2, parent), 6);
    EXPECT_EQ(progress2->ProgressBar->Position(), 5);
    delete progress2;
    parent.Hide();
}

// Over a dialog narrower than itself (the Multiple Config edit dialog is 280 wide) the
// progress window narrows to fit, its bar with it, and its prompt shows whole.
TEST(ProgressForm, ShowsWholeWithItsBarAndPromptInANarrowerParent)
{
    TForm parent(nullptr);
    parent.SetBounds(100, 100, 280, 160);
    parent.Show();
    auto* progress = new TProgressForm2(nullptr, &parent);
    progress->SetCaption("Set Config");
    progress->LB_Prompt->SetCaption("Active Config is doing...");
    progress->Show();
    QWidget* area = parent.ClientWidget();
    EXPECT_TRUE(area->rect().contains(progress->geometry()));
    QWidget* client = progress->ClientWidget();
    EXPECT_TRUE(client->rect().contains(progress->LB_Prompt->geometry()));
    EXPECT_EQ(progress->ProgressBar->Left(), 16);
    EXPECT_EQ(progress->ProgressBar->Width(), progress->ClientWidth() - 32);
    progress->ProgressTimer->SetEnabled(false);
    delete progress;
    parent.Hide();
}

namespace {

const QzOptionEntry kStpVersion[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
QzOptionList StpVersionOptions(kStpVersion);
const UISnmpVar kStpVersionVars[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "STP Version", sxInteger, acReadWrite, &StpVersionOptions},
    {nullptr},
};

// What the spanning-tree form offers the progress dialog: a request bound to a combo box and
// a status bar.
class TStubSpanningTreeForm : public TForm, public TSpanningTreeSetSource {
public:
    TStubSpanningTreeForm() : TForm(nullptr)
    {
        StatusBar1 = new TStatusBar(this);
        StatusBar1->SetParent(this);
        StatusBar1->Panels()->Add();
        ComboBox1 = new TComboBox(this);
        ComboBox1->SetParent(this);
        Request = new QzSNMPRequest2Edits(this);
        Request->Request.varList = QzSNMPVarList(kStpVersionVars, SVT_SV, 0);
        Request->Associate(0, ComboBox1);
        DoCreate();
    }
    ~TStubSpanningTreeForm() override
    {
        Request->Request.enabled = 0;
        while (Request->Busy) Application->ProcessMessages();
        delete Request;
    }
    QzSNMPRequest2Edits* SpanningTreeRequest() const override { return Request; }
    TStatusBar* SpanningTreeStatusBar() const override { return StatusBar1; }

    TStatusBar* StatusBar1;
    TComboBox* ComboBox1;
    QzSNMPRequest2Edits* Request;
};

}  // namespace

TEST_F(MainFormTest, ProgressFormSendsTheSpanningTreeFormsSettings)
{
    SimAgent agent;
    MakeOn(agent);
    {
        TStubSpanningTreeForm sta;
        sta.ComboBox1->SetItemIndex(2);  // "mstp"
        auto* progress = new TProgressForm(nullptr, &sta);
        EXPECT_EQ(progress->Parent(), &sta);
        ASSERT_TRUE(WaitFor([&] { return !agent.Requests().empty() && !sta.Request->Busy; }));
        const SimRequest set = agent.Requests().front();
        EXPECT_EQ(set.kind, "SET");
        EXPECT_EQ(set.name, "private");
        ASSERT_EQ(set.varbinds.size(), 1u);
        EXPECT_EQ(set.varbinds[0].oid, "1.3.6.1.4.1.171.12.15.1.2.0");
        EXPECT_EQ(set.varbinds[0].value, "2");
        EXPECT_EQ(sta.StatusBar1->Panels()->Items(0)->Text(), "");
        delete progress;
    }
    {
        // A Set that cannot start says why in the form's status bar.
        TStubSpanningTreeForm sta;
        sta.ComboBox1->SetItemIndex(0);
        sta.Request->Request.device.address = "";
        auto* progress = new TProgressForm(nullptr, &sta);
        EXPECT_EQ(sta.StatusBar1->Panels()->Items(0)->Text(), QzSNMPOwnText(qzsBadAddress));
        delete progress;
    }
    EXPECT_EQ(agent.Requests().size(), 1u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

// The About box and the two progress dialogs.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "mainwindow/aboutunit.h"
#include "mainwindow/progressunit.h"
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

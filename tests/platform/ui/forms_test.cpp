// Forms: modal results, the closing protocol, ownership, activation, keys, placement.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/testsupport.h"

namespace {

// Runs f once the next modal loop is running.
template <class F>
void Later(F f)
{
    QTimer::singleShot(0, qApp, f);
}

// A form that records its closing events and answers them as told.
class ProbeForm : public TForm {
public:
    explicit ProbeForm(TComponent* owner) : TForm(owner)
    {
        OnCloseQuery = TCloseQueryEvent(this, &ProbeForm::FormCloseQuery);
        OnClose = TCloseEvent(this, &ProbeForm::FormClose);
        OnCreate = TNotifyEvent(this, &ProbeForm::FormCreate);
        OnActivate = TNotifyEvent(this, &ProbeForm::FormActivate);
        DoCreate();
    }
    void FormCreate(TObject*) { log += "create;"; }
    void FormActivate(TObject*) { log += "activate;"; }
    void FormCloseQuery(TObject*, bool& canClose)
    {
        log += "query;";
        canClose = allowClose;
    }
    void FormClose(TObject*, TCloseAction& action)
    {
        log += "close;";
        action = closeAction;
    }
    std::string log;
    bool allowClose = true;
    TCloseAction closeAction = caHide;
};

}  // namespace

TEST(Form, ModalResultOfAButtonEndsShowModal)
{
    ProbeForm form(nullptr);
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    Later([ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.log, "create;activate;query;close;");
    EXPECT_FALSE(form.isVisible());
    // Shown again: a fresh result, the same protocol, OnCreate not again.
    form.log.clear();
    Later([&form] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.log, "activate;query;close;");
}

TEST(Form, CloseQueryAndCaNoneKeepTheModalFormOpen)
{
    MessageBoxRecorder boxes;
    struct Case {
        const char* name;
        bool allow;
        TCloseAction action;
        bool throwInClose;
    } cases[] = {
        {"query refuses", false, caHide, false},
        {"close action none", true, caNone, false},
        {"close handler raises", true, caHide, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        ProbeForm form(nullptr);
        form.allowClose = c.allow;
        form.closeAction = c.action;
        if (c.throwInClose)
            form.OnClose = TCloseEvent(std::function<void(TObject*, TCloseAction&)>(
                [](TObject*, TCloseAction&) { throw Exception("cannot close"); }));
        int attempts = 0;
        std::function<void()> tryClose = [&] {
            ++attempts;
            if (attempts == 1) {
                form.SetModalResult(mrOk);
                QTimer::singleShot(20, qApp, tryClose);
            } else {
                // Still open: let it go this time.
                EXPECT_TRUE(form.isVisible());
                EXPECT_EQ(form.ModalResult(), mrNone);
                form.allowClose = true;
                form.closeAction = caHide;
                form.OnClose = TCloseEvent();
                form.SetModalResult(mrYes);
            }
        };
        Later(tryClose);
        EXPECT_EQ(form.ShowModal(), mrYes);
        EXPECT_EQ(attempts, 2);
        ASSERT_EQ(boxes.Boxes().size(), c.throwInClose ? 1u : 0u);
        if (c.throwInClose) {
            EXPECT_EQ(boxes.Boxes()[0].text, "cannot close.");
        }
    }
}

TEST(Form, CaFreeReleasesOnceWhetherOrNotTheCallerDeletes)
{
    int before = Application->ComponentCount();
    {
        // The caller deletes right after ShowModal: the pending release must not run.
        auto* form = new ProbeForm(Application);
        form->closeAction = caFree;
        Later([form] { form->Close(); });
        EXPECT_EQ(form->ShowModal(), mrCancel);
        delete form;
        Application->ProcessMessages();
    }
    {
        // Nobody deletes: the release does, once messages run.
        auto* form = new ProbeForm(Application);
        form->closeAction = caFree;
        QPointer<QObject> alive(form);
        Later([form] { form->Close(); });
        form->ShowModal();
        EXPECT_TRUE(WaitFor([&] { return alive.isNull(); }));
    }
    {
        // Not modal: hide for caHide, destroyed for caFree.
        auto* form = new ProbeForm(Application);
        form->Show();
        EXPECT_TRUE(form->Visible());
        form->Close();
        EXPECT_FALSE(form->Visible());
        EXPECT_FALSE(form->isVisible());
        form->closeAction = caFree;
        QPointer<QObject> alive(form);
        form->Show();
        form->Close();
        // Released outside a message loop: gone once the loop runs (here: at once).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
    }
    EXPECT_EQ(Application->ComponentCount(), before);
}

TEST(Form, OwnedControlsAndChildFormsAreDestroyedOnce)
{
    int before = Application->ComponentCount();
    auto* outer = new TForm(Application);
    auto* panel = new TPanel(outer);
    panel->SetParent(outer);
    panel->SetAlign(alClient);
    // A form shown as a child inside a panel of another form, owned by the application.
    auto* inner = new TForm(Application);
    inner->SetBounds(0, 0, 120, 80);
    auto* edit = new TEdit(inner);
    edit->SetParent(inner);
    inner->SetParent(panel);
    inner->Show();
    EXPECT_FALSE(inner->isWindow());
    EXPECT_EQ(inner->parentWidget(), panel);
    EXPECT_TRUE(inner->isVisibleTo(outer));
    EXPECT_EQ(Application->ComponentCount(), before + 2);
    delete outer;  // takes the child form's window along; the application forgets both
    EXPECT_EQ(Application->ComponentCount(), before);

    // The other way round: the child form goes first, its parent stays whole.
    outer = new TForm(Application);
    inner = new TForm(Application);
    inner->SetParent(outer);
    delete inner;
    EXPECT_EQ(outer->ControlCount(), 0);
    delete outer;
    EXPECT_EQ(Application->ComponentCount(), before);
}

TEST(Form, ChildFormCentresInItsParentAndModalFormsOnTheirOwner)
{
    TForm owner(nullptr);
    owner.SetBounds(100, 80, 600, 400);
    owner.Show();
    TForm page(&owner);
    page.SetPosition(poOwnerFormCenter);
    page.SetBounds(0, 0, 200, 100);
    Later([&page] { page.Close(); });
    QPoint at;
    page.OnShow = TNotifyEvent(std::function<void(TObject*)>([&](TObject*) { at = page.pos(); }));
    page.ShowModal();
    QPoint ownerTopLeft = owner.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(at, ownerTopLeft + QPoint((600 - 200) / 2, (400 - 100) / 2));

    TForm child(nullptr);
    child.SetBounds(0, 0, 100, 40);
    child.SetPosition(poMainFormCenter);
    child.SetParent(&owner);
    Later([&child] { child.Close(); });
    child.ShowModal();  // modal inside its parent
    EXPECT_EQ(child.ClientWidth(), 100);
    EXPECT_EQ(child.ClientHeight(), 40);
    EXPECT_EQ(child.pos(), QPoint((600 - child.Width()) / 2, (400 - child.Height()) / 2));
    owner.Hide();
}

// A child form is a window inside its parent: opaque and above the parent's controls, framed,
// its caption on a title strip, whole inside the parent's client area even when it was made
// wider; it is a plain window with the same client size again once its parent goes.
TEST(Form, AChildFormIsAnOpaqueFramedWindowWithItsCaptionOverItsParentsControls)
{
    TForm parent(nullptr);
    parent.SetBorderStyle(bsDialog);
    parent.SetBounds(100, 100, 280, 160);
    for (const auto& [caption, left] : {std::pair<const char*, int>{"Set", 94}, {"Close", 175}}) {
        auto* b = new TButton(&parent);
        b->SetParent(&parent);
        b->SetBounds(left, 86, 75, 25);
        b->SetCaption(caption);
    }
    parent.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

    TForm child(nullptr);
    child.SetBorderStyle(bsDialog);
    child.SetCaption("Set Config");
    child.SetPosition(poMainFormCenter);
    child.SetClientWidth(358);
    child.SetClientHeight(66);
    auto* prompt = new TLabel(&child);
    prompt->SetParent(&child);
    prompt->SetBounds(16, 12, 326, 16);
    prompt->SetCaption("Active Config is doing...");
    child.SetParent(&parent);
    EXPECT_EQ(child.ClientWidth(), 358);
    EXPECT_EQ(child.ClientHeight(), 66);
    child.Show();

    QWidget* area = parent.ClientWidget();
    EXPECT_TRUE(area->rect().contains(child.geometry()));
    QRect shownPrompt(prompt->mapTo(area, QPoint(0, 0)), prompt->size());
    EXPECT_TRUE(area->rect().contains(shownPrompt));
    for (TControl* button : {parent.Controls(0), parent.Controls(1)}) {
        QWidget* top = area->childAt(button->Widget()->geometry().center());
        EXPECT_TRUE(top == &child || child.isAncestorOf(top));
    }
    // Nothing of the parent shows through it.
    EXPECT_EQ(area->grab(child.geometry()).toImage().convertToFormat(QImage::Format_RGB32),
              child.grab().toImage().convertToFormat(QImage::Format_RGB32));
    // The caption on a strip above the client area.
    const int strip = child.ClientWidget()->y();
    EXPECT_GT(strip, child.fontMetrics().height());
    QImage captioned = child.grab(QRect(0, 0, child.width(), strip)).toImage();
    child.SetCaption("");
    EXPECT_NE(child.grab(QRect(0, 0, child.width(), strip)).toImage(), captioned);
    child.Hide();

    const QSize client = child.ClientWidget()->size();
    child.SetParent(nullptr);
    EXPECT_TRUE(child.isWindow());
    EXPECT_EQ(child.ClientWidget()->geometry(), QRect(QPoint(0, 0), client));
    EXPECT_EQ(child.size(), client);
    parent.Hide();
}

TEST(Form, ActivatedAtEveryShowingAndAgainWhenAModalFormCloses)
{
    ProbeForm main(nullptr);
    main.Show();
    ASSERT_TRUE(WaitFor([&] { return main.Active(); }));
    EXPECT_EQ(main.log, "create;activate;");
    ProbeForm dialog(nullptr);
    for (int i = 0; i < 2; ++i) {
        Later([&dialog] {
            WaitFor([&] { return dialog.isActiveWindow(); });
            dialog.Close();
        });
        dialog.ShowModal();
        EXPECT_TRUE(WaitFor([&] { return main.Active(); }));
    }
    EXPECT_EQ(dialog.log, "create;activate;query;close;activate;query;close;");
    EXPECT_EQ(main.log, "create;activate;activate;activate;");
    main.Hide();
}

TEST(Form, KeyPreviewSeesShiftAltKeysFirstAndMaySwallowThem)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    std::vector<std::pair<WORD, bool>> seen;  // key, shift+alt
    auto isModifier = [](WORD k) { return k == VK_SHIFT || k == VK_MENU || k == VK_CONTROL; };
    auto record = [&](WORD& key, TShiftState s) {
        if (isModifier(key)) return;  // pressed before the key itself, as on the keyboard
        seen.emplace_back(key, s.Contains(ssShift) && s.Contains(ssAlt) && !s.Contains(ssCtrl));
        if (key == VK_F5) key = 0;
    };
    form.OnKeyDown = TKeyEvent(std::function<void(TObject*, WORD&, TShiftState)>(
        [&](TObject*, WORD& k, TShiftState s) { record(k, s); }));
    int buttonKeys = 0;
    button->OnKeyDown = TKeyEvent(std::function<void(TObject*, WORD&, TShiftState)>(
        [&](TObject*, WORD& k, TShiftState) { buttonKeys += !isModifier(k); }));
    form.SetKeyPreview(true);
    form.Show();
    ASSERT_TRUE(WaitFor([&] { return form.isActiveWindow(); }));
    button->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return button->hasFocus(); }));
    QTest::keyClick(button, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(button, Qt::Key_F3, Qt::AltModifier);
    QTest::keyClick(button, Qt::Key_F5);  // swallowed by the form
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(WORD(VK_F3), true));
    EXPECT_EQ(seen[1], std::make_pair(WORD(VK_F3), false));
    EXPECT_EQ(buttonKeys, 2);
    // Without key preview the form sees only what its controls leave.
    form.SetKeyPreview(false);
    seen.clear();
    edit->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return edit->hasFocus(); }));
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_TRUE(seen.empty());
    form.Hide();
}

TEST(Form, EscapeClicksTheCancelButtonAndOnlyThat)
{
    TForm form(nullptr);
    auto* cancel = new TButton(&form);
    cancel->SetParent(&form);
    Later([&form, cancel] {
        QTest::keyClick(&form, Qt::Key_Escape);  // no Cancel button: nothing happens
        QTimer::singleShot(20, qApp, [&form, cancel] {
            EXPECT_TRUE(form.isVisible());
            cancel->SetCancel(true);
            cancel->SetModalResult(mrAbort);
            QTest::keyClick(&form, Qt::Key_Escape);
        });
    });
    EXPECT_EQ(form.ShowModal(), mrAbort);
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
    form.Hide();
}

TEST(Form, MessageDlgGoesThroughTheReplaceableBox)
{
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_EQ(MessageDlg("Are you sure to delete it?", mtConfirmation, mbOKCancel, 0), mrCancel);
    boxes.QueueAnswers({IDOK});
    EXPECT_EQ(MessageDlg("Some items are empty!", mtWarning, TMsgDlgButtons() << mbOK, 0), mrOk);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Confirm");
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_OKCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(boxes.Boxes()[1].text, "Some items are empty!");
    EXPECT_EQ(boxes.Boxes()[1].flags, MB_OK | MB_ICONWARNING);
}

TEST(Form, ScreenDotsPerInch)
{
    EXPECT_GT(Screen->PixelsPerInch(), 0);
}

namespace {

class RefreshingForm : public TForm {
public:
    explicit RefreshingForm(TComponent* owner) : TForm(owner) { PostMessage(WM_APP + 1234); }
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == WM_APP + 1234) ++refreshes;
    }
    int refreshes = 0;
};

}  // namespace

TEST(Form, PostedMessageArrivesOnceTheModalLoopRunsAndDiesWithTheForm)
{
    RefreshingForm form(nullptr);
    EXPECT_EQ(form.refreshes, 0);
    int seenInLoop = -1;
    Later([&] {
        seenInLoop = form.refreshes;
        form.Close();
    });
    form.ShowModal();
    EXPECT_EQ(seenInLoop, 1);
    EXPECT_EQ(form.refreshes, 1);
    delete new RefreshingForm(nullptr);
    Application->ProcessMessages();  // the dropped message reaches no one (sanitizer build)
}

// When the window system goes away (the X server ends, the display is unplugged) Qt ends the
// process with exit() from inside the message loop: the static objects are destroyed while
// the forms still stand, and the process must still end with its own exit code.
TEST(ApplicationDeathTest, EndsCleanlyWhenThePlatformExitsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TForm* form = nullptr;
            Application->CreateForm(form);
            auto* edit = new TEdit(form);
            edit->SetParent(form);
            auto* child = new TForm(form);
            child->SetParent(form);
            form->Show();
            QTimer::singleShot(0, qApp, [] { std::exit(3); });
            Application->Run();
            std::exit(4);
        },
        ::testing::ExitedWithCode(3), "");
}

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/testsupport.h"

namespace {

struct Counter : TObject {
    int changes = 0;
    void Change(TObject*) { ++changes; }
    void Other(TObject*) {}
};

class Host : public TQtControl<QWidget> {
public:
    explicit Host(TComponent* owner) : TQtControl<QWidget>(owner) {}
};

}  // namespace

TEST(Closure, ComparesByObjectAndMethod)
{
    Counter a, b;
    TNotifyEvent e1(&a, &Counter::Change), e2(&a, &Counter::Change);
    EXPECT_EQ(e1, e2);
    EXPECT_NE(e1, TNotifyEvent(&b, &Counter::Change));
    EXPECT_NE(e1, TNotifyEvent(&a, &Counter::Other));
    EXPECT_EQ(TNotifyEvent(), TNotifyEvent(nullptr));
    EXPECT_FALSE(static_cast<bool>(TNotifyEvent()));
}

TEST(Components, OwnerDestroysOwnedAndForgetsDestroyed)
{
    auto* owner = new Host(nullptr);
    auto* panel = new Host(owner);
    panel->SetParent(owner);
    auto* edit = new TEdit(owner);
    edit->SetName("Edit1");
    edit->SetParent(panel);  // Qt child of the panel, owned by the form
    EXPECT_EQ(owner->FindComponent("edit1"), edit);
    delete panel;            // takes the edit's widget along; the owner must forget it
    EXPECT_EQ(owner->FindComponent("Edit1"), nullptr);
    EXPECT_EQ(owner->ComponentCount(), 0);
    auto* e2 = new TEdit(owner);
    e2->SetParent(owner);
    delete owner;  // no double delete (run under the sanitizers)
}

TEST(Edit, ChangeFiresForCodeAndMaxLengthLimitsOnlyTheOperator)
{
    Host form(nullptr);
    TEdit edit(&form);
    edit.SetParent(&form);
    Counter c;
    edit.OnChange = TNotifyEvent(&c, &Counter::Change);
    edit.SetText("abc");
    EXPECT_EQ(c.changes, 1);
    edit.SetText("abc");  // same text: no change
    EXPECT_EQ(c.changes, 1);
    edit.SetMaxLength(2);
    edit.SetText("abcdef");
    EXPECT_EQ(edit.Text(), "abcdef");
    edit.SetText("");
    edit.insert("xyz");  // as typed: refused past the limit
    EXPECT_LE(edit.Text().Length(), 2);
}

TEST(Edit, ATextSetByCodeShowsFromItsStartWhileTypingKeepsItsPlace)
{
    Host form(nullptr);
    form.resize(200, 60);
    TEdit edit(&form);
    edit.SetParent(&form);
    edit.SetWidth(40);
    form.show();
    edit.SetText("2026/12/10 20:30:15");
    EXPECT_EQ(edit.cursorPosition(), 0);
    EXPECT_LT(edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), edit.width() / 2);  // the year shows

    // A change handler that takes back a letter as soon as it is typed, as a digits-only
    // format does: the next digit goes where the operator was typing.
    edit.OnChange = TNotifyEvent(std::function<void(TObject*)>([&edit](TObject*) {
        std::string t = edit.Text().std();
        size_t at = t.find_first_not_of("0123456789");
        if (at != std::string::npos) edit.SetText(AnsiString(t.erase(at, 1).c_str()));
    }));
    edit.SetText("10");
    form.activateWindow();
    edit.setFocus();
    ASSERT_TRUE(WaitFor([&] { return edit.hasFocus(); }));
    edit.setCursorPosition(1);
    QTest::keyClicks(&edit, "a5");
    EXPECT_EQ(edit.Text(), "150");
    EXPECT_EQ(edit.cursorPosition(), 2);
    edit.SetText("7x");  // code, even with the focus in the edit
    EXPECT_EQ(edit.Text(), "7");
    EXPECT_EQ(edit.cursorPosition(), 0);
}

TEST(Edit, EditingShortcutsPassAKeyFilterAndAPasteIsFilteredAsTyping)
{
    Host form(nullptr);
    TEdit edit(&form);
    edit.SetParent(&form);
    // A filter that lets digits and backspace through, as the port edits have.
    edit.OnKeyPress = TKeyPressEvent(std::function<void(TObject*, char&)>([](TObject*, char& key) {
        if ((key < '0' || key > '9') && key != '\b') key = 0;
    }));
    edit.SetText("10");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_5);
    EXPECT_EQ(edit.Text(), "5");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "10");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "10");
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "1010");
    QGuiApplication::clipboard()->setText("2a-3 ");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "101023");
    QTest::keyClick(&edit, Qt::Key_B);  // typed letters stay filtered
    EXPECT_EQ(edit.Text(), "101023");
}

TEST(Edit, ExceptionInHandlerIsShownNotPropagated)
{
    MessageBoxRecorder boxes;
    Host form(nullptr);
    TEdit edit(&form);
    edit.OnExit = TNotifyEvent(std::function<void(TObject*)>([](TObject*) { throw Exception("boom!"); }));
    edit.DoExit();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "boom!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "vrx6120");
}

TEST(ComboBox, CodeSelectsSilentlyOperatorChangesFire)
{
    Host form(nullptr);
    TComboBox box(&form);
    box.SetStyle(csDropDownList);
    box.Items()->Add("enabled");
    box.Items()->Add("disabled");
    Counter c;
    box.OnChange = TNotifyEvent(&c, &Counter::Change);
    box.SetItemIndex(1);
    EXPECT_EQ(c.changes, 0);
    EXPECT_EQ(box.Text(), "disabled");
    emit box.activated(0);  // what the operator's pick sends
    EXPECT_EQ(c.changes, 1);
    box.SetItemIndex(5);
    EXPECT_EQ(box.ItemIndex(), -1);
}

TEST(ComboBox, AFilledListShowsNoItemUntilOneIsSelected)
{
    // Both styles: filled, refilled after a selection was cleared, and items added later.
    for (TComboBoxStyle style : {csDropDownList, csDropDown}) {
        Host form(nullptr);
        TComboBox box(&form);
        box.SetStyle(style);
        Counter c;
        box.OnChange = TNotifyEvent(&c, &Counter::Change);
        box.Items()->Add("enabled");
        box.Items()->Add("disabled");
        EXPECT_EQ(box.ItemIndex(), -1) << style;
        EXPECT_EQ(box.Text(), "") << style;
        box.SetItemIndex(1);
        box.Items()->Insert(0, "other");  // a selection follows its item
        EXPECT_EQ(box.ItemIndex(), 2) << style;
        EXPECT_EQ(box.Text(), "disabled") << style;
        box.Items()->Clear();
        box.Items()->SetText("a\nb\n");
        EXPECT_EQ(box.ItemIndex(), -1) << style;
        EXPECT_EQ(box.Text(), "") << style;
        EXPECT_EQ(c.changes, 0) << style;
    }
    // Typed text of an editable box stays when items come.
    Host form(nullptr);
    TComboBox box(&form);
    box.SetText("typed");
    box.Items()->Add("x");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), "typed");
}

TEST(RadioGroup, CodeChangeOfItemIndexClicks)
{
    Host form(nullptr);
    TRadioGroup group(&form);
    group.Items()->Add("one");
    group.Items()->Add("two");
    Counter c;
    group.OnClick = TNotifyEvent(&c, &Counter::Change);
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(c.changes, 1);
    group.SetItemIndex(1);
    EXPECT_EQ(c.changes, 1);
    group.SetItemIndex(9);
    EXPECT_EQ(group.ItemIndex(), 1);
}

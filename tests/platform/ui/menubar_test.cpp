// The main menu's bar by keyboard and for accessibility clients, as a QMenuBar offers it,
// while its items wrap onto more rows.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/forms.h"
#include "platform/ui/menubar.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/testsupport.h"

namespace {

// A form with the main window's top menus on a narrow bar (three rows or more), an edit that
// holds the focus, and under "Layer 2" a sub-menu.
class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu = new TMainMenu(&form);
        form.SetMenu(menu);
        bar = menu->MenuBar();
        const char* captions[] = {"Device Management", "Basic Configuration", "Layer 2", "Layer 3", "RMON",
                                  "Security Management", "SNMP V3", "Single IP", "Help"};
        for (const char* c : captions) {
            TMenuItem* top = Add(menu->Items(), c);
            Add(top, AnsiString(c) + " Setting");
            Add(top, "-");
            Add(top, AnsiString(c) + " Information");
            tops.push_back(top);
        }
        tops[1]->Items(2)->SetEnabled(false);
        TMenuItem* stp = Add(tops[2], "Spanning Tree");
        Add(stp, "STP Bridge Global Settings");
        leaf = Add(stp, "MST Configuration Identification");
        leaf->OnClick = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) { ++leafClicks; }));
        tops[6]->SetEnabled(false);
        edit = new TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 100, 21);
        form.SetBounds(50, 50, 360, 200);
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edit->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == edit; }));
        ASSERT_GE(bar->RowCount(), 3);
    }
    void TearDown() override
    {
        for (TMenuItem* t : tops)
            if (QMenu* m = t->Action()->menu()) m->hide();
        form.Hide();
    }

    TMenuItem* Add(TMenuItem* parent, const AnsiString& caption)
    {
        auto* it = new TMenuItem(&form);
        it->SetCaption(caption);
        parent->Add(it);
        return it;
    }
    // A key as the operator types it: to the open menu, else to the focused control.
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* to = QApplication::activePopupWidget();
        if (!to) to = QApplication::focusWidget();
        ASSERT_NE(to, nullptr);
        QTest::keyClick(to, key, mods);
    }
    // The top menus shown, by index in `tops`.
    std::vector<int> Open() const
    {
        std::vector<int> open;
        for (size_t i = 0; i < tops.size(); ++i)
            if (tops[i]->Action()->menu()->isVisible()) open.push_back(static_cast<int>(i));
        return open;
    }
    bool BarFocused() const { return QApplication::focusWidget() == bar; }

    TForm form{nullptr};
    TMainMenu* menu = nullptr;
    WrappingMenuBar* bar = nullptr;
    std::vector<TMenuItem*> tops;
    TMenuItem* leaf = nullptr;
    int leafClicks = 0;
    TEdit* edit = nullptr;
};

using Ints = std::vector<int>;

}  // namespace

TEST_F(MenuBarTest, F10AndArrowsReachEveryMenuAcrossTheRowsAndEscLeaves)
{
    Key(Qt::Key_F10);
    EXPECT_TRUE(BarFocused());
    EXPECT_EQ(Open(), Ints{});
    // Right from the end of a row goes on at the start of the next one.
    int secondRow = 0;
    while (bar->ActionGeometry(tops[static_cast<size_t>(secondRow)]->Action()).top() ==
           bar->ActionGeometry(tops[0]->Action()).top())
        ++secondRow;
    for (int i = 0; i < secondRow; ++i) Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(Open(), Ints{secondRow});
    QMenu* opened = tops[static_cast<size_t>(secondRow)]->Action()->menu();
    EXPECT_EQ(opened->activeAction(), tops[static_cast<size_t>(secondRow)]->Items(0)->Action());  // first entry lit
    // Esc closes the menu back to its lit item, a second Esc gives the focus back.
    Key(Qt::Key_Escape);
    EXPECT_EQ(Open(), Ints{});
    EXPECT_TRUE(BarFocused());
    Key(Qt::Key_Return);
    EXPECT_EQ(Open(), Ints{secondRow});
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Open(), Ints{});
    EXPECT_EQ(QApplication::focusWidget(), edit);

    // Left from the first item wraps round to the last; Space opens it; F10 toggles.
    Key(Qt::Key_F10);
    Key(Qt::Key_Left);
    Key(Qt::Key_Space);
    EXPECT_EQ(Open(), Ints{8});
    Key(Qt::Key_Escape);
    Key(Qt::Key_F10);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    Key(Qt::Key_Down);  // the edit's key again, not the bar's
    EXPECT_EQ(Open(), Ints{});
}

TEST_F(MenuBarTest, ALoneAltFocusesTheBarAndAltWithAnotherKeyDoesNot)
{
    QTest::keyPress(edit, Qt::Key_Alt);
    QTest::keyRelease(edit, Qt::Key_Alt);
    EXPECT_TRUE(BarFocused());
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(Open(), Ints{1});
    Key(Qt::Key_Escape);
    QTest::keyPress(bar, Qt::Key_Alt);
    QTest::keyRelease(bar, Qt::Key_Alt);
    EXPECT_EQ(QApplication::focusWidget(), edit);

    QTest::keyPress(edit, Qt::Key_Alt);
    QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
    QTest::keyRelease(edit, Qt::Key_Alt);
    EXPECT_EQ(QApplication::focusWidget(), edit);
}

TEST_F(MenuBarTest, LeftAndRightInAnOpenMenuGoToTheNeighbouringMenu)
{
    // "Layer 3" starts with a sub-menu: opened by keys it is lit, not opened.
    auto* routing = new TMenuItem(&form);
    routing->SetCaption("Routing");
    tops[3]->Insert(0, routing);
    Add(routing, "Static Route");
    Key(Qt::Key_F10);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    ASSERT_EQ(Open(), Ints{1});
    Key(Qt::Key_Right);
    EXPECT_EQ(Open(), Ints{2});
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(Open(), Ints{0});
    Key(Qt::Key_Left);  // round to the last
    EXPECT_EQ(Open(), Ints{8});
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ASSERT_EQ(Open(), Ints{2});

    // On an entry with a sub-menu Right opens it; Left closes it again; Right on one of its
    // commands goes on to the next top menu.
    QMenu* sub = tops[2]->Items(3)->Action()->menu();
    auto toSpanningTree = [&] {
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);  // over the separator
        Key(Qt::Key_Right);
        return WaitFor([&] { return sub->isVisible(); });
    };
    ASSERT_TRUE(toSpanningTree());
    EXPECT_EQ(Open(), Ints{2});
    Key(Qt::Key_Left);
    EXPECT_TRUE(WaitFor([&] { return !sub->isVisible(); }));
    EXPECT_EQ(Open(), Ints{2});
    Key(Qt::Key_Right);
    ASSERT_TRUE(WaitFor([&] { return sub->isVisible(); }));
    Key(Qt::Key_Down);
    EXPECT_EQ(sub->activeAction(), leaf->Action());
    Key(Qt::Key_Right);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(Open(), Ints{3});
    EXPECT_EQ(tops[3]->Action()->menu()->activeAction(), routing->Action());
    WaitFor([] { return false; }, 50);  // a sub-menu opening late would show by now
    EXPECT_FALSE(routing->Action()->menu()->isVisible());
    // Enter on a command runs it, closes the menus and gives the focus back.
    Key(Qt::Key_Left);
    ASSERT_EQ(Open(), Ints{2});
    ASSERT_TRUE(toSpanningTree());
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return leafClicks == 1; }));
    EXPECT_EQ(Open(), Ints{});
    EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget() == edit; }));
}

TEST_F(MenuBarTest, CaptionsWithAnAmpersandOpenWithAltAndTheirLetter)
{
    tops[4]->SetCaption("&RMON");
    QTest::keyClick(edit, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(Open(), Ints{4});
    Key(Qt::Key_Escape);
    EXPECT_TRUE(BarFocused());
    Key(Qt::Key_R);  // the letter alone while the bar has the focus
    EXPECT_EQ(Open(), Ints{4});
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    // Without an ampersand no letter opens anything.
    QTest::keyClick(edit, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(Open(), Ints{});
}

TEST_F(MenuBarTest, AccessibilityClientsWalkEveryMenuWithoutOpeningAnyAndPressItsItems)
{
    tops[7]->SetVisible(false);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::MenuBar);
    ASSERT_EQ(iface->childCount(), 8);  // the shown items
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* item = iface->child(i);
        ASSERT_NE(item, nullptr);
        TMenuItem* top = tops[static_cast<size_t>(i < 7 ? i : i + 1)];
        SCOPED_TRACE(top->Caption().c_str());
        EXPECT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_EQ(item->text(QAccessible::Name), ToQ(top->Caption()));
        EXPECT_EQ(item->state().disabled, !top->Enabled());
        EXPECT_EQ(item->parent(), iface);
        EXPECT_EQ(iface->indexOfChild(item), i);
        EXPECT_EQ(iface->child(i), item);  // one interface per item
        EXPECT_FALSE(item->rect().isEmpty());
        // The item's menu is its child, as on a QMenuBar.
        ASSERT_EQ(item->childCount(), 1);
        QAccessibleInterface* popup = item->child(0);
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->role(), QAccessible::PopupMenu);
        EXPECT_EQ(popup->object(), top->Action()->menu());
    }

    // Down to a command of a sub-menu, with names and states, no menu opened.
    QAccessibleInterface* basic = iface->child(1)->child(0);
    ASSERT_EQ(basic->childCount(), 3);
    EXPECT_EQ(basic->child(0)->text(QAccessible::Name), "Basic Configuration Setting");
    EXPECT_EQ(basic->child(1)->role(), QAccessible::Separator);
    EXPECT_FALSE(basic->child(0)->state().disabled);
    EXPECT_TRUE(basic->child(2)->state().disabled);
    QAccessibleInterface* layer2 = iface->child(2)->child(0);
    ASSERT_EQ(layer2->childCount(), 4);
    QAccessibleInterface* stp = layer2->child(3);
    EXPECT_EQ(stp->text(QAccessible::Name), "Spanning Tree");
    ASSERT_EQ(stp->childCount(), 1);
    QAccessibleInterface* stpMenu = stp->child(0);
    ASSERT_EQ(stpMenu->childCount(), 2);
    QAccessibleInterface* command = stpMenu->child(1);
    EXPECT_EQ(command->text(QAccessible::Name), "MST Configuration Identification");
    EXPECT_EQ(Open(), Ints{});
    ASSERT_NE(command->actionInterface(), nullptr);
    ASSERT_TRUE(command->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    command->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(leafClicks, 1);

    // Pressing a top item opens its menu; pressing it again closes it; a disabled one stays shut.
    QAccessibleActionInterface* press = iface->child(3)->actionInterface();
    ASSERT_NE(press, nullptr);
    EXPECT_TRUE(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Open(), Ints{3});
    EXPECT_TRUE(iface->child(3)->state().expanded);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Open(), Ints{});
    iface->child(6)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Open(), Ints{});
}

// The other controls: the event semantics and the behaviour that differ from Qt's defaults.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QDir>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menubar.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/testsupport.h"

namespace {

TNotifyEvent Count(int& n)
{
    return TNotifyEvent(std::function<void(TObject*)>([&n](TObject*) { ++n; }));
}

QColor PixelOf(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

// Saves a picture of the widget under the build tree's screenshots folder.
void Screenshot(QWidget* w, const char* name)
{
    const char* buildDir = std::getenv("VRX_BUILD_DIR");
    const QString dirName = QString(buildDir && *buildDir ? buildDir : VRX_BUILD_DIR) + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(dirName));
    EXPECT_TRUE(w->grab().save(dirName + "/" + name, "PNG"));
}

}  // namespace

TEST(CheckAndRadio, CodeChangesClickAsTheOperatorDoes)
{
    TForm form(nullptr);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    int clicks = 0;
    box->OnClick = Count(clicks);
    box->SetChecked(true);
    box->SetChecked(true);  // unchanged: no click
    EXPECT_EQ(clicks, 1);
    form.Show();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);

    auto* a = new TRadioButton(&form);
    auto* b = new TRadioButton(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    int aClicks = 0, bClicks = 0;
    a->OnClick = Count(aClicks);
    b->OnClick = Count(bClicks);
    a->SetChecked(true);
    b->SetChecked(true);  // the siblings exclude each other
    EXPECT_FALSE(a->Checked());
    b->SetChecked(false);  // code may clear the last one
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(aClicks, 1);
    EXPECT_EQ(bClicks, 1);
    form.Hide();
}

TEST(PageControl, HiddenTabStaysAPageAndOnlyTheOperatorChanges)
{
    TForm form(nullptr);
    auto* pc = new TPageControl(&form);
    pc->SetParent(&form);
    TTabSheet* sheets[3];
    const char* captions[] = {"Egress Ports", "Forbidden Ports", "Static Ports"};
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new TTabSheet(&form);
        sheets[i]->SetPageControl(pc);
        sheets[i]->SetCaption(captions[i]);
    }
    int changes = 0;
    pc->OnChange = Count(changes);
    sheets[1]->SetTabVisible(false);
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(sheets[1]->PageIndex(), 1);
    EXPECT_FALSE(pc->isTabVisible(1));
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    pc->SetActivePage(sheets[2]);
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    sheets[2]->SetTabVisible(false);  // the active tab hidden: another page shows, silently
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    EXPECT_EQ(changes, 0);
    sheets[2]->SetTabVisible(true);
    form.Show();
    QTabBar* bar = pc->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_EQ(changes, 1);
    delete sheets[1];  // a page destroyed leaves its control
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(changes, 1);
    form.Hide();
}

TEST(SpeedButton, GroupKeepsOneDownAndAllowAllUpLetsItGo)
{
    TForm form(nullptr);
    TSpeedButton* b[3];
    int clicks = 0;
    std::vector<bool> downAtClick;
    for (int i = 0; i < 3; ++i) {
        b[i] = new TSpeedButton(&form);
        b[i]->SetParent(&form);
        b[i]->SetBounds(30 * i, 0, 25, 23);
        b[i]->SetGroupIndex(1);
        b[i]->OnClick = TNotifyEvent(std::function<void(TObject*)>([&, i](TObject*) {
            ++clicks;
            downAtClick.push_back(b[i]->Down());
        }));
    }
    std::string mouse;
    b[0]->OnMouseDown = TMouseEvent(std::function<void(TObject*, TMouseButton, TShiftState, int, int)>(
        [&](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
            mouse += (button == mbRight ? "right " : "left ") + std::to_string(x) + "," +
                     std::to_string(y) + (shift.Contains(ssCtrl) ? " ctrl;" : ";");
        }));
    form.Show();
    QTest::mouseClick(b[0], Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    EXPECT_FALSE(b[0]->Down());  // only the left button clicks
    QTest::mouseClick(b[0], Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(mouse, "right 3,4 ctrl;left 5,6;");
    QTest::mouseClick(b[1], Qt::LeftButton);
    EXPECT_FALSE(b[0]->Down());
    EXPECT_TRUE(b[1]->Down());
    QTest::mouseClick(b[1], Qt::LeftButton);  // without AllowAllUp the last one stays down
    EXPECT_TRUE(b[1]->Down());
    b[1]->SetDown(false);
    EXPECT_TRUE(b[1]->Down());
    EXPECT_EQ(downAtClick, std::vector<bool>({true, true, true}));

    b[0]->SetAllowAllUp(true);  // shared by the group
    EXPECT_TRUE(b[2]->AllowAllUp());
    QTest::mouseClick(b[1], Qt::LeftButton);
    EXPECT_FALSE(b[1]->Down());
    b[2]->SetDown(true);  // by code: others released, no click
    EXPECT_EQ(clicks, 4);
    b[0]->SetDown(true);
    EXPECT_FALSE(b[2]->Down());

    auto* plain = new TSpeedButton(&form);
    plain->SetParent(&form);
    plain->SetDown(true);  // group 0 never stays down
    EXPECT_FALSE(plain->Down());
    form.Hide();
}

TEST(SpeedButton, AFlatHotSpotShowsThePictureUnderItWhenDownOrHovered)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 120, 80);
    auto* picture = new TPanel(&form);
    picture->SetParent(&form);
    picture->SetBounds(0, 0, 120, 80);
    picture->SetBevelOuter(bvNone);
    picture->SetColor(clRed);
    auto* port = new TSpeedButton(&form);
    port->SetParent(picture);
    port->SetBounds(20, 20, 25, 23);
    port->SetFlat(true);
    port->SetGroupIndex(1);
    port->SetAllowAllUp(true);
    form.Show();
    auto centre = [&] { return picture->Widget()->grab().toImage().pixelColor(32, 31); };
    EXPECT_EQ(centre(), QColor(Qt::red));  // idle: nothing drawn over the picture
    port->SetDown(true);
    const QColor down = centre();
    EXPECT_NE(down, QColor(Qt::red));  // marked...
    EXPECT_GT(down.red(), down.green() + 40);  // ...with the picture still showing through
    port->SetDown(false);
    EXPECT_EQ(centre(), QColor(Qt::red));
    form.Hide();
}

TEST(Menus, ItemsNestHideDisableAndClickOnlyWhenEnabled)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    form.SetMenu(menu);
    auto* bridge = new TMenuItem(&form);
    bridge->SetCaption("Bridge");
    menu->Items()->Add(bridge);
    const char* captions[] = {"Statistics", "-", "History", "Alarm/Event"};
    int clicks = 0;
    for (const char* c : captions) {
        auto* it = new TMenuItem(&form);
        it->SetCaption(c);
        it->OnClick = Count(clicks);
        bridge->Add(it);
    }
    bridge->Items(0)->SetName("Statistics1");
    EXPECT_EQ(form.FindComponent("statistics1"), bridge->Items(0));
    EXPECT_TRUE(bridge->Items(1)->IsLine());
    EXPECT_TRUE(bridge->Items(1)->Action()->isSeparator());
    EXPECT_EQ(bridge->Count(), 4);
    TMenuItem* history = bridge->Items(2);
    history->SetEnabled(false);
    history->Click();
    EXPECT_EQ(clicks, 0);
    history->SetEnabled(true);
    history->Action()->trigger();  // the operator's pick
    history->SetVisible(false);
    EXPECT_FALSE(history->Action()->isVisible());
    EXPECT_EQ(clicks, 1);
    history->SetChecked(true);
    history->Action()->trigger();  // picking does not toggle the mark
    EXPECT_TRUE(history->Checked());
    EXPECT_TRUE(history->Action()->isChecked());
    form.Show();
    EXPECT_GT(form.ClientWidget()->y(), 0);  // the controls sit below the menu bar
    form.Hide();

    delete history;  // leaves its parent
    EXPECT_EQ(bridge->Count(), 3);
    EXPECT_EQ(bridge->Items(2)->Caption(), "Alarm/Event");
    EXPECT_THROW(bridge->Items(3), EListError);
    int owned = form.ComponentCount();
    delete bridge;  // takes its sub-items along, which leave their owner
    EXPECT_EQ(form.ComponentCount(), owned - 4);
    EXPECT_EQ(menu->Items()->Count(), 0);
}

TEST(Menus, ASeparatorIsALineWithoutText)
{
    TPopupMenu popup(nullptr);
    const char* captions[] = {"Statistics", "-", "History"};
    for (const char* c : captions) {
        auto* it = new TMenuItem(&popup);
        it->SetCaption(c);
        popup.Items()->Add(it);
    }
    TMenuItem* line = popup.Items()->Items(1);
    EXPECT_EQ(line->Caption(), "-");
    EXPECT_TRUE(line->IsLine());
    EXPECT_TRUE(line->Action()->text().isEmpty());
    QMenu* menu = popup.Menu();
    menu->adjustSize();
    // Drawn as a thin line, not as an item row with a "-" title.
    int itemHeight = menu->actionGeometry(popup.Items()->Items(0)->Action()).height();
    EXPECT_LT(menu->actionGeometry(line->Action()).height(), itemHeight / 2);
    Screenshot(menu, "menu-separator.png");
    // A caption given later makes it an item again.
    line->SetCaption("Alarm/Event");
    EXPECT_FALSE(line->Action()->isSeparator());
    EXPECT_EQ(line->Action()->text(), "Alarm/Event");
}

TEST(Menus, TheMainMenuWrapsOntoMoreRowsInANarrowForm)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    form.SetMenu(menu);
    const char* captions[] = {"Device Management", "Basic Configuration", "Layer 2", "Layer 3", "RMON",
                              "Security Management", "SNMP V3", "Single IP", "Help"};
    std::vector<TMenuItem*> tops;
    for (const char* c : captions) {
        auto* top = new TMenuItem(&form);
        top->SetCaption(c);
        menu->Items()->Add(top);
        auto* sub = new TMenuItem(&form);
        sub->SetCaption(AnsiString(c) + " Setting");
        top->Add(sub);
        tops.push_back(top);
    }
    WrappingMenuBar* bar = menu->MenuBar();
    form.SetWidth(1400);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(bar->RowCount(), 1);
    const int oneRow = bar->height();
    EXPECT_EQ(form.ClientWidget()->y(), oneRow);

    form.SetWidth(400);
    EXPECT_GE(bar->RowCount(), 2);
    EXPECT_EQ(bar->height(), bar->heightForWidth(400));
    EXPECT_GT(bar->height(), oneRow);
    EXPECT_EQ(form.ClientWidget()->y(), bar->height());  // the controls move down with it
    QRect previous;
    for (TMenuItem* top : tops) {
        SCOPED_TRACE(top->Caption().c_str());
        QRect r = bar->ActionGeometry(top->Action());
        EXPECT_FALSE(r.isEmpty());
        EXPECT_TRUE(bar->rect().contains(r));  // none hidden behind an overflow button
        if (!previous.isEmpty()) {
            EXPECT_FALSE(r.intersects(previous));
        }
        previous = r;
    }
    Screenshot(&form, "menubar-wrapped.png");

    // One click opens the last menu; a hidden item gives its place up.
    QRect help = bar->ActionGeometry(tops.back()->Action());
    QTest::mouseClick(bar, Qt::LeftButton, {}, help.center());
    QMenu* helpMenu = tops.back()->Action()->menu();
    ASSERT_NE(helpMenu, nullptr);
    EXPECT_TRUE(helpMenu->isVisible());
    helpMenu->hide();
    tops[6]->SetVisible(false);
    EXPECT_TRUE(bar->ActionGeometry(tops[6]->Action()).isEmpty());
    form.SetWidth(1400);
    EXPECT_EQ(bar->RowCount(), 1);
    EXPECT_EQ(form.ClientWidget()->y(), oneRow);
    form.Hide();
}

TEST(Menus, AHiddenItemKeepsItsEnabledStateAndItsCommand)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    auto* item = new TMenuItem(&form);
    menu->Items()->Add(item);
    int clicks = 0;
    item->OnClick = Count(clicks);
    item->SetVisible(false);
    EXPECT_TRUE(item->Enabled());
    item->Click();
    EXPECT_EQ(clicks, 1);
    item->SetEnabled(false);
    item->SetVisible(true);  // shown again as it was set
    EXPECT_FALSE(item->Enabled());
    EXPECT_FALSE(item->Action()->isEnabled());
    item->SetEnabled(true);
    EXPECT_TRUE(item->Action()->isEnabled());
}

TEST(Menus, PopupKnowsTheControlItOpenedOn)
{
    TForm form(nullptr);
    auto* popup = new TPopupMenu(&form);
    auto* info = new TMenuItem(&form);
    info->SetCaption("Port Information Table");
    popup->Items()->Add(info);
    int popups = 0;
    popup->OnPopup = Count(popups);
    auto* port = new TSpeedButton(&form);
    port->SetParent(&form);
    port->SetPopupMenu(popup);
    form.Show();
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), port->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(port, &e);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(popup->PopupComponent(), port);
    EXPECT_TRUE(popup->Menu()->isVisible());
    popup->Menu()->hide();
    delete port;  // the menu forgets it
    EXPECT_EQ(popup->PopupComponent(), nullptr);
    auto* other = new TButton(&form);
    other->SetPopupMenu(popup);
    delete popup;  // the control forgets the menu
    EXPECT_EQ(other->PopupMenu(), nullptr);
    form.Hide();
}

TEST(Shape, ClassLibraryColoursAndShapes)
{
    TForm form(nullptr);
    auto* led = new TShape(&form);
    led->SetParent(&form);
    led->SetBounds(10, 10, 12, 12);
    struct Case {
        TColor colour;
        QColor expected;
    } cases[] = {
        {0x00FF00, QColor(0, 255, 0)},    // lime
        {0x4080FF, QColor(255, 128, 64)}, // orange: red in the low byte
        {0xFF0000, QColor(0, 0, 255)},    // blue
        {clRed, QColor(255, 0, 0)},
    };
    for (const Case& c : cases) {
        led->Brush()->SetColor(c.colour);
        led->Pen()->SetColor(c.colour);
        EXPECT_EQ(ColorToQ(c.colour), c.expected);
        EXPECT_EQ(PixelOf(led, 6, 6), c.expected);
        EXPECT_EQ(PixelOf(led, 0, 0), c.expected);  // the outline covers the corner
    }
    led->SetShape(stCircle);
    led->Brush()->SetColor(clBlue);
    EXPECT_EQ(PixelOf(led, 6, 6), QColor(0, 0, 255));
    EXPECT_NE(PixelOf(led, 0, 0), QColor(0, 0, 255));  // a circle leaves the corners
}

TEST(Glyphs, MissingFileLeavesTheCaptionAndAPictureReplacesIt)
{
    TempDir dir;
    TForm form(nullptr);
    auto* refresh = new TBitBtn(&form);
    refresh->SetCaption("Refresh");
    AnsiString missing = AnsiString(dir.File("Get.bmp"));
    if (FileExists(missing)) refresh->Glyph()->LoadFromFile(missing);
    EXPECT_EQ(refresh->Caption(), "Refresh");
    EXPECT_TRUE(refresh->Glyph()->Empty());
    EXPECT_THROW(refresh->Glyph()->LoadFromFile(missing), EFOpenError);
    dir.Write("Bad.bmp", "not a picture");
    EXPECT_THROW(refresh->Glyph()->LoadFromFile(AnsiString(dir.File("Bad.bmp"))), EInvalidGraphic);

    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    img.setPixelColor(8, 8, Qt::black);
    ASSERT_TRUE(img.save(QString::fromStdString(dir.File("Set.bmp")), "BMP"));
    refresh->SetCaption("");
    refresh->Glyph()->LoadFromFile(AnsiString(dir.File("Set.bmp")));
    EXPECT_EQ(refresh->Glyph()->Width(), 16);
    EXPECT_FALSE(refresh->icon().isNull());
    // The bottom-left colour is transparent.
    QImage shown = refresh->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 15)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(8, 8)), 255);

    // A stretched JPEG, as the front panel shows its picture.
    QImage panel(80, 9, QImage::Format_RGB32);
    panel.fill(QColor(0, 128, 255));
    ASSERT_TRUE(panel.save(QString::fromStdString(dir.File("Panel.jpg")), "JPEG"));
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 800, 89);
    image->SetStretch(true);
    image->Picture()->LoadFromFile(AnsiString(dir.File("Panel.jpg")));
    EXPECT_EQ(image->Picture()->Width(), 80);
    QColor c = PixelOf(image, 790, 80);
    EXPECT_NEAR(c.red(), 0, 8);
    EXPECT_NEAR(c.green(), 128, 8);
    EXPECT_NEAR(c.blue(), 255, 8);
}

TEST(Memo, LinesAddInsertDeleteAsTheClassLibraryCountsThem)
{
    TMemo memo(nullptr);
    TStrings* lines = memo.Lines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add("Get: (QzSNMP++) Ok!. Receive at 03:04:05 PM.");
    lines->Add("second");
    EXPECT_EQ(lines->Count(), 2);
    lines->Insert(0, "first");
    EXPECT_EQ(memo.Text(), "first\nGet: (QzSNMP++) Ok!. Receive at 03:04:05 PM.\nsecond");
    lines->Delete(2);
    lines->Put(1, "middle");
    EXPECT_EQ(memo.Text(), "first\nmiddle");
    memo.SetText("a\n");  // a last empty line does not count
    EXPECT_EQ(lines->Count(), 1);
    lines->Add("b");
    EXPECT_EQ(memo.Text(), "a\nb");
    EXPECT_THROW(lines->Get(2), EListError);
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
}

TEST(StatusBar, PanelsOrSimpleText)
{
    TForm form(nullptr);
    auto* bar = new TStatusBar(&form);
    bar->SetParent(&form);
    form.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Top() + bar->Height(), form.ClientHeight());
    bar->SetSimpleText("Get: (QzSNMP++) Ok!.");
    TStatusPanel* p0 = bar->Panels()->Add();
    p0->SetWidth(50);
    p0->SetText("No Path!");
    EXPECT_EQ(bar->Panels()->Items(0)->Text(), "No Path!");
    EXPECT_EQ(bar->SimpleText(), "Get: (QzSNMP++) Ok!.");
    form.Show();
    EXPECT_TRUE(p0->Label()->isVisible());
    bar->SetSimplePanel(true);
    EXPECT_FALSE(p0->Label()->isVisible());
    form.Hide();
}

TEST(Align, OuterFirstInTheOrderSetAndSplitterResizesItsNeighbour)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* buttons = new TPanel(&form);
    buttons->SetParent(&form);
    buttons->SetWidth(116);
    buttons->SetAlign(alRight);
    auto* split = new TSplitter(&form);
    split->SetParent(&form);
    split->SetAlign(alRight);
    auto* client = new TPanel(&form);
    client->SetParent(&form);
    client->SetAlign(alClient);
    auto* msg = new TPanel(client);
    msg->SetParent(client);
    msg->SetHeight(50);
    msg->SetAlign(alBottom);
    EXPECT_EQ(buttons->Left(), 400 - 116);
    EXPECT_EQ(split->Left(), 400 - 116 - 3);
    EXPECT_EQ(client->Width(), 400 - 116 - 3);
    EXPECT_EQ(client->Height(), 300);
    // The panel's raised bevel is inside what the children share.
    EXPECT_EQ(msg->Top(), 300 - 1 - 50);
    EXPECT_EQ(msg->Width(), client->Width() - 2);
    // A parent of no size keeps its children's sizes for later.
    client->SetAlign(alNone);
    client->SetBounds(0, 0, 0, 0);
    EXPECT_EQ(msg->Height(), 50);

    form.Show();
    client->SetAlign(alClient);
    QPoint grip(1, 100);
    QTest::mousePress(split, Qt::LeftButton, Qt::NoModifier, grip);
    QPoint to = grip + QPoint(-40, 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(split->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(split, &move);
    QTest::mouseRelease(split, Qt::LeftButton, Qt::NoModifier, grip + QPoint(-40, 0));
    EXPECT_EQ(buttons->Width(), 156);
    EXPECT_EQ(client->Width(), 400 - 156 - 3);
    form.Hide();
}

TEST(ScrollBox, AreaGrowsToHoldItsChildren)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* box = new TScrollBox(&form);
    box->SetParent(&form);
    box->SetAlign(alClient);
    auto* panel = new TForm(&form);  // a front panel form inside it
    panel->SetBounds(0, 0, 800, 89);
    panel->SetParent(box);
    panel->Show();
    EXPECT_GE(box->ClientWidget()->width(), 800);
    EXPECT_GE(box->ClientWidget()->height(), box->ClientRect().height());
    EXPECT_EQ(panel->parentWidget(), box->ClientWidget());
}

TEST(Label, AutoSizeFollowsTheCaptionAndTextIsPlain)
{
    TLabel label(nullptr);
    label.SetCaption("<b>Max Age</b>");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    int w = label.Width();
    label.SetCaption("<b>Max Age</b> >= 2*(Hello Time + 100)");
    EXPECT_GT(label.Width(), w);
    label.SetAutoSize(false);
    label.SetWidth(20);
    label.SetCaption("a long caption that does not fit");
    EXPECT_EQ(label.Width(), 20);
}

TEST(Control, VisibleAndEnabledAreTheControlsOwnWhateverItsParent)
{
    // The hidden edit rows under a table's list keep their states for when they are shown.
    TPanel rows(nullptr);
    auto* box = new TCheckBox(&rows);
    box->SetParent(&rows);
    rows.SetEnabled(false);
    EXPECT_TRUE(box->Visible());
    EXPECT_TRUE(box->Enabled());
    box->SetEnabled(false);
    EXPECT_FALSE(box->Enabled());
    rows.SetEnabled(true);
    EXPECT_FALSE(box->Enabled());
    box->Hide();
    rows.Show();
    EXPECT_FALSE(box->Visible());
}

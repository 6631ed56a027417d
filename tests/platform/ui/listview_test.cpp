// List views: the class library's selection events, columns, hit-testing and hints.
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "tests/support/testsupport.h"

namespace {

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 400, 300);
        lv = new TListView(form);
        lv->SetParent(form);
        lv->SetAlign(alClient);
        lv->SetViewStyle(vsReport);
        lv->SetRowSelect(true);
        for (const char* caption : {"Index", "Name", "State"}) lv->Columns()->Add()->SetCaption(caption);
        for (int i = 0; i < 3; ++i) {
            TListItem* it = lv->Items()->Add();
            it->SetCaption(AnsiString(i + 1));
            it->SubItems()->Add(AnsiString("port") + AnsiString(i + 1));
            it->SubItems()->Add(i == 1 ? "disabled" : "enabled");
        }
        lv->OnSelectItem = TLVSelectItemEvent(std::function<void(TObject*, TListItem*, bool)>(
            [this](TObject*, TListItem* item, bool selected) {
                log += (selected ? "+" : "-") + item->Caption().std() + ";";
            }));
        lv->OnChange = TLVChangeEvent(std::function<void(TObject*, TListItem*, TItemChange)>(
            [this](TObject*, TListItem* item, TItemChange c) {
                log += std::string(c == ctText ? "text" : "state") + item->Caption().std() + ";";
            }));
        lv->OnClick = TNotifyEvent(std::function<void(TObject*)>([this](TObject*) { log += "click;"; }));
        form->Show();
    }
    void TearDown() override { delete form; }

    QPoint RowPoint(int row) { return lv->visualItemRect(lv->Items()->Item(row)).center(); }

    TForm* form = nullptr;
    TListView* lv = nullptr;
    std::string log;
};

}  // namespace

TEST_F(ListViewTest, CodeSelectionReportsTheDeselectedRowThenTheSelectedOne)
{
    lv->SetSelected(lv->Items()->Item(0));
    EXPECT_EQ(log, "state1;+1;");
    log.clear();
    lv->Items()->Item(2)->SetSelected(true);
    EXPECT_EQ(log, "state1;-1;state3;+3;");
    EXPECT_EQ(lv->Selected(), lv->Items()->Item(2));
    EXPECT_EQ(lv->ItemIndex(), 2);
    log.clear();
    lv->SetSelected(lv->Items()->Item(2));  // no change, no events
    lv->SetSelected(nullptr);
    EXPECT_EQ(log, "state3;-3;");
    EXPECT_EQ(lv->Selected(), nullptr);
}

TEST_F(ListViewTest, OperatorClicksSelectThenClickAndABlankClickDeselects)
{
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(0));
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(1));
    EXPECT_EQ(log, "state1;+1;click;state1;-1;state2;+2;click;");
    log.clear();
    QPoint below(10, lv->visualItemRect(lv->Items()->Item(2)).bottom() + 20);
    ASSERT_EQ(lv->GetItemAt(below.x(), below.y()), nullptr);
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_EQ(log, "state2;-2;click;");
    EXPECT_EQ(lv->Selected(), nullptr);
}

TEST_F(ListViewTest, ChangingMayRefuseTheWholeChange)
{
    lv->SetSelected(lv->Items()->Item(0));
    std::string asked;
    bool allow = false;
    lv->OnChanging = TLVChangingEvent(std::function<void(TObject*, TListItem*, TItemChange, bool&)>(
        [&](TObject*, TListItem* item, TItemChange, bool& ok) {
            asked += item->Caption().std() + ";";
            ok = allow || item->Caption() != "2";
        }));
    log.clear();
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(1));
    EXPECT_EQ(asked, "1;2;");
    EXPECT_EQ(log, "click;");
    EXPECT_EQ(lv->Selected(), lv->Items()->Item(0));
    allow = true;
    asked.clear();
    log.clear();
    lv->SetItemIndex(1);
    EXPECT_EQ(asked, "1;2;");
    EXPECT_EQ(log, "state1;-1;state2;+2;");
}

TEST_F(ListViewTest, RowsChangeWithoutSelectionEventsAndCaptionsReportText)
{
    lv->SetSelected(lv->Items()->Item(1));
    log.clear();
    lv->Items()->Delete(1);
    lv->Items()->Clear();
    EXPECT_EQ(log, "");
    TListItem* it = lv->Items()->Add();
    it->SetCaption("10");
    it->SubItems()->Add("a");
    it->SubItems()->Add("b");
    it->SubItems()->Delete(0);
    EXPECT_EQ(log, "text10;");
    EXPECT_EQ(FromQ(it->text(1)), "b");
    EXPECT_EQ(FromQ(it->text(2)), "");
    EXPECT_EQ(lv->Items()->Count(), 1);
    EXPECT_THROW(lv->Items()->Item(1), EListError);
}

TEST_F(ListViewTest, HiddenAndHeaderFittedColumns)
{
    lv->Columns()->Clear();
    TListColumn* hidden = lv->Columns()->Add();
    hidden->SetCaption("Key");
    hidden->SetWidth(0);
    TListColumn* fitted = lv->Columns()->Add();
    fitted->SetCaption("A rather long column caption");
    fitted->SetWidth(ColumnHeaderWidth);
    EXPECT_EQ(hidden->Width(), 0);
    EXPECT_TRUE(lv->isColumnHidden(0));
    int captionWidth = lv->header()->fontMetrics().horizontalAdvance("A rather long column caption");
    EXPECT_GE(fitted->Width(), captionWidth);
    EXPECT_EQ(lv->Columns()->Count(), 2);
    EXPECT_EQ(fitted->Caption(), "A rather long column caption");
    // A row's caption sits in the hidden column, its first sub-item under the fitted one.
    lv->Items()->Clear();
    TListItem* it = lv->Items()->Add();
    it->SetCaption("7");
    it->SubItems()->Add("seven");
    EXPECT_EQ(lv->ColumnAt(5), 1);
}

TEST_F(ListViewTest, HitTestingAndAHintBuiltWhileTheMouseMoves)
{
    QPoint p = RowPoint(2);
    EXPECT_EQ(lv->GetItemAt(p.x(), p.y()), lv->Items()->Item(2));
    int x1 = lv->columnViewportPosition(1) + 2;
    EXPECT_EQ(lv->ColumnAt(x1), 1);
    EXPECT_EQ(lv->ColumnAt(-5), -1);
    lv->OnMouseMove = TMouseMoveEvent(std::function<void(TObject*, TShiftState, int, int)>(
        [this](TObject*, TShiftState, int x, int y) {
            TListItem* item = lv->GetItemAt(x, y);
            lv->SetShowHint(item != nullptr);
            if (item) lv->SetHint("Index\t  " + item->Caption() + "\n");
        }));
    // QTest::mouseMove goes through the cursor, which may already be there.
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(lv->viewport()->mapToGlobal(p)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(lv->viewport(), &move);
    EXPECT_TRUE(lv->ShowHint());
    EXPECT_EQ(lv->Hint(), "Index\t  3\n");
    // The tool tip shows the list view's hint, not a row's own.
    QHelpEvent help(QEvent::ToolTip, p, lv->viewport()->mapToGlobal(p));
    QApplication::sendEvent(lv->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), "Index\t  3\n");
    QToolTip::hideText();
}

TEST_F(ListViewTest, ExceptionInASelectHandlerIsShownAndTheOthersStillRun)
{
    MessageBoxRecorder boxes;
    lv->SetSelected(lv->Items()->Item(0));
    log.clear();
    lv->OnSelectItem = TLVSelectItemEvent(std::function<void(TObject*, TListItem*, bool)>(
        [this](TObject*, TListItem* item, bool selected) {
            log += (selected ? "+" : "-") + item->Caption().std() + ";";
            if (!selected) throw Exception("bad row");
        }));
    lv->SetItemIndex(1);
    EXPECT_EQ(log, "state1;-1;state2;+2;");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "bad row.");
}

TEST_F(ListViewTest, RowsAddedDuringAnUpdateAreLaidOutWhenItEnds)
{
    lv->Items()->BeginUpdate();
    EXPECT_FALSE(lv->updatesEnabled());
    for (int i = 4; i <= 6; ++i) {
        TListItem* it = lv->Items()->Add();
        it->SetCaption(AnsiString(i));
        it->SubItems()->Add(AnsiString("port") + AnsiString(i));
    }
    lv->Items()->Item(4)->SubItems()->Put(0, "renamed");
    lv->Items()->EndUpdate();
    EXPECT_TRUE(lv->updatesEnabled());
    QApplication::processEvents();
    for (int row = 0; row < 6; ++row) {
        QPoint p = RowPoint(row);
        EXPECT_EQ(lv->GetItemAt(p.x(), p.y()), lv->Items()->Item(row)) << row;
    }
    EXPECT_EQ(FromQ(lv->Items()->Item(4)->text(1)), "renamed");

    // An earlier row goes while later ones wait.
    lv->Items()->BeginUpdate();
    lv->Items()->Add()->SetCaption("7");
    lv->Items()->Delete(0);
    lv->Items()->EndUpdate();
    QApplication::processEvents();
    ASSERT_EQ(lv->Items()->Count(), 6);
    QPoint last = RowPoint(5);
    EXPECT_EQ(lv->GetItemAt(last.x(), last.y()), lv->Items()->Item(5));
    lv->SetSelected(lv->Items()->Item(5));
    EXPECT_EQ(lv->ItemIndex(), 5);

    // Cleared during an update: the rows added afterwards are laid out all the same.
    lv->Items()->BeginUpdate();
    lv->Items()->Add()->SetCaption("x");
    lv->Items()->Clear();
    lv->Items()->Add()->SetCaption("y");
    lv->Items()->EndUpdate();
    QApplication::processEvents();
    QPoint p = RowPoint(0);
    EXPECT_EQ(lv->GetItemAt(p.x(), p.y()), lv->Items()->Item(0));
    EXPECT_EQ(lv->Items()->Item(0)->Caption(), "y");
}

TEST_F(ListViewTest, GridLinesAreDrawnBetweenRowsAndColumnsOnlyWhenAsked)
{
    lv->SetColor(clWhite);
    for (int c = 0; c < 3; ++c) lv->Columns()->Items(c)->SetWidth(80);
    const QRect row = lv->visualItemRect(lv->Items()->Item(0));
    // A point on the line under the first row, and one on the right edge of the first column,
    // both in blank space of the cells.
    const QPoint below(60, row.bottom()), edge(79, lv->visualItemRect(lv->Items()->Item(1)).center().y());
    auto shot = [&] { return lv->viewport()->grab().toImage(); };
    const QColor white(Qt::white);
    QImage plain = shot();
    EXPECT_EQ(plain.pixelColor(below), white);
    EXPECT_EQ(plain.pixelColor(edge), white);
    lv->SetGridLines(true);
    QImage grid = shot();
    EXPECT_NE(grid.pixelColor(below), white);
    EXPECT_NE(grid.pixelColor(edge), white);
    lv->SetGridLines(false);
    EXPECT_EQ(shot().pixelColor(below), white);
}

TEST_F(ListViewTest, FittingWidensColumnsToTheirTextsUpToACapAndKeepsGivenWidths)
{
    lv->Columns()->Clear();
    const char* captions[] = {"Given", "Address", "Note", "Last"};
    for (const char* caption : captions) lv->Columns()->Add()->SetCaption(caption);
    lv->Columns()->Items(0)->SetWidth(33);
    lv->Columns()->Items(1)->SetWidth(ColumnHeaderWidth);
    const std::string address = "20010DB8000000000000000000000010";
    const std::string note(300, 'x');
    lv->Items()->Clear();
    TListItem* it = lv->Items()->Add();
    it->SetCaption("a rather long text in the given column");
    it->SubItems()->Add(address.c_str());
    it->SubItems()->Add(note.c_str());
    it->SubItems()->Add("z");
    form->SetBounds(0, 0, 1400, 300);
    lv->FitColumns();
    const QFontMetrics fm = lv->fontMetrics();
    EXPECT_EQ(lv->Columns()->Items(0)->Width(), 33);
    EXPECT_GE(lv->Columns()->Items(1)->Width(), fm.horizontalAdvance(QString::fromStdString(address)));
    const int note2 = lv->Columns()->Items(2)->Width();
    EXPECT_GE(note2, fm.horizontalAdvance(QString::fromStdString(address)));
    EXPECT_LT(note2, fm.horizontalAdvance(QString::fromStdString(note)));
    // The last column reaches the right edge of the view.
    const int right = lv->header()->sectionViewportPosition(3) + lv->Columns()->Items(3)->Width();
    EXPECT_EQ(right, lv->viewport()->width());
}

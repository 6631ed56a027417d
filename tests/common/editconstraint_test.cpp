#include <gtest/gtest.h>

#include <cfloat>

#include "common/qzeditconstraint.h"
#include "common/qzmessages.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/testsupport.h"

namespace {

class Form : public TQtControl<QWidget> {
public:
    Form() : TQtControl<QWidget>(nullptr) {}
};

// Records what the handlers that were there before the constraint saw.
struct Previous : TObject {
    int changes = 0, exits = 0;
    int vetoTag = 0;  // written into the edit's Tag by the handlers
    void Change(TObject* s)
    {
        ++changes;
        static_cast<TCustomEdit*>(s)->SetTag(vetoTag);
    }
    void Exit(TObject* s)
    {
        ++exits;
        static_cast<TCustomEdit*>(s)->SetTag(vetoTag);
    }
    void Hook(TCustomEdit* e)
    {
        e->OnChange = TNotifyEvent(this, &Previous::Change);
        e->OnExit = TNotifyEvent(this, &Previous::Exit);
    }
};

class EditConstraintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 300, 200);
        for (int i = 0; i < 3; ++i) {
            edits[i] = new TEdit(&form);
            edits[i]->SetParent(&form);
            edits[i]->SetBounds(10, 10 + 30 * i, 100, 24);
        }
    }
    // Shows the form and puts the focus into the edit.
    void Focus(TEdit* e)
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(WaitFor([&] { return form.isActiveWindow(); }));
        e->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return e->hasFocus(); }));
    }
    // Gives the edit a text that passes and lets it be accepted as its last valid text.
    void Accept(TEdit* e, const char* text)
    {
        e->SetText(text);
        e->DoExit();
        ASSERT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0].text;
    }

    MessageBoxRecorder boxes;
    Form form;
    TEdit* edits[3] = {};
    TEdit*& a = edits[0];
    TEdit*& b = edits[1];
    TEdit*& c = edits[2];
};

_EditConstraint_s* RecordOf(const QzEditConstraint& k, TCustomEdit* e)
{
    return QzEditConstraint::FindRecord(k.Records(), e);
}

}  // namespace

TEST_F(EditConstraintTest, ValidSpecifiersSetTheRule)
{
    struct Case {
        const char* spec;
        char type, delimiter;
        double min, max;
        int length, flags;
        char endChar;
        int width;
    } cases[] = {
        {"%i", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%i{}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%u", 'u', 0, 0, 4294967295.0, 0, 0, 0, 0},
        {"%f", 'f', 0, DBL_MIN, DBL_MAX, 0, 0, 0, 0},
        {"%h", 'h', 0, DBL_MIN, DBL_MAX, 0, 0, 0, 0},
        {"%s{l32}", 's', 0, DBL_MIN, DBL_MAX, 32, 0, 0, 0},
        {"%i{n0x255l3}", 'i', 0, 0, 255, 3, 0, 0, 0},
        {"%i{n600x4000l4a}", 'i', 0, 600, 4000, 4, 1, 0, 0},
        {"%s{l3ana}", 's', 0, DBL_MIN, DBL_MAX, 3, 6, 0, 0},
        {"%s{l2aaa}", 's', 0, DBL_MIN, DBL_MAX, 2, 3, 0, 0},
        {"%s{l4fa}", 's', 0, DBL_MIN, DBL_MAX, 4, 3, 0, 0},
        {"%n.{n1x10l4f}", 'n', '.', 1, 10, 4, 2, 0, 0},
        {"%n,", 'n', ',', DBL_MIN, DBL_MAX, 0, 0, 0, 0},
        {"%f{w80n-1.5x2.5}", 'f', 0, -1.5, 2.5, 0, 0, 0, 80},
        {"%i{e/l2}", 'i', 0, -2147483648.0, 2147483647.0, 2, 0, '/', 0},
        {"%s{e}}", 's', 0, DBL_MIN, DBL_MAX, 0, 0, '}', 0},
        {"%s{e5}", 's', 0, DBL_MIN, DBL_MAX, 0, 0, '5', 0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.spec);
        QzEditConstraint k(&form, true);
        a->SetWidth(100);
        k.Add(t.spec, a);
        _EditConstraint_s* r = RecordOf(k, a);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->type, t.type);
        EXPECT_EQ(r->delimiter, t.delimiter);
        EXPECT_EQ(r->min, t.min);
        EXPECT_EQ(r->max, t.max);
        EXPECT_EQ(r->length, t.length);
        EXPECT_EQ(r->flags, t.flags);
        EXPECT_EQ(r->endChar, t.endChar);
        EXPECT_EQ(a->MaxLength(), t.length);
        EXPECT_EQ(a->Width(), t.width ? t.width : 100);
    }
}

TEST_F(EditConstraintTest, BadSpecifiersThrowAndRegisterNothing)
{
    const char* bad[] = {"", "%", "i", "%x", "%n", "%ix", "%i{", "%i{n1", "%i{q1}", "%i[n1]", "%i{}x",
                         "%i{n}", "%i{x}", "%i{l}", "%i{w}", "%i{e}", "%i{lq}", "%s{l2aaaa}", "%i{l99999999999}"};
    Previous prev;
    prev.Hook(a);
    a->SetMaxLength(7);
    QzEditConstraint k(&form, true);
    for (const char* spec : bad) {
        SCOPED_TRACE(spec);
        try {
            k.Add(spec, a);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError&) {
            ADD_FAILURE() << "conversion error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "(QzCommon) Bad format specifier of edit's constraint!");
            EXPECT_EQ(e.HelpContext, -2);
        }
    }
    EXPECT_EQ(RecordOf(k, a), nullptr);
    EXPECT_EQ(a->OnChange, TNotifyEvent(&prev, &Previous::Change));
    EXPECT_EQ(a->MaxLength(), 7);
    // A number that the string class cannot read raises its conversion error instead.
    EXPECT_THROW(k.Add("%i{n1.2.3}", a), EConvertError);
    EXPECT_THROW(k.Add("%i{x-}", a), EConvertError);
}

TEST_F(EditConstraintTest, AddMultiGivesEachEditItsPiece)
{
    QzEditConstraint k(&form, true);
    TList list;
    for (TEdit* e : edits) list.Add(e);
    k.AddMulti("%i{n0x255l3}%s{l4}%n.{l2}", &list);
    EXPECT_EQ(RecordOf(k, a)->type, 'i');
    EXPECT_EQ(RecordOf(k, a)->max, 255);
    EXPECT_EQ(RecordOf(k, b)->type, 's');
    EXPECT_EQ(b->MaxLength(), 4);
    EXPECT_EQ(RecordOf(k, c)->delimiter, '.');

    // Too few edits: the list's index error; the pieces before stay registered.
    QzEditConstraint k2(&form, true);
    TList one;
    one.Add(a);
    EXPECT_THROW(k2.AddMulti("%u%u", &one), EListError);
    EXPECT_NE(RecordOf(k2, a), nullptr);
    // Text between specifiers spoils the piece before it.
    QzEditConstraint k3(&form, true);
    EXPECT_THROW(k3.AddMulti("%u-%u", &list), Exception);
    EXPECT_THROW(k3.AddMulti("%u", nullptr), EListError);
    EXPECT_EQ(RecordOf(k3, a), nullptr);
}

TEST_F(EditConstraintTest, TypingDropsCharactersTheTypeRefuses)
{
    struct Case {
        const char* spec;
        const char* typed;
        const char* left;
        int beeps;
    } cases[] = {
        {"%i", "12a", "12", 1},      {"%i", "-5", "-5", 0},        {"%i", "5-", "5", 1},
        {"%i", "a1b2", "12", 2},     {"%i", "--1", "-1", 1},       {"%u", "-5", "5", 1},
        {"%f", "-1.5", "-1.5", 0},   {"%f", "1.2.3", "1.23", 1},   {"%f", ".5-", ".5", 1},
        {"%h", "0aFg", "0aF", 1},    {"%n.", "1..2", "1.2", 1},    {"%n.", ".1", "1", 1},
        {"%n,", "10,20,3", "10,20,3", 0}, {"%n,", "1.5", "15", 1}, {"%s", "a b!\"%", "a b!\"%", 0},
        {"%i", "(NULL)", "(NULL)", 0},    {"%u", "(NOTDONE)", "(NOTDONE)", 0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::string(t.spec) + " " + t.typed);
        a->SetText("");
        QzEditConstraint k(&form, true);
        k.Add(t.spec, a);
        boxes.Clear();
        a->SetText(t.typed);
        EXPECT_EQ(a->Text(), t.left);
        EXPECT_EQ(boxes.Beeps(), t.beeps);
    }
}

TEST_F(EditConstraintTest, TypedCharactersFilteredOneAtATime)
{
    QzEditConstraint k(&form, true);
    k.Add("%i{n0x255l3}", a);
    Focus(a);
    a->insert("1");
    a->insert("x");
    a->insert("2");
    a->insert("3");
    a->insert("4");  // beyond the length: refused by the edit itself
    EXPECT_EQ(a->Text(), "123");
    EXPECT_EQ(boxes.Beeps(), 1);
}

TEST_F(EditConstraintTest, EndCharacterIsDroppedAndMovesTheFocusOn)
{
    QzEditConstraint k(&form, true);
    k.Add("%i{e/}", a);
    Focus(a);
    a->insert("10");
    a->insert("/");
    EXPECT_EQ(a->Text(), "10");
    EXPECT_EQ(boxes.Beeps(), 0);
    EXPECT_TRUE(WaitFor([&] { return b->hasFocus(); }));
}

TEST_F(EditConstraintTest, FullFieldAdvancesUnlessThePreviousHandlerVetoes)
{
    Previous prev;
    prev.Hook(a);
    QzEditConstraint k(&form, true);
    k.Add("%i{n600x4000l4a}", a);
    Focus(a);
    prev.vetoTag = -1;
    a->insert("1000");
    EXPECT_EQ(prev.changes, 1);
    EXPECT_FALSE(WaitFor([&] { return !a->hasFocus(); }, 200));

    a->SetText("");
    prev.vetoTag = 0;
    prev.changes = 0;
    a->insert("100");
    a->insert("0");
    EXPECT_EQ(prev.changes, 2);  // the two typed parts; an empty text is not chained
    EXPECT_TRUE(WaitFor([&] { return b->hasFocus(); }));
    // A refused character never reaches the previous handler.
    a->SetText("12x");
    EXPECT_EQ(a->Text(), "12");
    EXPECT_EQ(prev.changes, 3);
}

TEST_F(EditConstraintTest, ExitChecksRefuseWithTheirMessage)
{
    struct Case {
        const char* spec;
        const char* valid;  // accepted first
        const char* text;   // then left with this
        const char* message;  // "" when accepted
    } cases[] = {
        {"%i{n1x4094l4}", "5", "0", "(QzCommon) Please enter a number between 1 and 4094!"},
        {"%i{n1x4094l4}", "5", "4094", ""},
        {"%i", "5", "-", "(QzCommon) Please enter a number between -2147483648 and 2147483647!"},
        {"%i{n-10x10}", "5", "-", "(QzCommon) Please enter a number between -10 and 10!"},
        {"%u", "5", "4294967296", "(QzCommon) Please enter a number between 0 and 4294967295!"},
        {"%u", "5", "4294967295", ""},
        {"%f", "5", "0",
         "(QzCommon) Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f", "5", "-1",
         "(QzCommon) Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f{n0x10}", "5", ".", "(QzCommon) Please enter a number between 0 and 10!"},
        {"%f{n-1x10}", "5", "-.", "(QzCommon) Please enter a number between -1 and 10!"},
        {"%f{n0x10}", "5", "9.75", ""},
        {"%s{l4f}", "abcd", "abc", "(QzCommon) Please enter a string whose length is 4!"},
        {"%s{l4}", "ab", "abcde", "(QzCommon) Please enter a string whose length is less than 4!"},
        {"%s{l4}", "ab", "abcd", ""},
        {"%h{l2f}", "0A", "a", "(QzCommon) Please enter a hex string whose length is 2!"},
        {"%h{l2}", "0A", "abc", "(QzCommon) Please enter a hex string whose length is less than 2!"},
        {"%s{l3n}", "ab", "", "(QzCommon) Empty value is not allowed!"},
        {"%i{n1x9}", "5", "", ""},
        {"%n.{l2}", "1.2", "1.2.3",
         "(QzCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,the count of the number is less than 2!"},
        {"%n,{l3f}", "1,2,3", "1,2",
         "(QzCommon) Please enter a delimited number string with delimiter ','.\n"
         "Here,the count of the number is equal to 3!"},
        {"%n.{n1x10}", "1.10", "1.11",
         "(QzCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 1 and 10!"},
        {"%n.", "1", "0.4294967295", ""},
        {"%n.{n1}", "1", "1.0",
         "(QzCommon) Please enter a delimited number string with delimiter '.'.\n"
         "Here,each number is between 1 and 4294967295!"},
        {"%i{n1x9}", "5", "(NULL)", ""},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::string(t.spec) + " " + t.text);
        QzEditConstraint k(&form, true);
        a->SetText("");
        k.Add(t.spec, a);
        boxes.Clear();
        Accept(a, t.valid);
        a->SetText(t.text);
        a->DoExit();
        if (*t.message) {
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, t.message);
            EXPECT_EQ(boxes.Boxes()[0].caption, "vrx6120");
            EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
            EXPECT_EQ(a->Text(), t.valid);
        } else {
            EXPECT_TRUE(boxes.Boxes().empty());
            EXPECT_EQ(a->Text(), t.text);
        }
    }
}

TEST_F(EditConstraintTest, RefusedExitKeepsTheFocusWithoutCheckingTheNextEdit)
{
    QzEditConstraint k(&form, true);
    k.Add("%i{n1x4094l4}", a);
    k.Add("%s{l3n}", b);  // empty and not allowed to be: a check of b would complain
    Focus(a);
    a->insert("0");
    b->SetFocus();  // the operator moves on
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "(QzCommon) Please enter a number between 1 and 4094!");
    EXPECT_EQ(a->Text(), "");  // nothing was accepted before
    EXPECT_TRUE(WaitFor([&] { return a->hasFocus(); }));
    EXPECT_FALSE(WaitFor([&] { return boxes.Boxes().size() > 1; }, 100));

    // A value that passes lets the focus go, and becomes the text that a refusal restores.
    a->insert("42");
    b->SetFocus();
    EXPECT_TRUE(WaitFor([&] { return b->hasFocus(); }));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    a->SetText("5000");
    a->DoExit();
    EXPECT_EQ(a->Text(), "42");
}

TEST_F(EditConstraintTest, ExitChainsToThePreviousHandler)
{
    Previous prev;
    prev.Hook(a);
    QzEditConstraint k(&form, true);
    k.Add("%i{n1x10}", a);
    Accept(a, "3");
    EXPECT_EQ(prev.exits, 1);
    a->SetText("11");
    a->DoExit();  // refused: the previous handler is not called
    EXPECT_EQ(prev.exits, 1);
    a->SetText("");
    a->DoExit();  // empty and allowed: accepted silently, nothing chained
    EXPECT_EQ(prev.exits, 1);

    prev.vetoTag = -1;  // the previous handler refuses 7: back to 3, which stays the last valid text
    a->SetText("7");
    a->DoExit();
    EXPECT_EQ(prev.exits, 2);
    EXPECT_EQ(a->Text(), "3");
    EXPECT_EQ(RecordOf(k, a)->lastValid, "3");
    ASSERT_EQ(boxes.Boxes().size(), 1u);  // only the refusal of 11
}

TEST_F(EditConstraintTest, WithoutKeepLastValidARefusalEmptiesTheEdit)
{
    QzEditConstraint k(&form, false);
    k.Add("%i{n1x10}", a);
    Accept(a, "3");
    a->SetText("0");
    a->DoExit();
    EXPECT_EQ(a->Text(), "");
    k.SaveValidText(a);  // by hand
    EXPECT_EQ(RecordOf(k, a)->lastValid, "");
    a->SetText("4");
    k.SaveValidText(a);
    a->SetText("0");
    a->DoExit();
    EXPECT_EQ(a->Text(), "4");
}

TEST_F(EditConstraintTest, RemoveAndDestructionGiveTheHandlersBack)
{
    Previous prev;
    prev.Hook(a);
    prev.Hook(b);
    auto* k = new QzEditConstraint(&form, true);
    k->Add("%i{n1x10}", a);
    k->Add("%i{n1x10}", b);
    k->Add("%u", b);  // a second record for b: never found, saves the constraint's own handlers
    EXPECT_EQ(RecordOf(*k, b)->type, 'i');
    k->Remove(a);
    EXPECT_EQ(a->OnChange, TNotifyEvent(&prev, &Previous::Change));
    EXPECT_EQ(a->OnExit, TNotifyEvent(&prev, &Previous::Exit));
    EXPECT_EQ(RecordOf(*k, a), nullptr);
    k->Remove(a);  // not registered: nothing

    delete k;  // b still registered (twice)
    EXPECT_EQ(b->OnChange, TNotifyEvent(&prev, &Previous::Change));
    EXPECT_EQ(b->OnExit, TNotifyEvent(&prev, &Previous::Exit));
    // Events after the constraint is gone reach only the earlier handlers (and no freed memory).
    b->SetText("x");
    b->DoExit();
    EXPECT_EQ(b->Text(), "x");
    EXPECT_EQ(prev.changes, 1);
    EXPECT_EQ(prev.exits, 1);
    EXPECT_EQ(boxes.Beeps(), 0);
}

TEST_F(EditConstraintTest, EditsDestroyedBeforeTheConstraintAreForgotten)
{
    QzEditConstraint k(&form, true);
    TEdit* gone = new TEdit(&form);
    k.Add("%i", gone);
    delete gone;
    // A new edit may take the freed address; it must not inherit the old rule.
    TEdit* fresh = new TEdit(&form);
    EXPECT_EQ(RecordOf(k, fresh), nullptr);
    k.Add("%s{l2}", fresh);
    EXPECT_EQ(RecordOf(k, fresh)->type, 's');
    EXPECT_EQ(k.Records()->Count(), 1);
}  // the destructor must not touch the deleted edit

// A paste of any length is filtered in one pass: the refused characters go, one beep each,
// the edit keeps the good text it had, and nothing recurses once per character.
TEST_F(EditConstraintTest, ALongPasteIsFilteredInOnePass)
{
    // 10,000 characters: 1,429 each of x y z -, 1,428 each of . , /
    std::string pasted;
    for (int i = 0; pasted.size() < 10000; ++i) pasted += "xyz-.,/"[i % 7];
    struct Case {
        const char* spec;
        std::string left;  // after "12" and the paste at its end
        int beeps;
    } cases[] = {
        {"%i", "12", 10000},
        {"%i{n1x4094}", "12", 10000},
        {"%u", "12", 10000},
        {"%f", "12.", 9999},
        {"%h", "12", 10000},
        {"%n.", "12.", 9999},
        {"%n,", "12,", 9999},
        {"%i{e/}", "12", 10000 - 1428},  // end characters go without a beep
        {"%s", "12" + pasted, 0},
        {"%i{n1x4094l4}", "12", 0},      // longer than the edit takes: the edit refuses it whole
        {"%s{l32}", "12", 0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.spec);
        a->SetText("");
        QzEditConstraint k(&form, true);
        k.Add(t.spec, a);
        a->SetText("12");
        boxes.Clear();
        a->setCursorPosition(2);
        a->insert(QString::fromStdString(pasted));
        EXPECT_EQ(a->Text(), t.left);
        EXPECT_EQ(boxes.Beeps(), t.beeps);
    }
}

#include <gtest/gtest.h>

#include "common/qzoptionlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"

namespace {

const QzOptionEntry kStates[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QzOptionEntry kDuplicates[] = {{1, "on"}, {2, "on"}, {0, "zero"}, {9, nullptr}};
const QzOptionTextEntry kAuth[] = {{"1.3.6.1.6.3.10.1.1.1", "none"},
                                   {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                   {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                   {nullptr, nullptr}};
const QzOptionTextEntry kPrefix[] = {{"abc", "X"}, {nullptr, nullptr}};

class Host : public TQtControl<QWidget> {
public:
    Host() : TQtControl<QWidget>(nullptr) {}
};

}  // namespace

TEST(OptionList, EmptyAndNullTablesGiveEmptyLists)
{
    const QzOptionEntry empty[] = {{5, nullptr}};
    QzOptionList a(empty), b(static_cast<const QzOptionEntry*>(nullptr));
    EXPECT_EQ(QzOptionList::CountTableItems(empty), 0);
    EXPECT_EQ(QzOptionList::CountTableItems(static_cast<const QzOptionEntry*>(nullptr)), 0);
    for (QzOptionList* l : {&a, &b}) {
        EXPECT_EQ(l->Count(), 0);
        EXPECT_EQ(l->IndexOfLabel("x"), -1);
        EXPECT_EQ(l->IndexOfValue("5"), -1);
        EXPECT_EQ(l->ValueToLabel("5"), "5");
        EXPECT_EQ(l->LabelToValue("x"), "x");
    }
}

TEST(OptionList, IntegerListConvertsBothWays)
{
    QzOptionList l(kStates);
    struct Case {
        const char* in;
        const char* label;  // ValueToLabel
        const char* value;  // LabelToValue
    } cases[] = {
        {"2", "disabled", "2"},         {"3", "enabled", "3"},
        {"enabled", "enabled", "3"},    {"ENABLED", "ENABLED", "3"},  // labels ignore case
        {" 3", "enabled", " 3"},        // the integer conversion allows leading blanks
        {"0x3", "enabled", "0x3"},      // and hexadecimal
        {"7", "7", "7"},                {"abc", "abc", "abc"},
        {"(NULL)", "(NULL)", "(NULL)"}, {"", "", ""},
        {"99999999999", "99999999999", "99999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(l.ValueToLabel(c.in), c.label);
        EXPECT_EQ(l.LabelToValue(c.in), c.value);
    }
}

TEST(OptionList, NullTextNeverMatchesEvenAKeyOfZero)
{
    QzOptionList l(kDuplicates);
    ASSERT_EQ(l.Count(), 3);
    EXPECT_EQ(l.IndexOfValue("0"), 2);
    EXPECT_EQ(l.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(l.ValueToLabel("(NULL)"), "(NULL)");
    // The first of two equal labels wins.
    EXPECT_EQ(l.LabelToValue("on"), "1");
    EXPECT_EQ(l.LabelToValue("zero"), "0");
}

TEST(OptionList, CaseSensitivityOfLabelsAndTextValues)
{
    QzOptionList loose(kStates, QzOptionList::Integer, false);
    QzOptionList strict(kStates, QzOptionList::Integer, true);
    EXPECT_EQ(loose.IndexOfLabel("Enabled"), 2);
    EXPECT_EQ(strict.IndexOfLabel("Enabled"), -1);
    EXPECT_EQ(strict.IndexOfLabel("enabled"), 2);

    QzOptionList auth(kAuth);
    ASSERT_EQ(auth.Kind(), QzOptionList::Text);
    EXPECT_EQ(auth.ValueToLabel("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(auth.LabelToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(auth.ValueToLabel("1.3.6.1.6.3.10.1.1.2.0"), "1.3.6.1.6.3.10.1.1.2.0");  // whole text only
    QzOptionList authStrict(kAuth, QzOptionList::Text, true);
    EXPECT_EQ(authStrict.LabelToValue("sha"), "sha");
}

TEST(OptionList, PrefixListReplacesOnlyThePrefix)
{
    QzOptionList l(kPrefix, QzOptionList::TextPrefix);
    EXPECT_EQ(l.ValueToLabel("abcdef"), "Xdef");
    EXPECT_EQ(l.LabelToValue("Xdef"), "abcdef");
    EXPECT_EQ(l.ValueToLabel("ABCdef"), "Xdef");  // ASCII case ignored
    EXPECT_EQ(l.ValueToLabel("ab"), "ab");         // shorter than the key
    EXPECT_EQ(l.ValueToLabel("abc"), "X");
    QzOptionList strict(kPrefix, QzOptionList::TextPrefix, true);
    EXPECT_EQ(strict.ValueToLabel("ABCdef"), "ABCdef");
}

TEST(OptionList, AddTableAppendsAndClearEmpties)
{
    QzOptionList l(kStates);
    const QzOptionEntry more[] = {{4, "testing"}, {0, nullptr}};
    l.AddTable(more);
    ASSERT_EQ(l.Count(), 4);
    EXPECT_EQ(l.GetItem(3)->key, 4);
    EXPECT_EQ(l.GetItem(0)->label, "other");
    l.AddTable(static_cast<const QzOptionEntry*>(nullptr));
    EXPECT_EQ(l.Count(), 4);
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.IndexOfValue("4"), -1);

    QzOptionList odd(kStates, 7);  // a kind outside 1..3 matches nothing
    EXPECT_EQ(odd.IndexOfLabel("enabled"), -1);
    EXPECT_EQ(odd.ValueToLabel("3"), "3");
}

TEST(OptionList, FillsAndSelectsComboBoxesAndRadioGroups)
{
    Host form;
    TComboBox box(&form);
    TRadioGroup group(&form);
    QzOptionList l(kStates);
    box.Items()->Add("stale");
    l.FillComboBox(&box);
    l.FillRadioGroup(&group);
    ASSERT_EQ(box.Items()->Count(), 3);
    ASSERT_EQ(group.Items()->Count(), 3);
    EXPECT_EQ(box.Items()->Get(2), "enabled");

    struct Case {
        const char* text;
        int index;
    } cases[] = {{"disabled", 1}, {"Enabled", 2}, {"2", 1}, {"1", 0}, {"nothing", -1}, {"(NULL)", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        l.SelectComboBoxItem(&box, c.text);
        EXPECT_EQ(box.ItemIndex(), c.index);
        l.SelectRadioGroupItem(&group, c.text);
        EXPECT_EQ(group.ItemIndex(), c.index);
    }
}

#include <gtest/gtest.h>

#include <string>

#include "common/qzeditconstraint.h"
#include "common/qzmessages.h"
#include "platform/ui/sysutils.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/testsupport.h"

namespace {

class MessageFileTest : public ::testing::Test {
protected:
    void TearDown() override { QzCommonMessageTable.Reset(); }
    void Load(const std::string& contents)
    {
        dir.Write("common.err", contents);
        LoadMessageFile(QzCommonMessageTable, dir.File("common.err").c_str());
    }
    TempDir dir;
};

}  // namespace

TEST_F(MessageFileTest, BuiltInTexts)
{
    EXPECT_EQ(QzCommonMessageTable.BuiltinCount(), 19);
    EXPECT_EQ(QzCommonMessageTable.Text(0), "(QzCommon) Ok!");
    EXPECT_EQ(QzCommonMessageTable.Text(10),
              "(QzCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is equal to [COUNT]!");
    EXPECT_EQ(QzCommonMessageTable.Text(18), "(QzCommon) Fail to read option data from file([FILENAME])!");
    EXPECT_EQ(QzCommonMessageTable.Text(19), "");
    EXPECT_EQ(QzCommonMessageTable.Text(-1), "");
}

TEST_F(MessageFileTest, NonBlankLinesTakeTheIndexesInOrder)
{
    // A blank line, a line of white space, CR LF and LF ends, blanks kept around a word, and
    // a last line of one character without a line end.
    Load("A\n\n \t \r\nB\r\n  word  \r\nC\nz");
    ASSERT_EQ(QzCommonMessageTable.LoadedCount(), 5);
    EXPECT_EQ(QzCommonMessageTable.Text(0), "A");
    EXPECT_EQ(QzCommonMessageTable.Text(1), "B");
    EXPECT_EQ(QzCommonMessageTable.Text(2), "  word  ");
    EXPECT_EQ(QzCommonMessageTable.Text(3), "C");
    EXPECT_EQ(QzCommonMessageTable.Text(4), "z");
}

TEST_F(MessageFileTest, ShortFileFallsBackToTheBuiltInTexts)
{
    Load("(QzCommon) Gut!\n(QzCommon) Falscher Operand!\n");
    EXPECT_EQ(QzCommonMessageTable.Text(1), "(QzCommon) Falscher Operand!");
    EXPECT_EQ(QzCommonMessageTable.Text(2), "(QzCommon) Bad format specifier of edit's constraint!");
    EXPECT_EQ(QzCommonMessageTable.Text(8), "(QzCommon) Please enter a number between [MIN] and [MAX]!");
    // The texts in force at the time of the throw.
    try {
        QzThrowCommon(1);
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(QzCommon) Falscher Operand!");
        EXPECT_EQ(e.HelpContext, -1);
    }
    try {
        QzThrowCommon(2);
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(QzCommon) Bad format specifier of edit's constraint!");
        EXPECT_EQ(e.HelpContext, -2);
    }
}

TEST_F(MessageFileTest, LongLineStaysOneMessage)
{
    std::string longLine(3000, 'x');
    Load(longLine + "\nnext\n");
    ASSERT_EQ(QzCommonMessageTable.LoadedCount(), 2);
    EXPECT_EQ(QzCommonMessageTable.Text(0).std(), longLine);
    EXPECT_EQ(QzCommonMessageTable.Text(1), "next");
}

TEST_F(MessageFileTest, MissingOrBlankFileKeepsTheTable)
{
    LoadMessageFile(QzCommonMessageTable, dir.File("none.err").c_str());
    EXPECT_EQ(QzCommonMessageTable.LoadedCount(), 0);
    Load("first\n");
    Load("\n  \n\r\n");
    EXPECT_EQ(QzCommonMessageTable.Text(0), "first");
    dir.Write("empty.err", "");
    LoadMessageFile(QzCommonMessageTable, dir.File("empty.err").c_str());
    LoadMessageFile(QzCommonMessageTable, dir.Path().c_str());  // a directory
    EXPECT_EQ(QzCommonMessageTable.Text(0), "first");
}

TEST_F(MessageFileTest, LoadedTextFillsTheEditCheckMessages)
{
    std::string lines;
    for (int i = 0; i < 8; ++i) lines += "m" + std::to_string(i) + "\n";
    Load(lines + "Zahl [MAX] >= x >= [MIN], nicht über [MAX]\n");
    class Form : public TQtControl<QWidget> {
    public:
        Form() : TQtControl<QWidget>(nullptr) {}
    } form;
    TEdit edit(&form);
    MessageBoxRecorder boxes;
    QzEditConstraint k(&form, true);
    k.Add("%i{n1x9}", &edit);
    edit.SetText("12");
    edit.DoExit();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Zahl 9 >= x >= 1, nicht über 9");
    try {
        k.Add("%q", &edit);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "m2");
    }
}

TEST(ReplaceAll, EveryOccurrenceLeftToRight)
{
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        const char* result;
    } cases[] = {
        {"[MAX] or [MAX]", "[MAX]", "7", "7 or 7"},
        {"aa", "a", "aa", "aaaa"},
        {"aaa", "aa", "b", "ba"},
        {"between [MIN] and [MAX]", "[MIN]", "", "between  and [MAX]"},
        {"no placeholder", "[LEN]", "4", "no placeholder"},
        {"text", "", "x", "text"},
        {"", "a", "b", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.result) << c.text;
}

#include "app/shell/tutorial_text.h"

#include <gtest/gtest.h>

namespace zenphra::app {
namespace {

TEST(TutorialTextTest, EveryLineIsAnEntryWithTwoBlanksInFront) {
    QByteArray text;
    for (int line = 1; line <= 500; ++line) text += "Line " + QByteArray::number(line) + "\r\n";
    const QStringList entries = TutorialEntries(text);
    ASSERT_EQ(entries.size(), 500);
    for (const QString& entry : entries) EXPECT_TRUE(entry.startsWith("  Line ")) << entry.toStdString();
    EXPECT_EQ(entries.last(), "  Line 500");
}

TEST(TutorialTextTest, EmptyLinesAreKeptAndTheLastLineNeedsNoLineEnd) {
    EXPECT_EQ(TutorialEntries("Zooming\n\n  indented\r\n\r\nlast"),
              (QStringList{"  Zooming", "  ", "    indented", "  ", "  last"}));
    EXPECT_EQ(TutorialEntries("one\n"), QStringList{"  one"});
    EXPECT_TRUE(TutorialEntries("").isEmpty());
    // Eight-bit text: a byte above 127 is the character of that code.
    EXPECT_EQ(TutorialEntries("caf\xe9"), QStringList{QStringLiteral("  caf\u00e9")});
}

TEST(TutorialTextTest, MessagesNameTheFile) {
    EXPECT_EQ(TutorialNotFoundText("/opt/zenphra/Tutorial.txt"),
              "Tutorial file \"/opt/zenphra/Tutorial.txt\" not found.");
    EXPECT_EQ(CannotFindText("/opt/zenphra/Tutorial.txt"), "Cannot find \"/opt/zenphra/Tutorial.txt\"");
}

}  // namespace
}  // namespace zenphra::app

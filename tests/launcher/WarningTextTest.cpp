#include "launcher/WarningText.h"

#include <gtest/gtest.h>

#include <QStringList>

TEST(WarningText, VersionInTheFirstLineThenTheQuestion)
{
    const QString text = formatWarningText(QStringLiteral("Reader %1 is installed.\\r\\nInstall another?"),
                                           QStringLiteral("6.0"));
    EXPECT_EQ(text, QStringLiteral("Reader 6.0 is installed.\r\nInstall another?"));
    EXPECT_EQ(withPlainLineBreaks(text).split(QLatin1Char('\n')),
              (QStringList{QStringLiteral("Reader 6.0 is installed."), QStringLiteral("Install another?")}));
}

TEST(WarningText, OnlyTheFirstArgumentIsFilledIn)
{
    // There is one value; "%2" and the others stay for the reader to see
    // rather than reading a value that does not exist.
    EXPECT_EQ(formatWarningText(QStringLiteral("%1 and %2, %10, %0, 100%% sure, 5%"), QStringLiteral("v")),
              QStringLiteral("v and %2, %10, %0, 100% sure, 5%"));
    EXPECT_EQ(formatWarningText(QStringLiteral("%1%1"), QString()), QString());
    // A version holding "%2" is put in as it is.
    EXPECT_EQ(formatOneArgument(QStringLiteral("[%1]"), QStringLiteral("%2")), QStringLiteral("[%2]"));
}

TEST(WarningText, LoneBreakSequencesAndOtherBackslashes)
{
    EXPECT_EQ(formatWarningText(QStringLiteral("a\\nb\\rc\\td\\\\e"), QString()),
              QStringLiteral("a\nb\rc\\td\\\\e"));
    EXPECT_EQ(withPlainLineBreaks(QStringLiteral("a\rb\r\nc\nd")), QStringLiteral("a\nb\nc\nd"));
}

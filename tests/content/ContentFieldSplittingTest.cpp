#include "ContentTables.h"

#include <gtest/gtest.h>

using ContentTables::splitFields;

// Every table is cut into fields by the same rule: at each separator from the left, keeping
// empty fields and the text exactly as written.
TEST(ContentFieldSplitting, CutsAtEveryGivenSeparatorKeepingEmptyAndUntrimmedFields)
{
    EXPECT_EQ(splitFields(QString(), u','), QStringList{QString()});
    EXPECT_EQ(splitFields(QStringLiteral("厨房"), u','), QStringList{QStringLiteral("厨房")});
    EXPECT_EQ(splitFields(QStringLiteral("1,2,"), u','), (QStringList{"1", "2", ""}));
    EXPECT_EQ(splitFields(QStringLiteral(",1,,2"), u','), (QStringList{"", "1", "", "2"}));
    EXPECT_EQ(splitFields(QStringLiteral(" 3 ,\t4\r\n"), u','), (QStringList{" 3 ", "\t4\r\n"}));
    EXPECT_EQ(splitFields(QStringLiteral("2,1/3\t4"), u'/'), (QStringList{"2,1", "3\t4"}));
    EXPECT_EQ(splitFields(QStringLiteral("2,1/3\t4"), u'\t'), (QStringList{"2,1/3", "4"}));
}

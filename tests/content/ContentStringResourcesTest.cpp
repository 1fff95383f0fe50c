#include "ContentTables.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <vector>

using ContentTables::splitFields;

namespace {

constexpr int Poems = 5;

std::vector<int> allStringIds()
{
    std::vector<int> ids{101};
    for (int id = 201; id <= 423; ++id)
        if (id <= 217 || (id > 300 && id < 350 && id % 10 >= 1 && id % 10 <= 6)
            || (id >= 401 && id <= 412) || id >= 421)
            ids.push_back(id);
    return ids;
}

} // namespace

TEST(ContentStringResources, OnlyTheLastLineOfPoem3EndsWithALineBreak)
{
    EXPECT_EQ(Resources::string(336), QStringLiteral("为有暗香来。\r\n"));
    for (int id : allStringIds()) {
        if (id == 336)
            continue;
        const QString text = Resources::string(id);
        ASSERT_FALSE(text.isEmpty()) << id;
        EXPECT_FALSE(text.back().isSpace()) << "string " << id << " ends with white space";
        EXPECT_FALSE(text.front().isSpace()) << "string " << id << " starts with white space";
    }
}

TEST(ContentStringResources, PoemsHaveTheirTitlesAndPoets)
{
    const QString titles[Poems] = {"出塞", "凉州词", "鹿柴", "梅花", "山行"};
    const QString poets[Poems] = {"王昌龄", "王翰", "王维", "王安石", "杜牧"};
    for (int p = 0; p < Poems; ++p) {
        EXPECT_EQ(Resources::string(301 + 10 * p), titles[p]);
        EXPECT_EQ(Resources::string(302 + 10 * p), poets[p]);
    }
}

TEST(ContentStringResources, GroupsZeroTo15UseEveryWordTwiceAndGroup16RepeatsGroupZero)
{
    std::vector<int> uses(32);
    for (int id = 201; id <= 216; ++id) {
        for (const QString &number : splitFields(Resources::string(id), u','))
            ++uses.at(number.toInt());
    }
    EXPECT_EQ(uses, std::vector<int>(32, 2));
    EXPECT_EQ(Resources::string(217), Resources::string(201));
}

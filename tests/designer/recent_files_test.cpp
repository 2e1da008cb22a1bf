#include "designer/recent_files.h"

#include <gtest/gtest.h>

#include <string>

namespace lumora {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(RecentFileList, NewestFirstEachOnceAtMostTen) {
    RecentFileList list;
    list.Add("/a.lmd");
    list.Add("/b.lmd");
    list.Add("/x/../a.lmd");
    EXPECT_EQ(list.Entries(), (Paths{"/a.lmd", "/b.lmd"}));
    for (int i = 0; i < 12; ++i) {
        list.Add("/f" + std::to_string(i) + ".lmd");
    }
    ASSERT_EQ(list.Entries().size(), RecentFileList::kCapacity);
    EXPECT_EQ(list.Entries().front(), "/f11.lmd");
    EXPECT_EQ(list.Entries().back(), "/f2.lmd");
    list.Remove("/f5.lmd");
    EXPECT_EQ(list.Entries().size(), RecentFileList::kCapacity - 1);
}

TEST(RecentFileList, LoadDropsEntriesNoOneChose) {
    RecentFileList list;
    const std::string huge(RecentFileList::kMaxStoredLength + 1, 'x');
    const std::string withNul("/a\0b.lmd", 8);
    std::vector<std::string_view> stored = {"", "/one.lmd", huge, "/one.lmd", withNul, "/two.lmd"};
    for (int i = 0; i < 20; ++i) {
        stored.push_back("/many.lmd");
    }
    stored.push_back("/late.lmd");
    list.Load(stored);
    EXPECT_EQ(list.Entries(), (Paths{"/one.lmd", "/two.lmd", "/many.lmd", "/late.lmd"}));
}

}  // namespace
}  // namespace lumora

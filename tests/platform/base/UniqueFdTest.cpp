#include "platform/base/UniqueFd.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <utility>

namespace
{
bool IsOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

// A fresh descriptor the test may watch; pipes come in pairs, the other end is closed at once.
int OpenDescriptor()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return -1;
    ::close(ends[1]);
    return ends[0];
}
}

TEST(UniqueFdTest, TheDescriptorIsClosedOnceByItsLastOwner)
{
    const int fd = OpenDescriptor();
    ASSERT_GE(fd, 0);
    {
        UniqueFd first(fd);
        UniqueFd second(std::move(first));
        EXPECT_FALSE(first);
        UniqueFd third;
        third = std::move(second);
        EXPECT_FALSE(second);
        third = std::move(third);
        EXPECT_EQ(third.Get(), fd);
        EXPECT_TRUE(IsOpen(fd));
    }
    EXPECT_FALSE(IsOpen(fd));
}

TEST(UniqueFdTest, ResetClosesTheOldDescriptorAndReleaseGivesItAway)
{
    const int released = OpenDescriptor();
    const int replaced = OpenDescriptor();
    const int kept = OpenDescriptor();
    {
        UniqueFd owner(released);
        EXPECT_EQ(owner.Release(), released);
        EXPECT_FALSE(owner);
        owner.Reset(replaced);
        owner.Reset(kept);
        EXPECT_FALSE(IsOpen(replaced));
        EXPECT_TRUE(IsOpen(kept));
    }
    EXPECT_TRUE(IsOpen(released));
    EXPECT_FALSE(IsOpen(kept));
    ::close(released);
}

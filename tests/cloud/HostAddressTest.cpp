#include "cloud/engine/HostAddress.h"

#include <gtest/gtest.h>

TEST(HostAddressTest, OnlyThisMachinesOwnAddressesAreLoopback)
{
    const struct
    {
        const char* host;
        bool loopback;
    } cases[] = {
        {"127.0.0.1", true},
        {"127.255.255.254", true},
        {"127.0.0.0", true},
        {"126.255.255.255", false},
        {"128.0.0.1", false},
        {"10.0.0.1", false},
        {"0.0.0.0", false},
        {"::1", true},
        {"0:0:0:0:0:0:0:1", true},
        {"::", false},
        {"::2", false},
        {"::ffff:127.0.0.1", true},
        {"::ffff:7f01:203", true},
        {"::ffff:192.0.2.1", false},
        // IPv4-compatible, not mapped: not an IPv4 address at all.
        {"::127.0.0.1", false},
        {"2001:db8::1", false},
        {"fe80::1", false},
        {"localhost", false},
        {"127.0.0.1.example.com", false},
        {"127.0.0.1 ", false},
        {"127.1", false},
        {"", false},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(HostAddress::IsLoopback(QString::fromLatin1(testCase.host)), testCase.loopback) << testCase.host;
}

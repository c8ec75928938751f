#include "cloud/engine/HostAddress.h"

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>

namespace
{
bool IsLoopbackIPv4(const in_addr& address)
{
    return (ntohl(address.s_addr) >> 24) == 127;
}
}

bool HostAddress::IsLoopback(const QString& host)
{
    const QByteArray text = host.toLatin1();
    in_addr ipv4 = {};
    if (::inet_pton(AF_INET, text.constData(), &ipv4) == 1)
        return IsLoopbackIPv4(ipv4);
    in6_addr ipv6 = {};
    if (::inet_pton(AF_INET6, text.constData(), &ipv6) != 1)
        return false;
    if (IN6_IS_ADDR_LOOPBACK(&ipv6))
        return true;
    if (!IN6_IS_ADDR_V4MAPPED(&ipv6))
        return false;
    in_addr mapped = {};
    std::memcpy(&mapped, ipv6.s6_addr + 12, sizeof mapped);
    return IsLoopbackIPv4(mapped);
}

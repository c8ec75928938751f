#pragma once
// What the cloud requests need to know of a host written as an address: whether it is this
// machine's own, so that plain HTTP to it is allowed.

#include <QString>

namespace HostAddress
{
// True for an IPv4 address in 127.0.0.0/8, the IPv6 address ::1 and an IPv4 loopback address
// mapped into IPv6 (::ffff:127.x.x.x); false for names and anything else.
bool IsLoopback(const QString& host);
}

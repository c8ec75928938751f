#pragma once
// Text built in a fixed buffer without allocating, locking or the C library's formatting, so a
// signal handler can use it: numbers, hexadecimal addresses and a UTC time. What does not fit
// is cut off; the text always ends with a zero.

#include <cstddef>
#include <cstdint>

class SignalSafeText
{
public:
    SignalSafeText(char* buffer, std::size_t capacity);

    void Append(const char* text);
    void Append(const char* text, std::size_t length);
    void AppendUnsigned(std::uint64_t value, int minimumDigits = 1);
    void AppendSigned(std::int64_t value);
    // "0x" and at least one hexadecimal digit.
    void AppendHex(std::uintptr_t value);
    // "YYYY-MM-DD HH:MM:SS" of the seconds since 1970 (UTC), or "YYYYMMDD-HHMMSS" when compact.
    void AppendUtcTime(std::int64_t secondsSinceEpoch, bool compact);

    const char* Data() const { return m_buffer; }
    std::size_t Length() const { return m_length; }

    // Writes the whole text to the file descriptor, retrying interrupted and partial writes.
    static bool WriteAll(int fd, const char* data, std::size_t length);
    static std::size_t Length(const char* text);

private:
    char* m_buffer;
    std::size_t m_capacity;
    std::size_t m_length = 0;
};

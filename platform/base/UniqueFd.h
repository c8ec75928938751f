#pragma once
// Owns a file descriptor of the system and closes it exactly once, when its owner goes. Moving
// hands the descriptor over; there are no copies that could close it a second time.

#include <unistd.h>
#include <utility>

class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Reset(); }

    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

    // The caller owns the descriptor from now on.
    int Release() { return std::exchange(m_fd, -1); }

    // Closes the held descriptor and takes fd. A close interrupted by a signal is not repeated:
    // the descriptor is gone either way, and its number may already belong to another file.
    void Reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

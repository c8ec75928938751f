#pragma once
// Orders shared pointers by the objects they point to (an empty pointer before any object),
// for sets and maps of shared objects such as instruments.

#include <memory>

template <class T>
struct funCompObjs
{
    bool operator()(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b) const
    {
        if (!a || !b)
            return !a && b;
        return *a < *b;
    }
};

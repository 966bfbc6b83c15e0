// Byte figures in the units the program shows: whole kilobytes and whole
// megabytes, rounded down, in the platform's width.
#pragma once

template <typename Bytes>
constexpr unsigned long long Kilobytes(Bytes bytes)
{
    return static_cast<unsigned long long>(bytes >> 10);
}

template <typename Bytes>
constexpr unsigned long long Megabytes(Bytes bytes)
{
    return static_cast<unsigned long long>(bytes >> 20);
}

// The standard library reports a misuse of its containers (a length beyond
// what they can hold, a position past the end) through these functions,
// whose exceptions carry texts in a second, older string implementation:
// some 80 KB of the program for errors it never tells apart, since every
// handler of the program catches all. Each throws the smallest exception
// there is instead. Linked as an object of the program, not from a
// library, so that these definitions come before the library's.
#include <bits/functexcept.h>

#include <new>

namespace std {

void __throw_bad_alloc()
{
    throw bad_alloc();
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

void __throw_bad_function_call()
{
    throw bad_alloc();
}

void __throw_length_error(const char*)
{
    throw bad_alloc();
}

void __throw_logic_error(const char*)
{
    throw bad_alloc();
}

void __throw_out_of_range_fmt(const char*, ...)
{
    throw bad_alloc();
}

}  // namespace std

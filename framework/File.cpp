#include "File.h"

#include <windows.h>

#include "framework/Handle.h"
#include "framework/Text.h"

FileRead ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes)
{
    bytes.clear();
    if (path.empty())
        return FileRead::Missing;
    // Shared every way: reading must not disturb a program that writes it.
    const CHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME
                   ? FileRead::Missing
                   : FileRead::Unreadable;
    }
    FileRead result = FileRead::Read;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.Get(), &size) || static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        result = FileRead::Unreadable;
    } else {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD read = 0;
            if (!::ReadFile(file.Get(), &bytes[done], static_cast<DWORD>(bytes.size() - done), &read, nullptr) || read == 0)
                break;
            done += read;
        }
        if (done < bytes.size()) {
            bytes.clear();
            result = FileRead::Unreadable;
        }
    }
    return result;
}

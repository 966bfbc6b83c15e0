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

namespace {

bool WriteAll(HANDLE file, const char* data, std::size_t size)
{
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool MoveTo(HANDLE file, unsigned long long offset)
{
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return ::SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != FALSE;
}

bool WriteInPlace(const std::wstring& path, const std::string& bytes)
{
    const CHandle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.IsValid() || !::GetFileSizeEx(file.Get(), &size))
        return false;
    const auto old = static_cast<unsigned long long>(size.QuadPart);
    // Grown first, by writing what lies beyond the old end: a full disk
    // fails here, before a byte of the old text changes. Setting the end
    // alone would not do, since a file system may leave the new part
    // unallocated until it is written.
    if (bytes.size() > old) {
        if (!MoveTo(file.Get(), old) || !WriteAll(file.Get(), bytes.data() + old, bytes.size() - old) ||
            !::FlushFileBuffers(file.Get())) {
            if (MoveTo(file.Get(), old))
                ::SetEndOfFile(file.Get());
            return false;
        }
    }
    const std::size_t head = bytes.size() < old ? bytes.size() : static_cast<std::size_t>(old);
    return MoveTo(file.Get(), 0) && WriteAll(file.Get(), bytes.data(), head) && ::FlushFileBuffers(file.Get()) &&
           MoveTo(file.Get(), bytes.size()) && ::SetEndOfFile(file.Get());
}

// The path the system resolves for path (links followed), or empty.
std::wstring FinalPath(const std::wstring& path)
{
    typedef DWORD(WINAPI * FinalPathFn)(HANDLE, LPWSTR, DWORD, DWORD);
    const auto finalPath =
        ProcAddress<FinalPathFn>(::GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW");
    if (finalPath == nullptr)
        return std::wstring();
    // Backup semantics open folders as well.
    const CHandle file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    std::wstring result(32768, L'\0');
    const DWORD length =
        file.IsValid() ? finalPath(file.Get(), &result[0], static_cast<DWORD>(result.size()), 0) : 0;
    result.resize(length < result.size() ? length : 0);
    return result;
}

// Whether the name leads to a file elsewhere. Windows marks links as
// reparse points; Wine does not mark links to files, but follows them when
// it names the file it opened, and so does Windows.
bool IsLink(const std::wstring& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return true;
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return false;
    const std::wstring file = FinalPath(path);
    std::wstring expected = FinalPath(path.substr(0, slash + 1));
    if (file.empty() || expected.empty())
        return false;  // no such function before Vista, nor file links
    if (expected.back() != L'\\')
        expected += L'\\';
    expected += path.substr(slash + 1);
    // The name on disk may differ in case; no user's locale decides that.
    return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, file.c_str(), -1, expected.c_str(), -1) != CSTR_EQUAL;
}

bool Replace(const std::wstring& path, const std::wstring& replacement)
{
    const std::wstring backup = path + L".old";
    ::DeleteFileW(backup.c_str());
    if (::ReplaceFileW(path.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        return true;
    }
    // On ERROR_UNABLE_TO_REMOVE_REPLACED and ERROR_UNABLE_TO_MOVE_REPLACEMENT
    // both files keep their names. On ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the
    // old file is left under the backup name: it goes back, so that the file
    // is always there.
    if (::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ||
        ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        ::MoveFileW(backup.c_str(), path.c_str());
    return false;
}

}  // namespace

bool SaveWholeFile(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        return false;
    const std::wstring file = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A replace would put a plain file in the link's place and leave its
    // target as it was.
    if (exists && IsLink(file, attributes))
        return WriteInPlace(file, bytes);
    // Beside the file, never in a temporary folder: a replace moves no
    // bytes from one volume to another.
    const std::wstring fresh = file + L".new";
    ::DeleteFileW(fresh.c_str());  // left by a save that never ended
    CHandle handle(
        ::CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    // A folder that takes no new file: the installed case, where users may
    // change the file but nothing else beside the program.
    if (!handle.IsValid())
        return exists && WriteInPlace(file, bytes);
    const bool written = WriteAll(handle.Get(), bytes.data(), bytes.size()) && ::FlushFileBuffers(handle.Get());
    handle.Reset();
    if (written && (exists ? Replace(file, fresh) : ::MoveFileW(fresh.c_str(), file.c_str())))
        return true;
    ::DeleteFileW(fresh.c_str());
    return false;
}

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
            if (!::ReadFile(file.Get(), &bytes[done], static_cast<DWORD>(bytes.size() - done), &read, nullptr) ||
                read == 0)
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
    // Sharing reading and writing, as the profile functions did: an editor
    // or a sync client that holds the file so does not stop the save.
    const CHandle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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
    const auto finalPath = ProcAddress<FinalPathFn>(::GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW");
    if (finalPath == nullptr)
        return std::wstring();
    // Backup semantics open folders as well.
    const CHandle file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    std::wstring result(32768, L'\0');
    const DWORD length = file.IsValid() ? finalPath(file.Get(), &result[0], static_cast<DWORD>(result.size()), 0) : 0;
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

// Whether the file has other names (hard links): a replace would give
// this one a file of its own and leave the others with the old bytes.
bool HasOtherNames(const std::wstring& path)
{
    const CHandle file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                     nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    return file.IsValid() && ::GetFileInformationByHandle(file.Get(), &info) && info.nNumberOfLinks > 1;
}

// What a name beside the file holds: nothing; a plain file, left by a save
// that never ended and so ours; or anything else (a link, a folder), which
// a save must not touch. Wine reports a link to a file as a plain one and
// deletes the target when asked to delete the link: hence IsLink.
enum class Leftover { None, Plain, Foreign };

Leftover LeftoverAt(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? Leftover::None : Leftover::Foreign;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) || IsLink(path, attributes)
               ? Leftover::Foreign
               : Leftover::Plain;
}

// Creates the file with the bytes; one not written whole is deleted again.
bool WriteNew(const std::wstring& path, const std::string& bytes)
{
    CHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    const bool written = WriteAll(file.Get(), bytes.data(), bytes.size()) && ::FlushFileBuffers(file.Get());
    file.Reset();
    if (!written)
        ::DeleteFileW(path.c_str());
    return written;
}

// What a replace left: the new file under the name; both files under their
// own names; or the old file under the backup name alone.
enum class Replaced { Done, NamesKept, OldAside };

Replaced ReplaceOnce(ReplaceFileFn replace, const std::wstring& path, const std::wstring& replacement,
                     const std::wstring& backup)
{
    // A merge error (attributes, ACLs) costs only what the old file had
    // besides its bytes; without the flag it fails the replace. Always a
    // backup name: without one, ERROR_UNABLE_TO_MOVE_REPLACEMENT leaves no
    // file under the name.
    if (replace(path.c_str(), replacement.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        return Replaced::Done;
    }
    // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 leaves the old file under the
    // backup name, any other error both files under their own. The name is
    // looked at, not the code: whenever the old file is aside, it goes back.
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES || ::MoveFileW(backup.c_str(), path.c_str())
               ? Replaced::NamesKept
               : Replaced::OldAside;
}

// Another program that holds either file (an editor, a sync client, a
// virus scanner reading the new one) often lets go within moments. This
// runs on the window's thread, at exit and at the session's end too: it
// waits 175 ms in all at most.
Replaced Replace(ReplaceFileFn replace, const std::wstring& path, const std::wstring& replacement,
                 const std::wstring& backup)
{
    Replaced result = ReplaceOnce(replace, path, replacement, backup);
    for (DWORD wait = 25; result == Replaced::NamesKept && wait <= 100; wait *= 2) {
        ::Sleep(wait);
        result = ReplaceOnce(replace, path, replacement, backup);
    }
    return result;
}

}  // namespace

FileRead ReadLeftBackup(const std::string& path, std::string& bytes)
{
    bytes.clear();
    const std::wstring file = Widen(path);
    const std::wstring backup = file + L".old";
    if (path.empty() || LeftoverAt(backup) != Leftover::Plain)
        return FileRead::Missing;
    const FileRead read = ReadWholeFile(path + ".old", bytes);
    // Moved, not copied: the file keeps what it had besides its bytes (the
    // installer lets users change this one file).
    if (read == FileRead::Read)
        ::MoveFileW(backup.c_str(), file.c_str());
    return read;
}

bool SaveWholeFile(const std::string& path, const std::string& bytes, ReplaceFileFn replace)
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
    if (exists && (IsLink(file, attributes) || HasOtherNames(file)))
        return WriteInPlace(file, bytes);
    // Beside the file, never in a temporary folder: a replace moves no
    // bytes from one volume to another.
    const std::wstring fresh = file + L".new";
    const std::wstring backup = file + L".old";
    const Leftover left = LeftoverAt(fresh);
    if (left == Leftover::Foreign || (exists && LeftoverAt(backup) == Leftover::Foreign))
        return exists ? WriteInPlace(file, bytes) : WriteNew(file, bytes);
    if (left == Leftover::Plain)
        ::DeleteFileW(fresh.c_str());
    // A folder that takes no new file (the installed case, where users may
    // change the file but nothing else beside the program), or a full disk.
    if (!WriteNew(fresh, bytes))
        return exists && WriteInPlace(file, bytes);
    const Replaced replaced = exists                                     ? Replace(replace, file, fresh, backup)
                              : ::MoveFileW(fresh.c_str(), file.c_str()) ? Replaced::Done
                                                                         : Replaced::NamesKept;
    if (replaced == Replaced::Done)
        return true;
    ::DeleteFileW(fresh.c_str());
    // An old file that could not go back is found by the next start
    // (ReadLeftBackup).
    return replaced == Replaced::NamesKept && WriteInPlace(file, bytes);
}

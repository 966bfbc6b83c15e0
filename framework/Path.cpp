#include "Path.h"

#include "framework/Utf8.h"

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string JoinPath(const std::string& directory, const std::string& fileName)
{
    if (Utf16Length(directory) + Utf16Length(fileName) > kMaxPathChars)
        return std::string();
    return directory + fileName;
}

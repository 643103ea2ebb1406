#include "platform/win32/win32_directory_search.h"

#include "platform/file_attributes.h"
#include "platform/host_names.h"
#include "platform/wildcard.h"
#include "platform/win32/file_times.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {
namespace {

SearchEntry EntryOf(const WIN32_FIND_DATAW& found, std::string name) {
    SearchEntry entry;
    entry.name = std::move(name);
    entry.attributes = AttributesOfHost(found.dwFileAttributes);
    if ((entry.attributes & kAttrDirectory) == 0) {
        entry.sizeHigh = found.nFileSizeHigh;
        entry.sizeLow = found.nFileSizeLow;
    }
    entry.date = DosDateTimeOfFileTime(found.ftLastWriteTime);
    entry.strange = IsStrangeHostName(entry.name);
    return entry;
}

}  // namespace

bool Win32DirectorySearch::Next(SearchEntry& entry) {
    SetLastError(HostError::None);
    if (next_ >= entries_.size()) return false;
    entry = std::move(entries_[next_++]);
    return true;
}

bool ListDirectory(const std::wstring& directory, bool isRoot, const std::string& namePattern,
                   std::uint32_t attributeFilter, std::vector<SearchEntry>& entries,
                   unsigned long& errorCode) {
    std::wstring all = directory;
    if (all.empty() || all.back() != L'\\') all += L'\\';
    all += L'*';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(all.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        errorCode = ::GetLastError();
        if (errorCode != ERROR_FILE_NOT_FOUND && errorCode != ERROR_NO_MORE_FILES) return false;
        // Nothing listed, not even "." and "..": an empty root, or no directory.
        const DWORD attributes = GetFileAttributesW(directory.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return true;
        }
        errorCode = ERROR_PATH_NOT_FOUND;
        return false;
    }
    do {
        std::string name = Utf8FromWide(found.cFileName);
        if (isRoot && (name == "." || name == "..")) continue;
        if (!MatchesWildcard(name, namePattern)) continue;
        SearchEntry entry = EntryOf(found, std::move(name));
        if (PassesSearchFilter(entry.attributes, attributeFilter)) {
            entries.push_back(std::move(entry));
        }
    } while (FindNextFileW(search, &found));
    errorCode = ::GetLastError();
    FindClose(search);
    if (errorCode == ERROR_NO_MORE_FILES) errorCode = ERROR_SUCCESS;
    return errorCode == ERROR_SUCCESS;
}

}  // namespace brenx::platform

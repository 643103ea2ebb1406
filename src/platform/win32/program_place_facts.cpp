#include "platform/win32/program_place_facts.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <vector>

#include "platform/run_token.h"
#include "platform/win32/win32_text.h"

namespace brenx::platform {
namespace {

std::string WithoutTrailingBackslash(std::string directory) {
    while (directory.size() > 3 && (directory.back() == '\\' || directory.back() == '/')) {
        directory.pop_back();
    }
    return directory;
}

// A drive path (c:\dir) or a network path (\\server\share).
bool IsAbsolute(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || (path.size() > 2 && path[0] == '\\' && path[1] == '\\');
}

std::string ShellFolder(int folder) {
    wchar_t path[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return Utf8FromWide(path);
}

// A folder of the user's or the system's: the variable's when it holds an
// absolute path, else the shell's.
std::string KnownFolder(const support::EnvironmentLookup& environment, const char* variable,
                        int shellFolder) {
    const std::string value = environment(variable);
    if (IsAbsolute(value)) return WithoutTrailingBackslash(value);
    return WithoutTrailingBackslash(ShellFolder(shellFolder));
}

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Makes every missing directory of the path; what exists is left as it is.
// A failure shows later, when a file is made there.
void MakeDirectories(const std::string& path) {
    std::wstring wide;
    if (!WideFromUtf8(path, wide)) return;
    const std::size_t first = wide.starts_with(L"\\\\") ? wide.find(L'\\', 2) : 2;
    for (std::size_t slash = wide.find_first_of(L"\\/", first + 1);;
         slash = wide.find_first_of(L"\\/", slash + 1)) {
        const std::wstring prefix = wide.substr(0, slash);
        if (!IsDirectory(prefix)) CreateDirectoryW(prefix.c_str(), nullptr);
        if (slash == std::wstring::npos) return;
    }
}

// A new file that goes when it is closed tells whether this process may
// make files there: the directory's rights, a read-only medium and a
// protected folder all say no.
bool MayMakeFilesIn(const std::string& directory) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::wstring probe;
        if (!WideFromUtf8(directory + "\\brenx-" + NewRunToken() + ".tmp", probe)) return false;
        const HANDLE file = CreateFileW(
            probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

}  // namespace

Win32ProgramFacts::Win32ProgramFacts(std::string programDirectory,
                                     const support::EnvironmentLookup& environment)
    : program_(WithoutTrailingBackslash(std::move(programDirectory))), environment_(environment) {}

bool Win32ProgramFacts::Installed() {
    const std::string localPrograms =
        KnownFolder(environment_, "LOCALAPPDATA", CSIDL_LOCAL_APPDATA);
    const std::string folders[] = {
        KnownFolder(environment_, "ProgramFiles", CSIDL_PROGRAM_FILES),
        KnownFolder(environment_, "ProgramFiles(x86)", CSIDL_PROGRAM_FILESX86),
        KnownFolder(environment_, "ProgramW6432", CSIDL_PROGRAM_FILES),
        localPrograms.empty() ? std::string() : localPrograms + "\\Programs",
    };
    for (const std::string& folder : folders) {
        if (LiesWithin(program_, folder)) return true;
    }
    return false;
}

bool Win32ProgramFacts::MayWriteProgramDirectory() {
    return !program_.empty() && MayMakeFilesIn(program_);
}

std::string Win32ProgramFacts::UserDirectory(UserData kind) {
    const std::string base = kind == UserData::Config
                                 ? KnownFolder(environment_, "APPDATA", CSIDL_APPDATA)
                                 : KnownFolder(environment_, "LOCALAPPDATA", CSIDL_LOCAL_APPDATA);
    if (base.empty()) return {};
    const std::string directory = base + "\\" + kProgramFolderName;
    MakeDirectories(directory);
    return directory;
}

std::string Win32ProgramFacts::SystemSettingsDirectory() {
    const std::string base = KnownFolder(environment_, "ProgramData", CSIDL_COMMON_APPDATA);
    return base.empty() ? std::string() : base + "\\" + kProgramFolderName;
}

std::string ModuleDirectory() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) break;
        path.resize(path.size() * 2);
    }
    std::wstring_view file(path.data(), length);
    // A program started by its long form: the drive or network path itself.
    std::string network;
    if (file.starts_with(L"\\\\?\\UNC\\")) {
        file.remove_prefix(8);
        network = "\\\\";
    } else if (file.starts_with(L"\\\\?\\")) {
        file.remove_prefix(4);
    }
    const std::size_t slash = file.find_last_of(L'\\');
    if (slash == std::wstring_view::npos) return {};
    return WithoutTrailingBackslash(network + Utf8FromWide(file.substr(0, slash + 1)));
}

bool LiesWithin(std::string_view directory, std::string_view folder) {
    std::wstring wideDirectory = WideFromUtf8(directory);
    std::wstring wideFolder = WideFromUtf8(folder);
    for (std::wstring* path : {&wideDirectory, &wideFolder}) {
        for (wchar_t& c : *path) {
            if (c == L'/') c = L'\\';
        }
        while (!path->empty() && path->back() == L'\\')
            path->pop_back();
    }
    if (wideFolder.empty() || wideDirectory.size() < wideFolder.size()) return false;
    if (wideDirectory.size() > wideFolder.size() && wideDirectory[wideFolder.size()] != L'\\') {
        return false;
    }
    return CompareStringOrdinal(wideDirectory.data(), static_cast<int>(wideFolder.size()),
                                wideFolder.data(), static_cast<int>(wideFolder.size()),
                                TRUE) == CSTR_EQUAL;
}

ProgramPlaces FindProgramPlaces(const std::string& programDirectory,
                                const support::EnvironmentLookup& environment) {
    Win32ProgramFacts facts(programDirectory, environment);
    return PlaceProgramFiles(facts);
}

// The program's directory is the host's name for it: the drive letters of
// the running program are the host's own.
ProgramPlaces FindProgramPlaces(FileSystem&, const support::EnvironmentLookup& environment) {
    const std::string programDirectory = ModuleDirectory();
    if (programDirectory.empty()) return ProgramPlaces(programDirectory);
    return FindProgramPlaces(programDirectory, environment);
}

}  // namespace brenx::platform

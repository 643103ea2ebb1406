#include "platform/program_directory.h"

#include "support/path_names.h"

namespace brenx::platform {

std::string ProgramDirectory(FileSystem& fileSystem) {
    const std::string program = fileSystem.ProgramPath();
    const std::size_t slash = program.rfind('\\');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

std::string ProgramDirectoryWithBackslash(FileSystem& fileSystem) {
    return support::WithTrailingBackslash(ProgramDirectory(fileSystem));
}

std::string CurrentDirectoryWithBackslash(FileSystem& fileSystem) {
    return support::WithTrailingBackslash(fileSystem.CurrentDirectory());
}

void ResolveInCurrentDirectory(FileSystem& fileSystem, std::string& name) {
    if (name.empty() || support::HasPathSyntax(name)) return;
    support::ResolveBareName(name, CurrentDirectoryWithBackslash(fileSystem));
}

void ResolveInProgramDirectory(FileSystem& fileSystem, std::string& name) {
    if (name.empty()) return;
    support::ResolveProgramRelativeName(name, ProgramDirectoryWithBackslash(fileSystem));
}

}  // namespace brenx::platform

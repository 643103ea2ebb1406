#include "platform/program_places.h"

namespace brenx::platform {
namespace {

std::string OrElse(std::string directory, const std::string& fallback) {
    return directory.empty() ? fallback : directory;
}

}  // namespace

ProgramPlaces::ProgramPlaces(std::string programDirectory)
    : program(programDirectory),
      resources(programDirectory),
      logs(programDirectory),
      placement(programDirectory),
      settings{std::move(programDirectory)} {}

const std::string& ProgramPlaces::Of(ProgramFile kind) const {
    switch (kind) {
        case ProgramFile::Resource:
            return resources;
        case ProgramFile::Log:
            return logs;
        case ProgramFile::Placement:
            break;
    }
    return placement;
}

ProgramPlaces PlaceProgramFiles(ProgramHostFacts& host) {
    using UserData = ProgramHostFacts::UserData;
    ProgramPlaces places(host.ProgramDirectory());
    const bool installed = host.Installed();
    if (!installed && host.MayWriteProgramDirectory()) return places;

    places.logs = OrElse(host.UserDirectory(UserData::State), places.program);
    places.placement = OrElse(host.UserDirectory(UserData::Config), places.program);
    if (installed) {
        places.resources = OrElse(host.DataDirectory(), places.program);
        places.settings = {places.placement,
                           OrElse(host.SystemSettingsDirectory(), places.program)};
    }
    return places;
}

}  // namespace brenx::platform

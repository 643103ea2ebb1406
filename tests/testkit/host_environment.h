#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// Setting the process's environment from a test on either host.
namespace brenx::testkit {

inline void SetVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void ClearVariable(const std::string& name) {
#ifdef _WIN32
    _putenv_s(name.c_str(), "");  // an empty value removes it
#else
    unsetenv(name.c_str());
#endif
}

// The C library reads TZ again.
inline void ReadTimeZone() {
#ifdef _WIN32
    _tzset();
#else
    tzset();
#endif
}

}  // namespace brenx::testkit

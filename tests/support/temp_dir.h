// A scratch directory for one test, removed with everything in it when the
// test ends, so that no test touches the user's real files.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Whole-file helpers for fixtures and expectations.
std::string ReadFile(const std::string& file);
void WriteFile(const std::string& file, const std::string& bytes);

// Sets an environment variable for the lifetime of the object and restores
// the previous value (or its absence) afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_hadOld;
};

}  // namespace testing_support

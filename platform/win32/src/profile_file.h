// Profile files on disk, around the engine of profile_model.h.
//
//   WindowsDirectory     where names without a directory part live
//   ResolveProfilePath   where a name given to the profile calls lives
//   CCachedProfile       the parsed file, reused while the file is unchanged
//   WriteProfile         one locked read-modify-write, replacing the file
//                        atomically and durably
//   ForgetCachedProfile  drops one file from the cache
//   SetDurableWrites     internal hook: writes without fsync
//
// The cache holds the last MAX_CACHED_FILES files a process read or wrote. An
// entry stays valid while the file's device, inode, size and modification
// time (in ns) are unchanged; it keeps the file open, so that no later file
// can be given the same inode number while it is cached.
#pragma once

#include "profile_model.h"

#include <functional>
#include <mutex>
#include <string>

namespace win32::profile {

std::string WindowsDirectory();

struct SProfilePath {
    std::string path;
    bool inWindowsDirectory = false;  // the directory is created on the first write
};

// A name without '\' or '/' lives in the Windows directory; any other is
// taken as it is (relative to the current directory), '\' read as '/'.
SProfilePath ResolveProfilePath(const char* fileName);

// Holds the cache's lock while the caller reads the parsed file. A missing or
// unreadable file reads as an empty profile.
class CCachedProfile {
public:
    explicit CCachedProfile(const std::string& path);
    const CProfile& Get() const { return *m_pProfile; }

private:
    std::unique_lock<std::mutex> m_lock;
    const CProfile* m_pProfile = nullptr;
};

enum class EMissingFile { Create, LeaveMissing };

// Applies edit, which returns whether it changed the bytes, to the file as it
// is on disk, under an exclusive lock on "<file>.lock" held by every writer.
// Returns false when the file could not be written; it is then exactly as it
// was.
bool WriteProfile(const SProfilePath& where, EMissingFile missing, const std::function<bool(CProfile&)>& edit);

void ForgetCachedProfile(const std::string& path);

// On by default: fsync the new file and its directory. Benchmarks and the
// lock tests turn it off to measure or exercise everything else.
PROFILE_API void SetDurableWrites(bool durable);

}  // namespace win32::profile

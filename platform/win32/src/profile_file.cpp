#include "profile_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace win32::profile {
namespace {

constexpr std::size_t MAX_CACHED_FILES = 8;
constexpr const char* DEFAULT_PROFILE = "win.ini";
constexpr const char* LOCK_SUFFIX = ".lock";
constexpr const char* TEMP_SUFFIX = ".tmp";
constexpr std::size_t READ_CHUNK = 4096;
constexpr mode_t ANY_WRITE_BIT = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t PERMISSION_BITS = 07777;
constexpr long long NS_PER_SECOND = 1000000000LL;

std::atomic<bool> g_durableWrites{true};

class CUniqueFd {
public:
    CUniqueFd() = default;
    explicit CUniqueFd(int fd) : m_fd(fd) {}
    CUniqueFd(CUniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    CUniqueFd& operator=(CUniqueFd&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    ~CUniqueFd() { Close(); }

    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd = -1;
};

struct SFileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long mtimeNs = 0;
    bool operator==(const SFileIdentity&) const = default;
};

SFileIdentity IdentityOf(const struct stat& status)
{
    return {status.st_dev, status.st_ino, status.st_size,
            status.st_mtim.tv_sec * NS_PER_SECOND + status.st_mtim.tv_nsec};
}

struct SCachedFile {
    std::string path;  // as the calls resolved it: the cache's key
    SFileIdentity identity;
    CUniqueFd file;  // pins the inode number while cached
    std::unique_ptr<CProfile> profile;
};

// Accessed on one thread in practice; the mutex keeps a second one safe.
class CProfileCache {
public:
    std::mutex& Mutex() { return m_mutex; }

    // The functions below are called with Mutex() held.
    SCachedFile* Find(const std::string& path)
    {
        const auto found = FindEntry(path);
        if (found == m_vecFiles.end())
            return nullptr;
        std::rotate(m_vecFiles.begin(), found, found + 1);
        return &m_vecFiles.front();
    }

    std::optional<SCachedFile> Take(const std::string& path)
    {
        const auto found = FindEntry(path);
        if (found == m_vecFiles.end())
            return std::nullopt;
        SCachedFile file = std::move(*found);
        m_vecFiles.erase(found);
        return file;
    }

    SCachedFile& Store(SCachedFile file)
    {
        Forget(file.path);
        m_vecFiles.insert(m_vecFiles.begin(), std::move(file));
        if (m_vecFiles.size() > MAX_CACHED_FILES)
            m_vecFiles.pop_back();
        return m_vecFiles.front();
    }

    void Forget(const std::string& path)
    {
        const auto found = FindEntry(path);
        if (found != m_vecFiles.end())
            m_vecFiles.erase(found);
    }

private:
    std::vector<SCachedFile>::iterator FindEntry(const std::string& path)
    {
        return std::find_if(m_vecFiles.begin(), m_vecFiles.end(),
                            [&](const SCachedFile& file) { return file.path == path; });
    }

    std::mutex m_mutex;
    std::vector<SCachedFile> m_vecFiles;  // most recently used first
};

// Never destroyed: a plug-in may save its settings from a static destructor.
CProfileCache& Cache()
{
    static CProfileCache& cache = *new CProfileCache;
    return cache;
}

const CProfile& EmptyProfile()
{
    static const CProfile& empty = *new CProfile;
    return empty;
}

// Reads to the end, even past the size fstat gave if the file grew meanwhile.
bool ReadAll(int fd, std::size_t expected, std::string& bytes)
{
    ReserveLarge(bytes, expected);
    bytes.resize(expected);
    std::size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            break;
        used += static_cast<std::size_t>(count);
    }
    bytes.resize(used);
    if (used < expected)
        return true;
    std::array<char, READ_CHUNK> chunk;
    for (;;) {
        const ssize_t count = ::read(fd, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        if (bytes.size() + static_cast<std::size_t>(count) > MAX_PROFILE_BYTES)
            return false;
        bytes.append(chunk.data(), static_cast<std::size_t>(count));
    }
}

enum class ELoad { Loaded, Missing, Failed };

ELoad LoadFile(const std::string& path, SCachedFile& into)
{
    // O_NONBLOCK: a FIFO under a profile's name must not hang the caller.
    CUniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file)
        return errno == ENOENT || errno == ENOTDIR ? ELoad::Missing : ELoad::Failed;
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) > MAX_PROFILE_BYTES)
        return ELoad::Failed;
    // The identity is taken before reading: a file changed while it is read
    // then differs from it at the next check and is read again.
    // An outdated model lends its memory to the new one.
    std::string bytes = into.profile ? into.profile->ReleaseBytes() : std::string();
    if (!ReadAll(file.Get(), static_cast<std::size_t>(status.st_size), bytes))
        return ELoad::Failed;
    into.identity = IdentityOf(status);
    into.file = std::move(file);
    if (into.profile)
        into.profile->Assign(std::move(bytes));
    else
        into.profile = std::make_unique<CProfile>(std::move(bytes));
    return ELoad::Loaded;
}

std::string DirectoryOf(const std::string& path)
{
    const std::string directory = std::filesystem::path(path).parent_path().string();
    return directory.empty() ? "." : directory;
}

// Windows will not open a read-only file for writing, not even for an
// administrator: a file or directory without any write bit is read-only here
// whoever asks, and otherwise the caller needs write access.
bool IsWritable(const std::string& path, const struct stat* file)
{
    const std::string directory = DirectoryOf(path);
    struct stat status {};
    if (::stat(directory.c_str(), &status) != 0 || !(status.st_mode & ANY_WRITE_BIT) ||
        ::access(directory.c_str(), W_OK | X_OK) != 0)
        return false;
    return !file || ((file->st_mode & ANY_WRITE_BIT) && ::access(path.c_str(), W_OK) == 0);
}

// The lock lives on a file of its own: the profile itself is replaced by each
// write, and a lock on a replaced inode would exclude nobody.
CUniqueFd LockBeside(const std::string& path)
{
    const std::string lockPath = path + LOCK_SUFFIX;
    CUniqueFd lock(::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!lock)
        return {};
    while (::flock(lock.Get(), LOCK_EX) != 0)
        if (errno != EINTR)
            return {};
    return lock;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

void SyncDirectory(const std::string& directory)
{
    CUniqueFd dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.Get());
}

// Writes bytes beside path and renames them over it, so that a reader or a
// crash sees the old file or the new one, never a part. Returns the new file,
// open, or nothing when path is as it was.
CUniqueFd ReplaceFile(const std::string& path, std::string_view bytes, const struct stat* old)
{
    const std::string temp = path + TEMP_SUFFIX;
    ::unlink(temp.c_str());  // left by a writer that was killed: the lock says no one else uses it
    CUniqueFd file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file)
        return {};
    const auto fail = [&] {
        ::unlink(temp.c_str());
        return CUniqueFd{};
    };
    if (old) {
        if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
            ::fchown(file.Get(), old->st_uid, old->st_gid) != 0) {
            // Only a privileged writer can keep another owner; the file still works.
        }
        if (::fchmod(file.Get(), old->st_mode & PERMISSION_BITS) != 0)
            return fail();
    }
    const bool durable = g_durableWrites.load(std::memory_order_relaxed);
    if (!WriteAll(file.Get(), bytes) || (durable && ::fsync(file.Get()) != 0))
        return fail();
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail();
    if (durable)
        SyncDirectory(DirectoryOf(path));
    return file;
}

// A symbolic link is followed, so that the file it names is updated rather
// than replaced by a plain file.
std::optional<std::string> WriteTarget(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    if (error)
        return std::nullopt;
    return target.string();
}

}  // namespace

std::string WindowsDirectory()
{
    std::string directory;
    if (const char* windir = std::getenv("TOVIK_WINDIR"); windir && *windir) {
        directory = windir;
    } else if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') {
        directory = std::string(config) + "/tovik";
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* user = ::getpwuid(::getuid());
            home = user ? user->pw_dir : "/";
        }
        directory = std::string(home) + "/.config/tovik";
    }
    // Like Windows' own directory, it has no trailing separator.
    while (directory.size() > 1 && directory.back() == '/')
        directory.pop_back();
    return directory;
}

SProfilePath ResolveProfilePath(const char* fileName)
{
    std::string name = fileName ? fileName : DEFAULT_PROFILE;
    if (name.find_first_of("\\/") == std::string::npos)
        return {WindowsDirectory() + "/" + name, true};
    std::replace(name.begin(), name.end(), '\\', '/');
    return {name, false};
}

CCachedProfile::CCachedProfile(const std::string& path) : m_lock(Cache().Mutex()), m_pProfile(&EmptyProfile())
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    if (const SCachedFile* cached = Cache().Find(path); cached && cached->identity == IdentityOf(status)) {
        m_pProfile = cached->profile.get();
        return;
    }
    SCachedFile loaded = Cache().Take(path).value_or(SCachedFile{});
    loaded.path = path;
    if (LoadFile(path, loaded) == ELoad::Loaded)
        m_pProfile = Cache().Store(std::move(loaded)).profile.get();
}

bool WriteProfile(const SProfilePath& where, EMissingFile missing, const std::function<bool(CProfile&)>& edit)
{
    const std::lock_guard<std::mutex> guard(Cache().Mutex());
    const std::optional<std::string> target = WriteTarget(where.path);
    if (!target)
        return false;
    const std::string& path = *target;
    struct stat status {};
    bool exists = ::stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (!exists && missing == EMissingFile::LeaveMissing)
        return true;  // nothing to delete, and nothing to create
    if (exists && !S_ISREG(status.st_mode))
        return false;
    if (!exists && where.inWindowsDirectory) {
        std::error_code error;
        std::filesystem::create_directories(DirectoryOf(path), error);
        if (error)
            return false;
    }
    // Checked before the lock file is made, so that a refused write leaves
    // no trace either.
    if (!IsWritable(path, exists ? &status : nullptr))
        return false;

    const CUniqueFd lock = LockBeside(path);
    if (!lock)
        return false;
    // Under the lock the file is what the last writer left, which may be
    // another process: look again.
    exists = ::stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (!exists && missing == EMissingFile::LeaveMissing)
        return true;

    SCachedFile current = Cache().Take(where.path).value_or(SCachedFile{});
    if (exists && (!current.profile || current.identity != IdentityOf(status))) {
        if (LoadFile(path, current) != ELoad::Loaded)
            return false;
    } else if (!exists) {
        current.profile = std::make_unique<CProfile>();
    }
    current.path = where.path;

    if (!edit(*current.profile)) {
        if (exists)
            Cache().Store(std::move(current));
        return true;
    }
    // Past here the model is ahead of the disk: on failure it is dropped.
    if (current.profile->Bytes().size() > MAX_PROFILE_BYTES)
        return false;
    CUniqueFd written = ReplaceFile(path, current.profile->Bytes(), exists ? &status : nullptr);
    if (!written)
        return false;
    struct stat replaced {};
    if (::fstat(written.Get(), &replaced) != 0)
        return true;  // written, but not cached
    current.identity = IdentityOf(replaced);
    current.file = std::move(written);
    Cache().Store(std::move(current));
    return true;
}

void ForgetCachedProfile(const std::string& path)
{
    const std::lock_guard<std::mutex> guard(Cache().Mutex());
    Cache().Forget(path);
}

void SetDurableWrites(bool durable)
{
    g_durableWrites.store(durable, std::memory_order_relaxed);
}

}  // namespace win32::profile

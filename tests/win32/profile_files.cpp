// Profile files on disk: where a name lives, writes that survive a killed
// writer and refuse what they cannot do cleanly, writers in several processes,
// and a cache that never serves a replaced file.
#include "winbase.h"

#include "profile_test_hooks.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;
namespace fs = std::filesystem;

namespace {

std::string Read(const std::string& file, const char* section, const char* key)
{
    std::vector<char> buffer(1 << 20);
    const DWORD length = GetPrivateProfileStringA(section, key, "<default>", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    return std::string(buffer.data(), length);
}

// Runs body in a child process and returns its exit status (-1 if it died).
int RunInChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> FileNames(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const fs::path& dir) : m_old(fs::current_path()) { fs::current_path(dir); }
    ~ScopedCurrentDirectory() { fs::current_path(m_old); }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    fs::path m_old;
};

TEST(ProfileFiles, WindowsDirectoryComesFromTheEnvironment)
{
    const struct {
        const char* windir;
        const char* xdg;
        const char* home;
        std::string expected;
    } cases[] = {
        {"/srv/win", "/xdg", "/home/u", "/srv/win"},
        {"/srv/win//", "/xdg", "/home/u", "/srv/win"},
        {"", "/xdg", "/home/u", "/xdg/tovik"},
        {nullptr, "/xdg", "/home/u", "/xdg/tovik"},
        {nullptr, "relative/xdg", "/home/u", "/home/u/.config/tovik"},
        {nullptr, nullptr, "/home/u", "/home/u/.config/tovik"},
    };
    for (const auto& row : cases) {
        const ScopedEnv windir("TOVIK_WINDIR", row.windir);
        const ScopedEnv xdg("XDG_CONFIG_HOME", row.xdg);
        const ScopedEnv home("HOME", row.home);
        char buffer[MAX_PATH];
        const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, length), row.expected) << row.expected;
    }
}

TEST(ProfileFiles, GetWindowsDirectoryReportsTheSizeItNeeds)
{
    const ScopedEnv windir("TOVIK_WINDIR", "/srv/win");  // 8 characters
    char buffer[16] = "untouched";
    EXPECT_EQ(GetWindowsDirectoryA(buffer, 8), 9u) << "too small: size needed, NUL included";
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(GetWindowsDirectoryA(nullptr, 0), 9u);
    EXPECT_EQ(GetWindowsDirectoryA(buffer, 9), 8u) << "fits: length without NUL";
    EXPECT_STREQ(buffer, "/srv/win");
}

TEST(ProfileFiles, NamesResolveAsWindowsResolvesThem)
{
    const TempDir dir;
    const fs::path windir = dir.path() / "not" / "yet";
    const ScopedEnv env("TOVIK_WINDIR", windir.c_str());
    const ScopedCurrentDirectory cwd(dir.path());

    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "bare", "app.ini"));
    EXPECT_EQ(ReadFile((windir / "app.ini").string()), "[S]\r\nk=bare\r\n") << "bare name: Windows directory, created";
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "default", nullptr));
    EXPECT_EQ(Read((windir / "win.ini").string(), "S", "k"), "default") << "no name: win.ini";

    fs::create_directory(dir.path() / "conf");
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "backslash", "conf\\here.ini"));
    EXPECT_EQ(Read((dir.path() / "conf" / "here.ini").string(), "S", "k"), "backslash") << "relative to cwd";
    EXPECT_EQ(Read("conf/here.ini", "S", "k"), "backslash") << "'/' and '\\' are one separator";
    EXPECT_EQ(Read("./conf\\here.ini", "S", "k"), "backslash");
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", "missing\\x.ini")) << "only the Windows directory is made";
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

// A writer killed at any moment leaves the old file or the new one, and a
// reader meanwhile sees one or the other, whole.
TEST(ProfileFiles, KilledWriterLeavesOldOrNewFileWhole)
{
    const TempDir dir;
    const std::string file = dir / "crash.ini";
    constexpr size_t VALUE_BYTES = 64 * 1024;
    constexpr int LETTERS = 26;
    const auto isWholeVersion = [&](const std::string& bytes) {
        const std::string prefix = "[S]\r\nk=";
        if (bytes.size() != prefix.size() + VALUE_BYTES + 2 || bytes.rfind(prefix, 0) != 0)
            return false;
        const char letter = bytes[prefix.size()];
        return letter >= 'a' && letter < 'a' + LETTERS &&
               bytes == prefix + std::string(VALUE_BYTES, letter) + "\r\n";
    };
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", std::string(VALUE_BYTES, 'a').c_str(), file.c_str()));

    std::mt19937 random(1234);
    for (int round = 0; round < 25; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            for (int i = 1;; ++i)
                WritePrivateProfileStringA("S", "k", std::string(VALUE_BYTES, static_cast<char>('a' + i % LETTERS)).c_str(),
                                           file.c_str());
        }
        const auto killAt = std::chrono::steady_clock::now() + std::chrono::microseconds(500 + random() % 15000);
        while (std::chrono::steady_clock::now() < killAt)
            ASSERT_TRUE(isWholeVersion(ReadFile(file))) << "round " << round << ": a reader saw a partial file";
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        ASSERT_TRUE(isWholeVersion(ReadFile(file))) << "round " << round;
        ASSERT_EQ(Read(file, "S", "k").size(), VALUE_BYTES) << "round " << round;
    }
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "after", file.c_str())) << "the killed writers' lock is gone";
    EXPECT_EQ(ReadFile(file), "[S]\r\nk=after\r\n");
}

// Each setup makes the write impossible; the call says so and the file keeps
// every byte, with no temporary file left beside it.
TEST(ProfileFiles, FailedWriteLeavesFileAsItWas)
{
    const std::string before = "; settings\r\n[S]\r\nk=old\r\n";
    const struct {
        const char* name;
        std::string fileName;
        std::function<void(const fs::path& dir, const std::string& file)> setup;
        bool inChild;  // for limits that must not reach the test program
    } cases[] = {
        {"read-only directory", "a.ini",
         [](const fs::path& dir, const std::string&) { fs::permissions(dir, fs::perms(0555)); }, false},
        {"read-only file", "a.ini", [](const fs::path&, const std::string& file) { ::chmod(file.c_str(), 0444); },
         false},
        {"name too long for the files beside it", std::string(NAME_MAX - 2, 'n'), [](const fs::path&, const std::string&) {},
         false},
        {"disk full",
         "a.ini",
         [](const fs::path&, const std::string&) {
             const rlimit limit{4096, 4096};
             ::setrlimit(RLIMIT_FSIZE, &limit);
             ::signal(SIGXFSZ, SIG_IGN);
         },
         true},
    };
    for (const auto& row : cases) {
        const TempDir scratch;
        const fs::path dir = scratch.path() / "profiles";
        fs::create_directory(dir);
        const std::string file = (dir / row.fileName).string();
        WriteFile(file, before);
        const std::vector<std::string> namesBefore = FileNames(dir);
        const std::string bigValue(16 * 1024, 'x');
        ASSERT_EQ(Read(file, "S", "k"), "old") << row.name;  // cached before the write
        if (row.inChild) {
            EXPECT_EQ(RunInChild([&] {
                          row.setup(dir, file);
                          if (WritePrivateProfileStringA("S", "k", bigValue.c_str(), file.c_str()))
                              return 1;
                          return Read(file, "S", "k") == "old" ? 0 : 2;
                      }),
                      0)
                << row.name << ": 1 if the write succeeded, 2 if the cache ran ahead of the disk";
        } else {
            row.setup(dir, file);
            EXPECT_FALSE(WritePrivateProfileStringA("S", "k", bigValue.c_str(), file.c_str())) << row.name;
            EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "old", file.c_str())) << row.name << ", equal value";
            EXPECT_FALSE(WritePrivateProfileStringA("T", "new", "v", file.c_str())) << row.name << ", new section";
            EXPECT_EQ(Read(file, "S", "k"), "old") << row.name << ": the cache must not run ahead of the disk";
        }
        fs::permissions(dir, fs::perms::owner_all);
        ::chmod(file.c_str(), 0644);
        EXPECT_EQ(ReadFile(file), before) << row.name;
        std::vector<std::string> namesAfter = FileNames(dir);
        std::erase(namesAfter, row.fileName + ".lock");
        EXPECT_EQ(namesAfter, namesBefore) << row.name << ": nothing left beside the file";
    }
}

TEST(ProfileFiles, ReplacementKeepsPermissionsAndFollowsLinks)
{
    const TempDir dir;
    const std::string file = dir / "private.ini";
    WriteFile(file, "[S]\nk=1\n");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "2", file.c_str()));
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    const std::string link = dir / "link.ini";
    fs::create_symlink(file, link);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "3", link.c_str()));
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(ReadFile(file), "[S]\nk=3\n");
    EXPECT_EQ(Read(link, "S", "k"), "3");
}

// Eight processes write their own keys of one file: the lock makes every
// read-modify-write see the writes before it, so none is lost.
TEST(ProfileFiles, ConcurrentWritersLoseNothing)
{
    const profile_testing::ScopedFastWrites fastWrites;
    const TempDir dir;
    const std::string file = dir / "shared.ini";
    constexpr int WRITERS = 8;
    constexpr int WRITES = 1000;
    std::vector<pid_t> writers;
    for (int w = 0; w < WRITERS; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int failures = 0;
            const std::string section = "Writer" + std::to_string(w);
            for (int i = 0; i < WRITES; ++i) {
                const std::string key = "w" + std::to_string(w) + "_" + std::to_string(i);
                failures += !WritePrivateProfileStringA(section.c_str(), key.c_str(), std::to_string(i).c_str(),
                                                        file.c_str());
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        writers.push_back(pid);
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer " << pid << " had a failed write";
    }
    int lost = 0;
    for (int w = 0; w < WRITERS; ++w)
        for (int i = 0; i < WRITES; ++i) {
            const std::string section = "Writer" + std::to_string(w);
            const std::string key = "w" + std::to_string(w) + "_" + std::to_string(i);
            lost += Read(file, section.c_str(), key.c_str()) != std::to_string(i);
        }
    EXPECT_EQ(lost, 0) << "of " << WRITERS * WRITES << " keys";
}

// The cached parse is keyed by the file's identity; a replacement by rename
// always changes it, even with the same size and modification time.
TEST(ProfileFiles, CacheNeverServesAReplacedFile)
{
    const TempDir dir;
    const std::string file = dir / "cached.ini";
    WriteFile(file, "[S]\nk=old\n");
    const struct timespec sameTime[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), sameTime, 0), 0);
    ASSERT_EQ(Read(file, "S", "k"), "old");

    const std::string next = dir / "next.ini";
    WriteFile(next, "[S]\nk=new\n");
    ASSERT_EQ(::utimensat(AT_FDCWD, next.c_str(), sameTime, 0), 0);
    ASSERT_EQ(::rename(next.c_str(), file.c_str()), 0);
    EXPECT_EQ(Read(file, "S", "k"), "new") << "same size and time, new inode";

    WriteFile(file, "[S]\nk=longer\n");
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), sameTime, 0), 0);
    EXPECT_EQ(Read(file, "S", "k"), "longer") << "rewritten in place, new size";

    // With device, inode, size and time all unchanged the parse is reused:
    // the one edit the cache cannot see, and the proof that it is used.
    WriteFile(file, "[S]\nk=other!\n");
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), sameTime, 0), 0);
    EXPECT_EQ(Read(file, "S", "k"), "longer");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    EXPECT_EQ(Read(file, "S", "k"), "other!") << "the flush call forgets the cached copy";

    ::unlink(file.c_str());
    EXPECT_EQ(Read(file, "S", "k"), "<default>") << "deleted";
}

}  // namespace

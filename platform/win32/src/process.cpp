// Processes: CreateProcessA with Windows command-line rules, process and
// thread handles, waiting and exit codes.
//
// The command line is split into arguments as CommandLineToArgvW splits it,
// and the program is started with posix_spawn in its working directory, with
// the parent's environment and standard streams. A process handle and its
// thread handle name the same child; waiting on either waits for the child.
// A child whose handles are all closed before it ends is reaped in the
// background, so none is left a zombie.
#include <windows.h>

#include <win32_process.h>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kWindowsExecutableExtension = ".exe";
constexpr DWORD kExitCodeOfSignal = 128;  // a child killed by signal n ends with 128 + n, as shells report
// Waiting polls the child, backing off from the first to the longest pause.
constexpr std::chrono::milliseconds kFirstPollPause{1};
constexpr std::chrono::milliseconds kLongestPollPause{10};
// Process handles count from here, apart from GDI and window handles.
constexpr std::uintptr_t kFirstProcessHandle = 0x7000'0000;
constexpr std::uintptr_t kHandleStep = 4;

// ---- Command line --------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name ends at the next quote if it starts with one, else at the
// first blank; backslashes mean nothing in it. The other arguments follow the
// escaping rules: 2n backslashes and a quote give n backslashes and open or
// close quoting, 2n + 1 backslashes and a quote give n backslashes and a
// literal quote, other backslashes are literal, and "" inside quotes is a
// literal quote.
std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> arguments;
    size_t i = 0;
    std::string program;
    if (i < line.size() && line[i] == '"') {
        const size_t close = line.find('"', i + 1);
        program = line.substr(i + 1, (close == std::string::npos ? line.size() : close) - i - 1);
        i = close == std::string::npos ? line.size() : close + 1;
    } else {
        while (i < line.size() && !IsBlank(line[i])) program += line[i++];
    }
    arguments.push_back(program);

    while (true) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size()) break;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            if (line[i] == '\\') {
                size_t backslashes = 0;
                while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
                if (i < line.size() && line[i] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"';
                        ++i;
                    }
                } else {
                    argument.append(backslashes, '\\');
                }
            } else if (line[i] == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                argument += line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

// ---- Finding the program ---------------------------------------------------------

// Windows paths use backslashes; they are taken as directory separators.
std::string ToNativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool IsExecutableFile(const std::string& path) {
    struct stat status{};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name as given, else with ".exe" when it has no extension, as Windows
// appends one.
std::optional<std::string> ExecutableAt(const std::string& path) {
    if (IsExecutableFile(path)) return path;
    if (BaseName(path).find('.') == std::string::npos && IsExecutableFile(path + kWindowsExecutableExtension)) {
        return path + kWindowsExecutableExtension;
    }
    return std::nullopt;
}

std::string CurrentDirectory() {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        buffer.resize(length);
        length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    return std::string(buffer.data(), std::min<size_t>(length, buffer.size()));
}

// An application name is taken as it is (relative to the current directory);
// a program named by the command line is looked for in the current directory,
// then along PATH when the name has no directory.
std::optional<std::string> FindProgram(const std::string& name, bool fromApplicationName) {
    if (name.empty()) return std::nullopt;
    const std::string native = ToNativePath(name);
    const std::string relative = native.front() == '/' ? native : CurrentDirectory() + "/" + native;
    if (std::optional<std::string> found = ExecutableAt(relative)) return found;
    if (fromApplicationName || native.find('/') != std::string::npos) return std::nullopt;
    const char* path = std::getenv("PATH");
    std::string directories = path ? path : "";
    size_t start = 0;
    while (start <= directories.size()) {
        const size_t end = std::min(directories.find(':', start), directories.size());
        const std::string directory = directories.substr(start, end - start);
        if (!directory.empty()) {
            if (std::optional<std::string> found = ExecutableAt(directory + "/" + native)) return found;
        }
        start = end + 1;
    }
    return std::nullopt;
}

DWORD ErrorOfErrno(int error) {
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOEXEC: return ERROR_BAD_EXE_FORMAT;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_INVALID_FUNCTION;
    }
}

// ---- Process objects and handles ----------------------------------------------------

struct Child {
    std::mutex lock;
    pid_t pid = 0;
    std::optional<DWORD> exitCode;  // set once the child has been reaped

    // Reaps the child if it has ended; true when it has.
    bool Poll() {
        std::lock_guard guard(lock);
        if (exitCode) return true;
        int status = 0;
        const pid_t result = waitpid(pid, &status, WNOHANG);
        if (result == 0) return false;
        if (result < 0) {
            exitCode = static_cast<DWORD>(ERROR_INVALID_FUNCTION);  // lost to someone else's waitpid
            return true;
        }
        exitCode = WIFEXITED(status) ? static_cast<DWORD>(WEXITSTATUS(status))
                                     : kExitCodeOfSignal + static_cast<DWORD>(WTERMSIG(status));
        return true;
    }
};

struct Handles {
    std::mutex lock;
    std::uintptr_t next = kFirstProcessHandle;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Child>> children;

    HANDLE Add(const std::shared_ptr<Child>& child) {
        std::lock_guard guard(lock);
        const std::uintptr_t value = next;
        next += kHandleStep;
        children.emplace(value, child);
        return reinterpret_cast<HANDLE>(value);
    }

    std::shared_ptr<Child> Find(HANDLE handle) {
        std::lock_guard guard(lock);
        auto it = children.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == children.end() ? nullptr : it->second;
    }

    std::shared_ptr<Child> Remove(HANDLE handle) {
        std::lock_guard guard(lock);
        auto it = children.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == children.end()) return nullptr;
        std::shared_ptr<Child> child = std::move(it->second);
        children.erase(it);
        return child;
    }
};

Handles& TheHandles() {
    static Handles handles;
    return handles;
}

struct LaunchHook {
    std::mutex lock;
    WIN32_LAUNCH_HOOK hook = nullptr;
    LPVOID context = nullptr;
};

LaunchHook& TheLaunchHook() {
    static LaunchHook hook;
    return hook;
}

std::optional<pid_t> Spawn(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& directory, int& error) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t pid = 0;
    error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return std::nullopt;
    return pid;
}

bool IsDirectory(const std::string& path) {
    struct stat status{};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

WIN32_LAUNCH_HOOK WINAPI Win32SetLaunchHook(WIN32_LAUNCH_HOOK hook, LPVOID context) {
    LaunchHook& launch = TheLaunchHook();
    std::lock_guard guard(launch.lock);
    WIN32_LAUNCH_HOOK previous = launch.hook;
    launch.hook = hook;
    launch.context = context;
    return previous;
}

BOOL WINAPI CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES,
                           LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCSTR lpCurrentDirectory,
                           LPSTARTUPINFOA lpStartupInfo, LPPROCESS_INFORMATION lpProcessInformation) {
    if ((!lpApplicationName && !lpCommandLine) || !lpStartupInfo || !lpProcessInformation) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string commandLine = lpCommandLine ? lpCommandLine : "";
    std::vector<std::string> arguments = SplitCommandLine(commandLine);
    const bool fromApplicationName = lpApplicationName != nullptr;
    const std::string named = fromApplicationName ? lpApplicationName : arguments.front();
    // Without a command line the program's argument 0 is its own name.
    if (commandLine.empty()) arguments = {named};

    const std::string directory =
        lpCurrentDirectory ? ToNativePath(lpCurrentDirectory) : CurrentDirectory();
    if (!IsDirectory(directory)) {
        SetLastError(ERROR_DIRECTORY);
        return FALSE;
    }

    auto child = std::make_shared<Child>();
    bool start = true;
    {
        LaunchHook& launch = TheLaunchHook();
        std::lock_guard guard(launch.lock);
        if (launch.hook) start = launch.hook(named.c_str(), commandLine.c_str(), directory.c_str(), launch.context);
    }
    if (start) {
        const std::optional<std::string> program = FindProgram(named, fromApplicationName);
        if (!program) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return FALSE;
        }
        int error = 0;
        const std::optional<pid_t> pid = Spawn(*program, arguments, directory, error);
        if (!pid) {
            SetLastError(ErrorOfErrno(error));
            return FALSE;
        }
        child->pid = *pid;
    } else {
        child->exitCode = 0;
    }

    Handles& handles = TheHandles();
    lpProcessInformation->hProcess = handles.Add(child);
    lpProcessInformation->hThread = handles.Add(child);
    lpProcessInformation->dwProcessId = static_cast<DWORD>(child->pid);
    lpProcessInformation->dwThreadId = static_cast<DWORD>(child->pid);
    return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
    std::shared_ptr<Child> child = TheHandles().Remove(hObject);
    if (!child) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // The last handle of a child that still runs: reap it when it ends.
    if (child.use_count() == 1 && !child->Poll()) {
        std::thread([child] {
            int status = 0;
            waitpid(child->pid, &status, 0);
        }).detach();
    }
    return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    std::shared_ptr<Child> child = TheHandles().Find(hHandle);
    if (!child) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(dwMilliseconds);
    std::chrono::milliseconds pause = kFirstPollPause;
    while (!child->Poll()) {
        if (dwMilliseconds != INFINITE && Clock::now() >= deadline) return WAIT_TIMEOUT;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestPollPause);
    }
    return WAIT_OBJECT_0;
}

BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
    std::shared_ptr<Child> child = TheHandles().Find(hProcess);
    if (!child || !lpExitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *lpExitCode = child->Poll() ? *child->exitCode : static_cast<DWORD>(STILL_ACTIVE);
    return TRUE;
}

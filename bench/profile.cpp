// The profile engine's speed: reads through the calls, cold (parse) and warm
// (file unchanged), the lookup alone, writes with and without fsync, and for
// scale inih and a plain memchr line scan over the same bytes.
//
// Arguments: 0 = 1 KB file, 1 = 1 MB (5,000 sections), 2 = 16 MB (100,000
// sections), generated in a temporary directory that is removed at exit.
#include "winbase.h"

#include "profile_file.h"
#include "profile_model.h"

#include <benchmark/benchmark.h>
#include <ini.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using win32::profile::CProfile;

constexpr int KEYS_PER_SECTION = 6;
constexpr int PAGE_KEYS = 7;  // the keys a settings page writes on Apply
constexpr int LOOKUP_NAMES = 4096;

struct SFileSpec {
    const char* label;
    int sections;
    std::size_t bytes;
};
constexpr std::array<SFileSpec, 3> FILE_SPECS = {{
    {"1KB", 5, 1024},
    {"1MB", 5000, 1024 * 1024},
    {"16MB", 100000, 16 * 1024 * 1024},
}};

std::string SectionName(int section)
{
    char name[32];
    std::snprintf(name, sizeof name, "Section%06d", section);
    return name;
}

std::string KeyName(int key)
{
    return "Setting" + std::to_string(key);
}

// Sections of KEYS_PER_SECTION keys, with values padded to reach the size,
// CRLF endings and a comment per section, as a real settings file has.
std::string MakeProfile(const SFileSpec& spec)
{
    const std::size_t perSection = spec.bytes / static_cast<std::size_t>(spec.sections);
    const std::size_t fixed = 16 + 16 + KEYS_PER_SECTION * 12;  // header, comment, key names and "=" CRLF
    const std::size_t valueBytes = perSection > fixed ? (perSection - fixed) / KEYS_PER_SECTION : 1;
    std::string bytes;
    bytes.reserve(spec.bytes + spec.bytes / 8);
    for (int s = 0; s < spec.sections; ++s) {
        bytes.append("[").append(SectionName(s)).append("]\r\n; page ").append(std::to_string(s)).append("\r\n");
        for (int k = 0; k < KEYS_PER_SECTION; ++k)
            bytes.append(KeyName(k)).append("=").append(valueBytes, static_cast<char>('a' + k)).append("\r\n");
    }
    return bytes;
}

// The generated files, made once, removed at exit.
class CFixtures {
public:
    CFixtures()
    {
        std::string pattern = (fs::temp_directory_path() / "dorvane-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_dir = pattern;
        for (const SFileSpec& spec : FILE_SPECS) {
            m_vecBytes.push_back(MakeProfile(spec));
            for (const char* use : {"read", "write"}) {
                std::ofstream out(Path(m_vecBytes.size() - 1, use), std::ios::binary);
                out << m_vecBytes.back();
            }
        }
    }
    ~CFixtures()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    std::string Path(std::size_t file, const char* use) const
    {
        return (m_dir / (std::string(use) + "_" + FILE_SPECS[file].label + ".ini")).string();
    }
    const std::string& Bytes(std::size_t file) const { return m_vecBytes[file]; }

private:
    fs::path m_dir;
    std::vector<std::string> m_vecBytes;
};

const CFixtures& Fixtures()
{
    static const CFixtures fixtures;
    return fixtures;
}

std::size_t FileArg(const benchmark::State& state)
{
    return static_cast<std::size_t>(state.range(0));
}

std::string MiddleSection(std::size_t file)
{
    return SectionName(FILE_SPECS[file].sections / 2);
}

void SetLabel(benchmark::State& state)
{
    state.SetLabel(FILE_SPECS[FileArg(state)].label);
}

// --- Reads ------------------------------------------------------------------

// The first call on the file: open, read, parse, look up. The flush call
// makes the engine forget its cached parse.
void BM_ColdRead(benchmark::State& state)
{
    const std::size_t file = FileArg(state);
    const std::string path = Fixtures().Path(file, "read");
    const std::string section = MiddleSection(file);
    char buffer[256];
    for (auto _ : state) {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        benchmark::DoNotOptimize(
            GetPrivateProfileStringA(section.c_str(), "Setting3", "", buffer, sizeof buffer, path.c_str()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Fixtures().Bytes(file).size()));
    SetLabel(state);
}

// The engine's parse alone, on bytes in memory (the copy it takes is made
// outside the timing).
void BM_Parse(benchmark::State& state)
{
    const std::string& bytes = Fixtures().Bytes(FileArg(state));
    for (auto _ : state) {
        state.PauseTiming();
        std::string copy = bytes;
        state.ResumeTiming();
        CProfile profile{std::move(copy)};
        benchmark::DoNotOptimize(profile.Sections().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    SetLabel(state);
}

int CountEntry(void* user, const char*, const char*, const char*)
{
    ++*static_cast<std::size_t*>(user);
    return 1;
}

void BM_InihParse(benchmark::State& state)
{
    const std::string& bytes = Fixtures().Bytes(FileArg(state));
    for (auto _ : state) {
        std::size_t entries = 0;
        ini_parse_string(bytes.c_str(), CountEntry, &entries);
        benchmark::DoNotOptimize(entries);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    SetLabel(state);
}

// The floor for any line-based parser: find every line end.
void BM_MemchrLineScan(benchmark::State& state)
{
    const std::string& bytes = Fixtures().Bytes(FileArg(state));
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* at = bytes.data();
        const char* end = at + bytes.size();
        while (const void* hit = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
            ++lines;
            at = static_cast<const char*>(hit) + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    SetLabel(state);
}

// The file unchanged on disk: path, stat, cache, lookup, copy.
void BM_WarmRead(benchmark::State& state)
{
    const std::size_t file = FileArg(state);
    const std::string path = Fixtures().Path(file, "read");
    const std::string section = MiddleSection(file);
    char buffer[256];
    GetPrivateProfileStringA(section.c_str(), "Setting3", "", buffer, sizeof buffer, path.c_str());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            GetPrivateProfileStringA(section.c_str(), "Setting3", "", buffer, sizeof buffer, path.c_str()));
    SetLabel(state);
}

// For scale: the stat call that every warm read makes to see that the file
// is unchanged.
void BM_StatAlone(benchmark::State& state)
{
    const std::string path = Fixtures().Path(FileArg(state), "read");
    struct stat status {};
    for (auto _ : state)
        benchmark::DoNotOptimize(::stat(path.c_str(), &status));
    SetLabel(state);
}

void BM_WarmReadInt(benchmark::State& state)
{
    const std::size_t file = FileArg(state);
    const std::string path = Fixtures().Path(file, "read");
    const std::string section = MiddleSection(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetPrivateProfileIntA(section.c_str(), "Setting3", 0, path.c_str()));
    SetLabel(state);
}

// The lookup alone on a parsed model. Range 1: 0 = the same key every time
// (a page reading its section), 1 = keys of random sections (caches cold).
void BM_Lookup(benchmark::State& state)
{
    const std::size_t file = FileArg(state);
    const CProfile profile{std::string(Fixtures().Bytes(file))};
    std::vector<std::pair<std::string, std::string>> names;
    std::mt19937 random(42);
    for (int i = 0; i < LOOKUP_NAMES; ++i) {
        const int section = state.range(1) ? static_cast<int>(random() % static_cast<unsigned>(FILE_SPECS[file].sections))
                                           : FILE_SPECS[file].sections / 2;
        const int key = state.range(1) ? static_cast<int>(random() % KEYS_PER_SECTION) : 3;
        names.emplace_back(SectionName(section), KeyName(key));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& [section, key] = names[next++ % names.size()];
        benchmark::DoNotOptimize(profile.FindValue(section, key));
    }
    state.SetLabel(std::string(FILE_SPECS[file].label) + (state.range(1) ? " random keys" : " same key"));
}

// --- Writes -----------------------------------------------------------------

// Range 1: 1 = with fsync (the default), 0 = before fsync.
class CDurability {
public:
    explicit CDurability(const benchmark::State& state) { win32::profile::SetDurableWrites(state.range(1) != 0); }
    ~CDurability() { win32::profile::SetDurableWrites(true); }
    CDurability(const CDurability&) = delete;
    CDurability& operator=(const CDurability&) = delete;
};

void SetWriteLabel(benchmark::State& state)
{
    state.SetLabel(std::string(FILE_SPECS[FileArg(state)].label) + (state.range(1) ? " fsync" : " no fsync"));
}

void BM_WriteOneKey(benchmark::State& state)
{
    const CDurability durability(state);
    const std::size_t file = FileArg(state);
    const std::string path = Fixtures().Path(file, "write");
    const std::string section = MiddleSection(file);
    int flip = 0;
    for (auto _ : state) {
        const char* value = (flip ^= 1) ? "first value" : "other value";
        if (!WritePrivateProfileStringA(section.c_str(), "Setting2", value, path.c_str()))
            state.SkipWithError("write failed");
    }
    SetWriteLabel(state);
}

void BM_WriteEqualValue(benchmark::State& state)
{
    const std::size_t file = FileArg(state);
    const std::string path = Fixtures().Path(file, "write");
    const std::string section = MiddleSection(file);
    WritePrivateProfileStringA(section.c_str(), "Setting4", "unchanged", path.c_str());
    for (auto _ : state)
        if (!WritePrivateProfileStringA(section.c_str(), "Setting4", "unchanged", path.c_str()))
            state.SkipWithError("write failed");
    SetLabel(state);
}

// A settings page's Apply: seven single-key writes in a row, each changing.
void BM_SavePage(benchmark::State& state)
{
    const CDurability durability(state);
    const std::size_t file = FileArg(state);
    const std::string path = Fixtures().Path(file, "write");
    const std::string section = MiddleSection(file);
    int round = 0;
    for (auto _ : state) {
        const std::string value = "page value " + std::to_string(++round % 10);
        for (int key = 0; key < PAGE_KEYS; ++key)
            if (!WritePrivateProfileStringA(section.c_str(), KeyName(key).c_str(), value.c_str(), path.c_str()))
                state.SkipWithError("write failed");
    }
    SetWriteLabel(state);
}

void FileSizes(benchmark::internal::Benchmark* bench)
{
    for (int file = 0; file < static_cast<int>(FILE_SPECS.size()); ++file)
        bench->Arg(file);
}

void FileSizesAnd(benchmark::internal::Benchmark* bench)
{
    for (int file = 0; file < static_cast<int>(FILE_SPECS.size()); ++file)
        for (int variant : {0, 1})
            bench->Args({file, variant});
}

BENCHMARK(BM_ColdRead)->Apply(FileSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Parse)->Apply(FileSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InihParse)->Apply(FileSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemchrLineScan)->Apply(FileSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WarmRead)->Apply(FileSizes);
BENCHMARK(BM_WarmReadInt)->Apply(FileSizes);
BENCHMARK(BM_StatAlone)->Apply(FileSizes);
BENCHMARK(BM_Lookup)->Apply(FileSizesAnd);
BENCHMARK(BM_WriteOneKey)->Apply(FileSizesAnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteEqualValue)->Apply(FileSizes);
BENCHMARK(BM_SavePage)->Apply(FileSizesAnd)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

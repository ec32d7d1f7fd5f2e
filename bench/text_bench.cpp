// Throughput of the line joiner and the punctuation conversions on 64 MiB inputs, beside a plain
// memcpy of the same input. Each benchmark also reports its speed as a fraction of that memcpy
// ("of_memcpy"); the memcpy of an input runs before the other benchmarks of that input.
//
// Every operation returns a new 64 MiB text. By default the allocator is told to keep freed
// memory, so that the figures show the operations and not the kernel's first-touch page faults,
// which cost several times a memcpy in a virtual machine; --fresh_pages measures with them.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "corpus.h"
#include "text/block_scan.h"
#include "text/char_loops.h"
#include "text/line_joining.h"
#include "text/punctuation.h"

namespace {

constexpr std::size_t kInputSize = std::size_t{64} << 20;

struct Input {
    const char* name;
    std::string (*make)(std::size_t);
};

const Input kInputs[] = {
    {"chinese", zurvane::bench::chinese_prose},
    {"english", zurvane::bench::english_prose},
    {"all_spaces", zurvane::bench::all_spaces},
    {"all_line_ends", zurvane::bench::all_line_ends},
    {"all_lead_bytes", zurvane::bench::all_lead_bytes},
};

// Seconds per memcpy of each input, from its memcpy benchmark.
std::map<std::string, double>& memcpy_seconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

const std::string& input(const Input& in) {
    static std::map<std::string, std::string> made;
    auto [it, fresh] = made.try_emplace(in.name);
    if (fresh) it->second = in.make(kInputSize);
    return it->second;
}

void copy_with_memcpy(benchmark::State& state, const Input& in) {
    const std::string& source = input(in);
    std::vector<char> target(source.size(), 1);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    memcpy_seconds()[in.name] = elapsed.count() / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kInputSize));
}

void run(benchmark::State& state, const Input& in,
         const std::function<std::string(std::string_view)>& operation) {
    const std::string& source = input(in);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::string result = operation(source);
        benchmark::DoNotOptimize(result.data());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kInputSize));
    const auto found = memcpy_seconds().find(in.name);
    if (found != memcpy_seconds().end()) {
        const double seconds = elapsed.count() / static_cast<double>(state.iterations());
        state.counters["of_memcpy"] = found->second / seconds;
    }
}

void register_all() {
    using Operation = std::function<std::string(std::string_view)>;
    using zurvane::detail::BlockKernelSet;
    const std::pair<std::string, Operation> operations[] = {
        {"join_lines_removing_spaces",
         [](std::string_view s) { return zurvane::join_lines(s, true); }},
        {"join_lines_keeping_spaces",
         [](std::string_view s) { return zurvane::join_lines(s, false); }},
        {"to_chinese_punctuation",
         [](std::string_view s) { return zurvane::to_chinese_punctuation(s); }},
        {"to_english_punctuation",
         [](std::string_view s) { return zurvane::to_english_punctuation(s); }},
        // The same on the SSE2 kernels, which every x86-64 processor runs.
        {"sse2/join_lines_removing_spaces",
         [](std::string_view s) {
             return zurvane::detail::join_lines_by_blocks(s, true, BlockKernelSet::kSse2);
         }},
        {"sse2/join_lines_keeping_spaces",
         [](std::string_view s) {
             return zurvane::detail::join_lines_by_blocks(s, false, BlockKernelSet::kSse2);
         }},
        {"sse2/to_chinese_punctuation",
         [](std::string_view s) {
             return zurvane::detail::to_chinese_punctuation_by_blocks(s, BlockKernelSet::kSse2);
         }},
        {"sse2/to_english_punctuation",
         [](std::string_view s) {
             return zurvane::detail::to_english_punctuation_by_blocks(s, BlockKernelSet::kSse2);
         }},
        // The character loops alone, for comparison.
        {"char_loop/join_lines_removing_spaces",
         [](std::string_view s) { return zurvane::detail::join_lines_by_chars(s, true); }},
        {"char_loop/to_chinese_punctuation",
         [](std::string_view s) { return zurvane::detail::to_chinese_punctuation_by_chars(s); }},
    };
    for (const Input& in : kInputs) {
        const std::string suffix = std::string("/") + in.name;
        benchmark::RegisterBenchmark(("memcpy" + suffix).c_str(), [&in](benchmark::State& state) {
            copy_with_memcpy(state, in);
        })->Unit(benchmark::kMillisecond);
        for (const auto& named : operations) {
            const Operation& operation = named.second;
            benchmark::RegisterBenchmark(
                (named.first + suffix).c_str(),
                [&in, operation](benchmark::State& state) { run(state, in, operation); })
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

// Keeps large freed blocks in the heap instead of giving them back to the kernel.
void reuse_freed_memory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

int main(int argc, char** argv) {
    bool fresh_pages = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--fresh_pages") {
            fresh_pages = true;
            for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    if (!fresh_pages) reuse_freed_memory();
    register_all();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

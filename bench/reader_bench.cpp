// The log reader and the row builder against plain baselines over the same file: a fgets and
// sscanf("%u") loop, and merely reading the file's bytes.
#include "history_rows.h"
#include "log_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {
std::string LogOf(long records) {
    const std::string path = "/tmp/tamvorick-bench-" + std::to_string(records) + ".dat";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        for (long i = 0; i < records; ++i)
            std::fprintf(f, "%u\r\n", 1700000000u + static_cast<unsigned>(i) * 7u);
        std::fclose(f);
    }
    return path;
}

void Reader(benchmark::State& state) {
    const std::string path = LogOf(state.range(0));
    for (auto _ : state) {
        auto records = ReadLogAt(path);
        benchmark::DoNotOptimize(records);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void FgetsSscanf(benchmark::State& state) {
    const std::string path = LogOf(state.range(0));
    for (auto _ : state) {
        std::vector<Timestamp> records;
        FILE* f = std::fopen(path.c_str(), "rb");
        char line[512];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            unsigned value;
            if (std::sscanf(line, "%u", &value) == 1)
                records.push_back(value);
        }
        std::fclose(f);
        benchmark::DoNotOptimize(records);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ReadBytesOnly(benchmark::State& state) {
    const std::string path = LogOf(state.range(0));
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_RDONLY);
        char chunk[64 * 1024];
        long total = 0;
        for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) > 0;)
            total += got;
        close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void RowBuilder(benchmark::State& state) {
    setenv("TZ", "JST-9", 1);
    const auto records = *ReadLogAt(LogOf(state.range(0)));
    for (auto _ : state) {
        CHistoryRowBuilder builder;
        for (const Timestamp t : records)
            benchmark::DoNotOptimize(builder.MakeRow(t));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

BENCHMARK(Reader)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FgetsSscanf)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBytesOnly)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RowBuilder)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

// Throughput of the pass over a generated design, through real files.
//
// The design is CUPRENA_BENCH_DESIGN_MB megabytes (default 64) with LF line
// ends, written once into a fresh temporary folder. Bytes per second are bytes
// of input. RawCopy is the floor: the same file copied block by block with
// read and write, as cat does it.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "build_planes.h"
#include "design_generator.h"
#include "plane_options.h"
#include "stdio_file.h"

namespace fs = std::filesystem;

namespace {

class BenchFiles {
public:
    BenchFiles() {
        std::string pattern = (fs::temp_directory_path() / "cuprena-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        }
        folder_ = pattern;
        input_ = folder_ / "design.pcb";
        output_ = folder_ / "_esign.pcb";

        DesignSettings settings;
        const char* mb = std::getenv("CUPRENA_BENCH_DESIGN_MB");
        settings.size = (mb ? std::strtoull(mb, nullptr, 10) : 64) << 20;
        std::FILE* out = std::fopen(input_.c_str(), "wb");
        if (!out || generateDesign(out, settings) < 0 || std::fclose(out) != 0) {
            throw std::runtime_error("cannot write " + input_.string());
        }
        inputBytes_ = static_cast<std::int64_t>(fs::file_size(input_));
    }
    ~BenchFiles() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    const fs::path& input() const { return input_; }
    const fs::path& output() const { return output_; }
    std::int64_t inputBytes() const { return inputBytes_; }

private:
    fs::path folder_;
    fs::path input_;
    fs::path output_;
    std::int64_t inputBytes_ = 0;
};

const BenchFiles& files() {
    static const BenchFiles instance;
    return instance;
}

void runPass(benchmark::State& state, const PlaneOptions& options) {
    const BenchFiles& f = files();
    std::int64_t damaged = 0;
    for (auto _ : state) {
        CStdioFile input;
        CStdioFile output;
        input.open(f.input(), CStdioFile::Mode::read);
        output.open(f.output(), CStdioFile::Mode::write);
        BuildPlanes(input, output, options, [&](const DamagedRecord&) { ++damaged; });
        output.close();
        input.close();
    }
    if (damaged != 0) {
        state.SkipWithError("the generated design has damaged records");
    }
    state.SetBytesProcessed(state.iterations() * f.inputBytes());
    state.counters["input_MB"] = static_cast<double>(f.inputBytes()) / 1e6;
    state.counters["output_ratio"] =
        static_cast<double>(fs::file_size(f.output())) / static_cast<double>(f.inputBytes());
}

void BM_CopyOnly(benchmark::State& state) {
    runPass(state, PlaneOptions{});  // both build flags off
}

void BM_Defaults(benchmark::State& state) {
    PlaneOptions options;
    options.buildGround = 1;  // what a new dialog's first Run takes
    runPass(state, options);
}

void BM_BothPlanesPadsAndVias(benchmark::State& state) {
    PlaneOptions options;
    options.buildGround = 1;
    options.buildPower = 1;
    options.groundPadsAndVias = 1;
    options.powerPadsAndVias = 1;
    options.groundSource = 1;
    options.powerSource = 1;
    runPass(state, options);
}

void BM_RawCopy(benchmark::State& state) {
    const BenchFiles& f = files();
    const auto buffer = std::make_unique<char[]>(CStdioFile::blockSize);
    for (auto _ : state) {
        const int in = ::open(f.input().c_str(), O_RDONLY | O_CLOEXEC);
        const int out = ::open(f.output().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (in < 0 || out < 0) {
            state.SkipWithError("cannot open the design files");
            break;
        }
        ssize_t got;
        while ((got = ::read(in, buffer.get(), CStdioFile::blockSize)) > 0) {
            if (::write(out, buffer.get(), static_cast<std::size_t>(got)) != got) {
                state.SkipWithError("write failed");
                break;
            }
        }
        ::close(in);
        ::close(out);
    }
    state.SetBytesProcessed(state.iterations() * f.inputBytes());
}

}  // namespace

BENCHMARK(BM_RawCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Defaults)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BothPlanesPadsAndVias)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

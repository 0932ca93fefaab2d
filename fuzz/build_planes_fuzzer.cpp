// libFuzzer target for the pass. The first four bytes choose the settings:
//   0  ground enlargement (modulo 101)
//   1  power enlargement (modulo 101)
//   2  bit 0 build ground, bit 1 build power, bit 2 ground pads and vias,
//      bit 3 power pads and vias
//   3  low nibble ground source, high nibble power source (each 1 + n % 6)
// The rest is the design, written to a file and run through the real files.
//
// Checked on every input, besides the sanitizers:
// - with both planes off the output is exactly the modelled echo;
// - with the chosen settings the output is that echo with whole, well-formed
//   records inserted only behind handled records, of the record's family,
//   ground copies before power copies, none behind a damaged record;
// - the damaged records reported do not depend on the settings, and each is a
//   bare keyword line of a handled record.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "build_planes.h"
#include "echo_model.h"
#include "plane_options.h"
#include "stdio_file.h"

namespace fs = std::filesystem;

namespace {

fs::path folder;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "INVARIANT BROKEN: %s\n", what.c_str());
    std::abort();
}

PlaneOptions optionsFrom(const std::uint8_t* data) {
    PlaneOptions options;
    options.groundEnlargement = data[0] % 101;
    options.powerEnlargement = data[1] % 101;
    options.buildGround = data[2] & 1;
    options.buildPower = (data[2] >> 1) & 1;
    options.groundPadsAndVias = (data[2] >> 2) & 1;
    options.powerPadsAndVias = (data[2] >> 3) & 1;
    options.groundSource = 1 + (data[3] & 0x0f) % 6;
    options.powerSource = 1 + (data[3] >> 4) % 6;
    return options;
}

struct Run {
    std::string output;
    std::vector<DamagedRecord> damaged;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

Run runPass(const fs::path& input, const PlaneOptions& options) {
    const fs::path outputPath = folder / "_n.pcb";
    Run run;
    CStdioFile in;
    CStdioFile out;
    in.open(input, CStdioFile::Mode::read);
    out.open(outputPath, CStdioFile::Mode::write);
    BuildPlanes(in, out, options, [&](const DamagedRecord& r) { run.damaged.push_back(r); });
    out.close();
    in.close();
    run.output = readAll(outputPath);
    return run;
}

// Reads "FT\r\n1 2 3 4 5 9\r\n" at `pos`: an inserted record. Returns its end,
// or npos. Integers are plain decimal, single blanks between them.
std::size_t insertedRecordAt(std::string_view out, std::size_t pos, const ModelRecord& source,
                             std::int64_t& layer) {
    if (out.size() - pos < 4 || out[pos] != source.family || out.substr(pos + 2, 2) != "\r\n") {
        return std::string_view::npos;
    }
    const char kind = out[pos + 1];
    const bool allowed =
        kind == 'A' ? source.kind != 'T' : kind == 'T' && source.kind != 'A' && source.kind != 'V';
    if (!allowed) {
        return std::string_view::npos;
    }
    std::size_t p = pos + 4;
    std::vector<std::int64_t> values;
    for (;;) {
        const std::size_t start = p;
        if (p < out.size() && out[p] == '-') {
            ++p;
        }
        const std::size_t digits = p;
        while (p < out.size() && out[p] >= '0' && out[p] <= '9') {
            ++p;
        }
        if (p == digits || p - digits > 19 || (out[digits] == '0' && p - digits > 1)) {
            return std::string_view::npos;
        }
        values.push_back(std::stoll(std::string(out.substr(start, p - start))));
        if (out.substr(p, 2) == "\r\n") {
            p += 2;
            break;
        }
        if (p >= out.size() || out[p] != ' ') {
            return std::string_view::npos;
        }
        ++p;
    }
    const bool sixOrSeven = values.size() == 6 || (values.size() == 7 && source.kind == 'T');
    if (!sixOrSeven || (values[5] != groundPlaneLayer && values[5] != powerPlaneLayer)) {
        return std::string_view::npos;
    }
    layer = values[5];
    return p;
}

// Every way the output can continue behind `pos` with records inserted for
// `source`: at most two copies for an arc, track or via, 16 outline
// primitives for a pad, ground ones first.
std::vector<std::size_t> insertionEnds(std::string_view out, std::size_t pos,
                                       const ModelRecord& source, bool damaged) {
    std::vector<std::size_t> ends{pos};
    if (damaged) {
        return ends;
    }
    const int most = source.kind == 'P' ? 16 : 2;
    std::int64_t lastLayer = groundPlaneLayer;
    for (int i = 0; i < most; ++i) {
        std::int64_t layer = 0;
        const std::size_t end = insertedRecordAt(out, pos, source, layer);
        if (end == std::string_view::npos || layer < lastLayer) {
            break;
        }
        lastLayer = layer;
        pos = end;
        ends.push_back(pos);
    }
    return ends;
}

void checkInsertions(const std::string& out, const EchoModel& model,
                     const std::set<std::size_t>& damagedRecords) {
    std::set<std::size_t> positions{0};
    for (std::size_t i = 0; i < model.segments.size(); ++i) {
        const std::string& segment = model.segments[i];
        std::set<std::size_t> next;
        for (const std::size_t pos : positions) {
            if (out.compare(pos, segment.size(), segment) != 0) {
                continue;
            }
            const std::size_t end = pos + segment.size();
            if (i == model.records.size()) {
                next.insert(end);
                continue;
            }
            const ModelRecord& record = model.records[i];
            for (const std::size_t e :
                 insertionEnds(out, end, record, damagedRecords.count(i) > 0)) {
                next.insert(e);
            }
        }
        if (next.empty()) {
            fail("the output departs from the echo in segment " + std::to_string(i));
        }
        positions = std::move(next);
    }
    if (positions.count(out.size()) == 0) {
        fail("the output has more than the echo and its inserted records");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (fs::temp_directory_path() / "cuprena-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    folder = pattern;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const PlaneOptions options = optionsFrom(data);
    const std::string_view design(reinterpret_cast<const char*>(data) + 4, size - 4);
    const fs::path input = folder / "in.pcb";
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(design.data(), static_cast<std::streamsize>(design.size()));
    }

    const EchoModel model = modelEcho(design);
    const Run copy = runPass(input, PlaneOptions{});
    std::string echo;
    for (const std::string& segment : model.segments) {
        echo += segment;
    }
    if (copy.output != echo) {
        fail("with both planes off the output is not the echo of the input");
    }

    const Run run = runPass(input, options);
    if (run.damaged.size() != copy.damaged.size()) {
        fail("the damaged records depend on the settings");
    }
    // Reports come in the order of the records; a long line may hold several.
    std::set<std::size_t> damagedRecords;
    std::size_t next = 0;
    for (std::size_t i = 0; i < run.damaged.size(); ++i) {
        const DamagedRecord& a = run.damaged[i];
        const DamagedRecord& b = copy.damaged[i];
        if (a.lineNumber != b.lineNumber || a.kind != b.kind || a.family != b.family ||
            a.reason != b.reason) {
            fail("the damaged records depend on the settings");
        }
        const char family = a.family == RecordFamily::free ? 'F' : 'C';
        const char kind = "ATVP"[static_cast<int>(a.kind)];
        while (next < model.records.size() &&
               !(model.records[next].line == a.lineNumber && model.records[next].bareKeyword &&
                 model.records[next].family == family && model.records[next].kind == kind)) {
            ++next;
        }
        if (next == model.records.size()) {
            fail("a damaged record reported at line " + std::to_string(a.lineNumber) +
                 " that is no bare record keyword line there");
        }
        damagedRecords.insert(next++);
    }
    checkInsertions(run.output, model, damagedRecords);
    return 0;
}

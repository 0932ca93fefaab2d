#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "build_planes.h"
#include "plane_options.h"
#include "scratch_folder.h"

struct PassResult {
    std::string output;  // the output file's bytes
    std::vector<DamagedRecord> damaged;
};

// Runs BuildPlanes over a design given as its bytes on disk, through real files.
PassResult runPass(std::string_view inputBytes, const PlaneOptions& options);

// Both planes off: the pass only copies.
PlaneOptions copyOnly();

#pragma once

#include <array>
#include <cstdint>

// The settings of one run. The record as first made has both build flags off;
// the dialog ticks "Build Ground Plane" when it opens.
struct PlaneOptions {
    std::int32_t groundEnlargement = 10;
    std::int32_t powerEnlargement = 10;
    std::int32_t buildGround = 0;
    std::int32_t buildPower = 0;
    std::int32_t groundPadsAndVias = 0;
    std::int32_t powerPadsAndVias = 0;
    std::int32_t powerSource = 2;
    std::int32_t groundSource = 1;
};

inline constexpr std::int32_t groundPlaneLayer = 9;
inline constexpr std::int32_t powerPlaneLayer = 10;
inline constexpr std::int32_t multiLayer = 13;
inline constexpr std::int32_t minEnlargement = 0;
inline constexpr std::int32_t maxEnlargement = 100;

// One plane's view of the settings, as the record rules use them.
struct PlaneSettings {
    bool build;
    std::int32_t source;
    std::int32_t enlargement;
    bool padsAndVias;
    std::int32_t layer;  // written into every copy
    bool ground;         // which plane codes select it
};

// Ground first: its copies always precede the power plane's.
inline std::array<PlaneSettings, 2> planesOf(const PlaneOptions& options) {
    return {{
        {options.buildGround != 0, options.groundSource, options.groundEnlargement,
         options.groundPadsAndVias != 0, groundPlaneLayer, true},
        {options.buildPower != 0, options.powerSource, options.powerEnlargement,
         options.powerPadsAndVias != 0, powerPlaneLayer, false},
    }};
}

// The six signal layers a plane may take its copper from, with the captions
// and control ids of the dialog's choices for them.
struct SourceLayer {
    std::int32_t layer;
    const char* caption;
    int groundControl;
    int powerControl;
};

inline constexpr std::array<SourceLayer, 6> sourceLayers{{
    {1, "Top Layer", 1005, 1011},
    {2, "Internal Layer 1", 1006, 1012},
    {3, "Internal Layer 2", 1007, 1013},
    {4, "Internal Layer 3", 1008, 1014},
    {5, "Internal Layer 4", 1009, 1015},
    {6, "Bottom Layer", 1010, 1016},
}};

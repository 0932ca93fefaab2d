#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

// The verdict of the structural check of a converted design.
struct DesignCheck {
    std::vector<std::string> problems;  // empty when the output passes
    int insertedRecords = 0;
};

// Checks `output` (bytes on disk) as the conversion of `input` (bytes on disk)
// with the planes written on `planeLayers` (9, 10, both or none):
// - every line ends with CR LF: no bare LF, no CR CR LF;
// - every input line up to the one holding "ENDPCB" stands in the output, in
//   order, and nothing follows that line;
// - every other output line belongs to an inserted record: a keyword line
//   "FA", "FT", "CA" or "CT" and a data line of plain integers (six for an
//   arc, six or seven for a track) whose layer is one of `planeLayers`;
// - inserted records stand right behind a record that may have them, in its
//   family: arcs behind arcs and vias, tracks behind tracks, both behind pads.
// Written for designs whose lines are shorter than 39 characters.
DesignCheck checkConvertedDesign(std::string_view input, std::string_view output,
                                 const std::set<int>& planeLayers);

#pragma once

#include "plane_options.h"
#include "record_kind.h"

class CStdioFile;

// How many leading integers of a record's data line its copies use. A line
// that supplies fewer gives no copies: the record is damaged.
constexpr int fieldsUsed(RecordKind kind) {
    switch (kind) {
        case RecordKind::arc:
            return 6;
        case RecordKind::track:
            return 6;  // a seventh is carried when present
        case RecordKind::via:
            return 3;  // the hole is not used
        case RecordKind::pad:
            return 8;
    }
    return 0;
}

// The record rules for arcs, tracks and vias. Each reads the record's data
// line and writes behind it the ground copy, then the power copy, that the
// settings ask for. A rule returns false, and writes nothing, when the data
// line does not supply every field its copies use (arc 6 integers, track 6,
// via 3): such a record is damaged.
bool CopyArc(RecordFamily family, const char* dataLine, const PlaneOptions& options,
             CStdioFile& output);
bool CopyTrack(RecordFamily family, const char* dataLine, const PlaneOptions& options,
               CStdioFile& output);
bool CopyVia(RecordFamily family, const char* dataLine, const PlaneOptions& options,
             CStdioFile& output);

// The pad rule: the outline of the pad on each plane that its plane code, its
// layer and the settings select. Needs all 8 integers of the data line.
bool CopyPadRecord(RecordFamily family, const char* dataLine, const PlaneOptions& options,
                   CStdioFile& output);

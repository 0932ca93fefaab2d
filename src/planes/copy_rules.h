#pragma once

#include "plane_options.h"
#include "record_kind.h"

class CStdioFile;

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

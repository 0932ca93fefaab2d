#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "plane_options.h"
#include "record_kind.h"

class CStdioFile;

// Why a record got no copies although its keyword line was exactly its keyword.
enum class DamageReason {
    missingFields,  // the data line supplies too few integers
    lineNotEnded,   // a data or name line did not end inside the piece read for it
};

struct DamagedRecord {
    std::int64_t lineNumber;  // of the keyword line, counted from 1
    RecordFamily family;
    RecordKind kind;
    DamageReason reason;
};

using DamagedRecordObserver = std::function<void(const DamagedRecord&)>;

// "line 12: free track record: its data line has too few integers"
std::string describeDamage(const DamagedRecord& record);

// Rewinds the input and copies it piece by piece to the output up to and
// including the piece that holds "ENDPCB", or to its end; behind every arc,
// track, via and pad record it inserts that record's plane copies. Reports
// each damaged record to `onDamaged`, if given. File errors propagate as
// CFileException; what was written stays written.
void BuildPlanes(CStdioFile& input, CStdioFile& output, const PlaneOptions& options,
                 const DamagedRecordObserver& onDamaged = {});

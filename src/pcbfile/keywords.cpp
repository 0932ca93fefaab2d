#include "keywords.h"

namespace pcbfile {

std::string_view keywordLine(RecordFamily family, RecordKind kind) {
    static constexpr std::string_view lines[2][4] = {
        {"FA\n", "FT\n", "FV\n", "FP\n"},
        {"CA\n", "CT\n", "CV\n", "CP\n"},
    };
    return lines[static_cast<int>(family)][static_cast<int>(kind)];
}

const char* recordName(RecordFamily family, RecordKind kind) {
    static constexpr const char* names[2][4] = {
        {"free arc", "free track", "free via", "free pad"},
        {"component arc", "component track", "component via", "component pad"},
    };
    return names[static_cast<int>(family)][static_cast<int>(kind)];
}

}  // namespace pcbfile

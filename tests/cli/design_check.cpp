#include "design_check.h"

#include <charconv>
#include <optional>

namespace {

// The lines of a design as text mode reads them: CR LF and LF end a line, the
// byte 0x1A ends the input. `lastEnded` says whether the last line had its end.
std::vector<std::string> linesOf(std::string_view bytes, bool& lastEnded) {
    if (const auto ctrlZ = bytes.find('\x1a'); ctrlZ != std::string_view::npos) {
        bytes = bytes.substr(0, ctrlZ);
    }
    std::vector<std::string> lines;
    lastEnded = true;
    while (!bytes.empty()) {
        const auto lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            lines.emplace_back(bytes);
            lastEnded = false;
            break;
        }
        std::string_view line = bytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

// The integers of a data line written in the plain form: one blank between
// them, a minus sign only for a negative value, no leading zeros.
std::optional<std::vector<long long>> plainIntegers(std::string_view line) {
    std::vector<long long> values;
    while (true) {
        const auto blank = line.find(' ');
        const std::string_view word = line.substr(0, blank);
        const std::string_view digits = word.starts_with('-') ? word.substr(1) : word;
        if (digits.empty() || (digits.size() > 1 && digits[0] == '0') || word == "-0") {
            return std::nullopt;
        }
        long long value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size()) {
            return std::nullopt;
        }
        values.push_back(value);
        if (blank == std::string_view::npos) {
            return values;
        }
        line.remove_prefix(blank + 1);
    }
}

bool isInsertedKeyword(std::string_view line) {
    return line == "FA" || line == "FT" || line == "CA" || line == "CT";
}

// Whether lines `at` and `at + 1` form a well-made inserted record.
bool isInsertedRecord(const std::vector<std::string>& lines, std::size_t at,
                      const std::set<int>& planeLayers) {
    if (at + 1 >= lines.size() || !isInsertedKeyword(lines[at])) {
        return false;
    }
    const auto values = plainIntegers(lines[at + 1]);
    if (!values) {
        return false;
    }
    const bool arc = lines[at][1] == 'A';
    const bool countOk = arc ? values->size() == 6 : values->size() == 6 || values->size() == 7;
    return countOk && planeLayers.count(static_cast<int>((*values)[5])) == 1;
}

// The keyword of the record that inserted records behind input line `next`
// - 1 belong to: a pad's keyword three lines back, else another record's two
// lines back; empty when there is none.
std::string_view ownerOf(const std::vector<std::string>& input, std::size_t next) {
    if (next >= 3 && (input[next - 3] == "FP" || input[next - 3] == "CP")) {
        return input[next - 3];
    }
    if (next >= 2) {
        const std::string_view keyword = input[next - 2];
        for (const char* own : {"FA", "FT", "FV", "CA", "CT", "CV"}) {
            if (keyword == own) {
                return keyword;
            }
        }
    }
    return {};
}

bool mayInsert(std::string_view owner, std::string_view inserted) {
    if (owner.empty() || owner[0] != inserted[0]) {
        return false;  // behind no record, or of the other family
    }
    switch (owner[1]) {
        case 'A':
        case 'V':
            return inserted[1] == 'A';
        case 'T':
            return inserted[1] == 'T';
        default:
            return true;  // pads: rings, caps and sides
    }
}

void checkLineEnds(std::string_view output, bool inputLastEnded, DesignCheck& check) {
    std::size_t lineNumber = 1;
    for (std::size_t at = 0; at < output.size(); ++lineNumber) {
        const auto lf = output.find('\n', at);
        if (lf == std::string_view::npos) {
            if (inputLastEnded) {
                check.problems.push_back("output line " + std::to_string(lineNumber) +
                                         " has no line end");
            }
            return;
        }
        if (lf == at || output[lf - 1] != '\r') {
            check.problems.push_back("output line " + std::to_string(lineNumber) +
                                     " ends with a bare LF");
        } else if (lf - at >= 2 && output[lf - 2] == '\r') {
            check.problems.push_back("output line " + std::to_string(lineNumber) +
                                     " ends with CR CR LF");
        }
        at = lf + 1;
    }
}

}  // namespace

DesignCheck checkConvertedDesign(std::string_view input, std::string_view output,
                                 const std::set<int>& planeLayers) {
    DesignCheck check;
    bool inputLastEnded = true;
    std::vector<std::string> in = linesOf(input, inputLastEnded);
    bool hasEndMarker = false;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i].find("ENDPCB") != std::string::npos) {
            in.resize(i + 1);
            inputLastEnded = true;
            hasEndMarker = true;
            break;
        }
    }
    bool outputLastEnded = true;
    const std::vector<std::string> out = linesOf(output, outputLastEnded);
    checkLineEnds(output, inputLastEnded, check);
    if (hasEndMarker && (out.empty() || out.back() != in.back())) {
        check.problems.push_back("the output does not end with the line that holds ENDPCB");
    }

    std::size_t j = 0;
    for (std::size_t i = 0; i < out.size();) {
        const bool inserted = isInsertedRecord(out, i, planeLayers);
        const bool sameAsInput = j < in.size() && out[i] == in[j];
        // A line that reads as the input's next line and as an inserted record
        // is the input's when the line behind it is the input's too.
        if (sameAsInput &&
            (!inserted || (j + 1 < in.size() && i + 1 < out.size() && out[i + 1] == in[j + 1]) ||
             j + 1 == in.size())) {
            ++i;
            ++j;
            continue;
        }
        if (inserted) {
            if (!mayInsert(ownerOf(in, j), out[i])) {
                check.problems.push_back("output line " + std::to_string(i + 1) + ": inserted " +
                                         out[i] + " record behind no record that may have it");
            }
            ++check.insertedRecords;
            i += 2;
            continue;
        }
        check.problems.push_back(
            "output line " + std::to_string(i + 1) + " \"" + out[i] + "\" is neither input line " +
            std::to_string(j + 1) +
            (j < in.size() ? " \"" + in[j] + "\"" : std::string(" (past the end)")) +
            " nor an inserted record on the plane layers");
        return check;
    }
    if (j < in.size()) {
        check.problems.push_back("input line " + std::to_string(j + 1) + " \"" + in[j] +
                                 "\" is missing from the output");
    }
    return check;
}

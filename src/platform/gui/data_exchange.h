#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CDialog;

// One data exchange between a dialog's fields and its controls: loading shows
// the fields in the controls, saving takes the controls back into the fields
// and checks them. A failed check shows its prompt, puts the focus on the edit
// field concerned with all its text selected, and ends the exchange.
class DataExchange {
public:
    DataExchange(CDialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    CDialog& dialog() const { return dialog_; }
    bool saving() const { return saving_; }

    // The edit field that a failure puts the focus on: the last one exchanged.
    void setFailingEdit(int id) { failingEdit_ = id; }

    // Shows `prompt`, focuses the failing edit field and throws
    // DataExchangeFailed, which ends the exchange.
    [[noreturn]] void fail(const std::string& prompt);

private:
    CDialog& dialog_;
    bool saving_;
    int failingEdit_ = 0;
};

struct DataExchangeFailed {};

// An edit field and a 32-bit integer. Saving accepts a decimal integer with an
// optional sign, with blanks and tabs before and after it; anything else,
// nothing included, fails with integerPrompt() and leaves `value` as it was.
void exchangeInteger(DataExchange& exchange, int editId, std::int32_t& value);

// A check box and a flag: 1 ticked, 0 not.
void exchangeCheck(DataExchange& exchange, int checkBoxId, std::int32_t& value);

// When saving: fails with rangePrompt() unless min <= value <= max.
void validateRange(DataExchange& exchange, std::int32_t value, std::int32_t min, std::int32_t max);

std::optional<std::int32_t> parseInteger(std::string_view text);
std::string integerPrompt();
std::string rangePrompt(const std::string& min, const std::string& max);

#include "data_exchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <charconv>
#include <stdexcept>

#include "dialog.h"
#include "message_box.h"

namespace {

template <typename Control>
Control& controlOf(DataExchange& exchange, int id) {
    auto* control = qobject_cast<Control*>(exchange.dialog().control(id));
    if (control == nullptr) {
        throw std::logic_error("the dialog has no control " + std::to_string(id) +
                               " of the kind exchanged");
    }
    return *control;
}

}  // namespace

void DataExchange::fail(const std::string& prompt) {
    messageBox(prompt, MessageButtons::ok, MessageIcon::exclamation);
    if (auto* edit = qobject_cast<QLineEdit*>(dialog_.control(failingEdit_))) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    throw DataExchangeFailed{};
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string integerPrompt() {
    return "Please enter an integer.";
}

std::string rangePrompt(const std::string& min, const std::string& max) {
    return "Please enter an integer between " + min + " and " + max + ".";
}

void exchangeInteger(DataExchange& exchange, int editId, std::int32_t& value) {
    QLineEdit& edit = controlOf<QLineEdit>(exchange, editId);
    exchange.setFailingEdit(editId);
    if (!exchange.saving()) {
        edit.setText(QString::number(value));
        return;
    }
    const std::optional<std::int32_t> parsed = parseInteger(edit.text().toStdString());
    if (!parsed) {
        exchange.fail(integerPrompt());
    }
    value = *parsed;
}

void exchangeCheck(DataExchange& exchange, int checkBoxId, std::int32_t& value) {
    QCheckBox& box = controlOf<QCheckBox>(exchange, checkBoxId);
    if (exchange.saving()) {
        value = box.isChecked() ? 1 : 0;
    } else {
        box.setChecked(value != 0);
    }
}

void validateRange(DataExchange& exchange, std::int32_t value, std::int32_t min, std::int32_t max) {
    if (exchange.saving() && (value < min || value > max)) {
        exchange.fail(rangePrompt(std::to_string(min), std::to_string(max)));
    }
}

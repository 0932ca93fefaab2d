#include "damage_warning.h"

void DamageWarning::add(std::int64_t lineNumber) {
    ++count_;
    if (firstLines_.size() < linesListed) {
        firstLines_.push_back(lineNumber);
    }
}

std::string DamageWarning::text() const {
    std::string text = std::to_string(count_) + (count_ == 1 ? " record" : " records") +
                       " could not be read and got no plane copies.  " +
                       (count_ == 1 ? "Line: " : "Lines: ");
    for (std::size_t i = 0; i < firstLines_.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(firstLines_[i]);
    }
    const auto unlisted = count_ - static_cast<std::int64_t>(firstLines_.size());
    if (unlisted > 0) {
        text += " and " + std::to_string(unlisted) + " more";
    }
    return text + ".";
}

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Collects the damaged records that a run meets and words the one warning
// shown after it.
class DamageWarning {
public:
    static constexpr std::size_t linesListed = 5;

    void add(std::int64_t lineNumber);
    bool empty() const { return count_ == 0; }
    std::int64_t count() const { return count_; }

    // "2 records could not be read and got no plane copies.  Lines: 12, 40."
    std::string text() const;

private:
    std::int64_t count_ = 0;
    std::vector<std::int64_t> firstLines_;
};

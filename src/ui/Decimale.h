// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decimal text of a counter without a heap allocation: the refresh writes a few hundred
// of them per spin.

#include <charconv>
#include <cstdint>
#include <string_view>

namespace girolino::ui {

class TDecimale {
public:
    explicit TDecimale(std::int64_t v) {
        fine_ = std::to_chars(cifre_, cifre_ + sizeof cifre_, v).ptr;
    }
    std::string_view testo() const { return {cifre_, static_cast<std::size_t>(fine_ - cifre_)}; }
    operator std::string_view() const { return testo(); }

private:
    char cifre_[24];
    char* fine_;
};

} // namespace girolino::ui

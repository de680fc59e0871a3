// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Righe.h"

#include <limits>
#include <stdexcept>

namespace girolino {

TRighe::TRighe(std::initializer_list<std::string_view> righe) {
    reserve(righe.size());
    for (std::string_view r : righe) push_back(r);
}

TRighe::TRighe(const std::vector<std::string>& righe) {
    reserve(righe.size());
    for (const std::string& r : righe) push_back(r);
}

void TRighe::reserve(std::size_t righe, std::size_t caratteri) {
    fine_.reserve(righe);
    testo_.reserve(caratteri);
}

void TRighe::push_back(std::string_view riga) {
    if (testo_.size() + riga.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("troppe righe");
    testo_.append(riga);
    fine_.push_back(static_cast<std::uint32_t>(testo_.size()));
}

void TRighe::pop_back() {
    if (fine_.empty()) return;
    fine_.pop_back();
    testo_.resize(fine_.empty() ? 0 : fine_.back());
}

void TRighe::clear() {
    // The room goes too: a cleared ribbon of a long game would otherwise keep its megabytes.
    fine_ = {};
    testo_ = {};
}

void TRighe::tronca(std::size_t n) {
    if (n >= fine_.size()) return;
    fine_.resize(n);
    testo_.resize(fine_.empty() ? 0 : fine_.back());
}

std::vector<std::string> TRighe::comeStringhe() const {
    return std::vector<std::string>(begin(), end());
}

bool operator==(const TRighe& a, const std::vector<std::string>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

} // namespace girolino

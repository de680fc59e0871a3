// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sequence of short text lines kept compactly: every line's bytes in one buffer and the end
// of each line as a 32-bit offset. A ribbon of a million spins holds a million lines of one or
// two characters; as strings of their own they would cost some 32 bytes each, here about 5.
// Lines are read as string views into the buffer, valid until the sequence next changes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

class TRighe {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const TRighe* r, std::size_t i) : r_(r), i_(i) {}
        std::string_view operator*() const { return (*r_)[i_]; }
        std::string_view operator[](difference_type d) const {
            return (*r_)[i_ + static_cast<std::size_t>(d)];
        }
        const_iterator& operator++() { return ++i_, *this; }
        const_iterator operator++(int) { return {r_, i_++}; }
        const_iterator& operator--() { return --i_, *this; }
        const_iterator operator--(int) { return {r_, i_--}; }
        const_iterator& operator+=(difference_type d) {
            i_ += static_cast<std::size_t>(d);
            return *this;
        }
        const_iterator& operator-=(difference_type d) {
            i_ -= static_cast<std::size_t>(d);
            return *this;
        }
        friend const_iterator operator+(const_iterator a, difference_type d) { return a += d; }
        friend const_iterator operator+(difference_type d, const_iterator a) { return a += d; }
        friend const_iterator operator-(const_iterator a, difference_type d) { return a -= d; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.i_) - static_cast<difference_type>(b.i_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.i_ == b.i_;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.i_ <=> b.i_;
        }

    private:
        const TRighe* r_ = nullptr;
        std::size_t i_ = 0;
    };
    using value_type = std::string_view;
    using size_type = std::size_t;
    using iterator = const_iterator;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    TRighe() = default;
    TRighe(std::initializer_list<std::string_view> righe);
    // From lines kept one string each (a layout's fixed text, a test's expectation).
    TRighe(const std::vector<std::string>& righe); // NOLINT: converts on purpose

    std::size_t size() const { return fine_.size(); }
    bool empty() const { return fine_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::uint32_t da = i == 0 ? 0 : fine_[i - 1];
        return {testo_.data() + da, fine_[i] - da};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }

    // Calls f(riga) for each of the first n lines in order: a long scan without the look-ups
    // of indexing.
    template <class F> void perOgniRiga(std::size_t n, F&& f) const {
        n = n < size() ? n : size();
        std::uint32_t da = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t a = fine_[i];
            f(std::string_view(testo_.data() + da, a - da));
            da = a;
        }
    }

    // Room for `righe` lines of about `caratteri` bytes in all.
    void reserve(std::size_t righe, std::size_t caratteri = 0);
    void push_back(std::string_view riga);
    void pop_back();
    void clear();
    // The lines from the first `n` on are dropped.
    void tronca(std::size_t n);

    std::vector<std::string> comeStringhe() const;

    friend bool operator==(const TRighe& a, const TRighe& b) {
        return a.fine_ == b.fine_ && a.testo_ == b.testo_;
    }
    friend bool operator==(const TRighe& a, const std::vector<std::string>& b);

private:
    std::string testo_;
    std::vector<std::uint32_t> fine_;
};

} // namespace girolino

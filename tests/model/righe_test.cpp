// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Righe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace girolino;

namespace {

// Every change made to both a TRighe and a vector of strings leaves them with the same lines,
// empty lines and lines of any length included.
TEST(Righe, FollowsAVectorOfStringsThroughEveryChange) {
    TRighe r;
    std::vector<std::string> v;
    const auto uguali = [&] {
        ASSERT_EQ(r.size(), v.size());
        ASSERT_EQ(r.empty(), v.empty());
        for (std::size_t i = 0; i < v.size(); ++i) ASSERT_EQ(r[i], v[i]) << "riga " << i;
        ASSERT_TRUE(r == v);
        ASSERT_EQ(r.comeStringhe(), v);
        ASSERT_TRUE(std::equal(r.rbegin(), r.rend(), v.rbegin(), v.rend()));
        // A scan of the first n lines, n past the end included, reads the same lines.
        for (std::size_t n : {v.size(), v.size() / 2, v.size() + 3}) {
            std::vector<std::string> letti;
            r.perOgniRiga(n, [&](std::string_view riga) { letti.emplace_back(riga); });
            ASSERT_EQ(letti,
                      std::vector<std::string>(v.begin(), v.begin() + std::min(n, v.size())));
        }
    };
    for (const char* riga : {"36", "", "R", "una riga più lunga", "", "0"}) {
        r.push_back(riga);
        v.push_back(riga);
        uguali();
    }
    EXPECT_EQ(r.front(), "36");
    EXPECT_EQ(r.back(), "0");
    r.pop_back();
    v.pop_back();
    uguali();
    r.pop_back(); // an empty line
    v.pop_back();
    uguali();
    r.push_back("x");
    v.push_back("x");
    uguali();
    r.tronca(2);
    v.resize(2);
    uguali();
    r.tronca(5); // past the end: nothing to drop
    uguali();
    r.clear();
    v.clear();
    uguali();
    r.pop_back(); // an empty sequence stays empty
    uguali();
}

TEST(Righe, ComparesLinesNotJustTheirBytes) {
    const TRighe a = {"1", "23"};
    EXPECT_EQ(a, (TRighe{"1", "23"}));
    EXPECT_NE(a, (TRighe{"12", "3"}));
    EXPECT_NE(a, (TRighe{"1", "23", ""}));
    EXPECT_TRUE(a == (std::vector<std::string>{"1", "23"}));
    EXPECT_FALSE(a == (std::vector<std::string>{"12", "3"}));
    EXPECT_EQ(TRighe(std::vector<std::string>{"1", "23"}), a);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/TestoFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace girolino;

namespace {

// A ribbon read compactly has the lines the plain split gives, and is written back byte for
// byte as the plain lines are.
TEST(TestoFile, RibbonsReadCompactlySplitAndWriteAsPlainLines) {
    const std::vector<std::string> testi = {
        "",
        "\n",
        "\r\n",
        "7",
        "7\r\n",
        "7\n12\n",
        "7\r\n12",
        "R\r\n\r\nN",
        "a\rb\r\n",
        "1\n2\r\n3\n\n",
        std::string(3, '\n'),
    };
    for (const std::string& t : testi) {
        SCOPED_TRACE(testing::PrintToString(t));
        const std::vector<std::string> attese = dividiRighe(t);
        const TRighe righe = dividiRigheCompatte(t);
        EXPECT_TRUE(righe == attese);
        EXPECT_EQ(righe.size(), contaRighe(t));
        EXPECT_EQ(testoConFineRiga(righe), testoConFineRiga(attese));
    }
    EXPECT_EQ(testoConFineRiga(TRighe{"36", "", "x"}), "36\r\n\r\nx\r\n");
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcome of a file operation: success, or one message for the player.

#include <string>
#include <utility>

namespace girolino {

struct TEsito {
    bool ok = true;
    std::string messaggio; // empty on success; an Italian sentence naming the file otherwise

    static TEsito riuscito() { return {}; }
    static TEsito fallito(std::string m) { return {false, std::move(m)}; }
    explicit operator bool() const { return ok; }
};

} // namespace girolino

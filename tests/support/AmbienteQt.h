// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One QApplication for a whole toolkit test program, created before the first test
// and destroyed after the last one. Include it in each toolkit test file.

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace girolino::test {

class AmbienteQt : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char nome_[16] = "girolino-test";
    char* argv_[2] = {nome_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// gtest owns the environment; registering it from a static initialiser works with gtest_main.
inline ::testing::Environment* const ambienteQt =
    ::testing::AddGlobalTestEnvironment(new AmbienteQt);

} // namespace girolino::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' program. The GUI benchmarks share one Qt application, made here before any
// benchmark runs and destroyed when main returns, while Qt's display connection and fonts
// still exist (an application object living on to static destruction outlives them).

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    char nome[] = "girolino-bench";
    char* argvQt[] = {nome, nullptr};
    QApplication app(argcQt, argvQt);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

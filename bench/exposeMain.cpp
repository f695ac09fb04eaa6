// SPDX-License-Identifier: MIT
// Starts like the program, opens one window, waits until it is exposed and
// quits: the process whose peak memory run-benchmarks.sh measures with
// /usr/bin/time -v. Built three times: corvane-expose-window opens the
// calculator window as main.cpp does; corvane-expose-plain
// (CORVANE_EXPOSE_PLAIN) opens the baseline, the plain window of the same Qt
// controls (bareWindow.h), and corvane-expose-baseline
// (CORVANE_EXPOSE_BASELINE) one empty QWidget per control, for information.
// The last two read the controls from a census file that
// `corvane-bench --write-census FILE` wrote, so that they never build the
// calculator window themselves:
//
//   corvane-expose-plain CENSUS_FILE
//
// Prints one line, "exposed-after-ms <milliseconds>", the time from the start
// of main to the exposure of the window: the cold start of a fresh process.
#include "exposure.h"

#if defined(CORVANE_EXPOSE_BASELINE) || defined(CORVANE_EXPOSE_PLAIN)
#include "bareWindow.h"
#else
#include <applicationInfo.h>
#include <frmPressureCalc.h>
#endif

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
#if defined(CORVANE_EXPOSE_BASELINE) || defined(CORVANE_EXPOSE_PLAIN)
    const auto census = argc > 1 ? Bench::readCensus(QString::fromLocal8Bit(argv[1])) : std::nullopt;
    if (!census) {
        std::fputs("usage: corvane-expose-plain|baseline CENSUS_FILE (from corvane-bench --write-census)\n",
                   stderr);
        return 2;
    }
#if defined(CORVANE_EXPOSE_PLAIN)
    std::unique_ptr<QWidget> window = Bench::makePlainWindow(*census);
#else
    std::unique_ptr<QWidget> window = Bench::makeEmptyWidgetsWindow(*census);
#endif
#else
    ApplicationInfo::apply();
    auto window = std::make_unique<frmPressureCalc>();
#endif
    if (!Bench::showAndWaitExposed(*window)) {
        std::fputs("the window was not exposed within 5 s\n", stderr);
        return 1;
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - started;
    std::printf("exposed-after-ms %.3f\n", elapsed.count());
    return 0;
}

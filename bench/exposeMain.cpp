// SPDX-License-Identifier: MIT
// Starts like the program, opens one window, waits until it is exposed and
// quits: the process whose peak memory run-benchmarks.sh measures with
// /usr/bin/time -v. Built three times: corvane-expose-window opens the
// calculator window as main.cpp does; corvane-expose-baseline
// (CORVANE_EXPOSE_BASELINE) opens the bare window of the same size and
// control count instead, the baseline; corvane-expose-plain
// (CORVANE_EXPOSE_PLAIN) opens the same Qt controls without the work of the
// program, which tells the toolkit's share of the difference.
//
// Prints one line, "exposed-after-ms <milliseconds>", the time from the start
// of main to the exposure of the window: the cold start of a fresh process.
#include "bareWindow.h"
#include "exposure.h"

#if !defined(CORVANE_EXPOSE_BASELINE) && !defined(CORVANE_EXPOSE_PLAIN)
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
#if defined(CORVANE_EXPOSE_BASELINE)
    std::unique_ptr<QWidget> window = Bench::makeBareWindow();
#elif defined(CORVANE_EXPOSE_PLAIN)
    std::unique_ptr<QWidget> window = Bench::makePlainControlsWindow();
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

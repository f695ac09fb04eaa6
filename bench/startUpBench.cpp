// SPDX-License-Identifier: MIT
// Start-up: the calculator window from construction (which runs the whole
// start-up) to its first exposure, against a plain window holding the same
// Qt controls with the same texts in the same Qt layouts (bareWindow.h),
// which is what the toolkit alone costs for them.
#include "startUpBench.h"

#include "cases.h"
#include "exposure.h"

#include <frmPressureCalc.h>

#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace Bench {
namespace {

class StartUp : public Fixture
{
public:
    explicit StartUp(std::function<std::unique_ptr<QWidget>()> make) : m_make(std::move(make)) {}

    void run() override
    {
        m_window = m_make();
        if (!showAndWaitExposed(*m_window)) {
            std::fputs("start-up: the window was not exposed within 5 s\n", stderr);
            std::abort();
        }
    }

    void after() override
    {
        m_window.reset();
        drainEvents();
    }

private:
    std::function<std::unique_ptr<QWidget>()> m_make;
    std::unique_ptr<QWidget> m_window;
};

} // namespace

WindowCensus calculatorWindowCensus()
{
    // Shown, as the user first sees it.
    frmPressureCalc window;
    if (!showAndWaitExposed(window)) {
        std::fputs("census: the window was not exposed within 5 s\n", stderr);
        std::abort();
    }
    WindowCensus census = takeCensus(window);
    window.hide();
    drainEvents();
    return census;
}

void registerStartUpCases()
{
    addWindowCase("StartUp", [] {
        return std::make_unique<StartUp>([] { return std::make_unique<frmPressureCalc>(); });
    });
    // The census is taken once, untimed, from a window built for it.
    addWindowCase("StartUp/bound", [] {
        return std::make_unique<StartUp>([census = calculatorWindowCensus()] { return makePlainWindow(census); });
    });
    // Not a bound: one empty QWidget per control, for telling the toolkit's
    // share of the controls themselves.
    addWindowCase("StartUp/emptyWidgets", [] {
        return std::make_unique<StartUp>(
            [census = calculatorWindowCensus()] { return makeEmptyWidgetsWindow(census); });
    });
}

} // namespace Bench

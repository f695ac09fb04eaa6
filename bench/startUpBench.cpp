// SPDX-License-Identifier: MIT
// Start-up: the calculator window from construction (which runs the whole
// start-up) to its first exposure, against the bare window of the same size
// and control count, which is what the toolkit alone costs.
#include "bareWindow.h"
#include "exposure.h"
#include "fixture.h"

#include <captionFit.h>
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

    // Each start-up measures its captions as the first one in a new process
    // does, not from the sizes an earlier iteration found.
    void before() override { CaptionFit::forgetFittedSizes(); }

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

void registerStartUpCases()
{
    addWindowCase("StartUp", [] {
        return std::make_unique<StartUp>([] { return std::make_unique<frmPressureCalc>(); });
    });
    addWindowCase("StartUp/bound", [] { return std::make_unique<StartUp>(makeBareWindow); });
    // Not a bound: the same Qt controls without the program's own work.
    addWindowCase("StartUp/plainControls", [] { return std::make_unique<StartUp>(makePlainControlsWindow); });
}

} // namespace Bench

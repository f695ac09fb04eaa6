// SPDX-License-Identifier: MIT
#include "applicationInfo.h"
#include "frmPressureCalc.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a stack of platform-plugin errors;
// one plain line says what to do instead.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("corvane-calculator: no display found; on a machine without one, "
                   "run it as 'xvfb-run make run'.\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    ApplicationInfo::apply();

    frmPressureCalc window;
    window.show();
    return app.exec();
}

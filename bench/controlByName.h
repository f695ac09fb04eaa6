// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace Bench {

// A control of a window by its object name, array elements as
// "txtAirPressure(2)", found as any Qt program finds a child. The benchmarks
// know the window only by the names of its controls and their Qt classes. A
// name the window lacks, or a control of another class, ends the run: a case
// that measured something else would report a figure that means nothing.
template<class T = QWidget> T *controlByName(const QWidget &window, const QString &name)
{
    T *control = window.findChild<T *>(name);
    if (!control) {
        std::fprintf(stderr, "benchmark: the window has no %s named %s\n", T::staticMetaObject.className(),
                     qPrintable(name));
        std::abort();
    }
    return control;
}

template<class T = QWidget> T *controlByName(const QWidget &window, const char *name)
{
    return controlByName<T>(window, QString::fromLatin1(name));
}

} // namespace Bench

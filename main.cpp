// SPDX-License-Identifier: MIT
#include "applicationInfo.h"
#include "frmPressureCalc.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Sizes pneumatic cylinders and the valves that feed them: cylinder bore, "
        "cylinder force and valve flow, in imperial or metric units."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version answer on the terminal and end the program before any
// window system is touched, so they work without a display.
void answerHelpOrVersion(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describeOptions(parser);
    // Options of Qt's own (-platform, -style, ...) are unknown here; the
    // window's application takes them and the full check follows there.
    parser.parse(arguments);
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version")))
        return;

    QCoreApplication app(argc, argv);
    ApplicationInfo::apply();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion(); // exits with status 0
    parser.showHelp(0);
}

// The display an X11 connection goes to: -display on the command line, else
// $DISPLAY.
QByteArray x11DisplayName(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0)
            return argv[i + 1];
    }
    return qgetenv("DISPLAY");
}

// While QApplication starts, Qt's messages are held back. If no window system
// can be started, Qt reports the failure as a fatal message and aborts with a
// screenful of advice about reinstalling; instead the program says in one line
// which display it could not open and exits with status 1. Nothing is checked
// beforehand: on platforms without X11 only a real failure ends the program.
struct StartUpMessages
{
    struct Held
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static inline QList<Held> held;
    static inline QByteArray display;
    static inline bool sawX11 = false;

    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const QByteArray category = context.category ? QByteArray(context.category) : QByteArray();
        if (category.startsWith("qt.qpa.xcb"))
            sawX11 = true;
        if (type != QtFatalMsg) {
            held.append({type, category, text});
            return;
        }
        Q_UNUSED(text);
        if (sawX11 && !display.isEmpty())
            std::fprintf(stderr, "corvane-calculator: cannot open display %s\n", display.constData());
        else if (sawX11)
            std::fputs("corvane-calculator: cannot open a display: DISPLAY is not set\n", stderr);
        else
            // Qt's last warning names the plugin that failed and why; its
            // fatal text only suggests reinstalling.
            std::fprintf(stderr, "corvane-calculator: cannot start the window system: %s\n",
                         held.isEmpty() ? "no Qt platform plugin could be started"
                                        : qPrintable(held.constLast().text));
        std::fflush(stderr);
        std::_Exit(1);
    }

    // After a successful start: hand what was held back to Qt's own output.
    static void release()
    {
        qInstallMessageHandler(nullptr);
        for (const Held &message : std::as_const(held)) {
            const QMessageLogContext context(nullptr, 0, nullptr,
                                             message.category.isEmpty() ? "default"
                                                                        : message.category.constData());
            qt_message_output(message.type, context, message.text);
        }
        held.clear();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    answerHelpOrVersion(argc, argv);

    StartUpMessages::display = x11DisplayName(argc, argv);
    qInstallMessageHandler(StartUpMessages::handler);
    QApplication app(argc, argv);
    StartUpMessages::release();
    ApplicationInfo::apply();

    // Arguments left after Qt took its own: anything unknown is an error.
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "corvane-calculator: unexpected argument '%s'; see --help\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 1;
    }

    frmPressureCalc window;
    // Every size of the program's icon, not only the title bar's.
    window.setWindowIcon(ApplicationInfo::icon());
    window.show();
    return app.exec();
}

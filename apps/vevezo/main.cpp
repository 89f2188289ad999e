#include "Commands.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt wants a private runtime directory and complains on every start without one; give it the
// one it would choose itself.
void EnsureRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const QByteArray dir = "/tmp/runtime-" + QByteArray::number(getuid());
    if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST) {
        qputenv("XDG_RUNTIME_DIR", dir);
    }
}

void Usage() {
    std::fputs("usage: vevezo <command> [arguments]\n"
               "\n"
               "commands:\n"
               "  info FILE [--json]   describe a report design: paper, margins and elements\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    // The engine runs headless; a window system is needed only by the viewer and designer.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    EnsureRuntimeDir();
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        Usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("info")) {
        return vevezo::cli::Info(args);
    }
    std::fprintf(stderr, "vevezo: unknown command '%s'\n", qPrintable(command));
    Usage();
    return 2;
}

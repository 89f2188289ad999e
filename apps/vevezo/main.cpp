#include "Commands.h"

#include "common/Runtime.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

void Usage() {
    std::fputs("usage: vevezo <command> [arguments]\n"
               "\n"
               "commands:\n"
               "  info FILE [--json]   describe a report design: paper, margins and elements\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    vevezo::PrepareHeadlessRuntime();
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

#include "Commands.h"
#include "common/Runtime.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

void Usage() {
    std::fputs("usage: vevezo <command> [arguments]\n"
               "\n"
               "commands:\n"
               "  info FILE [--json]   describe a report set (reports, sources, records) or a\n"
               "                       report design (paper, margins, elements)\n"
               "  convert IN OUT       convert a report set between .rpp, .zrp, .htm and\n"
               "                       content text (.txt), chosen by the extensions\n"
               "  pack -o OUT [--shared] [--db CONNECTION] [--source NAME=COMMAND]... DESIGN...\n"
               "                       make a report set of designs and database sources\n"
               "  render FILE -o OUT.pdf|OUT.png|OUT.svg [--dpi N] [--pages RANGE]\n"
               "         [--db CONNECTION] [--source NAME=COMMAND]...\n"
               "                       render a report set or design to pages\n",
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
    if (command == QLatin1String("convert")) {
        return vevezo::cli::Convert(args);
    }
    if (command == QLatin1String("render")) {
        return vevezo::cli::Render(args);
    }
    if (command == QLatin1String("pack")) {
        return vevezo::cli::Pack(args);
    }
    std::fprintf(stderr, "vevezo: unknown command '%s'\n", qPrintable(command));
    Usage();
    return 2;
}

#include "Commands.h"
#include "SourceBinding.h"
#include "common/Error.h"
#include "document/FileContent.h"
#include "document/RptDesigner.h"
#include "document/TextCodec.h"
#include "pages/PageOutput.h"
#include "providers/ReportSet.h"

#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace vevezo::cli {

namespace {

// A report set from a file: a report set in any form, or a single report design.
bool OpenForRendering(TRptDocs& docs, const QString& fileName, bool& coPages) {
    const QByteArray bytes = ReadFileContent(fileName);
    TRptDesigner probe;
    const QString text = DecodeText(bytes);
    if (probe.LoadDesignXML(text)) {
        TRptDoc* provider = docs.Add();
        provider->SetName(QFileInfo(fileName).completeBaseName());
        provider->SetXML(text);
        provider->CreateDataSources();
        provider->DataSources()->AddSystemSource();
        return true;
    }
    return OpenReportSetFile(docs, fileName, coPages);
}

// A progress bar on a terminal, nothing elsewhere.
RenderProgress TerminalProgress() {
    if (!isatty(STDERR_FILENO)) {
        return {};
    }
    return [](int done, int total) {
        const int width = 40;
        const int filled = total > 0 ? done * width / total : width;
        std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(), done, total);
        if (done == total) {
            std::fputc('\n', stderr);
        }
    };
}

void Usage() {
    std::fputs("usage: vevezo render FILE -o OUT.pdf|OUT.png|OUT.svg [--dpi N] [--pages RANGE]\n"
               "                     [--db CONNECTION] [--source NAME=COMMAND]...\n",
               stderr);
}

} // namespace

int Render(const QStringList& args) {
    QString input;
    QString out;
    QString ranges;
    QString connection;
    int dpi = 0;
    QList<SourceOption> sources;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("-o") && hasValue) {
            out = args[++i];
        } else if (arg == QLatin1String("--dpi") && hasValue) {
            dpi = args[++i].toInt();
        } else if (arg == QLatin1String("--pages") && hasValue) {
            ranges = args[++i];
        } else if (arg == QLatin1String("--db") && hasValue) {
            connection = args[++i];
        } else if (arg == QLatin1String("--source") && hasValue) {
            SourceOption option;
            if (!ParseSourceOption(args[++i], option)) {
                Usage();
                return 2;
            }
            sources.append(option);
        } else if (input.isEmpty()) {
            input = arg;
        } else {
            Usage();
            return 2;
        }
    }
    const QString kind = QFileInfo(out).suffix().toLower();
    if (input.isEmpty() || out.isEmpty() ||
        (kind != QLatin1String("pdf") && kind != QLatin1String("png") &&
         kind != QLatin1String("svg"))) {
        Usage();
        return 2;
    }
    try {
        TRptDocs docs;
        bool coPages = false;
        if (!OpenForRendering(docs, input, coPages)) {
            std::fprintf(stderr, "vevezo: %s is neither a report set nor a report design\n",
                         qPrintable(input));
            return 1;
        }
        if (docs.SingleDataSources()) {
            BindSources(*docs.DataSources(), connection, sources);
        } else {
            for (TRptDoc* provider : ListLiveProviders(docs)) {
                if (!provider->DataSources()) {
                    provider->CreateDataSources();
                }
                BindSources(*provider->DataSources(), connection, sources);
            }
        }
        TRptEMFMakers makers;
        for (TRptDoc* provider : ListLiveProviders(docs)) {
            makers.Add()->SetProvider(provider);
        }
        makers.SetRunOn(coPages);
        const QList<SetPage> pages = PagesOf(makers, ranges);
        const RenderProgress progress = pages.size() > 1 ? TerminalProgress() : RenderProgress();
        QStringList written;
        if (kind == QLatin1String("pdf")) {
            RenderToPdf(pages, out, dpi > 0 ? dpi : 300, progress);
            written << out;
        } else if (kind == QLatin1String("png")) {
            written = RenderToPng(pages, out, dpi > 0 ? dpi : 96, progress);
        } else {
            written = RenderToSvg(pages, out, progress);
        }
        for (const QString& file : written) {
            std::printf("%s\n", qPrintable(file));
        }
    } catch (const Error& e) {
        std::fprintf(stderr, "vevezo: %s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}

} // namespace vevezo::cli

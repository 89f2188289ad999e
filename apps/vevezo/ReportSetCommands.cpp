#include "Commands.h"
#include "SourceBinding.h"
#include "common/Error.h"
#include "data/RptDSOs.h"
#include "document/ContentText.h"
#include "document/FileContent.h"
#include "document/TextCodec.h"
#include "providers/ReportSet.h"

#include <QFileInfo>
#include <cstdio>

namespace vevezo::cli {

namespace {

int Fail(const QString& text) {
    std::fprintf(stderr, "vevezo: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int Convert(const QStringList& args) {
    if (args.size() != 2) {
        std::fputs("usage: vevezo convert IN OUT\n", stderr);
        return 2;
    }
    try {
        TRptDocs docs;
        bool coPages = false;
        if (!OpenReportSetFile(docs, args[0], coPages)) {
            return Fail(QStringLiteral("%1 is not a report set").arg(args[0]));
        }
        TRptDSOs* shared = docs.SingleDataSources() ? docs.DataSources().get() : nullptr;
        QList<TRptDoc*> all;
        for (int i = 0; i < docs.Count(); ++i) {
            all << docs.Items(i);
        }
        if (QFileInfo(args[1]).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) {
            WriteFileContent(args[1], PackText(WriteReportSet(all, shared, coPages), kPackSixBit));
        } else {
            SaveReportSet(args[1], all, shared, coPages);
        }
    } catch (const Error& e) {
        return Fail(e.text());
    }
    return 0;
}

int Pack(const QStringList& args) {
    QString out;
    QString connection;
    bool shared = false;
    QList<SourceOption> sources;
    QStringList designs;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-o") && i + 1 < args.size()) {
            out = args[++i];
        } else if (arg == QLatin1String("--db") && i + 1 < args.size()) {
            connection = args[++i];
        } else if (arg == QLatin1String("--source") && i + 1 < args.size()) {
            SourceOption option;
            if (!ParseSourceOption(args[++i], option)) {
                return Fail(QStringLiteral("--source wants NAME=COMMAND, not %1").arg(args[i]));
            }
            sources.append(option);
        } else if (arg == QLatin1String("--shared")) {
            shared = true;
        } else {
            designs << arg;
        }
    }
    if (out.isEmpty() || designs.isEmpty()) {
        std::fputs("usage: vevezo pack -o OUT [--shared] [--db CONNECTION] "
                   "[--source NAME=COMMAND]... DESIGN...\n",
                   stderr);
        return 2;
    }
    try {
        TRptDocs docs;
        for (const QString& design : designs) {
            TRptDoc* provider = docs.Add();
            provider->SetName(QFileInfo(design).completeBaseName());
            provider->SetXML(DecodeText(ReadFileContent(design)));
        }
        if (shared) {
            docs.SetSingleDataSources(-1);
            BindSources(*docs.DataSources(), connection, sources);
        } else {
            for (int i = 0; i < docs.Count(); ++i) {
                docs.Items(i)->CreateDataSources();
                BindSources(*docs.Items(i)->DataSources(), connection, sources);
            }
        }
        QList<TRptDoc*> all;
        for (int i = 0; i < docs.Count(); ++i) {
            all << docs.Items(i);
        }
        SaveReportSet(out, all, shared ? docs.DataSources().get() : nullptr, false);
    } catch (const Error& e) {
        return Fail(e.text());
    }
    return 0;
}

} // namespace vevezo::cli

// Rendering at scale: a report of N records (one page per record, ten bound text elements each)
// is rendered to PDF. Each size runs in its own process so that its peak memory is its own; the
// cost must grow linearly with the pages.
#include "common/Runtime.h"
#include "data/RptDSOs.h"
#include "pages/PageOutput.h"
#include "providers/RptDocs.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString Design() {
    QString elements;
    for (int i = 0; i < 10; ++i) {
        elements +=
            QStringLiteral("<div ID=\"F%1\" Left=\"20\" Top=\"%2\" Width=\"300\" Height=\"24\" "
                           "Border=\"2\" DataType=\"1\" DataField=\"Rows.C%1\"/>")
                .arg(i)
                .arg(20 + i * 30);
    }
    return QStringLiteral("<BVReport PaperWidth=\"2100\" PaperHeight=\"2970\">%1</BVReport>")
        .arg(elements);
}

QString Packet(int records) {
    QString fields;
    for (int c = 0; c < 10; ++c) {
        fields += QStringLiteral("<Field Name=\"C%1\" Type=\"202\"/>").arg(c);
    }
    QString rows;
    for (int r = 0; r < records; ++r) {
        rows += QStringLiteral("<Row");
        for (int c = 0; c < 10; ++c) {
            rows += QStringLiteral(" C%1=\"记录 %2 字段 %1\"").arg(c).arg(r + 1);
        }
        rows += QStringLiteral("/>");
    }
    return QStringLiteral("<BVDataPacket Name=\"Rows\"><MetaData><Fields>%1</Fields></MetaData>"
                          "<RowData>%2</RowData></BVDataPacket>")
        .arg(fields, rows);
}

int Measure(int records, char** argv, int argc) {
    QGuiApplication app(argc, argv);
    vevezo::TRptDocs docs;
    vevezo::TRptDoc* provider = docs.Add();
    provider->SetXML(Design());
    provider->CreateDataSources();
    vevezo::TRptDSOs& sources = *provider->DataSources();
    sources.AddSystemSource();
    vevezo::TRptDSO* rows = sources.Add();
    rows->SetSource(Packet(records));
    rows->SetDataType(vevezo::rptDSxmldb);
    rows->Open();
    rows->SetIsMain(true);
    vevezo::TRptEMFMakers makers;
    QElapsedTimer clock;
    clock.start();
    makers.Add()->SetProvider(provider);
    const QList<vevezo::SetPage> pages = vevezo::PagesOf(makers);
    QTemporaryDir dir;
    vevezo::RenderToPdf(pages, dir.filePath(QStringLiteral("out.pdf")), 300);
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("%d records: %lld pages in %.2f s, %.0f pages per second\n", records,
                static_cast<long long>(pages.size()), seconds, pages.size() / seconds);
    std::fflush(stdout);
    FILE* f = std::fopen(qPrintable(QStringLiteral("/tmp/vevezo-render-%1").arg(records)), "w");
    if (f) {
        std::fprintf(f, "%.6f\n", seconds);
        std::fclose(f);
    }
    return 0;
}

double RunChild(const char* program, int records) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, std::to_string(records).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    std::printf("  peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    double seconds = -1;
    if (FILE* f =
            std::fopen(qPrintable(QStringLiteral("/tmp/vevezo-render-%1").arg(records)), "r")) {
        if (std::fscanf(f, "%lf", &seconds) != 1) {
            seconds = -1;
        }
        std::fclose(f);
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    vevezo::PrepareHeadlessRuntime();
    if (argc == 2) {
        return Measure(std::atoi(argv[1]), argv, argc);
    }
    const double small = RunChild(argv[0], 1000);
    const double large = RunChild(argv[0], 10000);
    if (small <= 0 || large <= 0) {
        return 1;
    }
    const double ratio = large / small;
    std::printf("10x the records took %.2fx the time (linear growth allows at most 12x): %s\n",
                ratio, ratio <= 12 ? "linear" : "NOT LINEAR");
    return ratio <= 12 ? 0 : 1;
}

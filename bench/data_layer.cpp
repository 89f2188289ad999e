// The data layer at scale: a 10-column SQLite table of N rows is loaded into a record set,
// written as a data packet, read back into a record set and summed. Each size runs in its own
// process so that its peak memory is its own. Costs must grow linearly with the rows.
#include "data/Connection.h"
#include "data/DataPacket.h"
#include "table/SumListsProducer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Timings {
    double load = 0, toPacket = 0, fromPacket = 0, sum = 0;
    double Total() const { return load + toPacket + fromPacket + sum; }
};

void MakeDatabase(const QString& path, int rows) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE t (id INTEGER, name VARCHAR(30), price REAL, "
                              "amount NUMERIC(12,2), day DATE, at DATETIME, note TEXT, "
                              "ok BOOLEAN, big BIGINT, code CHAR(6))"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO t VALUES (?,?,?,?,?,?,?,?,?,?)"));
        for (int i = 0; i < rows; ++i) {
            q.addBindValue(i);
            q.addBindValue(QStringLiteral("商品 %1").arg(i));
            q.addBindValue(i * 0.5);
            q.addBindValue(QStringLiteral("%1.25").arg(i % 1000));
            q.addBindValue(QStringLiteral("2024-%1-%2").arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                               .arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("2024-01-05 %1:30:00").arg(i % 24, 2, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("备注文字 %1").arg(i * 7));
            q.addBindValue(i % 2);
            q.addBindValue(qint64(i) * 100000);
            q.addBindValue(QStringLiteral("C%1").arg(i % 99999));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

Timings Measure(const QString& path, double& sum) {
    Timings t;
    QElapsedTimer clock;
    vevezo::Connection connection(QStringLiteral("Provider=SQLite;Data Source=") + path);
    clock.start();
    const vevezo::RecordsetPtr records = connection.Execute(QStringLiteral("SELECT * FROM t"));
    t.load = clock.nsecsElapsed() / 1e9;
    clock.restart();
    const QString packet = vevezo::TransAdoToXml(records, QString());
    t.toPacket = clock.nsecsElapsed() / 1e9;
    clock.restart();
    const vevezo::RecordsetPtr back = vevezo::TransXmlToAdo(packet);
    t.fromPacket = clock.nsecsElapsed() / 1e9;
    clock.restart();
    vevezo::TRSSumListsProducer sums;
    sums.SetData(back);
    sum = sums.GetValue(QStringLiteral("price"), vevezo::aggSum);
    t.sum = clock.nsecsElapsed() / 1e9;
    return t;
}

// Runs one size in a child process; answers its total seconds (or -1).
double RunChild(const char* program, int rows) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, std::to_string(rows).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    std::fflush(stdout);
    wait4(pid, &status, 0, &usage);
    std::printf("  peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2) {
        QCoreApplication app(argc, argv);
        const int rows = std::atoi(argv[1]);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bench.db"));
        MakeDatabase(path, rows);
        double sum = 0;
        const Timings t = Measure(path, sum);
        std::printf("%d rows x 10 columns: load %.3f s, to packet %.3f s, from packet %.3f s, "
                    "sum %.3f s (sum %.0f)\n",
                    rows, t.load, t.toPacket, t.fromPacket, t.sum, sum);
        std::printf("  rows per second: load %.0f, to packet %.0f, from packet %.0f, sum %.0f\n",
                    rows / t.load, rows / t.toPacket, rows / t.fromPacket, rows / t.sum);
        std::printf("  total %.3f s\n", t.Total());
        std::fflush(stdout);
        // The parent reads the total from the last line of a pipe-free run: write it to a file.
        if (FILE* f = std::fopen(qPrintable(QStringLiteral("/tmp/vevezo-bench-%1").arg(rows)), "w")) {
            std::fprintf(f, "%.6f\n", t.Total());
            std::fclose(f);
        }
        return 0;
    }
    double totals[2] = {0, 0};
    const int sizes[2] = {10000, 100000};
    for (int i = 0; i < 2; ++i) {
        if (RunChild(argv[0], sizes[i]) < 0) {
            std::printf("run of %d rows failed\n", sizes[i]);
            return 1;
        }
        FILE* f = std::fopen(qPrintable(QStringLiteral("/tmp/vevezo-bench-%1").arg(sizes[i])), "r");
        if (!f || std::fscanf(f, "%lf", &totals[i]) != 1) {
            return 1;
        }
        std::fclose(f);
    }
    const double ratio = totals[1] / totals[0];
    std::printf("10x the rows took %.2fx the time (linear growth allows at most 12x): %s\n", ratio,
                ratio <= 12 ? "linear" : "NOT LINEAR");
    return ratio <= 12 ? 0 : 1;
}

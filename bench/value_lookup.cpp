// The value lookup of the data sources at scale: one lookup must cost the same whatever the
// number of records, for sequential and random rows, over packets and record sets.
#include "data/DataPacket.h"
#include "data/RptDSOs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <random>

namespace {

constexpr int kLookups = 300000;

vevezo::RecordsetPtr MakeRecords(int rows) {
    auto records = std::make_shared<vevezo::Recordset>();
    records->AppendField(QStringLiteral("Id"), vevezo::adInteger);
    records->AppendField(QStringLiteral("Name"), vevezo::adVarWChar, 20);
    records->AppendField(QStringLiteral("Amount"), vevezo::adDouble);
    records->Open();
    for (int i = 0; i < rows; ++i) {
        records->AddNew();
        records->SetValue(0, i + 1);
        records->SetValue(1, QStringLiteral("客户%1").arg(i));
        records->SetValue(2, i * 1.5);
    }
    return records;
}

// Adds a main source named Orders holding the records as a record set or as a packet.
void AddSource(vevezo::TRptDSOs& sources, const vevezo::RecordsetPtr& records, bool packet) {
    vevezo::TRptDSO* source = sources.Add();
    if (packet) {
        source->SetSource(vevezo::TransAdoToXml(records, QStringLiteral("<Orders><Id/><Name/>"
                                                                       "<Amount/></Orders>")));
        source->SetDataType(vevezo::rptDSxmldb);
        source->Open();
    } else {
        source->SetData(QVariant::fromValue(records));
        source->SetDataName(QStringLiteral("Orders"));
    }
    source->SetIsMain(true);
}

double LookupsPerSecond(vevezo::TRptDSOs& sources, int rows, bool random) {
    std::mt19937 generator(42);
    std::uniform_int_distribution<int> pick(1, rows);
    const QString field = QStringLiteral("Orders.Amount");
    QElapsedTimer clock;
    // The first lookup of a column indexes it: once per open, linear in the records.
    clock.start();
    sources.GetValue(1, QString(), field, 0, QString(), 1, 1, nullptr);
    std::printf("    first lookup (indexing) with %d records: %.1f ms\n", rows,
                clock.nsecsElapsed() / 1e6);
    clock.restart();
    double check = 0;
    for (int i = 0; i < kLookups; ++i) {
        const int row = random ? pick(generator) : i % rows + 1;
        check += sources.GetValue(1, QString(), field, 0, QString(), row, 1, nullptr).toDouble();
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    return check >= 0 ? kLookups / seconds : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool linear = true;
    for (const bool packet : {false, true}) {
        for (const bool random : {false, true}) {
            double rates[2] = {0, 0};
            const int sizes[2] = {10000, 100000};
            for (int i = 0; i < 2; ++i) {
                vevezo::TRptDSOs sources;
                AddSource(sources, MakeRecords(sizes[i]), packet);
                rates[i] = LookupsPerSecond(sources, sizes[i], random);
            }
            const double slower = rates[0] / rates[1];
            std::printf("  %-10s %-10s 10,000 records: %9.0f lookups/s   100,000 records: %9.0f "
                        "lookups/s   (%.2fx slower)\n",
                        packet ? "packet" : "record set", random ? "random" : "sequential",
                        rates[0], rates[1], slower);
            linear = linear && slower <= 1.5;
        }
    }
    std::printf("one lookup with 10x the records: %s\n",
                linear ? "at most 1.5x slower" : "MORE THAN 1.5x SLOWER");
    return linear ? 0 : 1;
}

#pragma once

#include <QString>
#include <deque>

namespace vevezo {

// Aggregate kinds.
enum EnumAggType : int { aggSum = 0, aggCount = 1 };

// One cached aggregate: the kind, the column, and its value once computed.
struct TSumItem {
    int GroupOperation = aggSum;
    QString FieldName;
    bool computed = false;
    double value = 0;
};

// The aggregates a producer has been asked for. Items are only ever added.
class TSumCollection {
public:
    // The first item of that kind whose column name equals the name exactly, or none.
    TSumItem* Find(int operation, const QString& name);
    TSumItem& Add(int operation, const QString& name);
    std::deque<TSumItem>& Items() { return items_; }
    const std::deque<TSumItem>& Items() const { return items_; }

private:
    std::deque<TSumItem> items_; // stable addresses while items are added
};

} // namespace vevezo

#pragma once

#include "data/Recordset.h"
#include "document/XmlDocument.h"
#include "table/SumItem.h"

#include <vector>

namespace vevezo {

// Computes the sums and counts of a data set's columns in one walk over its records for every
// aggregate asked for and not yet known, and keeps them until the data changes.
class TCustomSumListsProducer {
public:
    virtual ~TCustomSumListsProducer() = default;

    // The aggregate of a column, computed first when asked and not yet known. Without data the
    // answer is 0 and nothing is recorded.
    double GetValue(const QString& name, int operation, bool compute = true);
    // Zeroes the values not yet computed, or every value (and its computed mark) when all.
    void Reset(bool all);
    TSumCollection& Items() { return items_; }
    bool Computing() const { return computing_; }
    // Copies the other producer's items and takes its data.
    void Assign(const TCustomSumListsProducer& other);

protected:
    virtual bool HasData() const = 0;
    // Whether the column can be aggregated at all (a record set answers 0 for unknown columns
    // and chapters without walking).
    virtual bool Aggregatable(const QString&) const { return true; }
    // Whether there are records to walk (an open, non-empty record set; a packet with rows).
    virtual bool Walkable() const = 0;
    // Walks the records once for the given pending items.
    virtual void Walk(const std::vector<TSumItem*>& pending) = 0;
    virtual void TakeData(const TCustomSumListsProducer& other) = 0;
    void Compute();

private:
    TSumCollection items_;
    bool computing_ = false;
};

// Aggregates over a record set; its position is kept across the walk.
class TRSSumListsProducer : public TCustomSumListsProducer {
public:
    void SetData(const RecordsetPtr& data);
    const RecordsetPtr& Data() const { return data_; }

protected:
    bool HasData() const override { return data_ != nullptr; }
    bool Aggregatable(const QString& name) const override;
    bool Walkable() const override;
    void Walk(const std::vector<TSumItem*>& pending) override;
    void TakeData(const TCustomSumListsProducer& other) override;

private:
    RecordsetPtr data_;
};

// Aggregates over the records of a data packet node (its RowData child).
class TXmlDBSumListsProducer : public TCustomSumListsProducer {
public:
    void SetData(xml::Node data);
    xml::Node Data() const { return data_; }

protected:
    bool HasData() const override { return static_cast<bool>(data_); }
    bool Walkable() const override { return static_cast<bool>(xml::Child(data_, "RowData")); }
    void Walk(const std::vector<TSumItem*>& pending) override;
    void TakeData(const TCustomSumListsProducer& other) override;

private:
    xml::Node data_;
};

// A value as a number for sums: null, empty and unconvertible values count 0.
double SumValueOf(const QVariant& value);

} // namespace vevezo

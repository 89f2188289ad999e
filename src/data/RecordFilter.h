#pragma once

#include "data/Recordset.h"

#include <QRegularExpression>
#include <memory>

namespace vevezo {

// A record-set filter: clauses "Field op value" (op one of = <> < > <= >= LIKE; values 'text',
// #date#, numbers or NULL; field names in [ ] when they hold blanks) joined by AND and OR with
// parentheses. LIKE takes * or % for any text. Text compares without regard to letter case.
class RecordFilter {
public:
    // Throws Error for criteria that do not parse or name an unknown column.
    RecordFilter(const QString& criteria, const RecordTable& table);
    ~RecordFilter();
    bool Matches(const RecordTable& table, size_t row) const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
};

// A sort order: "Field [ASC|DESC], ...". Throws Error for unknown columns.
class RecordSort {
public:
    RecordSort(const QString& order, const RecordTable& table);
    bool Less(const RecordTable& table, size_t a, size_t b) const;

private:
    std::vector<std::pair<int, bool>> keys_; // column, descending
};

} // namespace vevezo

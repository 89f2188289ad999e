#pragma once

#include "data/AdoTypes.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace vevezo {

class Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;
struct RecordTable;

// One column of a record set.
struct RecordsetField {
    QString name;
    int type = adVarWChar;
    int definedSize = 0;
    int attributes = 0;
    // For chapter columns: the table holding the nested records.
    std::shared_ptr<RecordTable> chapter;
};

// The rows of a record set: loaded once and shared by its clones and by every chapter that
// shows some of them. Values keep the types they were given; a missing value is null. Each
// column's values lie together, so that a value of any record is reached in one step.
struct RecordTable {
    QList<RecordsetField> fields;
    quint64 version = 0; // changes whenever rows are added

    size_t RowCount() const { return rowCount_; }
    const QVariant& Cell(size_t row, int column) const { return columns_[column][row]; }
    QVariant& Cell(size_t row, int column) { return columns_[column][row]; }
    // Appends a row of the given values (one per column; missing ones null) or of nulls.
    void AppendRow(std::vector<QVariant> values);
    void AppendNullRow() { AppendRow({}); }
    // Appends a column, every existing row getting the value made for it.
    void AppendColumn(RecordsetField field, const std::function<QVariant(size_t row)>& value);

    // Column index by name, letter case ignored; -1 when there is none.
    int FieldIndex(const QString& name) const;

private:
    // Columns named in `fields` but not stored yet (appended directly) are made of nulls.
    void StoreAllColumns();

    std::vector<std::vector<QVariant>> columns_;
    size_t rowCount_ = 0;
};

// The records of one chapter cell: row numbers in the chapter's table.
using ChapterRows = std::shared_ptr<std::vector<int>>;

// A static, fully loaded record set with a cursor. Moving to any record costs constant time;
// bookmarks, clones, filters and sorting work on the loaded rows.
class Recordset {
public:
    Recordset();

    // --- shape and state -------------------------------------------------------------------------
    // Columns can be appended while the record set is closed; a chapter column needs the table
    // of its nested records.
    void AppendField(const QString& name, int type, int definedSize = 0, int attributes = 0);
    void AppendChapterField(const QString& name, std::shared_ptr<RecordTable> nested);
    // Opens over the rows built so far (none for a record set made by hand).
    void Open();
    // A record set showing a table, or only the given rows of it.
    static RecordsetPtr Over(std::shared_ptr<RecordTable> table, ChapterRows rows = nullptr);
    void Close();
    int State() const { return open_ ? adStateOpen : adStateClosed; }
    bool IsOpen() const { return open_; }
    bool Supports(int options) const;
    const std::shared_ptr<RecordTable>& Table() const { return table_; }

    // --- columns
    // ----------------------------------------------------------------------------------
    int FieldCount() const { return static_cast<int>(table_->fields.size()); }
    const RecordsetField& Field(int column) const { return table_->fields.at(column); }
    int FieldIndex(const QString& name) const { return table_->FieldIndex(name); }

    // --- cursor
    // -----------------------------------------------------------------------------------
    bool IsBOF() const;
    bool IsEOF() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(qint64 records);
    qint64 RecordCount() const;
    // 1-based position of the current record.
    qint64 AbsolutePosition() const;
    void SetAbsolutePosition(qint64 position);
    QVariant Bookmark() const;
    void SetBookmark(const QVariant& bookmark);

    // --- values of the current record ---------------------------------------------------------
    // A chapter column's value is the record set of the current record's nested records.
    QVariant Value(int column) const;
    QVariant Value(const QString& name) const;
    RecordsetPtr Chapter(int column) const;
    void SetValue(int column, const QVariant& value);
    void AppendChunk(int column, const QByteArray& bytes);
    // Appends an empty (null) record and makes it current.
    void AddNew();
    void Update() {}

    // --- views
    // ------------------------------------------------------------------------------------ Another
    // cursor over the same rows, with the same filter and sort.
    RecordsetPtr Clone() const;
    const QString& Filter() const { return filter_; }
    void SetFilter(const QString& criteria);
    const QString& Sort() const { return sort_; }
    void SetSort(const QString& order);

private:
    void AppendColumn(RecordsetField field);
    // Without a row subset, filter or sort, positions are the table's row numbers themselves.
    bool Identity() const;
    const std::vector<int>& View() const;
    qint64 ViewSize() const;
    int ViewRow(qint64 position) const;
    qint64 ViewPosition(int row) const;
    int CurrentRow() const;
    void RequireOpen() const;

    std::shared_ptr<RecordTable> table_;
    ChapterRows rows_; // null: every row of the table
    QString filter_;
    QString sort_;
    bool open_ = false;
    qint64 position_ = 0; // index into the view; -1 before the first, size after the last

    mutable std::vector<int> view_;
    mutable quint64 viewVersion_ = ~0ull;
    mutable size_t viewRows_ = 0;
};

} // namespace vevezo

Q_DECLARE_METATYPE(vevezo::RecordsetPtr)
Q_DECLARE_METATYPE(vevezo::ChapterRows)

#include "data/Recordset.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/VariantType.h"
#include "data/RecordFilter.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace vevezo {

int RecordTable::FieldIndex(const QString& name) const {
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void RecordTable::StoreAllColumns() {
    while (columns_.size() < static_cast<size_t>(fields.size())) {
        columns_.emplace_back(rowCount_, NullValue());
    }
}

void RecordTable::AppendRow(std::vector<QVariant> values) {
    StoreAllColumns();
    for (size_t column = 0; column < columns_.size(); ++column) {
        columns_[column].push_back(column < values.size() ? std::move(values[column])
                                                          : NullValue());
    }
    ++rowCount_;
}

void RecordTable::AppendColumn(RecordsetField field,
                               const std::function<QVariant(size_t row)>& value) {
    StoreAllColumns();
    std::vector<QVariant> cells;
    cells.reserve(rowCount_);
    for (size_t row = 0; row < rowCount_; ++row) {
        cells.push_back(value(row));
    }
    columns_.push_back(std::move(cells));
    fields.append(std::move(field));
}

Recordset::Recordset() : table_(std::make_shared<RecordTable>()) {}

void Recordset::AppendField(const QString& name, int type, int definedSize, int attributes) {
    if (type == adChapter) {
        throw Error(QString::fromUtf8(msg::ChapterNeedsRecords).arg(name));
    }
    AppendColumn(RecordsetField{name, type, definedSize, attributes, nullptr});
}

void Recordset::AppendChapterField(const QString& name, std::shared_ptr<RecordTable> nested) {
    AppendColumn(RecordsetField{name, adChapter, 0, 0, std::move(nested)});
}

void Recordset::AppendColumn(RecordsetField field) {
    if (open_) {
        throw Error(QString::fromUtf8(msg::RecordsetOpen));
    }
    table_->fields.append(std::move(field));
}

void Recordset::Open() {
    open_ = true;
    position_ = 0;
}

RecordsetPtr Recordset::Over(std::shared_ptr<RecordTable> table, ChapterRows rows) {
    auto recordset = std::make_shared<Recordset>();
    recordset->table_ = std::move(table);
    recordset->rows_ = std::move(rows);
    recordset->Open();
    return recordset;
}

void Recordset::Close() {
    RequireOpen();
    open_ = false;
}

bool Recordset::Supports(int options) const {
    return (options & ~(adBookmark | adApproxPosition)) == 0;
}

void Recordset::RequireOpen() const {
    if (!open_) {
        throw Error(QString::fromUtf8(msg::RecordsetClosed));
    }
}

bool Recordset::Identity() const {
    return !rows_ && filter_.isEmpty() && sort_.isEmpty();
}

const std::vector<int>& Recordset::View() const {
    const size_t rowCount = rows_ ? rows_->size() : table_->RowCount();
    if (viewVersion_ == table_->version && viewRows_ == rowCount) {
        return view_;
    }
    if (rows_) {
        view_ = *rows_;
    } else {
        view_.resize(rowCount);
        std::iota(view_.begin(), view_.end(), 0);
    }
    if (!filter_.isEmpty()) {
        const RecordFilter filter(filter_, *table_);
        std::erase_if(view_, [&](int row) { return !filter.Matches(*table_, row); });
    }
    if (!sort_.isEmpty()) {
        const RecordSort sort(sort_, *table_);
        std::stable_sort(view_.begin(), view_.end(),
                         [&](int a, int b) { return sort.Less(*table_, a, b); });
    }
    viewVersion_ = table_->version;
    viewRows_ = rowCount;
    return view_;
}

qint64 Recordset::ViewSize() const {
    return Identity() ? static_cast<qint64>(table_->RowCount())
                      : static_cast<qint64>(View().size());
}

int Recordset::ViewRow(qint64 position) const {
    return Identity() ? static_cast<int>(position) : View()[static_cast<size_t>(position)];
}

qint64 Recordset::ViewPosition(int row) const {
    if (Identity()) {
        return row >= 0 && row < static_cast<int>(table_->RowCount()) ? row : -1;
    }
    const std::vector<int>& view = View();
    const auto found = std::find(view.begin(), view.end(), row);
    return found == view.end() ? -1 : found - view.begin();
}

bool Recordset::IsBOF() const {
    RequireOpen();
    return position_ < 0 || ViewSize() == 0;
}

bool Recordset::IsEOF() const {
    RequireOpen();
    return position_ >= ViewSize();
}

void Recordset::MoveFirst() {
    RequireOpen();
    position_ = 0;
}

void Recordset::MoveLast() {
    RequireOpen();
    position_ = ViewSize() == 0 ? 0 : ViewSize() - 1;
}

void Recordset::MoveNext() {
    if (IsEOF()) {
        throw Error(QString::fromUtf8(msg::NoCurrentRecord));
    }
    ++position_;
}

void Recordset::MovePrevious() {
    if (IsBOF()) {
        throw Error(QString::fromUtf8(msg::NoCurrentRecord));
    }
    --position_;
}

void Recordset::Move(qint64 records) {
    RequireOpen();
    const qint64 size = ViewSize();
    position_ = std::clamp<qint64>(position_ + records, -1, size);
    if (size == 0) {
        position_ = 0;
    }
}

qint64 Recordset::RecordCount() const {
    RequireOpen();
    return ViewSize();
}

qint64 Recordset::AbsolutePosition() const {
    return IsBOF() || IsEOF() ? -1 : position_ + 1;
}

void Recordset::SetAbsolutePosition(qint64 position) {
    RequireOpen();
    if (position < 1 || position > ViewSize()) {
        throw Error(QString::fromUtf8(msg::BadBookmark));
    }
    position_ = position - 1;
}

QVariant Recordset::Bookmark() const {
    return QVariant(qint64(CurrentRow()) + 1);
}

void Recordset::SetBookmark(const QVariant& bookmark) {
    RequireOpen();
    bool ok = false;
    const qint64 row = bookmark.toLongLong(&ok) - 1;
    const qint64 position =
        ok && row >= 0 && row <= INT_MAX ? ViewPosition(static_cast<int>(row)) : -1;
    if (position < 0) {
        throw Error(QString::fromUtf8(msg::BadBookmark));
    }
    position_ = position;
}

int Recordset::CurrentRow() const {
    if (IsBOF() || IsEOF()) {
        throw Error(QString::fromUtf8(msg::NoCurrentRecord));
    }
    return ViewRow(position_);
}

QVariant Recordset::Value(int column) const {
    const int row = CurrentRow();
    if (column < 0 || column >= FieldCount()) {
        throw Error(QString::fromUtf8(msg::NoSuchField).arg(column));
    }
    if (table_->fields[column].type == adChapter) {
        return QVariant::fromValue(Chapter(column));
    }
    return table_->Cell(row, column);
}

QVariant Recordset::Value(const QString& name) const {
    const int column = FieldIndex(name);
    if (column < 0) {
        throw Error(QString::fromUtf8(msg::NoSuchField).arg(name));
    }
    return Value(column);
}

RecordsetPtr Recordset::Chapter(int column) const {
    const int row = CurrentRow();
    const RecordsetField& field = table_->fields.at(column);
    if (field.type != adChapter || !field.chapter) {
        return nullptr;
    }
    ChapterRows rows = table_->Cell(row, column).value<ChapterRows>();
    if (!rows) {
        rows = std::make_shared<std::vector<int>>();
        table_->Cell(row, column) = QVariant::fromValue(rows);
    }
    return Over(field.chapter, rows);
}

void Recordset::SetValue(int column, const QVariant& value) {
    const int row = CurrentRow();
    if (column < 0 || column >= FieldCount() || table_->fields[column].type == adChapter) {
        throw Error(QString::fromUtf8(msg::NoSuchField).arg(column));
    }
    table_->Cell(row, column) = value;
}

void Recordset::AppendChunk(int column, const QByteArray& bytes) {
    const int row = CurrentRow();
    if (column < 0 || column >= FieldCount()) {
        throw Error(QString::fromUtf8(msg::NoSuchField).arg(column));
    }
    QVariant& cell = table_->Cell(row, column);
    QByteArray data = IsNull(cell) ? QByteArray() : cell.toByteArray();
    data.append(bytes);
    cell = data;
}

void Recordset::AddNew() {
    RequireOpen();
    const int index = static_cast<int>(table_->RowCount());
    table_->AppendNullRow();
    ++table_->version;
    if (rows_) {
        rows_->push_back(index);
    }
    if (Identity()) {
        position_ = index;
        return;
    }
    if (filter_.isEmpty() && sort_.isEmpty() && viewVersion_ == table_->version - 1 &&
        viewRows_ + 1 == rows_->size()) {
        // Records added one by one to a chapter extend its view instead of rebuilding it.
        view_.push_back(index);
        viewVersion_ = table_->version;
        viewRows_ = view_.size();
        position_ = static_cast<qint64>(view_.size()) - 1;
        return;
    }
    const qint64 position = ViewPosition(index);
    position_ = position < 0 ? ViewSize() : position;
}

RecordsetPtr Recordset::Clone() const {
    RequireOpen();
    auto clone = Over(table_, rows_);
    clone->filter_ = filter_;
    clone->sort_ = sort_;
    return clone;
}

void Recordset::SetFilter(const QString& criteria) {
    if (!criteria.isEmpty()) {
        RecordFilter(criteria, *table_); // refuse criteria that do not parse, before storing them
    }
    filter_ = criteria;
    viewVersion_ = ~0ull;
    position_ = 0;
}

void Recordset::SetSort(const QString& order) {
    RecordSort(order, *table_);
    sort_ = order;
    viewVersion_ = ~0ull;
    position_ = 0;
}

} // namespace vevezo

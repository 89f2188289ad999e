#include "data/Recordset.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/VariantType.h"
#include "data/RecordFilter.h"

#include <algorithm>
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

const std::vector<int>& Recordset::View() const {
    const size_t rowCount = rows_ ? rows_->size() : table_->rows.size();
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
        std::erase_if(view_, [&](int row) { return !filter.Matches(table_->rows[row]); });
    }
    if (!sort_.isEmpty()) {
        const RecordSort sort(sort_, *table_);
        std::stable_sort(view_.begin(), view_.end(),
                         [&](int a, int b) { return sort.Less(table_->rows[a], table_->rows[b]); });
    }
    viewVersion_ = table_->version;
    viewRows_ = rowCount;
    return view_;
}

bool Recordset::IsBOF() const {
    RequireOpen();
    return position_ < 0 || View().empty();
}

bool Recordset::IsEOF() const {
    RequireOpen();
    return position_ >= static_cast<qint64>(View().size());
}

void Recordset::MoveFirst() {
    RequireOpen();
    position_ = 0;
}

void Recordset::MoveLast() {
    RequireOpen();
    position_ = View().empty() ? 0 : static_cast<qint64>(View().size()) - 1;
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
    const qint64 size = static_cast<qint64>(View().size());
    position_ = std::clamp<qint64>(position_ + records, -1, size);
    if (size == 0) {
        position_ = 0;
    }
}

qint64 Recordset::RecordCount() const {
    RequireOpen();
    return static_cast<qint64>(View().size());
}

qint64 Recordset::AbsolutePosition() const {
    return IsBOF() || IsEOF() ? -1 : position_ + 1;
}

void Recordset::SetAbsolutePosition(qint64 position) {
    RequireOpen();
    if (position < 1 || position > static_cast<qint64>(View().size())) {
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
    const std::vector<int>& view = View();
    const auto found = std::find(view.begin(), view.end(), row);
    if (!ok || found == view.end()) {
        throw Error(QString::fromUtf8(msg::BadBookmark));
    }
    position_ = found - view.begin();
}

int Recordset::CurrentRow() const {
    if (IsBOF() || IsEOF()) {
        throw Error(QString::fromUtf8(msg::NoCurrentRecord));
    }
    return View()[static_cast<size_t>(position_)];
}

QVariant Recordset::Value(int column) const {
    const int row = CurrentRow();
    if (column < 0 || column >= FieldCount()) {
        throw Error(QString::fromUtf8(msg::NoSuchField).arg(column));
    }
    if (table_->fields[column].type == adChapter) {
        return QVariant::fromValue(Chapter(column));
    }
    return table_->rows[row][column];
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
    ChapterRows rows = table_->rows[row][column].value<ChapterRows>();
    if (!rows) {
        rows = std::make_shared<std::vector<int>>();
        table_->rows[row][column] = QVariant::fromValue(rows);
    }
    return Over(field.chapter, rows);
}

void Recordset::SetValue(int column, const QVariant& value) {
    const int row = CurrentRow();
    if (column < 0 || column >= FieldCount() || table_->fields[column].type == adChapter) {
        throw Error(QString::fromUtf8(msg::NoSuchField).arg(column));
    }
    table_->rows[row][column] = value;
}

void Recordset::AppendChunk(int column, const QByteArray& bytes) {
    const int row = CurrentRow();
    QVariant& cell = table_->rows.at(row).at(column);
    QByteArray data = IsNull(cell) ? QByteArray() : cell.toByteArray();
    data.append(bytes);
    cell = data;
}

void Recordset::AddNew() {
    RequireOpen();
    std::vector<QVariant> row(table_->fields.size(), NullValue());
    const int index = static_cast<int>(table_->rows.size());
    table_->rows.push_back(std::move(row));
    ++table_->version;
    if (rows_) {
        rows_->push_back(index);
    }
    if (filter_.isEmpty() && sort_.isEmpty() && viewVersion_ == table_->version - 1 &&
        viewRows_ + 1 == (rows_ ? rows_->size() : table_->rows.size())) {
        // Records added one by one (loading a packet) extend the view instead of rebuilding it.
        view_.push_back(index);
        viewVersion_ = table_->version;
        viewRows_ = view_.size();
        position_ = static_cast<qint64>(view_.size()) - 1;
        return;
    }
    const std::vector<int>& view = View();
    const auto found = std::find(view.begin(), view.end(), index);
    position_ = found == view.end() ? static_cast<qint64>(view.size()) : found - view.begin();
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

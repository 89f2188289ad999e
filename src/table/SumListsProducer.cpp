#include "table/SumListsProducer.h"

#include "common/VariantType.h"
#include "data/PacketText.h"
#include "data/ValueCompare.h"

namespace vevezo {

double SumValueOf(const QVariant& value) {
    if (const auto number = NumberOf(value)) {
        return *number;
    }
    if (VarTypeOf(value) != varOleStr) {
        return 0;
    }
    return NumberFromText(value.toString().trimmed()).value_or(0);
}

double TCustomSumListsProducer::GetValue(const QString& name, int operation, bool compute) {
    if (!HasData() || !Aggregatable(name)) {
        return 0;
    }
    TSumItem* item = items_.Find(operation, name);
    if (!item) {
        item = &items_.Add(operation, name);
    }
    if (compute && !item->computed) {
        Compute();
    }
    return item->value;
}

void TCustomSumListsProducer::Reset(bool all) {
    for (TSumItem& item : items_.Items()) {
        if (all || !item.computed) {
            item.value = 0;
            if (all) {
                item.computed = false;
            }
        }
    }
}

void TCustomSumListsProducer::Assign(const TCustomSumListsProducer& other) {
    items_ = other.items_;
    TakeData(other);
}

void TCustomSumListsProducer::Compute() {
    if (!Walkable()) {
        return;
    }
    computing_ = true;
    Reset(false);
    std::vector<TSumItem*> pending;
    bool named = false;
    for (TSumItem& item : items_.Items()) {
        if (!item.computed) {
            pending.push_back(&item);
            named = named || !item.FieldName.isEmpty();
        }
    }
    if (named) {
        try {
            Walk(pending);
        } catch (...) {
            computing_ = false;
            throw;
        }
        for (TSumItem& item : items_.Items()) {
            if (!item.FieldName.isEmpty()) {
                item.computed = true;
            }
        }
    }
    computing_ = false;
}

// --- record sets ---------------------------------------------------------------------------------

void TRSSumListsProducer::SetData(const RecordsetPtr& data) {
    if (data != data_) {
        Reset(true);
        data_ = data;
    }
}

void TRSSumListsProducer::TakeData(const TCustomSumListsProducer& other) {
    if (const auto* rs = dynamic_cast<const TRSSumListsProducer*>(&other)) {
        SetData(rs->data_);
    }
}

bool TRSSumListsProducer::Aggregatable(const QString& name) const {
    const int column = data_->FieldIndex(name);
    return column >= 0 && data_->Field(column).type != adChapter;
}

bool TRSSumListsProducer::Walkable() const {
    return data_->IsOpen() && !(data_->IsBOF() && data_->IsEOF());
}

void TRSSumListsProducer::Walk(const std::vector<TSumItem*>& pending) {
    Recordset& rs = *data_;
    std::vector<int> columns;
    for (const TSumItem* item : pending) {
        columns.push_back(item->GroupOperation == aggSum && !item->FieldName.isEmpty()
                              ? rs.FieldIndex(item->FieldName)
                              : -1);
    }
    QVariant bookmark;
    if (!rs.IsBOF() && !rs.IsEOF() && rs.Supports(adBookmark)) {
        bookmark = rs.Bookmark();
    }
    const auto restore = [&] {
        if (bookmark.isValid()) {
            rs.SetBookmark(bookmark);
        }
    };
    try {
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
            for (size_t i = 0; i < pending.size(); ++i) {
                if (pending[i]->GroupOperation == aggCount) {
                    pending[i]->value += 1;
                } else if (columns[i] >= 0) {
                    pending[i]->value += SumValueOf(rs.Value(columns[i]));
                }
            }
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

// --- packets -------------------------------------------------------------------------------------

void TXmlDBSumListsProducer::SetData(xml::Node data) {
    if (data != data_) {
        Reset(true);
        data_ = data;
    }
}

void TXmlDBSumListsProducer::TakeData(const TCustomSumListsProducer& other) {
    if (const auto* packet = dynamic_cast<const TXmlDBSumListsProducer*>(&other)) {
        SetData(packet->data_);
    }
}

void TXmlDBSumListsProducer::Walk(const std::vector<TSumItem*>& pending) {
    const xml::Node rows = xml::Child(data_, "RowData");
    for (xml::Node row = rows.first_child(); row; row = row.next_sibling()) {
        if (!xml::HasAttributes(row)) {
            continue;
        }
        for (TSumItem* item : pending) {
            if (item->GroupOperation == aggCount) {
                item->value += 1;
            } else if (!item->FieldName.isEmpty()) {
                if (const auto text = xml::AttrNoCase(row, item->FieldName)) {
                    item->value += SumValueOf(*text);
                }
            }
        }
    }
}

} // namespace vevezo

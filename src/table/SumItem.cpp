#include "table/SumItem.h"

namespace vevezo {

TSumItem* TSumCollection::Find(int operation, const QString& name) {
    for (TSumItem& item : items_) {
        if (item.GroupOperation == operation && item.FieldName == name) {
            return &item;
        }
    }
    return nullptr;
}

TSumItem& TSumCollection::Add(int operation, const QString& name) {
    items_.push_back(TSumItem{operation, name, false, 0});
    return items_.back();
}

} // namespace vevezo

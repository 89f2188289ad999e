#pragma once

#include <QList>

namespace vevezo {

// Walks a collection by index (anything with Count() and Items(i)), as automation enumerators
// do: Next hands out items from the position on, Skip advances, Reset starts over.
template <typename Collection, typename Item> class IndexEnumerator {
public:
    explicit IndexEnumerator(const Collection* items, int position = 0)
        : items_(items), position_(position) {}
    // Up to `count` items from the current position on; true when exactly `count` came.
    bool Next(int count, QList<Item*>& out) {
        int given = 0;
        while (given < count && position_ < items_->Count()) {
            out.append(items_->Items(position_++));
            ++given;
        }
        return given == count;
    }
    // Advances by `count`; past the end it stops at the end and answers false.
    bool Skip(int count) {
        if (position_ + count <= items_->Count()) {
            position_ += count;
            return true;
        }
        position_ = items_->Count();
        return false;
    }
    void Reset() { position_ = 0; }

protected:
    const Collection* Source() const { return items_; }
    int Position() const { return position_; }

private:
    const Collection* items_;
    int position_;
};

} // namespace vevezo

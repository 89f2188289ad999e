#pragma once

#include "common/IndexEnumerator.h"
#include "providers/RptDoc.h"

#include <QList>
#include <QObject>

namespace vevezo {

class TRptDocs;

// Walks the providers of a collection; a clone goes on from the same position.
class TRptPvdsEnumerator : public IndexEnumerator<TRptDocs, TRptDoc> {
public:
    using IndexEnumerator::IndexEnumerator;
    TRptPvdsEnumerator Clone() const { return TRptPvdsEnumerator(Source(), Position()); }
};

// The reports of one report set, optionally sharing one data-source collection.
class TRptDocs : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int SingleDataSources READ SingleDataSources WRITE SetSingleDataSources)
    Q_PROPERTY(bool CoPages READ CoPages WRITE SetCoPages)

public:
    explicit TRptDocs(QObject* parent = nullptr);
    ~TRptDocs() override;

    Q_INVOKABLE vevezo::TRptDoc* Add() { return Insert(-1); }
    // Places a new provider at the index; an index outside the list appends.
    Q_INVOKABLE vevezo::TRptDoc* Insert(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    Q_INVOKABLE void Clear();
    Q_INVOKABLE void Delete(int index);
    Q_INVOKABLE vevezo::TRptDoc* Items(int index) const;
    RptDocPtr Item(int index) const;
    // The item at the index copies the given provider; out of range does nothing.
    Q_INVOKABLE void SetItems(int index, vevezo::TRptDoc* provider);
    TRptPvdsEnumerator NewEnum() const { return TRptPvdsEnumerator(this); }
    Q_INVOKABLE int IndexOfProvider(vevezo::TRptDoc* provider) const;
    Q_INVOKABLE vevezo::TRptDoc* ProviderByID(int id) const;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    bool CoPages() const { return coPages_; }
    void SetCoPages(bool value) { coPages_ = value; }
    // Switching on gives every provider one new, empty shared collection; switching off only
    // clears the flag.
    int SingleDataSources() const { return single_; }
    void SetSingleDataSources(int value);
    std::shared_ptr<TRptDSOs> DataSources() const { return sources_; }

private:
    QList<RptDocPtr> items_;
    int tag_ = 0;
    bool coPages_ = false;
    int single_ = 0;
    std::shared_ptr<TRptDSOs> sources_;
};

} // namespace vevezo

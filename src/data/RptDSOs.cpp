#include "data/RptDSOs.h"

#include "common/Error.h"
#include "data/Connection.h"
#include "data/DataPacket.h"
#include "data/FieldPath.h"
#include "data/SystemSource.h"

namespace vevezo {

TRptDSOs::TRptDSOs(QObject* parent) : QObject(parent) {}

TRptDSOs::~TRptDSOs() {
    Clear();
}

TRptDSO* TRptDSOs::Add() {
    return Insert(Count());
}

TRptDSO* TRptDSOs::Insert(int index) {
    auto* source = new TRptDSO(this);
    source->setParent(this);
    if (index < 0 || index >= Count()) {
        items_.append(source);
    } else {
        items_.insert(index, source);
    }
    return source;
}

void TRptDSOs::Clear() {
    const QList<TRptDSO*> items = std::exchange(items_, {});
    qDeleteAll(items);
}

void TRptDSOs::Delete(int index) {
    if (index >= 0 && index < Count()) {
        delete items_.takeAt(index);
    }
}

TRptDSO* TRptDSOs::Items(int index) const {
    return index >= 0 && index < Count() ? items_[index] : nullptr;
}

void TRptDSOs::SetItems(int index, TRptDSO* source) {
    if (TRptDSO* item = Items(index)) {
        item->AssignFrom(source);
    }
}

int TRptDSOs::IndexOf(const QString& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (items_[i]->DataName().compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int TRptDSOs::MainIndex() const {
    for (int i = 0; i < Count(); ++i) {
        if (items_[i]->IsMain()) {
            return i;
        }
    }
    return -1;
}

TRptDSO* TRptDSOs::AddSystemSource() {
    for (TRptDSO* source : items_) {
        if (source->DataName() == QLatin1String(kSystemSourceName)) {
            return source;
        }
    }
    TRptDSO* source = Add();
    source->SetDataName(QString::fromLatin1(kSystemSourceName));
    source->SetSource(SystemSourceText());
    source->SetDataType(rptDSxml);
    return source;
}

void TRptDSOs::AssignFrom(TRptDSOs* other) {
    if (!other || other == this) {
        return;
    }
    Clear();
    if (other->connection_) {
        SetConnection(other->connection_);
    } else {
        SetConnectionString(other->connectionString_);
    }
    for (TRptDSO* source : other->items_) {
        Add()->AssignFrom(source);
    }
}

void TRptDSOs::OpenUnparsed(bool databaseOnly) {
    for (TRptDSO* source : items_) {
        if (!source->Parsed() &&
            (!databaseOnly || source->DataType() == rptDSdb || source->DataType() == rptDSxmldb)) {
            source->Open();
        }
    }
}

void TRptDSOs::SetConnection(std::shared_ptr<Connection> connection) {
    if (connection == connection_) {
        return;
    }
    connection_ = std::move(connection);
    connectionString_.clear();
    opened_.reset();
}

void TRptDSOs::SetConnectionString(const QString& text) {
    if (text == connectionString_) {
        return;
    }
    connectionString_ = text;
    connection_.reset();
    opened_.reset();
}

std::shared_ptr<Connection> TRptDSOs::DatabaseConnection() {
    if (connection_) {
        return connection_;
    }
    if (connectionString_.isEmpty()) {
        return nullptr;
    }
    if (!opened_) {
        opened_ = std::make_shared<Connection>(connectionString_);
    }
    return opened_;
}

QString TRptDSOs::TransAdoToXml(const QVariant& records, const QVariant& description) {
    if (records.metaType() != QMetaType::fromType<RecordsetPtr>()) {
        return {};
    }
    if (description.metaType() == QMetaType::fromType<XmlData>()) {
        return vevezo::TransAdoToXml(records.value<RecordsetPtr>(),
                                     description.value<XmlData>().node);
    }
    const QString text =
        description.metaType().id() == QMetaType::QString ? description.toString() : QString();
    return vevezo::TransAdoToXml(records.value<RecordsetPtr>(), text);
}

QVariant TRptDSOs::TransXmlToAdo(const QVariant& packet) {
    RecordsetPtr records;
    if (packet.metaType() == QMetaType::fromType<XmlData>()) {
        records = vevezo::TransXmlToAdo(packet.value<XmlData>().node);
    } else if (packet.metaType().id() == QMetaType::QString) {
        records = vevezo::TransXmlToAdo(packet.toString());
    }
    return records ? QVariant::fromValue(records) : QVariant();
}

const QStringList& TRptDSOs::PathParts(const QString& field) {
    auto found = paths_.find(field);
    if (found != paths_.end()) {
        return *found;
    }
    // Designs hold a bounded set of paths; anything beyond is an unusual caller, not growth.
    if (paths_.size() > 4096) {
        paths_.clear();
    }
    return *paths_.insert(field, SplitFieldPath(field));
}

} // namespace vevezo

#include "data/RptDSO.h"

#include "common/Error.h"
#include "data/Connection.h"
#include "data/DataPacket.h"
#include "data/FieldDescription.h"
#include "data/PacketIndex.h"
#include "data/RptDSOs.h"
#include "table/SumListsProducer.h"

#include <cstring>

namespace vevezo {

TRptDSO::TRptDSO(TRptDSOs* owner) : owner_(owner) {}

TRptDSO::~TRptDSO() = default;

void TRptDSO::SetDataName(const QString& text) {
    givenName_ = text;
    XmlData description = XmlData::Parse(text);
    if (description) {
        dataName_ = xml::NodeName(description.node);
        fields_ = std::move(description);
    } else if (!fields_) {
        // A plain name names the source until a field description does.
        dataName_ = text;
    }
}

void TRptDSO::SetIsMain(bool value) {
    if (value == isMain_) {
        return;
    }
    if (value && dataType_ != rptDSUnknown && dataType_ != rptDSdb && dataType_ != rptDSxmldb) {
        return;
    }
    isMain_ = value;
}

void TRptDSO::Close(bool releaseFields) {
    if (releaseFields) {
        fields_ = {};
    }
    sums_.reset();
    packet_.reset();
    const bool hadData = records_ || xml_;
    if (records_ && !borrowed_ && records_->IsOpen()) {
        records_->Close();
    }
    records_.reset();
    xml_ = {};
    if (hadData) {
        dataType_ = rptDSUnknown;
    }
}

void TRptDSO::Open() {
    if (parsed_) {
        return;
    }
    const int type = dataType_;
    Close(false);
    parsed_ = false;
    switch (type) {
    case rptDSUnknown:
        if (OpenXml()) {
            dataType_ = rptDSxml;
        } else if (OpenDatabase()) {
            dataType_ = rptDSdb;
        }
        break;
    case rptDSxml:
        dataType_ = OpenXml() ? rptDSxml : rptDSUnknown;
        break;
    case rptDSdb:
        dataType_ = OpenDatabase() ? rptDSdb : rptDSUnknown;
        break;
    case rptDSxmldb:
        dataType_ = OpenPacket() ? rptDSxmldb : rptDSUnknown;
        break;
    default:
        break;
    }
}

bool TRptDSO::OpenXml() {
    XmlData document = XmlData::Parse(source_);
    if (!document) {
        return false;
    }
    dataName_ = xml::NodeName(document.node);
    xml_ = std::move(document);
    parsed_ = true;
    borrowed_ = false;
    return true;
}

bool TRptDSO::OpenPacket() {
    XmlData packet = XmlData::Parse(source_);
    if (!packet || std::strcmp(packet.node.name(), "BVDataPacket") != 0) {
        return false;
    }
    TakePacket(std::move(packet));
    return true;
}

void TRptDSO::TakePacket(XmlData packet) {
    xml_ = std::move(packet);
    SetDataName(DescriptionFromPacket(xml_.node));
    parsed_ = true;
    borrowed_ = false;
}

bool TRptDSO::OpenDatabase() {
    try {
        const std::shared_ptr<Connection> connection =
            owner_ ? owner_->DatabaseConnection() : nullptr;
        if (!connection) {
            return false;
        }
        records_ = connection->Execute(source_);
    } catch (const Error&) {
        records_.reset();
        return false;
    }
    parsed_ = true;
    borrowed_ = false;
    return true;
}

QVariant TRptDSO::Data() {
    Open();
    if (records_) {
        return QVariant::fromValue(records_);
    }
    if (xml_) {
        return QVariant::fromValue(xml_);
    }
    return {};
}

void TRptDSO::SetData(const QVariant& data) {
    parsed_ = false;
    Close(false);
    if (!data.isValid()) {
        return;
    }
    borrowed_ = false;
    if (data.canConvert<RecordsetPtr>() && data.metaType() == QMetaType::fromType<RecordsetPtr>()) {
        const RecordsetPtr records = data.value<RecordsetPtr>();
        if (records && records->IsOpen()) {
            records_ = records->Clone();
            dataType_ = rptDSdb;
            parsed_ = true;
        }
        return;
    }
    if (data.metaType() == QMetaType::fromType<XmlData>()) {
        const XmlData given = data.value<XmlData>();
        if (!given) {
            dataType_ = rptDSUnknown;
            return;
        }
        if (std::strcmp(given.node.name(), "BVDataPacket") == 0 &&
            xml::ChildPath(given.node, "MetaData/Fields")) {
            TakePacket(XmlData::CopyOf(given.node));
            dataType_ = rptDSxmldb;
            return;
        }
        dataName_ = xml::NodeName(given.node);
        xml_ = XmlData::CopyOf(given.node);
        dataType_ = rptDSxml;
        parsed_ = true;
        return;
    }
    dataType_ = rptDSUnknown;
}

void TRptDSO::AssignFrom(TRptDSO* other) {
    if (!other || other == this) {
        return;
    }
    Close(true);
    dataType_ = other->dataType_;
    records_ = other->records_;
    xml_ = other->xml_;
    dataName_ = other->dataName_;
    source_ = other->source_;
    mainDoc_ = other->mainDoc_;
    if (other->fields_) {
        givenName_ = xml::Serialize(other->fields_.node);
        fields_ = XmlData::CopyOf(other->fields_.node);
    }
    parsed_ = other->parsed_;
    borrowed_ = true;
}

xml::Node TRptDSO::XMLFields() {
    if (fields_) {
        return fields_.node;
    }
    Open();
    if (!parsed_) {
        source_.clear();
        return {};
    }
    if (dataType_ == rptDSdb && records_) {
        QString name = dataName_.isEmpty() ? givenName_ : dataName_;
        if (name.isEmpty()) {
            name = source_;
        }
        SetDataName(DescriptionFromRecordSet(*records_, name));
    } else if (dataType_ == rptDSxmldb && xml_) {
        SetDataName(DescriptionFromPacket(xml_.node));
    }
    return fields_ ? fields_.node : xml::Node();
}

QVariant TRptDSO::XMLFieldsValue() {
    const xml::Node node = XMLFields();
    return node ? QVariant::fromValue(fields_) : QVariant();
}

const PacketIndex& TRptDSO::Packet() {
    if (!packet_) {
        packet_ = std::make_unique<PacketIndex>(xml_.node);
    }
    return *packet_;
}

double TRptDSO::GetAggregateValue(const QString& dataField, int aggType) {
    Open();
    if (!parsed_) {
        return 0;
    }
    if (dataType_ == rptDSdb && records_) {
        if (!sums_) {
            auto producer = std::make_unique<TRSSumListsProducer>();
            producer->SetData(records_);
            sums_ = std::move(producer);
        }
    } else if (dataType_ == rptDSxmldb && xml_) {
        if (!sums_) {
            auto producer = std::make_unique<TXmlDBSumListsProducer>();
            producer->SetData(xml_.node);
            sums_ = std::move(producer);
        }
    } else {
        return 0;
    }
    return sums_->GetValue(dataField, aggType);
}

} // namespace vevezo

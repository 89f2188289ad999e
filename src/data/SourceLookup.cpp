// The value lookup of a data-source collection: given a binding (kind, source, field path,
// format) and a record position, the one value an element shows.
#include "common/Error.h"
#include "common/Numbers.h"
#include "common/VariantType.h"
#include "data/FieldPath.h"
#include "data/FormatValue.h"
#include "data/PacketIndex.h"
#include "data/PacketText.h"
#include "data/RptDSOs.h"
#include "data/SystemSource.h"
#include "data/ValueList.h"
#include "script/ExpressParser.h"
#include "table/SumListsProducer.h"

#include <QDate>

namespace vevezo {

namespace {

// The element reached from a node through parts 1 ... n, each a child named like the part.
xml::Node Walk(xml::Node from, const QStringList& parts) {
    for (qsizetype i = 1; i < parts.size() && from; ++i) {
        from = xml::ChildNoCase(from, parts[i]);
    }
    return from;
}

QVariant AttrValue(xml::Node node, const char* name) {
    const auto text = xml::Attr(node, name);
    return text ? QVariant(*text) : QVariant();
}

// A null column value shows as the zero of its column type.
QVariant TypedZero(int type) {
    if (IsIntegerType(type)) {
        return 0;
    }
    if (IsFloatType(type)) {
        return QVariant::fromValue(Currency{0});
    }
    if (type == adBoolean) {
        return false;
    }
    return QString();
}

QVariant ColumnValue(const Recordset& records, const QString& name) {
    const int column = records.FieldIndex(name);
    if (column < 0) {
        return {};
    }
    const QVariant value = records.Value(column);
    return IsNull(value) ? TypedZero(records.Field(column).type) : value;
}

class Lookup {
public:
    Lookup(TRptDSO& source, const QStringList& parts, bool list, int formatType, QString& format,
           int row, int subRow, IRptPageInfoEnumerator* pageInfo)
        : s_(source), parts_(parts), n_(parts.size() - 1), list_(list), formatType_(formatType),
          format_(format), row_(row), subRow_(subRow), pageInfo_(pageInfo) {}

    QVariant Value(int kind) {
        switch (s_.DataType()) {
        case rptDSxml:
            return s_.DataName().compare(QLatin1String(kSystemSourceName), Qt::CaseInsensitive) == 0
                       ? SystemValue(kind)
                       : XmlValue(kind);
        case rptDSdb:
        case rptDSxmldb: {
            const QVariant value = DataValue(kind);
            if (formatType_ == rftDefault) {
                format_ = xml::AttrOr(Walk(s_.XMLFields(), parts_), "Format");
            }
            return value;
        }
        default:
            return {};
        }
    }

private:
    QVariant SystemValue(int kind) {
        if (n_ < 1) {
            return {};
        }
        const xml::Node root = s_.Document().node;
        const QString& field = parts_[1];
        QVariant value;
        if (kind == rdtDataCaption) {
            value = AttrValue(xml::ChildNoCase(root, field), "Caption");
        } else if (field == QLatin1String("Page")) {
            value = pageInfo_ ? pageInfo_->GetPageInfo(1) : 0;
        } else if (field == QLatin1String("Pages")) {
            value = pageInfo_ ? pageInfo_->GetPageInfo(2) : 0;
        } else if (field == QLatin1String("Date")) {
            value = QDate::currentDate();
        } else if (field == QLatin1String("RegisteredOwner")) {
            value = RegisteredOwner();
        } else if (field == QLatin1String("RegisteredOrganization")) {
            value = RegisteredOrganization();
        }
        if (formatType_ == rftDefault) {
            format_ = xml::AttrOr(Walk(root, parts_), "Format");
        }
        return value;
    }

    QVariant XmlValue(int kind) {
        const xml::Node element = Walk(s_.Document().node, parts_);
        if (!element) {
            return {};
        }
        QVariant value;
        if (kind == rdtDataValue) {
            const QString type = xml::AttrOr(element, "DataType");
            value = ValueFromText(xml::Text(element), TryStrictInt(type).value_or(0));
        } else if (kind == rdtDataCaption) {
            value = AttrValue(element, "Caption");
        }
        if (formatType_ == rftDefault) {
            format_ = xml::AttrOr(element, "Format");
        }
        return value;
    }

    QVariant DataValue(int kind) {
        if (kind == rdtDataCaption) {
            return AttrValue(Walk(s_.XMLFields(), parts_), "Caption");
        }
        const bool packet = s_.DataType() == rptDSxmldb;
        if (kind == rdtDataValue && n_ >= 1) {
            const QVariant value = packet ? PacketRecordValue() : RecordSetValue();
            return list_
                       ? ApplyValueList(xml::Child(Walk(s_.XMLFields(), parts_), "DataList"), value)
                       : value;
        }
        if (kind == rdtDataSum || kind == rdtDataCount) {
            const int aggregate = kind == rdtDataSum ? rptAggSum : rptAggCount;
            if (n_ == 1) {
                return s_.GetAggregateValue(parts_[1], aggregate);
            }
            if (n_ >= 2) {
                return packet ? PacketNestedAggregate(aggregate)
                              : RecordSetNestedAggregate(aggregate);
            }
            return packet ? QVariant() : QVariant(0);
        }
        return {};
    }

    QVariant PacketRecordValue() {
        const QString nested = n_ == 2 ? parts_[2] : QString();
        const PacketIndex& packet = s_.Packet();
        return s_.IsMain() ? packet.Value(row_ - 1, parts_[1], nested, subRow_ - 1)
                           : packet.Value(0, parts_[1], nested, 0);
    }

    QVariant RecordSetValue() {
        const RecordsetPtr& records = s_.Records();
        if (!records || !records->IsOpen() || (records->IsBOF() && records->IsEOF())) {
            return {};
        }
        try {
            if (s_.IsMain()) {
                MoveTo(*records, row_);
            }
            if (n_ == 1) {
                return ColumnValue(*records, parts_[1]);
            }
            if (n_ != 2) {
                return {};
            }
            const RecordsetPtr nested = Chapter(*records);
            if (!nested || (nested->IsBOF() && nested->IsEOF())) {
                return {};
            }
            if (s_.IsMain()) {
                MoveTo(*nested, subRow_);
            }
            return ColumnValue(*nested, parts_[2]);
        } catch (const Error&) {
            return {};
        }
    }

    QVariant RecordSetNestedAggregate(int aggregate) {
        const RecordsetPtr& records = s_.Records();
        try {
            if (!records || !records->IsOpen()) {
                return {};
            }
            MoveTo(*records, row_);
            const RecordsetPtr nested = Chapter(*records);
            if (!nested || (nested->IsBOF() && nested->IsEOF())) {
                return {};
            }
            TRSSumListsProducer sums;
            sums.SetData(nested);
            return sums.GetValue(parts_[2], aggregate);
        } catch (const Error&) {
            return {};
        }
    }

    QVariant PacketNestedAggregate(int aggregate) {
        const xml::Node record = s_.Packet().Record(row_ - 1);
        if (!record || !xml::Child(record, "RowData")) {
            return {};
        }
        TXmlDBSumListsProducer sums;
        sums.SetData(record);
        return sums.GetValue(parts_[2], aggregate);
    }

    // The chapter column part 1 of the current record, or none when it is not a chapter.
    RecordsetPtr Chapter(Recordset& records) const {
        const int column = records.FieldIndex(parts_[1]);
        return column >= 0 && records.Field(column).type == adChapter ? records.Chapter(column)
                                                                      : nullptr;
    }

    // Record `row` from 1; 0 and 1 both mean the first; past the last leaves the cursor at the
    // end, where no value is found.
    static void MoveTo(Recordset& records, int row) {
        records.MoveFirst();
        if (row > 1) {
            records.Move(row - 1);
        }
    }

    TRptDSO& s_;
    const QStringList& parts_;
    const qsizetype n_;
    const bool list_;
    const int formatType_;
    QString& format_;
    const int row_;
    const int subRow_;
    IRptPageInfoEnumerator* pageInfo_;
};

} // namespace

QVariant TRptDSOs::GetValue(int dataType, const QString& dataSource, const QString& dataField,
                            int formatType, const QString& format, int row, int subRow,
                            IRptPageInfoEnumerator* pageInfo) {
    const bool list = dataType >= rdtDataListMask;
    const int kind = BoundKind(dataType);
    QString shownFormat = formatType == rftDefine ? format : QString();
    QVariant value;
    if (kind == rdtExpress) {
        value = TExpressParser(dataField, pageInfo, subRow, row, dataSource, this).Value();
    } else if (kind >= rdtDataValue && kind <= rdtDataCount) {
        const QString sourceName = dataSource.isEmpty() ? SourceOfPath(dataField) : dataSource;
        const QStringList& parts = PathParts(dataField);
        const int index = parts.isEmpty() ? -1 : IndexOf(sourceName);
        if (index >= 0) {
            TRptDSO& source = *Items(index);
            source.Open();
            value = Lookup(source, parts, list, formatType, shownFormat, row, subRow, pageInfo)
                        .Value(kind);
        }
    }
    if (!shownFormat.isEmpty() && !IsEmpty(value)) {
        value = FormatValue(shownFormat, value);
    }
    return value;
}

} // namespace vevezo

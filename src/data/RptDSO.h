#pragma once

#include "data/Recordset.h"
#include "data/SourceInterfaces.h"
#include "data/XmlData.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace vevezo {

class TCustomSumListsProducer;
class PacketIndex;

// One named data source: an XML document, a data packet or a record set, opened from a source
// text or attached as a ready object. Sources are made by their collection (TRptDSOs).
class TRptDSO : public QObject, public IRptSourceLink {
    Q_OBJECT
    Q_PROPERTY(QString DataName READ DataName WRITE SetDataName)
    Q_PROPERTY(QString Source READ Source WRITE SetSource)
    Q_PROPERTY(QVariant Data READ Data WRITE SetData)
    Q_PROPERTY(int DataType READ DataType WRITE SetDataType)
    Q_PROPERTY(bool Parsed READ Parsed)
    Q_PROPERTY(QVariant XMLFields READ XMLFieldsValue)
    Q_PROPERTY(bool IsMain READ IsMain WRITE SetIsMain)
    Q_PROPERTY(QString MainDoc READ MainDoc WRITE SetMainDoc)

public:
    explicit TRptDSO(TRptDSOs* owner);
    ~TRptDSO() override;

    // The resolved name: the name of the source's field description or XML document, or the
    // plain text given as its name until a description names it.
    QString DataName() const { return dataName_; }
    // A field description in XML gives the source its description and its name; any other
    // text names the source until a description arrives.
    void SetDataName(const QString& text);
    const QString& GivenName() const { return givenName_; }

    const QString& Source() const { return source_; }
    void SetSource(const QString& text) { source_ = text; }
    int DataType() const { return dataType_; }
    void SetDataType(int type) { dataType_ = type; }
    bool Parsed() const { return parsed_; }
    bool IsMain() const { return isMain_; }
    void SetIsMain(bool value);
    const QString& MainDoc() const { return mainDoc_; }
    void SetMainDoc(const QString& text) { mainDoc_ = text; }
    bool Borrowed() const { return borrowed_; }

    // Opens the source when it is not open: as XML, as a packet or through the collection's
    // database connection, by its kind. Failures leave it unparsed.
    Q_INVOKABLE void Open();
    // The open data (a RecordsetPtr or an XmlData), opening the source first.
    QVariant Data();
    // Attaches a record set (a clone of it), a packet or any XML element; anything else, or a
    // closed record set, leaves the source unparsed.
    void SetData(const QVariant& data);
    // Shares another source's data (borrowed: closing this source leaves it open).
    Q_INVOKABLE void AssignFrom(TRptDSO* other);
    // The field description, built from the data when the source has none.
    xml::Node XMLFields();
    QVariant XMLFieldsValue();
    // The sum or count of a column over all records, cached until the data changes.
    Q_INVOKABLE double GetAggregateValue(const QString& dataField, int aggType);

    // The open data, without opening.
    const RecordsetPtr& Records() const { return records_; }
    const XmlData& Document() const { return xml_; }
    // The packet's records, indexed once per open.
    const PacketIndex& Packet();

    // IRptSourceLink
    QString ResolvedName() const override { return dataName_; }
    TRptDSOs* Owner() const override { return owner_; }
    void SetOwner(TRptDSOs* owner) override { owner_ = owner; }

private:
    void Close(bool releaseFields);
    bool OpenXml();
    bool OpenPacket();
    bool OpenDatabase();
    void TakePacket(XmlData packet);

    QPointer<TRptDSOs> owner_;
    QString source_;
    QString givenName_;
    QString dataName_;
    XmlData fields_;
    XmlData xml_;          // kinds 1 and 3
    RecordsetPtr records_; // kind 2
    int dataType_ = rptDSUnknown;
    bool parsed_ = false;
    bool borrowed_ = false;
    bool isMain_ = false;
    QString mainDoc_;
    std::unique_ptr<TCustomSumListsProducer> sums_;
    std::unique_ptr<PacketIndex> packet_;
};

} // namespace vevezo

#pragma once

#include "common/IndexEnumerator.h"
#include "data/RptDSO.h"
#include "data/SourceInterfaces.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>

namespace vevezo {

class TRptDSOs;

// Walks the sources of a collection; a clone starts at the beginning.
class TRptDSOsEnumerator : public IndexEnumerator<TRptDSOs, TRptDSO> {
public:
    using IndexEnumerator::IndexEnumerator;
    TRptDSOsEnumerator Clone() const { return TRptDSOsEnumerator(Source()); }
};

// The data sources of a report (or of a whole report set): their database connection, the
// built-in System source, conversions between record sets and packets, and the lookup that
// answers every bound value of the report's elements.
class TRptDSOs : public QObject,
                 public IRptSourcesValues,
                 public IRptSourcesAdo,
                 public IRptSourcesConnection {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(QString ConnectionString READ ConnectionString WRITE SetConnectionString)
    Q_PROPERTY(QString DBDocXML READ DBDocXML WRITE SetDBDocXML)
    Q_PROPERTY(int MainIndex READ MainIndex)

public:
    explicit TRptDSOs(QObject* parent = nullptr);
    ~TRptDSOs() override;

    Q_INVOKABLE vevezo::TRptDSO* Add();
    Q_INVOKABLE vevezo::TRptDSO* Insert(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    Q_INVOKABLE void Clear();
    Q_INVOKABLE void Delete(int index);
    Q_INVOKABLE vevezo::TRptDSO* Items(int index) const;
    // The source at the index copies the given one; out of range does nothing.
    Q_INVOKABLE void SetItems(int index, vevezo::TRptDSO* source);
    TRptDSOsEnumerator NewEnum() const { return TRptDSOsEnumerator(this); }
    // Index of the first source whose resolved name equals the name, letter case ignored.
    Q_INVOKABLE int IndexOf(const QString& name) const;
    int MainIndex() const;
    // The source named exactly "System", added when there is none.
    Q_INVOKABLE vevezo::TRptDSO* AddSystemSource();
    // Clears this collection and copies the other's connection and sources.
    Q_INVOKABLE void AssignFrom(vevezo::TRptDSOs* other);
    // Opens every source not yet open; only database-bound ones when asked.
    void OpenUnparsed(bool databaseOnly);

    // The shared connection object; setting a different one clears the connection string.
    void SetConnection(std::shared_ptr<Connection> connection);
    std::shared_ptr<Connection> GetConnection() const override { return connection_; }
    const QString& ConnectionString() const { return connectionString_; }
    // Setting a different text clears the connection object.
    void SetConnectionString(const QString& text);
    // The connection sources open databases through: the connection object, or one opened
    // (once) from the connection string; none when neither is set. Throws Error when the
    // connection string cannot be opened.
    std::shared_ptr<Connection> DatabaseConnection();
    const QString& DBDocXML() const { return dbDocXml_; }
    void SetDBDocXML(const QString& text) { dbDocXml_ = text; }

    // IRptSourcesAdo: records as a RecordsetPtr, descriptions and packets as text or XmlData.
    Q_INVOKABLE QString TransAdoToXml(const QVariant& records,
                                      const QVariant& description) override;
    Q_INVOKABLE QVariant TransXmlToAdo(const QVariant& packet) override;

    // IRptSourcesValues: the value of a binding for a record (see SourceLookup.cpp).
    QVariant GetValue(int dataType, const QString& dataSource, const QString& dataField,
                      int formatType, const QString& format, int row, int subRow,
                      IRptPageInfoEnumerator* pageInfo) override;

    // The parts of a field path (SplitFieldPath), cached: reports ask for the same paths again
    // and again.
    const QStringList& PathParts(const QString& field);

private:
    QList<TRptDSO*> items_;
    std::shared_ptr<Connection> connection_;
    QString connectionString_;
    std::shared_ptr<Connection> opened_; // opened from the connection string
    QString dbDocXml_;
    QHash<QString, QStringList> paths_;
};

} // namespace vevezo

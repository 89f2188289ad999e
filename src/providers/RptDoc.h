#pragma once

#include "data/RptDSOs.h"
#include "document/RptInterfaces.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace vevezo {

class TRptDocs;

// Dispatch numbers of the provider's members, as hosts address them.
enum RptProviderDispId : int {
    dispProviderOwner = 0,
    dispProviderRptID = 1,
    dispProviderName = 2,
    dispProviderXML = 3,
    dispProviderDefault = 4,
    dispProviderState = 5,
    dispProviderCreateDataSources = 6,
    dispProviderDataSources = 7,
    dispProviderID = 8,
    dispProviderAssignFrom = 9,
    dispProviderFileName = 10,
    dispProviderTag = 11,
    dispProviderDefaultChanged = 12,
};

// One report of a report set: its name, design, flags, identifiers and data sources. Providers
// are made by their collection; the link back to it does not keep the collection alive.
class TRptDoc : public QObject, public IRptDesignProvider {
    Q_OBJECT
    Q_PROPERTY(int ID READ ID)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QString XML READ XML WRITE SetXML)
    Q_PROPERTY(int Default READ Default WRITE SetDefault)
    Q_PROPERTY(int State READ State WRITE SetState)
    Q_PROPERTY(int RptID READ RptID WRITE SetRptID)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int DefaultChanged READ DefaultChanged WRITE SetDefaultChanged)

public:
    TRptDoc();
    ~TRptDoc() override;

    // A serial number, process-wide: the first provider is 1.
    int ID() const { return id_; }
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    QString XML() const override { return xml_; }
    void SetXML(const QString& xml) override;
    // An automation boolean: any non-zero value is true; a value of the same truth is not stored.
    int Default() const { return default_; }
    void SetDefault(int value);
    int State() const override { return state_; }
    void SetState(int state) override { state_ = state; }
    int RptID() const { return rptId_; }
    void SetRptID(int id) { rptId_ = id; }
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    int DefaultChanged() const { return defaultChanged_; }
    void SetDefaultChanged(int value) { defaultChanged_ = value; }

    // The provider's own sources, else its collection's shared ones, else none.
    std::shared_ptr<TRptDSOs> DataSources() const;
    // Holds the given sources instead of its own (none drops them).
    void SetDataSources(std::shared_ptr<TRptDSOs> sources);
    // Makes an empty collection of its own; false when it already made one.
    Q_INVOKABLE bool CreateDataSources();
    Q_INVOKABLE vevezo::TRptDSOs* DataSourcesObject() const { return DataSources().get(); }
    // Copies name, design, tag, identifiers, file name and flags, and shares the other's data
    // sources unless its collection shares one for all.
    Q_INVOKABLE void AssignFrom(vevezo::TRptDoc* source);

    TRptDocs* Owner() const { return owner_; }
    void SetOwner(TRptDocs* owner) { owner_ = owner; }

    // IRptDesignProvider
    IRptSourcesValues* SourcesValues() override { return DataSources().get(); }
    void OpenUnparsedSources(bool databaseOnly) override;

private:
    int id_;
    QPointer<TRptDocs> owner_;
    QString name_;
    QString xml_;
    int default_ = 0;
    int state_ = rpsUnspecial;
    int rptId_ = 0;
    QString fileName_;
    int tag_ = 0;
    int defaultChanged_ = 0;
    std::shared_ptr<TRptDSOs> sources_;
    bool ownsSources_ = false;
};

using RptDocPtr = std::shared_ptr<TRptDoc>;

} // namespace vevezo

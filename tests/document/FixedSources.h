#pragma once

#include "document/RptInterfaces.h"

#include <QStringList>

// A provider whose data sources answer one fixed value and note every request.
struct FixedSources : vevezo::IRptDesignProvider, vevezo::IRptSourcesValues {
    QVariant answer;
    QStringList requests;

    QString XML() const override { return QStringLiteral("<BVReport/>"); }
    void SetXML(const QString&) override {}
    int State() const override { return 0; }
    void SetState(int) override {}
    IRptSourcesValues* SourcesValues() override { return this; }
    void OpenUnparsedSources(bool) override {}
    QVariant GetValue(int dataType, const QString& dataSource, const QString& dataField,
                      int formatType, const QString& format, int row, int subRow,
                      vevezo::IRptPageInfoEnumerator*) override {
        requests << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                        .arg(dataType)
                        .arg(dataSource, dataField)
                        .arg(formatType)
                        .arg(format)
                        .arg(row)
                        .arg(subRow);
        return answer;
    }
};

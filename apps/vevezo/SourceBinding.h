#pragma once

#include "data/RptDSOs.h"

#include <QList>
#include <QString>

namespace vevezo::cli {

// A database source given on the command line: --source NAME=COMMAND.
struct SourceOption {
    QString name;
    QString command;
};

// Reads "NAME=COMMAND"; false when there is no name.
bool ParseSourceOption(const QString& text, SourceOption& option);

// Binds database sources as a host does through the automation objects: the collection's
// connection string is set, a source of the same name is replaced, others are added; the first
// becomes the main source when the collection has none. Throws Error when a source cannot be
// read.
void BindSources(TRptDSOs& sources, const QString& connection, const QList<SourceOption>& options);

} // namespace vevezo::cli

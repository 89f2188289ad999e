#pragma once

#include "data/Recordset.h"
#include "data/ShapeCommand.h"

#include <functional>

namespace vevezo {

using QueryRunner = std::function<std::shared_ptr<RecordTable>(const QString& sql)>;

// Builds the records of a shaping command: the parent query's rows (none for a command without
// one), its new columns (null), and one chapter column per appended child whose cells hold, for
// every parent record, the child records related to it. Children may be shaped themselves, so
// records stay related at every level. Throws Error for a relation naming an unknown column.
std::shared_ptr<RecordTable> RunShape(const ShapeCommand& command, const QueryRunner& query);

} // namespace vevezo

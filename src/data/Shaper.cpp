#include "data/Shaper.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/VariantType.h"
#include "data/ValueCompare.h"

#include <QHash>

namespace vevezo {

namespace {

std::vector<int> Columns(const RecordTable& table, const std::vector<QString>& names) {
    std::vector<int> columns;
    for (const QString& name : names) {
        const int column = table.FieldIndex(name);
        if (column < 0) {
            throw Error(QString::fromUtf8(msg::BadRelation).arg(name));
        }
        columns.push_back(column);
    }
    return columns;
}

QString KeyOf(const RecordTable& table, size_t row, const std::vector<int>& columns) {
    QString key;
    for (int column : columns) {
        key += ValueKey(table.Cell(row, column));
        key += QChar(0x1F);
    }
    return key;
}

void AppendChapter(RecordTable& parent, const ShapeItem& item, std::shared_ptr<RecordTable> child) {
    std::vector<QString> parentNames;
    std::vector<QString> childNames;
    for (const auto& [parentColumn, childColumn] : item.relations) {
        parentNames.push_back(parentColumn);
        childNames.push_back(childColumn);
    }
    const std::vector<int> parentColumns = Columns(parent, parentNames);
    const std::vector<int> childColumns = Columns(*child, childNames);

    // One pass over the children indexes them by key; each parent then finds its own at once.
    QHash<QString, std::vector<int>> byKey;
    for (size_t i = 0; i < child->RowCount(); ++i) {
        byKey[KeyOf(*child, i, childColumns)].push_back(static_cast<int>(i));
    }
    parent.AppendColumn(RecordsetField{item.name, adChapter, 0, 0, child}, [&](size_t row) {
        const auto found = byKey.constFind(KeyOf(parent, row, parentColumns));
        return QVariant::fromValue(ChapterRows(std::make_shared<std::vector<int>>(
            found == byKey.cend() ? std::vector<int>() : *found)));
    });
}

} // namespace

std::shared_ptr<RecordTable> RunShape(const ShapeCommand& command, const QueryRunner& query) {
    std::shared_ptr<RecordTable> table =
        command.parentSql ? query(*command.parentSql) : std::make_shared<RecordTable>();
    for (const ShapeItem& item : command.items) {
        if (!item.chapter) {
            table->AppendColumn(RecordsetField{item.name, item.type, item.size,
                                               DefaultAttributes(item.type), nullptr},
                                [](size_t) { return NullValue(); });
            continue;
        }
        std::shared_ptr<RecordTable> child =
            item.childShape ? RunShape(*item.childShape, query) : query(item.childSql);
        AppendChapter(*table, item, std::move(child));
    }
    ++table->version;
    return table;
}

} // namespace vevezo

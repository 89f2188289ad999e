#include "data/PacketShape.h"

#include "common/Numbers.h"
#include "data/AdoTypes.h"
#include "data/DataPacket.h"
#include "data/ShapeCommand.h"

namespace vevezo {

namespace {

// Column names that are not plain words are bracketed, so that any name survives the command.
QString ColumnName(const QString& name) {
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != u'_') {
            return QLatin1Char('[') + name + QLatin1Char(']');
        }
    }
    return name;
}

int IntAttrOr(xml::Node node, const char* name, int fallback) {
    const auto text = xml::AttrNoCase(node, QString::fromLatin1(name));
    return text && !text->isEmpty() ? TryStrictInt(*text).value_or(fallback) : fallback;
}

} // namespace

int PacketDefinedSize(int type, int size) {
    return size == 0 && (type == adLongVarChar || type == adLongVarBinary) ? kUnlimitedSize : size;
}

QString ShapeCommandOf(xml::Node fields, const QString& relation, int depth) {
    if (depth > kMaxShapeDepth) {
        return {};
    }
    QStringList columns;
    QStringList nested;
    for (const xml::Node field : xml::ChildElements(fields)) {
        const QString name = xml::AttrNoCase(field, QStringLiteral("Name")).value_or(QString());
        if (name.isEmpty()) {
            continue;
        }
        const int type = IntAttrOr(field, "Type", adWChar);
        if (type == adChapter) {
            const QString command =
                ShapeCommandOf(xml::ChildNoCase(field, QStringLiteral("Fields")), name, depth + 1);
            if (!command.isEmpty()) {
                nested << QLatin1Char('(') + command + QLatin1Char(')');
            }
            continue;
        }
        columns << QStringLiteral("NEW %1 AS %2")
                       .arg(AdoTypeName(
                                type, PacketDefinedSize(type, IntAttrOr(field, "DefinedSize", 0))),
                            ColumnName(name));
    }
    if (columns.isEmpty() && nested.isEmpty()) {
        return {};
    }
    const QString id = QLatin1String(kShapeIdColumn);
    QString command = QStringLiteral("SHAPE APPEND NEW adInteger AS %1").arg(id);
    if (!columns.isEmpty()) {
        command += QLatin1Char(',') + columns.join(QLatin1Char(','));
    }
    if (!nested.isEmpty()) {
        command += QLatin1Char(',') + nested.join(QLatin1Char(','));
    }
    if (!relation.isEmpty()) {
        command =
            QStringLiteral("(%1) AS %2 RELATE %3 TO %3").arg(command, ColumnName(relation), id);
    }
    return command;
}

} // namespace vevezo

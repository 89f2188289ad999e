#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vevezo {

struct ShapeCommand;

// How deeply shaping commands (and the packets that describe shaped records) may nest; deeper
// text is refused rather than followed, so that no input can exhaust the stack.
inline constexpr int kMaxShapeDepth = 32;

// One entry of a shaping command's APPEND list: a new column, or a chapter of child records.
struct ShapeItem {
    QString name; // column or chapter name

    // A new column (NEW type AS name).
    int type = 0;
    int size = 0;

    // A chapter: the child records come from a query or from a nested shaping command, and are
    // related to the parent records by pairs of columns (parent column TO child column).
    bool chapter = false;
    QString childSql;
    std::unique_ptr<ShapeCommand> childShape;
    std::vector<std::pair<QString, QString>> relations;
};

// A parsed shaping command:
//   SHAPE {parent query} APPEND ({child query} RELATE a TO b) AS name, ...
//   SHAPE APPEND NEW adVarChar(20) AS Name, ((SHAPE APPEND ...) AS Items RELATE a TO b)
struct ShapeCommand {
    std::optional<QString> parentSql; // none: the records are made by hand
    std::vector<ShapeItem> items;

    // Throws Error naming the position for text that is not a shaping command.
    static ShapeCommand Parse(const QString& text);
    // Whether a command text is a shaping command (starts with the word SHAPE).
    static bool IsShape(const QString& text);
};

} // namespace vevezo

#include "data/ShapeCommand.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "data/AdoTypes.h"

namespace vevezo {

namespace {

class ShapeParser {
public:
    explicit ShapeParser(const QString& text) : text_(text) {}

    ShapeCommand ParseAll() {
        ShapeCommand command = Shape(0);
        SkipBlanks();
        if (at_ != text_.size()) {
            Fail();
        }
        return command;
    }

private:
    ShapeCommand Shape(int depth) {
        if (depth > kMaxShapeDepth) {
            Fail();
        }
        Expect(u"SHAPE");
        ShapeCommand command;
        SkipBlanks();
        if (Peek() == u'{') {
            command.parentSql = Braced();
            if (Keyword(u"AS")) {
                Name(); // a table alias: not needed by static record sets
            }
        }
        Expect(u"APPEND");
        do {
            command.items.push_back(Item(depth));
        } while (Symbol(u','));
        return command;
    }

    ShapeItem Item(int depth) {
        ShapeItem item;
        if (Keyword(u"NEW")) {
            const QString typeName = Word();
            const auto type = AdoTypeFromName(typeName);
            if (!type) {
                Fail();
            }
            item.type = *type;
            if (Symbol(u'(')) {
                bool ok = false;
                item.size = Word().toInt(&ok);
                if (!ok || item.size < 0 || !Symbol(u')')) {
                    Fail();
                }
            }
            Expect(u"AS");
            item.name = Name();
            return item;
        }
        if (!Symbol(u'(')) {
            Fail();
        }
        item.chapter = true;
        SkipBlanks();
        if (Peek() == u'{') {
            item.childSql = Braced();
        } else if (Symbol(u'(')) {
            item.childShape = std::make_unique<ShapeCommand>(Shape(depth + 1));
            if (!Symbol(u')')) {
                Fail();
            }
        } else {
            item.childShape = std::make_unique<ShapeCommand>(Shape(depth + 1));
        }
        QString alias;
        if (Keyword(u"AS")) {
            alias = Name();
        }
        Expect(u"RELATE");
        do {
            const QString parent = Name();
            Expect(u"TO");
            item.relations.emplace_back(parent, Name());
        } while (Symbol(u','));
        if (!Symbol(u')')) {
            Fail();
        }
        // The chapter is named after the parenthesis, or else by the alias inside it.
        if (Keyword(u"AS")) {
            item.name = Name();
        } else {
            item.name = alias.isEmpty() ? QStringLiteral("Chapter1") : alias;
        }
        return item;
    }

    QString Braced() {
        // The query runs to the matching close brace; braces inside quotes do not count.
        ++at_;
        const qsizetype start = at_;
        int depth = 1;
        QChar quote;
        for (; at_ < text_.size(); ++at_) {
            const QChar c = text_[at_];
            if (!quote.isNull()) {
                if (c == quote) {
                    quote = QChar();
                }
            } else if (c == u'\'' || c == u'"') {
                quote = c;
            } else if (c == u'{') {
                ++depth;
            } else if (c == u'}' && --depth == 0) {
                return text_.mid(start, at_++ - start).trimmed();
            }
        }
        Fail();
    }

    QString Name() {
        SkipBlanks();
        if (Peek() == u'[') {
            const qsizetype end = text_.indexOf(u']', at_);
            if (end < 0) {
                Fail();
            }
            const QString name = text_.mid(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            return name;
        }
        const QString name = Word();
        if (name.isEmpty()) {
            Fail();
        }
        return name;
    }

    QString Word() {
        SkipBlanks();
        const qsizetype start = at_;
        while (at_ < text_.size() && (text_[at_].isLetterOrNumber() || text_[at_] == u'_')) {
            ++at_;
        }
        return text_.mid(start, at_ - start);
    }

    bool Keyword(QStringView word) {
        SkipBlanks();
        const qsizetype start = at_;
        if (Word().compare(word, Qt::CaseInsensitive) == 0) {
            return true;
        }
        at_ = start;
        return false;
    }

    void Expect(QStringView word) {
        if (!Keyword(word)) {
            Fail();
        }
    }

    bool Symbol(QChar symbol) {
        SkipBlanks();
        if (Peek() == symbol) {
            ++at_;
            return true;
        }
        return false;
    }

    void SkipBlanks() {
        while (at_ < text_.size() && text_[at_].isSpace()) {
            ++at_;
        }
    }
    QChar Peek() const { return at_ < text_.size() ? text_[at_] : QChar(); }

    [[noreturn]] void Fail() const {
        throw Error(QString::fromUtf8(msg::BadShape).arg(at_ + 1).arg(text_.mid(at_, 40)));
    }

    const QString& text_;
    qsizetype at_ = 0;
};

} // namespace

ShapeCommand ShapeCommand::Parse(const QString& text) {
    return ShapeParser(text).ParseAll();
}

bool ShapeCommand::IsShape(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.startsWith(QLatin1String("SHAPE"), Qt::CaseInsensitive) &&
           (trimmed.size() == 5 || !trimmed[5].isLetterOrNumber());
}

} // namespace vevezo

#include "data/RecordFilter.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/VariantType.h"
#include "data/ValueCompare.h"

#include <QDateTime>

namespace vevezo {

struct RecordFilter::Node {
    enum Kind { And, Or, Compare, Like } kind = Compare;
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;
    int column = -1;
    QString op;
    QVariant literal;
    QRegularExpression pattern;

    bool Matches(const RecordTable& table, size_t row) const {
        switch (kind) {
        case And:
            return left->Matches(table, row) && right->Matches(table, row);
        case Or:
            return left->Matches(table, row) || right->Matches(table, row);
        case Like:
            return !IsNull(table.Cell(row, column)) &&
                   pattern.match(table.Cell(row, column).toString()).hasMatch();
        case Compare:
            break;
        }
        const QVariant& value = table.Cell(row, column);
        if (IsNull(literal)) {
            const bool isNull = IsNull(value) || IsEmpty(value);
            return op == QLatin1String("=") ? isNull : !isNull;
        }
        if (IsNull(value) || IsEmpty(value)) {
            return false;
        }
        const int order = CompareValues(value, literal);
        if (op == QLatin1String("=")) {
            return order == 0;
        }
        if (op == QLatin1String("<>")) {
            return order != 0;
        }
        if (op == QLatin1String("<")) {
            return order < 0;
        }
        if (op == QLatin1String(">")) {
            return order > 0;
        }
        if (op == QLatin1String("<=")) {
            return order <= 0;
        }
        return order >= 0;
    }
};

namespace {

[[noreturn]] void Fail(const QString& criteria) {
    throw Error(QString::fromUtf8(msg::BadFilter).arg(criteria));
}

// Depth of parentheses a filter may nest; deeper text is refused rather than recursed into.
constexpr int kMaxDepth = 64;

class FilterParser {
public:
    FilterParser(const QString& text, const RecordTable& table) : text_(text), table_(table) {}

    std::unique_ptr<RecordFilter::Node> Parse() {
        auto node = Expression(0);
        SkipBlanks();
        if (at_ != text_.size()) {
            Fail(text_);
        }
        return node;
    }

private:
    using NodePtr = std::unique_ptr<RecordFilter::Node>;

    NodePtr Expression(int depth) {
        NodePtr left = Term(depth);
        while (Keyword(u"OR")) {
            left = Join(RecordFilter::Node::Or, std::move(left), Term(depth));
        }
        return left;
    }

    NodePtr Term(int depth) {
        NodePtr left = Factor(depth);
        while (Keyword(u"AND")) {
            left = Join(RecordFilter::Node::And, std::move(left), Factor(depth));
        }
        return left;
    }

    NodePtr Factor(int depth) {
        SkipBlanks();
        if (Peek() == u'(') {
            if (depth >= kMaxDepth) {
                Fail(text_);
            }
            ++at_;
            NodePtr inner = Expression(depth + 1);
            SkipBlanks();
            if (Peek() != u')') {
                Fail(text_);
            }
            ++at_;
            return inner;
        }
        return Clause();
    }

    NodePtr Clause() {
        auto node = std::make_unique<RecordFilter::Node>();
        node->column = table_.FieldIndex(Name());
        if (node->column < 0) {
            Fail(text_);
        }
        SkipBlanks();
        if (Keyword(u"LIKE")) {
            node->kind = RecordFilter::Node::Like;
            QString pattern = QRegularExpression::escape(Literal().toString());
            pattern.replace(QLatin1String("\\*"), QLatin1String(".*"));
            pattern.replace(QLatin1String("%"), QLatin1String(".*"));
            node->pattern = QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
            return node;
        }
        for (const char* op : {"<=", ">=", "<>", "=", "<", ">"}) {
            if (text_.mid(at_).startsWith(QLatin1String(op))) {
                node->op = QLatin1String(op);
                at_ += node->op.size();
                node->literal = Literal();
                if (IsNull(node->literal) && node->op != QLatin1String("=") &&
                    node->op != QLatin1String("<>")) {
                    Fail(text_);
                }
                return node;
            }
        }
        Fail(text_);
    }

    QString Name() {
        SkipBlanks();
        if (Peek() == u'[') {
            const qsizetype end = text_.indexOf(u']', at_);
            if (end < 0) {
                Fail(text_);
            }
            const QString name = text_.mid(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            return name;
        }
        const qsizetype start = at_;
        while (at_ < text_.size() && (text_[at_].isLetterOrNumber() || text_[at_] == u'_')) {
            ++at_;
        }
        if (at_ == start) {
            Fail(text_);
        }
        return text_.mid(start, at_ - start);
    }

    QVariant Literal() {
        SkipBlanks();
        const QChar c = Peek();
        if (c == u'\'' || c == u'"') {
            QString value;
            for (++at_; at_ < text_.size(); ++at_) {
                if (text_[at_] == c) {
                    if (Peek(1) != c) {
                        ++at_;
                        return value;
                    }
                    ++at_; // a doubled quote stands for itself
                }
                value += text_[at_];
            }
            Fail(text_);
        }
        if (c == u'#') {
            const qsizetype end = text_.indexOf(u'#', at_ + 1);
            if (end < 0) {
                Fail(text_);
            }
            const QString date = text_.mid(at_ + 1, end - at_ - 1).trimmed();
            at_ = end + 1;
            QDateTime value = QDateTime::fromString(date, Qt::ISODate);
            for (const char* format :
                 {"yyyy-M-d H:m:s", "yyyy-M-d H:m", "yyyy-M-d", "yyyy/M/d", "M/d/yyyy"}) {
                if (!value.isValid()) {
                    value = QDateTime::fromString(date, QLatin1String(format));
                }
            }
            if (!value.isValid()) {
                Fail(text_);
            }
            return value;
        }
        const qsizetype start = at_;
        while (at_ < text_.size() && !text_[at_].isSpace() && text_[at_] != u')') {
            ++at_;
        }
        const QString word = text_.mid(start, at_ - start);
        if (word.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
            return NullValue();
        }
        bool ok = false;
        const double number = word.toDouble(&ok);
        if (!ok) {
            Fail(text_);
        }
        return number;
    }

    bool Keyword(QStringView word) {
        SkipBlanks();
        if (text_.mid(at_, word.size()).compare(word, Qt::CaseInsensitive) != 0) {
            return false;
        }
        const qsizetype after = at_ + word.size();
        if (after < text_.size() && (text_[after].isLetterOrNumber() || text_[after] == u'_')) {
            return false;
        }
        at_ = after;
        return true;
    }

    static NodePtr Join(RecordFilter::Node::Kind kind, NodePtr left, NodePtr right) {
        auto node = std::make_unique<RecordFilter::Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    void SkipBlanks() {
        while (at_ < text_.size() && text_[at_].isSpace()) {
            ++at_;
        }
    }
    QChar Peek(qsizetype ahead = 0) const {
        return at_ + ahead < text_.size() ? text_[at_ + ahead] : QChar();
    }

    const QString& text_;
    const RecordTable& table_;
    qsizetype at_ = 0;
};

} // namespace

RecordFilter::RecordFilter(const QString& criteria, const RecordTable& table)
    : root_(FilterParser(criteria, table).Parse()) {}

RecordFilter::~RecordFilter() = default;

bool RecordFilter::Matches(const RecordTable& table, size_t row) const {
    return root_->Matches(table, row);
}

RecordSort::RecordSort(const QString& order, const RecordTable& table) {
    for (const QString& part : order.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString key = part.trimmed();
        bool descending = false;
        for (const char* suffix : {" DESC", " ASC"}) {
            if (key.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
                descending = QLatin1String(suffix) == QLatin1String(" DESC");
                key.chop(static_cast<qsizetype>(strlen(suffix)));
                key = key.trimmed();
                break;
            }
        }
        if (key.startsWith(u'[') && key.endsWith(u']')) {
            key = key.mid(1, key.size() - 2);
        }
        const int column = table.FieldIndex(key);
        if (column < 0) {
            throw Error(QString::fromUtf8(msg::BadSort).arg(order));
        }
        keys_.emplace_back(column, descending);
    }
}

bool RecordSort::Less(const RecordTable& table, size_t a, size_t b) const {
    for (const auto& [column, descending] : keys_) {
        const int order = CompareValues(table.Cell(a, column), table.Cell(b, column));
        if (order != 0) {
            return descending ? order > 0 : order < 0;
        }
    }
    return false;
}

} // namespace vevezo

#include "script/VariableSubstitution.h"

#include "common/Messages.h"
#include "script/CharacterCodes.h"
#include "script/DecimalText.h"
#include "script/MessageLines.h"

namespace vevezo {
namespace {

class Substitution {
public:
    Substitution(QString& errors, int userValue, const ExpressionOptions& options,
                 const VariableResolver& resolver, void* owner)
        : errors_(errors), userValue_(userValue), options_(options), resolver_(resolver),
          owner_(owner), open_(options.squareBrackets ? u'[' : u'{'),
          close_(options.squareBrackets ? u']' : u'}') {}

    SubstitutedText Run(QStringView text);

private:
    // Where an ordinary character goes: the name buffer inside a variable, else the output.
    QString& Current() { return inside_ ? name_ : output_; }
    bool Strict() const { return !options_.textOnly; }

    void Escape(QChar bracket);
    void Open();
    void Close();
    void Resolve(const QString& name);
    void FinishUnclosed();
    void ReportBracket(const QString& brackets);

    QString& errors_;
    const int userValue_;
    const ExpressionOptions& options_;
    const VariableResolver& resolver_;
    void* const owner_;
    const QChar open_;
    const QChar close_;

    QString output_;
    QString name_;
    bool inside_ = false;
    bool numbersOnly_ = true;
};

SubstitutedText Substitution::Run(QStringView text) {
    QChar previous;
    for (const QChar c : text) {
        const bool bracket = c == open_ || c == close_;
        if (bracket && previous == u'\\') {
            Escape(c);
        } else if (c == open_) {
            Open();
        } else if (c == close_) {
            Close();
        } else {
            Current().append(c);
        }
        previous = c;
    }
    FinishUnclosed();
    return {output_, numbersOnly_};
}

// The "\" just copied, into the name inside a variable or into the output outside one,
// becomes the bracket itself.
void Substitution::Escape(QChar bracket) {
    QString& target = Current();
    target.chop(1);
    target.append(bracket);
}

void Substitution::Open() {
    if (!inside_) {
        inside_ = true;
    } else if (Strict()) {
        ReportBracket(QString(open_));
    } else {
        // Text only: what looked like a variable was text; a new variable starts here.
        output_ += open_;
        output_ += name_;
        name_.clear();
    }
}

void Substitution::Close() {
    if (inside_) {
        inside_ = false;
    } else if (Strict()) {
        ReportBracket(QString(close_));
    } else {
        name_.clear();
        output_ += close_;
    }
    if (!name_.isEmpty()) {
        Resolve(name_);
        name_.clear();
    }
}

void Substitution::Resolve(const QString& name) {
    std::optional<QString> value = CharacterCodesText(name);
    if (!value && resolver_) {
        value = resolver_(owner_, name, userValue_);
    }
    if (!value) {
        AppendMessageLine(errors_, QString::fromUtf8(msg::VariableUnresolved).arg(name));
        if (options_.keepUnresolved) {
            output_ += name;
        }
        return;
    }
    output_ += *value;
    if (Strict() && !ParseDecimal(*value)) {
        numbersOnly_ = false;
    }
}

void Substitution::FinishUnclosed() {
    if (!inside_) {
        return;
    }
    if (Strict()) {
        ReportBracket(QString(open_) + close_);
    } else {
        output_ += open_;
        output_ += name_;
    }
}

void Substitution::ReportBracket(const QString& brackets) {
    AppendMessageLine(errors_, QString::fromUtf8(msg::ExpressionFault).arg(brackets));
}

} // namespace

SubstitutedText SubstituteVariables(const QString& text, QString& errors, int userValue,
                                    const ExpressionOptions& options,
                                    const VariableResolver& resolver, void* owner) {
    return Substitution(errors, userValue, options, resolver, owner).Run(text);
}

} // namespace vevezo

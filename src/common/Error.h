#pragma once

#include <QString>
#include <stdexcept>

namespace vevezo {

// Base of every exception the engine raises. It carries the text shown to the user; the
// automation surface turns it into a failed result or a script error.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};

// A text that should hold a number, a colour or a set does not.
class ConvertError : public Error {
public:
    using Error::Error;
};

} // namespace vevezo

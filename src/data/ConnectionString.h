#pragma once

#include <QHash>
#include <QString>

namespace vevezo {

// "Key=Value;Key2=Value2": keys without regard to letter case, values trimmed; a value may be
// enclosed in braces or quotes to hold ";" ("Driver={SQLite3 ODBC Driver}").
class ConnectionString {
public:
    explicit ConnectionString(const QString& text);

    QString Value(std::initializer_list<const char*> keys) const;
    bool Has(const char* key) const { return values_.contains(QString::fromLatin1(key).toLower()); }
    const QString& Text() const { return text_; }

private:
    QString text_;
    QHash<QString, QString> values_;
};

} // namespace vevezo

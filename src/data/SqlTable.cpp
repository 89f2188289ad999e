#include "data/SqlTable.h"

#include "common/DateTimeValue.h"
#include "common/Error.h"
#include "common/Messages.h"
#include "common/VariantType.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <sqlite3.h>

namespace vevezo {

namespace {

constexpr int kNullable = adFldIsNullable | adFldMayBeNull;

// The declared size in "NAME(n)" or "NAME(n,m)", or -1.
int DeclaredSize(const QString& declared) {
    static const QRegularExpression size(QStringLiteral(R"(\(\s*(\d+))"));
    const auto match = size.match(declared);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A declared type name for a PostgreSQL type number.
QString PostgresTypeName(int oid) {
    switch (oid) {
    case 16:
        return QStringLiteral("BOOLEAN");
    case 17:
        return QStringLiteral("BYTEA");
    case 20:
        return QStringLiteral("BIGINT");
    case 21:
        return QStringLiteral("SMALLINT");
    case 23:
        return QStringLiteral("INTEGER");
    case 25:
        return QStringLiteral("TEXT");
    case 700:
    case 701:
        return QStringLiteral("DOUBLE");
    case 790:
        return QStringLiteral("MONEY");
    case 1042:
        return QStringLiteral("CHAR");
    case 1043:
        return QStringLiteral("VARCHAR");
    case 1082:
        return QStringLiteral("DATE");
    case 1083:
        return QStringLiteral("TIME");
    case 1114:
    case 1184:
        return QStringLiteral("TIMESTAMP");
    case 1700:
        return QStringLiteral("NUMERIC");
    default:
        return {};
    }
}

// A declared type name for an ODBC SQL type number.
QString OdbcTypeName(int sqlType) {
    switch (sqlType) {
    case -7:
        return QStringLiteral("BIT");
    case -6:
        return QStringLiteral("TINYINT");
    case -5:
        return QStringLiteral("BIGINT");
    case -4:
        return QStringLiteral("BLOB");
    case -3:
        return QStringLiteral("VARBINARY");
    case -2:
        return QStringLiteral("BINARY");
    case -1:
    case -10:
        return QStringLiteral("TEXT");
    case 1:
    case -8:
        return QStringLiteral("CHAR");
    case 2:
    case 3:
        return QStringLiteral("NUMERIC");
    case 4:
        return QStringLiteral("INTEGER");
    case 5:
        return QStringLiteral("SMALLINT");
    case 6:
    case 7:
    case 8:
        return QStringLiteral("DOUBLE");
    case 9:
    case 91:
        return QStringLiteral("DATE");
    case 10:
    case 92:
        return QStringLiteral("TIME");
    case 11:
    case 93:
        return QStringLiteral("TIMESTAMP");
    case 12:
    case -9:
        return QStringLiteral("VARCHAR");
    default:
        return {};
    }
}

// When the database declares nothing, the type of the values decides.
ColumnType ColumnTypeOfValues(const QSqlField& field) {
    switch (field.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
        return {adInteger, 4, kNullable | adFldFixed};
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return {adBigInt, 8, kNullable | adFldFixed};
    case QMetaType::Double:
    case QMetaType::Float:
        return {adDouble, 8, kNullable | adFldFixed};
    case QMetaType::Bool:
        return {adBoolean, 2, kNullable | adFldFixed};
    case QMetaType::QByteArray:
        return {adLongVarBinary, kUnlimitedSize, kNullable | adFldLong};
    case QMetaType::QDate:
        return {adDBDate, 6, kNullable | adFldFixed};
    case QMetaType::QTime:
        return {adDBTime, 6, kNullable | adFldFixed};
    case QMetaType::QDateTime:
        return {adDBTimeStamp, 16, kNullable | adFldFixed};
    default:
        return field.length() > 0
                   ? ColumnType{adVarWChar, field.length(), kNullable}
                   : ColumnType{adLongVarWChar, kUnlimitedSize, kNullable | adFldLong};
    }
}

QString DeclaredTypeOf(const QSqlQuery& query, const QSqlField& field, int column) {
    const QSqlDriver* driver = query.driver();
    switch (driver ? driver->dbmsType() : QSqlDriver::UnknownDbms) {
    case QSqlDriver::SQLite: {
        const QVariant handle = query.result()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0) {
            sqlite3_stmt* statement = *static_cast<sqlite3_stmt* const*>(handle.constData());
            if (statement) {
                return QString::fromUtf8(sqlite3_column_decltype(statement, column));
            }
        }
        return {};
    }
    case QSqlDriver::PostgreSQL:
        return PostgresTypeName(field.typeID());
    default:
        return driver && driver->handle().typeName() &&
                       qstrcmp(driver->handle().typeName(), "SQLHANDLE") == 0
                   ? OdbcTypeName(field.typeID())
                   : QString();
    }
}

QDateTime DateTimeFromText(const QString& text) {
    const QString iso = text.trimmed();
    const QDate date = QDate::fromString(iso.left(10), Qt::ISODate);
    if (!date.isValid()) {
        return {};
    }
    if (iso.size() == 10) {
        return NaiveDateTime(date);
    }
    if (iso[10] != u' ' && iso[10] != u'T') {
        return {};
    }
    const QTime time = QTime::fromString(iso.mid(11), Qt::ISODateWithMs);
    return time.isValid() ? NaiveDateTime(date, time) : QDateTime();
}

} // namespace

ColumnType ColumnTypeOfDeclared(const QString& declared, int lengthHint) {
    const QString d = declared.toUpper();
    int size = DeclaredSize(d);
    if (size < 0) {
        size = lengthHint;
    }
    auto has = [&d](const char* word) { return d.contains(QLatin1String(word)); };
    if (has("DATETIME") || has("TIMESTAMP")) {
        return {adDBTimeStamp, 16, kNullable | adFldFixed};
    }
    if (has("DATE")) {
        return {adDBDate, 6, kNullable | adFldFixed};
    }
    if (has("TIME")) {
        return {adDBTime, 6, kNullable | adFldFixed};
    }
    if (has("BOOL") || d == QLatin1String("BIT")) {
        return {adBoolean, 2, kNullable | adFldFixed};
    }
    if (has("BIGINT") || has("INT8")) {
        return {adBigInt, 8, kNullable | adFldFixed};
    }
    if (has("SMALLINT") || has("INT2")) {
        return {adSmallInt, 2, kNullable | adFldFixed};
    }
    if (has("TINYINT")) {
        return {adUnsignedTinyInt, 1, kNullable | adFldFixed};
    }
    if (has("INT")) {
        return {adInteger, 4, kNullable | adFldFixed};
    }
    if (has("MONEY") || has("CURRENCY")) {
        return {adCurrency, 8, kNullable | adFldFixed};
    }
    if (has("NUMERIC") || has("DECIMAL")) {
        return {adNumeric, 19, kNullable | adFldFixed};
    }
    if (has("REAL") || has("FLOA") || has("DOUB")) {
        return {adDouble, 8, kNullable | adFldFixed};
    }
    if (has("BLOB") || has("BYTEA") || has("IMAGE") || has("BINARY")) {
        if (size > 0) {
            return {has("VAR") ? adVarBinary : adBinary, size, kNullable};
        }
        return {adLongVarBinary, kUnlimitedSize, kNullable | adFldLong};
    }
    if (has("CHAR") && size > 0) {
        return has("VAR") ? ColumnType{adVarWChar, size, kNullable}
                          : ColumnType{adWChar, size, kNullable | adFldFixed};
    }
    if (has("CHAR") || has("TEXT") || has("CLOB") || has("STRING")) {
        return {adLongVarWChar, kUnlimitedSize, kNullable | adFldLong};
    }
    return {adVarWChar, size > 0 ? size : 255, kNullable};
}

QVariant ColumnValue(const QVariant& raw, int type) {
    if (raw.isNull() || !raw.isValid()) {
        return NullValue();
    }
    switch (type) {
    case adInteger:
    case adSmallInt:
    case adUnsignedTinyInt: {
        const qint64 value = raw.toLongLong();
        return value >= INT_MIN && value <= INT_MAX ? QVariant(static_cast<int>(value))
                                                    : QVariant(value);
    }
    case adBigInt:
        return raw.toLongLong();
    case adDouble:
    case adSingle:
        return raw.toDouble();
    case adCurrency:
        return QVariant::fromValue(Currency::FromDouble(raw.toDouble()));
    case adNumeric:
    case adDecimal:
        return QVariant::fromValue(Decimal{raw.metaType().id() == QMetaType::Double
                                               ? QString::number(raw.toDouble(), 'g', 17)
                                               : raw.toString()});
    case adBoolean:
        return raw.metaType().id() == QMetaType::QString
                   ? QVariant(raw.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) ==
                                  0 ||
                              raw.toString().toLongLong() != 0)
                   : QVariant(raw.toBool());
    case adDBDate: {
        if (raw.metaType().id() == QMetaType::QDate) {
            return raw;
        }
        const QDateTime value = raw.metaType().id() == QMetaType::QDateTime
                                    ? raw.toDateTime()
                                    : DateTimeFromText(raw.toString());
        return value.isValid() ? QVariant(value.date()) : QVariant(raw.toString());
    }
    case adDBTime: {
        if (raw.metaType().id() == QMetaType::QTime) {
            return raw;
        }
        const QTime value = QTime::fromString(raw.toString().trimmed(), Qt::ISODateWithMs);
        return value.isValid() ? QVariant(value) : QVariant(raw.toString());
    }
    case adDBTimeStamp:
    case adDate: {
        if (raw.metaType().id() == QMetaType::QDateTime) {
            return DateTimeOfValue(raw);
        }
        const QDateTime value = DateTimeFromText(raw.toString());
        return value.isValid() ? QVariant(value) : QVariant(raw.toString());
    }
    case adBinary:
    case adVarBinary:
    case adLongVarBinary:
        return raw.toByteArray();
    default:
        return raw.toString();
    }
}

std::shared_ptr<RecordTable> QueryTable(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        throw Error(QString::fromUtf8(msg::CommandFailed).arg(query.lastError().text()));
    }
    auto table = std::make_shared<RecordTable>();
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        const QString declared = DeclaredTypeOf(query, field, i);
        const ColumnType type = declared.isEmpty() ? ColumnTypeOfValues(field)
                                                   : ColumnTypeOfDeclared(declared, field.length());
        table->fields.append(RecordsetField{field.name(), type.type, type.size,
                                            type.attributes | adFldUpdatable, nullptr});
    }
    while (query.next()) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(record.count()));
        for (int i = 0; i < record.count(); ++i) {
            row.push_back(ColumnValue(query.value(i), table->fields[i].type));
        }
        table->AppendRow(std::move(row));
    }
    if (query.lastError().isValid()) {
        throw Error(QString::fromUtf8(msg::CommandFailed).arg(query.lastError().text()));
    }
    ++table->version;
    return table;
}

} // namespace vevezo

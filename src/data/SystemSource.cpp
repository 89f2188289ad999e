#include "data/SystemSource.h"

#include <QSettings>
#include <pwd.h>
#include <unistd.h>

namespace vevezo {

namespace {

constexpr const char* kSystemTexts[] = {
    "<System Caption=\"系统数据\">",
    "<Date Caption=\"当前日期\" DataType=\"7\" Format=\"yyyy'年'm'月'd'日'\"/><Page "
    "Caption=\"页号\" DataType=\"3\" Format=\"第 # 页\"/><Pages Caption=\"页数\" DataType=\"3\" "
    "Format=\"共 # 页\"/>",
    "<RegisteredOwner Caption=\"用户\"/><RegisteredOrganization Caption=\"单位\"/>",
    "</System>",
};

QString Setting(const char* key) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vevezo"),
                       QStringLiteral("vevezo"));
    return settings.value(QLatin1String(key)).toString();
}

} // namespace

QString SystemSourceText() {
    QString text;
    for (const char* part : kSystemTexts) {
        text += QString::fromUtf8(part);
    }
    return text;
}

QString RegisteredOwner() {
    const QString owner = Setting("RegisteredOwner");
    if (!owner.isEmpty()) {
        return owner;
    }
    // The account's full name is the first field of its comment entry.
    if (const passwd* account = getpwuid(getuid()); account && account->pw_gecos) {
        return QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0);
    }
    return {};
}

QString RegisteredOrganization() {
    return Setting("RegisteredOrganization");
}

} // namespace vevezo

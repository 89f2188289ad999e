#include "document/ComponentNames.h"

namespace vevezo {

void ComponentNames::Add(const QObject* component, const QString& name) {
    if (name.isEmpty()) {
        return;
    }
    const QString key = name.toLower();
    nameOf_.insert(component, key);
    ++users_[key];
}

void ComponentNames::Remove(const QObject* component) {
    const auto found = nameOf_.constFind(component);
    if (found == nameOf_.cend()) {
        return;
    }
    const QString key = *found;
    nameOf_.erase(found);
    if (--users_[key] == 0) {
        users_.remove(key);
    }
    // A freed "prefix<n>" makes n available again.
    qsizetype digits = key.size();
    while (digits > 0 && key[digits - 1].isDigit() && key[digits - 1].unicode() < 128) {
        --digits;
    }
    if (digits == key.size() || key[digits] == u'0') {
        return;
    }
    bool ok = false;
    const int number = QStringView(key).mid(digits).toInt(&ok);
    const auto hint = lowestFree_.find(key.left(digits));
    if (ok && hint != lowestFree_.end() && number < *hint) {
        *hint = number;
    }
}

bool ComponentNames::Contains(const QString& name) const {
    return users_.contains(name.toLower());
}

QString ComponentNames::MakeName(const QString& prefix) {
    const QString key = prefix.toLower();
    int number = lowestFree_.value(key, 1);
    while (users_.contains(key + QString::number(number))) {
        ++number;
    }
    lowestFree_.insert(key, number);
    return prefix + QString::number(number);
}

} // namespace vevezo

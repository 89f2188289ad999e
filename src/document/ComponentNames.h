#pragma once

#include <QHash>
#include <QString>

class QObject;

namespace vevezo {

// The names of the components a page owns, letter case ignored, so that unique names are found
// and checked in amortised constant time however many elements a design holds.
class ComponentNames {
public:
    void Add(const QObject* component, const QString& name);
    void Remove(const QObject* component);
    bool Contains(const QString& name) const;
    // The prefix followed by the first number 1, 2, ... that gives a name not in use.
    QString MakeName(const QString& prefix);

private:
    QHash<const QObject*, QString> nameOf_; // lower case
    QHash<QString, int> users_;             // lower-case name -> components carrying it
    // Per lower-case prefix, a number below which every numbered name is in use.
    QHash<QString, int> lowestFree_;
};

} // namespace vevezo

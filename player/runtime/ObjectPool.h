#pragma once

#include "PageObject.h"

#include <QGraphicsObject>
#include <QHash>
#include <QString>

#include <array>
#include <vector>

// One named object of the current page.
struct TUserObjectNameList {
    QString UserName;
    int XMLID = -1;
    int ObjIdx = 0;
    QString objectName;
};

// Every object the page factory ever made, found again by its generated
// name, so that a page switch reuses controls instead of making new ones;
// plus the names the current page gives its objects.
class ObjectPool {
public:
    QGraphicsObject *find(const QString &componentName) const;
    void append(QGraphicsObject *object);
    void remove(QGraphicsObject *object);
    const std::vector<QGraphicsObject *> &AllObjects() const { return m_objects; }
    int ObjCount() const { return int(m_objects.size()); }

    // The per-kind counter after counting one more object of that kind.
    int nextNumber(ObjectKind kind);
    int addedCount(ObjectKind kind) const { return m_counters[size_t(kind)]; }

    void registerName(const QString &userName, int xmlId, const QString &componentName);
    const std::vector<TUserObjectNameList> &AllObjNameID() const { return m_names; }
    int NamedObjCount() const { return int(m_names.size()); }

    // A new page: counters and names start again; the objects stay.
    void startPage();

private:
    std::vector<QGraphicsObject *> m_objects;
    QHash<QString, QGraphicsObject *> m_byName;
    std::array<int, size_t(ObjectKind::TrichSwitch) + 1> m_counters{};
    std::vector<TUserObjectNameList> m_names;
};

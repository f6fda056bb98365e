#include "ObjectPool.h"

#include <algorithm>

QGraphicsObject *ObjectPool::find(const QString &componentName) const {
    return m_byName.value(componentName, nullptr);
}

void ObjectPool::append(QGraphicsObject *object) {
    m_objects.push_back(object);
    m_byName.insert(object->objectName(), object);
}

void ObjectPool::remove(QGraphicsObject *object) {
    m_objects.erase(std::remove(m_objects.begin(), m_objects.end(), object), m_objects.end());
    m_byName.remove(object->objectName());
}

int ObjectPool::nextNumber(ObjectKind kind) {
    return ++m_counters[size_t(kind)];
}

void ObjectPool::registerName(const QString &userName, int xmlId, const QString &componentName) {
    m_names.push_back(TUserObjectNameList{userName, xmlId, 0, componentName});
}

void ObjectPool::startPage() {
    m_counters.fill(0);
    m_names.clear();
}

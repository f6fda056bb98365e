#include "PageObject.h"

#include <QString>

#include <iterator>

namespace {

enum ItemDataKey { KindKey = 0x5601, TagKey = 0x5602 };

constexpr const char *KindNames[] = {
    "TmyImage",      "TLabel",
    "TButton",       "TSwitch",
    "TTrackBar",     "TCheckBox",
    "TProgressBar",  "TEdit",
    "TListBox",      "TSpinBox",
    "TCalendarEdit", "TTimer",
    "TWebBrowser",   "TMediaPlayerControl",
    "TrichRect",     "TrichSwitch",
};
static_assert(std::size(KindNames) == int(ObjectKind::TrichSwitch) + 1);

} // namespace

const char *kindName(ObjectKind kind) {
    return KindNames[int(kind)];
}

int GetSysObjTypeidx(const QString &name) {
    for (int i = 0; i < int(std::size(KindNames)); ++i) {
        if (name == QLatin1String(KindNames[i]))
            return i;
    }
    return -1;
}

void setObjectKind(QGraphicsItem *item, ObjectKind kind) {
    item->setData(KindKey, int(kind));
}

ObjectKind objectKind(const QGraphicsItem *item) {
    return ObjectKind(item->data(KindKey).toInt());
}

void setObjectTag(QGraphicsItem *item, int tag) {
    item->setData(TagKey, tag);
}

int objectTag(const QGraphicsItem *item) {
    const QVariant tag = item->data(TagKey);
    return tag.isValid() ? tag.toInt() : -1;
}

#include "PageEvents.h"

#include "page/PageNames.h"

void PageEvents::SetEvenListItemByName(const QString &name, int xmlId) {
    for (size_t i = 0; i < page::names::pageEvents.size(); ++i) {
        if (name == QLatin1String(page::names::pageEvents[i])) {
            m_slots[i] = xmlId;
            return;
        }
    }
}

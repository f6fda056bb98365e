#pragma once

#include <QString>

#include <array>

// Which element's action each page event runs: one slot per event, in the
// fixed event order, holding an XML id or -1.
class PageEvents {
public:
    enum Event { onLoad, onClose, onUDP, onOnline, onOffline, onBackGround, onActived, onOrient };

    PageEvents() { ResetEvenlist(); }
    void ResetEvenlist() { m_slots.fill(-1); }
    // An unknown name (names are exact) binds nothing.
    void SetEvenListItemByName(const QString &name, int xmlId);
    int xmlIdOf(Event event) const { return m_slots[size_t(event)]; }

private:
    std::array<int, 8> m_slots{};
};

#include "script/KeyValueStore.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyValueStore, KeysIgnoreCaseAndEmptyValuesRemoveTheirLine) {
    KeyValueStore store;
    store.setValue(QStringLiteral("Lamp"), QStringLiteral("1"));
    store.setValue(QStringLiteral("37"), QStringLiteral("0"));
    EXPECT_EQ(store.value(QStringLiteral("LAMP")), QStringLiteral("1"));

    store.setValue(QStringLiteral("lamp"), QStringLiteral("a=b"));
    EXPECT_EQ(store.lines(), (QStringList{QStringLiteral("lamp=a=b"), QStringLiteral("37=0")}));
    EXPECT_EQ(store.value(QStringLiteral("Lamp")), QStringLiteral("a=b"));

    store.setValue(QStringLiteral("LAMP"), QString());
    EXPECT_EQ(store.lines(), QStringList{QStringLiteral("37=0")});
    EXPECT_EQ(store.value(QStringLiteral("lamp")), QString());
    store.setValue(QStringLiteral("missing"), QString());
    EXPECT_EQ(store.lines().size(), 1);
}

} // namespace

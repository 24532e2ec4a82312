// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include "gui/app/QtSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace vantrel;

namespace {

// Every store must behave alike; the suite runs once per implementation.
template <typename Store> struct StoreFactory;

template <> struct StoreFactory<MemorySettingsStore> {
    std::unique_ptr<SettingsStore> make() { return std::make_unique<MemorySettingsStore>(); }
};

template <> struct StoreFactory<QtSettingsStore> {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> make() {
        return std::make_unique<QtSettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
    }
};

template <typename Store> class SettingsStoreSuite : public ::testing::Test {
  protected:
    StoreFactory<Store> factory;
    std::unique_ptr<SettingsStore> store = factory.make();
};

using Stores = ::testing::Types<MemorySettingsStore, QtSettingsStore>;
TYPED_TEST_SUITE(SettingsStoreSuite, Stores);

} // namespace

TYPED_TEST(SettingsStoreSuite, AbsentKeysGiveTheDefault) {
    EXPECT_FALSE(this->store->value("ShowTip").has_value());
    EXPECT_EQ(this->store->read("ShowTip", "1"), "1");
    EXPECT_EQ(this->store->read("language", ""), "");
}

TYPED_TEST(SettingsStoreSuite, KeysAreComparedWithoutRegardToCase) {
    this->store->setValue("File0", "/a.seem");
    EXPECT_EQ(this->store->value("file0"), "/a.seem");
    EXPECT_EQ(this->store->value("FILE0"), "/a.seem");
    this->store->setValue("file0", "/b.seem");
    EXPECT_EQ(this->store->value("File0"), "/b.seem");
    this->store->remove("FILE0");
    EXPECT_FALSE(this->store->value("file0").has_value());
}

TYPED_TEST(SettingsStoreSuite, ValuesKeepTheirTextExactly) {
    this->store->setValue("SeemFolder", "/home/u/seem files/");
    this->store->setValue("language", "0");
    this->store->setValue("Empty", "");
    EXPECT_EQ(this->store->value("seemfolder"), "/home/u/seem files/");
    EXPECT_EQ(this->store->value("LANGUAGE"), "0");
    EXPECT_EQ(this->store->value("empty"), "");
}

TEST(QtSettingsStore, ASecondStoreOnTheSameFileSeesOneKeyPerName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        QtSettingsStore first(path);
        first.setValue("FileCount", "1");
        first.setValue("filecount", "2");
    }
    QSettings raw(path, QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("main"));
    EXPECT_EQ(raw.childKeys().size(), 1);
    QtSettingsStore second(path);
    EXPECT_EQ(second.value("FILECOUNT"), "2");
}

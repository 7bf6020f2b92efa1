#include "shell/RegistryStore.h"

#include "shell/Settings.h"
#include "shell/SettingsLocation.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace vaultlet {
namespace {

constexpr const char* kProductKey = "SOFTWARE\\Quillmoth\\Keyhaven";

struct RawValue {
    DWORD type = 0;
    std::string data;
};

std::optional<RawValue> QueryRaw(HKEY root, const std::string& path, const std::string& name) {
    RawValue value;
    char buffer[4096];
    DWORD size = sizeof buffer;
    if (RegGetValueA(root, path.c_str(), name.c_str(), RRF_RT_ANY, &value.type, buffer, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.assign(buffer, size);
    return value;
}

void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type, const std::string& data) {
    ASSERT_EQ(RegSetKeyValueA(root, path.c_str(), name.c_str(), type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

void ClearStores() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quillmoth");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quillmoth");
    Settings::DeleteStartupEntry();
}

// Registry mode: an empty SettingsLocation, and the product keys removed before and after each
// test so every case starts from an empty store in the private Wine prefix.
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SettingsLocation::Get();
        SettingsLocation::Set("");
        ClearStores();
    }
    void TearDown() override {
        ClearStores();
        SettingsLocation::Set(m_previous);
    }

    std::string m_previous;
};

TEST_F(RegistryStoreTest, ValuesAreStoredWithTheirRegistryTypes) {
    Settings::WriteInt("PaneTree", -1);
    ASSERT_TRUE(Settings::WriteInts({{"AutoDestroyTimeout", 25}, {"HonKeyKey", 71}}));
    Settings::WriteString("LastSelected", "C:\\new\\db.kvtdat");
    EXPECT_EQ(Settings::ReadInt("PaneTree", 0), -1);
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), 25);
    EXPECT_EQ(Settings::ReadInt("HonKeyKey", 70), 71);
    EXPECT_EQ(Settings::ReadString("LastSelected", ""), "C:\\new\\db.kvtdat");

    const auto dword = QueryRaw(HKEY_CURRENT_USER, kProductKey, "AutoDestroyTimeout");
    ASSERT_TRUE(dword);
    EXPECT_EQ(dword->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword->data, std::string("\x19\0\0\0", 4));
    const auto text = QueryRaw(HKEY_CURRENT_USER, kProductKey, "LastSelected");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text->data, std::string("C:\\new\\db.kvtdat") + '\0');
}

TEST_F(RegistryStoreTest, ListsAreRewrittenAsAWholeSubKey) {
    const std::vector<std::string> paths = {"C:\\a.kvtdat", "D:\\new\\b.kvtdat", "E:\\c.kvtdat"};
    Settings::WriteList(setting::kDataBaseList, paths);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), paths);
    const std::string listKey = std::string(kProductKey) + "\\DataBaseList";
    const auto second = QueryRaw(HKEY_CURRENT_USER, listKey, "1");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->data, std::string("D:\\new\\b.kvtdat") + '\0');

    Settings::WriteList(setting::kDataBaseList, {"only"});
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), std::vector<std::string>{"only"});
    EXPECT_FALSE(QueryRaw(HKEY_CURRENT_USER, listKey, "2"));
    Settings::WriteList(setting::kDataBaseList, {});
    EXPECT_TRUE(Settings::ReadList(setting::kDataBaseList).empty());
}

TEST_F(RegistryStoreTest, TheMachineKeyGivesDefaultsAndTheInstalledFolder) {
    SetRaw(HKEY_LOCAL_MACHINE, kProductKey, "CheckUpdatesOnStart", REG_DWORD, std::string("\1\0\0\0", 4));
    EXPECT_EQ(Settings::ReadMachineInt("CheckUpdatesOnStart", 0), 1);
    EXPECT_EQ(Settings::ReadCheckUpdatesOnStart(), 1);
    Settings::WriteInt("CheckUpdatesOnStart", 0);
    EXPECT_EQ(Settings::ReadCheckUpdatesOnStart(), 0);

    const std::string executable = RegistryStore::ExecutablePath();
    ASSERT_FALSE(executable.empty());
    const std::string folder = executable.substr(0, executable.rfind('\\'));
    std::string upper = folder;
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    SetRaw(HKEY_LOCAL_MACHINE, kProductKey, "Install_Dir", REG_SZ, upper + '\0');
    EXPECT_TRUE(Settings::IsInstalledCopy());
    SetRaw(HKEY_LOCAL_MACHINE, kProductKey, "Install_Dir", REG_SZ, folder + "\\" + std::string(1, '\0'));
    EXPECT_TRUE(Settings::IsInstalledCopy());
    SetRaw(HKEY_LOCAL_MACHINE, kProductKey, "Install_Dir", REG_SZ,
           "C:\\Program Files\\Elsewhere" + std::string(1, '\0'));
    EXPECT_FALSE(Settings::IsInstalledCopy());
    // A copy in a folder whose name only begins like the installed one's is portable.
    SetRaw(HKEY_LOCAL_MACHINE, kProductKey, "Install_Dir", REG_SZ, folder.substr(0, folder.size() - 1) + '\0');
    EXPECT_FALSE(Settings::IsInstalledCopy());
    SetRaw(HKEY_LOCAL_MACHINE, kProductKey, "Install_Dir", REG_SZ, std::string(1, '\0'));
    EXPECT_FALSE(Settings::IsInstalledCopy());
}

} // namespace
} // namespace vaultlet

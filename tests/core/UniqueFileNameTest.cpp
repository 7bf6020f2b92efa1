#include "core/UniqueFileName.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <vector>

using namespace vaultlet;

namespace {

class NullOutputFile : public OutputFile {
public:
    bool Write(const void*, std::size_t) override { return true; }
    bool Flush() override { return true; }
    bool Stamp(FileStamp&) override { return true; }
    bool Close() override { return true; }
};

// What one try of a name meets.
enum class Try { Created, Taken, Failed };

struct Case {
    const char* what;
    std::vector<Try> tries; // answered in turn; Taken once they run out
    bool created;
    std::size_t namesTried;
};

} // namespace

TEST(UniqueFileNameTest, TakenNamesMakeWayForOthersAndAnyOtherFailureEndsTheSearch) {
    const Case cases[] = {
        {"the first name is free", {Try::Created}, true, 1},
        {"two names taken, the third free", {Try::Taken, Try::Taken, Try::Created}, true, 3},
        {"a failure that is no taken name", {Try::Taken, Try::Failed, Try::Created}, false, 2},
        {"every name taken", {}, false, 16},
    };
    const std::regex shape(R"(C:\\data\\db\.kvtdat\.[0-9a-f]{8}\.tmp)");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> names;
        std::string createdPath = "unchanged";
        const auto file =
            CreateWithUniqueName("C:\\data\\db.kvtdat", createdPath, [&](const std::string& name, bool& nameTaken) {
                const Try outcome = names.size() < c.tries.size() ? c.tries[names.size()] : Try::Taken;
                names.push_back(name);
                nameTaken = outcome == Try::Taken;
                return outcome == Try::Created ? std::make_unique<NullOutputFile>() : nullptr;
            });
        EXPECT_EQ(file != nullptr, c.created);
        EXPECT_EQ(names.size(), c.namesTried);
        EXPECT_EQ(createdPath, c.created ? names.back() : "unchanged");
        for (const std::string& name : names) {
            EXPECT_TRUE(std::regex_match(name, shape)) << name;
        }
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "a name tried twice";
    }
}

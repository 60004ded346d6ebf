#include "cli/commands.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "tests/limits/limits_test_support.h"

namespace orvane {
namespace {

using nlohmann::json;
using namespace orvane::testing;

const std::string kRec1 = Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710");
const std::string kRec2 = Rec("2004", "7560", "2960", "4800", "2850", "1675", "10610");

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    std::vector<std::string> line = {"edit-limits"};
    line.insert(line.end(), args.begin(), args.end());
    int status = cli::Run(line, out, err);
    return {status, out.str(), err.str()};
}

class EditLimitsCliTest : public ::testing::Test {
  protected:
    json RunJson(std::vector<std::string> actions, const std::string& file = "AutoMax.DAT") {
        std::vector<std::string> args = {"--file", file, "--limits-dir", dir.path().string(),
                                         "--json"};
        args.insert(args.end(), actions.begin(), actions.end());
        CliRun r = Cli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return json::parse(r.out);
    }
    std::string Stored() { return ReadBytes(dir / "AutoMax.DAT"); }
    ScratchFolder dir;
};

TEST_F(EditLimitsCliTest, QuestionsAreRecordedAndAnsweredAsTold) {
    WriteBytes(dir / "AutoMax.DAT", kRec1 + kRec2);
    json s = RunJson({"--set", "txtYear=1999", "--answer", "cancel", "--next", "--answer", "no",
                      "--next", "--delete"});
    // Cancel stays, No moves on and drops the change, then the delete (answered no) keeps it.
    auto asked = [](const char* text, const char* answer) {
        return json{{"title", "Orvane Asset Depreciation"}, {"text", text}, {"answer", answer}};
    };
    EXPECT_EQ(s["messages"],
              json::array({asked("Save Changes?", "cancel"), asked("Save Changes?", "no"),
                           asked("Delete current record?", "no")}));
    EXPECT_EQ(s["fields"]["txtYear"], "2004");
    EXPECT_EQ(s["current_record"], 2);
    EXPECT_EQ(Stored(), kRec1 + kRec2);

    s = RunJson({"--next", "--delete"});  // yes by default
    EXPECT_EQ(Stored(), kRec1);
    EXPECT_EQ(s["status"]["text"], "Record Deleted");
    EXPECT_EQ(s["fields"]["txtYear"], "2003");
}

TEST_F(EditLimitsCliTest, PrintsAReadableStateWithoutJson) {
    WriteBytes(dir / "AutoMax.DAT", kRec1 + kRec2);
    const CliRun r =
        Cli({"--file", "AutoMax.DAT", "--limits-dir", dir.path().string(), "--previous"});
    ASSERT_EQ(r.status, 0);
    for (const char* line : {"Record 1 of 2", "3th Year Max:  2950",
                             "Status: \"No more records.\" (#0000ff, regular)"})
        EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
}

}  // namespace
}  // namespace orvane

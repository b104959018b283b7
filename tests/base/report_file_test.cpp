#include "base/report_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ReportFile, TxtIsAppendedOnlyWhenMissing) {
    EXPECT_EQ(SavedReportPath("/tmp/a"), "/tmp/a.txt");
    EXPECT_EQ(SavedReportPath("/tmp/a.txt"), "/tmp/a.txt");
    EXPECT_EQ(SavedReportPath("/tmp/报告.TXT"), "/tmp/报告.TXT");
    EXPECT_EQ(SavedReportPath("/tmp/a.txt.bak"), "/tmp/a.txt.bak.txt");
    EXPECT_EQ(SavedReportPath("/tmp/atxt"), "/tmp/atxt.txt");
    EXPECT_EQ(ProposedSaveName(" 开业吉日 "), "开业吉日");
    EXPECT_EQ(ProposedSaveName(""), "");
    for (const char* bad : {"a*b", "a/b", "a<b", "a>b", "a?b", "a\\b", "a|b"})
        EXPECT_EQ(ProposedSaveName(bad), "*.txt") << bad;
}

TEST(ReportFile, WritesGbkWithCrLfAfterEveryLineAndReplacesOldFile) {
    auto path = std::filesystem::temp_directory_path() / "velmora_report_test.txt";
    { std::ofstream(path) << "old content that is longer than the new one\n"; }
    ASSERT_TRUE(WriteReportFile(path.string(), {"企业名称", "", "A1"}));
    EXPECT_EQ(ReadBytes(path), "\xC6\xF3\xD2\xB5\xC3\xFB\xB3\xC6\r\n\r\nA1\r\n");
    std::filesystem::remove(path);
}

TEST(ReportFile, UnwritablePlaceFailsWithTheReason) {
    std::string reason;
    EXPECT_FALSE(WriteReportFile("/nonexistent-folder/x.txt", {"line"}, &reason));
    EXPECT_EQ(reason, std::strerror(ENOENT));
    EXPECT_TRUE(IsBlankReport(" \r\n\r\n  "));
    EXPECT_FALSE(IsBlankReport("\n x"));
}

}  // namespace
}  // namespace velmora

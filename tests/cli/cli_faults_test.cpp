// Each database file missing, empty, cut short or locked by a writer: every
// command that reads it fails with exit code 1, names the file on standard
// error and prints nothing on standard output. The program finds the damaged
// copy of the data folder through VELMORA_DATA.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "store/connection.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliFaults : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = fs::temp_directory_path() / ("velmora-cli-faults-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "data");
        fs::create_directories(folder_ / "pristine");
        for (store::DataFile f : store::kAllDataFiles) {
            const fs::path built = store::BuildConnectionString(f);
            fs::copy_file(built, folder_ / "data" / built.filename());
            fs::copy_file(built, folder_ / "pristine" / built.filename());
        }
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }

    static fs::path DataFile(const std::string& name) { return folder_ / "data" / name; }
    static void Restore(const std::string& name) {
        fs::copy_file(folder_ / "pristine" / name, DataFile(name),
                      fs::copy_options::overwrite_existing);
    }

    static CliRun RunCli(const std::vector<std::string>& args) {
        std::string command =
            "VELMORA_DATA=" + Quoted((folder_ / "data").string()) + " " + Quoted(VELMORA_CLI);
        for (const std::string& a : args) command += " " + Quoted(a);
        command += " >" + Quoted((folder_ / "out").string()) + " 2>" +
                   Quoted((folder_ / "err").string()) + " </dev/null";
        const int status = std::system(command.c_str());
        CliRun run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadAll(folder_ / "out");
        run.err = ReadAll(folder_ / "err");
        return run;
    }

    static inline fs::path folder_;
};

const std::vector<std::string> kOwner = {"--surname", "张",       "--given", "三",
                                         "--date",    "2024-2-4", "--hour",  "16"};

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The commands that read each file (KelBirth.db is read by no command).
struct Reader {
    std::string file;
    std::vector<std::vector<std::string>> commands;
};

std::vector<Reader> Readers() {
    return {
        {"Tgcode.db",
         {{"pillars", "2024-2-4 16:00", "男"},
          With({"bazi"}, kOwner),
          With({"analyze", "--body", "九万"}, kOwner),
          With({"suggest"}, kOwner)}},
        {"Vudazod.db",
         {{"strokes", "上海"},
          With({"analyze", "--body", "九万"}, kOwner),
          With({"suggest"}, kOwner)}},
        {"KelFile.db", {With({"analyze", "--body", "九万"}, kOwner)}},
        {"dream.db", {With({"bazi"}, kOwner)}},
    };
}

std::string Describe(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& a : args) text += a + " ";
    return text;
}

TEST_F(CliFaults, IntactDataGivesResults) {
    for (const Reader& reader : Readers())
        for (const auto& command : reader.commands) {
            const CliRun run = RunCli(command);
            EXPECT_EQ(run.exitCode, 0) << Describe(command) << run.err;
            EXPECT_FALSE(run.out.empty()) << Describe(command);
        }
}

TEST_F(CliFaults, DamagedFileStopsEveryCommandThatReadsIt) {
    enum class Fault { Missing, Empty, Truncated, Locked };
    for (const Reader& reader : Readers()) {
        const fs::path file = DataFile(reader.file);
        for (Fault fault : {Fault::Missing, Fault::Empty, Fault::Truncated, Fault::Locked}) {
            sqlite3* writer = nullptr;
            switch (fault) {
                case Fault::Missing:
                    fs::remove(file);
                    break;
                case Fault::Empty:
                    fs::resize_file(file, 0);
                    break;
                case Fault::Truncated:
                    fs::resize_file(file, fs::file_size(file) / 2);
                    break;
                case Fault::Locked:
                    // A writer in the middle of a transaction holds the file's
                    // exclusive lock; readers meet SQLITE_BUSY.
                    ASSERT_EQ(sqlite3_open(file.c_str(), &writer), SQLITE_OK);
                    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr),
                              SQLITE_OK);
                    break;
            }
            for (const auto& command : reader.commands) {
                SCOPED_TRACE(reader.file + " fault " + std::to_string(static_cast<int>(fault)) +
                             ": " + Describe(command));
                const CliRun run = RunCli(command);
                EXPECT_EQ(run.exitCode, 1) << run.err;
                EXPECT_EQ(run.out, "");
                EXPECT_NE(run.err.find(reader.file), std::string::npos) << run.err;
                EXPECT_NE(run.err.find("数据库文件"), std::string::npos) << run.err;
            }
            if (writer) {
                sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
                sqlite3_close(writer);
            }
            Restore(reader.file);
        }
    }
}

}  // namespace
}  // namespace velmora

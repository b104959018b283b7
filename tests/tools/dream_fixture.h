#pragma once
// A throw-away data folder holding only a small dream.db with the rows a test
// gives; the store reads from it while the fixture lives. Texts are stored
// the way the builder stores them.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/gbk.h"
#include "builder.h"
#include "dream_encoder.h"
#include "store/catalogue.h"
#include "store/connection.h"
#include "tools/dream_book.h"

namespace velmora::testing {

// The stored form of a text, as dream_book.tsv's texts reach JMTable.
inline std::string StoredDreamText(std::string_view text) {
    return databuild::EncodeDreamText(gbk::Encode(text), tools::kDreamKey, tools::kDreamPasses);
}

class DreamFixture {
  public:
    struct Dream {
        std::string category;  // CLASEID
        std::string title;
        std::string stored;  // CONENT
    };
    DreamFixture(const std::vector<std::pair<int, std::string>>& categories,
                 const std::vector<Dream>& dreams) {
        folder_ = std::filesystem::temp_directory_path() /
                  ("velmora_dream_" + std::to_string(getpid()) + "_" + std::to_string(++counter_));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        {
            databuild::Database db(folder_ / "dream.db");
            db.Exec(store::SchemaSql(store::DataFile::Dream));
            databuild::Inserter classes(db, "Tclass", {"ZMID", "ZMCLASS"});
            for (const auto& [id, name] : categories)
                classes.Row({static_cast<long long>(id), name});
            databuild::Inserter rows(db, "JMTable", {"CLASEID", "TITLE", "CONENT"});
            for (const Dream& d : dreams) rows.Row({d.category, d.title, d.stored});
        }
        store::SetDataFolder(folder_.string());
    }
    ~DreamFixture() {
        store::SetDataFolder("");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    DreamFixture(const DreamFixture&) = delete;
    DreamFixture& operator=(const DreamFixture&) = delete;

    std::filesystem::path DatabasePath() const { return folder_ / "dream.db"; }

  private:
    static inline int counter_ = 0;
    std::filesystem::path folder_;
};

}  // namespace velmora::testing

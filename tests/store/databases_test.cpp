// The built databases: every file opens read-only and holds the catalogue.
#include <gtest/gtest.h>

#include "store/connection.h"
#include "store/query.h"

namespace velmora::store {
namespace {

TEST(Databases, EveryFileHoldsItsTables) {
    struct Case { DataFile file; const char* table; };
    for (Case c : {Case{DataFile::Vudazod, "word"}, Case{DataFile::Vudazod, "CYZI"},
                   Case{DataFile::Vudazod, "gz"}, Case{DataFile::Vudazod, "MZ"},
                   Case{DataFile::KelFile, "namefx"}, Case{DataFile::KelBirth, "huangdao"},
                   Case{DataFile::Dream, "JMTable"}, Case{DataFile::Dream, "chenggu"},
                   Case{DataFile::Dream, "shouji"}, Case{DataFile::Tgcode, "JQ"},
                   Case{DataFile::Tgcode, "jiazi"}}) {
        Query q(BuildConnectionString(c.file), Query::kDefaultTimeout);
        q.SetSql("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
        q.AddParam(std::string(c.table));
        q.Open();
        EXPECT_EQ(q.FieldAt(0).AsInteger(), 1) << FileName(c.file) << " " << c.table;
    }
}

}  // namespace
}  // namespace velmora::store

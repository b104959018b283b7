#include "store/catalogue.h"

namespace velmora::store {
namespace {

// Dates are ISO text ("yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss").
constexpr std::string_view kVudazod = R"sql(
CREATE TABLE word (zi TEXT NOT NULL, wuhang TEXT, ft TEXT, bh INTEGER);
CREATE INDEX word_zi ON word(zi);
CREATE TABLE CYZI (ID INTEGER PRIMARY KEY, zi TEXT NOT NULL, wuhang TEXT, ft TEXT, bh INTEGER);
CREATE INDEX cyzi_bh ON CYZI(bh);
CREATE TABLE gz (lx INTEGER NOT NULL, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER,
                 zf INTEGER);
CREATE INDEX gz_pattern ON gz(lx, bh11, bh12, bh21, bh22, zf);
-- gz once more, as the candidate search reads it: per body length one BLOB of
-- the rows' stroke keys, sorted, then their scores (see naming/stroke_patterns.h).
CREATE TABLE gz_packed (lx INTEGER PRIMARY KEY, patterns BLOB NOT NULL);
CREATE TABLE MZ (ID INTEGER PRIMARY KEY, zi TEXT NOT NULL, wuhang TEXT, ft TEXT, bh INTEGER,
                 bh1 INTEGER, bh2 INTEGER, fs REAL);
CREATE INDEX mz_fs ON MZ(fs);
)sql";

constexpr std::string_view kKelFile = R"sql(
CREATE TABLE namefx (num TEXT NOT NULL, nr TEXT);
CREATE INDEX namefx_num ON namefx(num);
)sql";

constexpr std::string_view kKelBirth = R"sql(
CREATE TABLE huangdao (gn TEXT NOT NULL, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT,
                       pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);
CREATE UNIQUE INDEX huangdao_gn ON huangdao(gn);
)sql";

constexpr std::string_view kDream = R"sql(
CREATE TABLE Tclass (ZMID INTEGER PRIMARY KEY, ZMCLASS TEXT);
CREATE TABLE JMTable (ID INTEGER PRIMARY KEY, CLASEID TEXT, TITLE TEXT, CONENT TEXT);
CREATE INDEX jmtable_class ON JMTable(CLASEID);
CREATE INDEX jmtable_title ON JMTable(TITLE);
CREATE TABLE chenggu1 (year TEXT NOT NULL, weight REAL);
CREATE INDEX chenggu1_year ON chenggu1(year);
CREATE TABLE chenggu2 (month2 TEXT NOT NULL, weight REAL);
CREATE INDEX chenggu2_month ON chenggu2(month2);
CREATE TABLE chenggu3 (day2 TEXT NOT NULL, weight REAL);
CREATE INDEX chenggu3_day ON chenggu3(day2);
CREATE TABLE chenggu4 (time TEXT NOT NULL, weight REAL);
CREATE INDEX chenggu4_time ON chenggu4(time);
CREATE TABLE chenggu (weight TEXT NOT NULL, content TEXT, content2 TEXT);
CREATE INDEX chenggu_weight ON chenggu(weight);
CREATE TABLE shouji (num TEXT NOT NULL, title TEXT, jx TEXT, content TEXT);
CREATE INDEX shouji_num ON shouji(num);
)sql";

constexpr std::string_view kTgcode = R"sql(
CREATE TABLE hzwh (hz TEXT NOT NULL, wh TEXT);
CREATE TABLE Shishen (jiazi TEXT NOT NULL, ShiShen TEXT);
CREATE INDEX shishen_key ON Shishen(jiazi);
CREATE TABLE jiazi (jiazi TEXT NOT NULL, layin TEXT, ws TEXT);
CREATE INDEX jiazi_key ON jiazi(jiazi);
CREATE TABLE JQ (YearA INTEGER NOT NULL, JQ TEXT NOT NULL, SJ TEXT NOT NULL);
CREATE INDEX jq_year ON JQ(YearA);
CREATE INDEX jq_day ON JQ(date(SJ));
)sql";

}  // namespace

std::string_view SchemaSql(DataFile file) {
    switch (file) {
        case DataFile::Vudazod: return kVudazod;
        case DataFile::KelFile: return kKelFile;
        case DataFile::KelBirth: return kKelBirth;
        case DataFile::Dream: return kDream;
        case DataFile::Tgcode: return kTgcode;
    }
    return {};
}

}  // namespace velmora::store

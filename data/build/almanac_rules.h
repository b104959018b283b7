#pragma once
// The rules of the almanac (黄历) days, read from the rule tables under
// data/sources/: the day officers, the spirits and where each stands, what
// each brings, the fetal god's places and the 彭祖百忌 sayings. Judge() turns
// one day's pillar, month and solar-term neighbourhood into the texts of the
// huangdao columns that depend on the rules.

#include <array>
#include <bitset>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::databuild {

// What the rules need to know of a day. Stems and branches are numbered in
// 甲-first and 子-first order.
struct AlmanacDay {
    int stem = 0;
    int branch = 0;
    int monthBranch = 0;    // the month by the day of its 节 (寅 from 立春 on)
    int termTomorrow = -1;  // solar term (0 = 小寒 .. 23 = 冬至) whose day follows, or -1
};

// The rule-made texts of one day, lists separated by one blank.
struct AlmanacVerdict {
    std::string officer;      // 建 .. 闭
    std::string goodSpirits;  // jsyq
    std::string badSpirits;   // xsyq
    std::string suits;        // yi
    std::string avoids;       // ji
};

inline constexpr std::string_view kNothingSuits = "诸事不宜";
// What an empty list of spirits or avoided activities says.
inline constexpr std::string_view kNone = "无";

class AlmanacRules {
  public:
    // Reads and checks the tables; throws std::runtime_error naming the file
    // and line of anything it cannot use.
    explicit AlmanacRules(const std::filesystem::path& sources);

    AlmanacVerdict Judge(const AlmanacDay& day) const;
    // "占门碓外东南" for cycle position 0 (甲子) .. 59 (癸亥).
    const std::string& FetalGod(int cycle) const { return fetalGod_[cycle]; }
    // "甲不开仓财物耗散 子不问卜自惹祸殃".
    std::string PengzuSayings(int stem, int branch) const;

    static constexpr size_t kMaxActivities = 64;
    using Activities = std::bitset<kMaxActivities>;

  private:
    enum class Weight { Virtue, Ordinary, Heavy, WholeDay };
    // One alternative of a position: a stem, a branch or both (-1: any).
    struct Mark {
        int stem = -1;
        int branch = -1;
    };
    struct Spirit {
        std::string name;
        bool good = false;
        Weight weight = Weight::Ordinary;
        std::array<std::vector<Mark>, 12> byMonth;  // index: month branch (子 = 0)
        std::vector<int> termEves;                  // basis 节前: the terms
        Activities suits, avoids;
    };
    struct Officer {
        std::string name;
        Activities suits, avoids;
    };

    Activities ParseActivities(std::string_view list, const std::string& where) const;
    std::string Words(const Activities& set) const;
    static bool Present(const Spirit& spirit, const AlmanacDay& day);

    std::vector<std::string> activities_;
    std::array<Officer, 12> officers_;
    std::vector<Spirit> spirits_;
    std::array<std::string, 60> fetalGod_;
    std::array<std::string, 10> stemSayings_;
    std::array<std::string, 12> branchSayings_;
};

}  // namespace velmora::databuild

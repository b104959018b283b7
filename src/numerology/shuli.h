#pragma once
// The 81-number table of name numerology: for every name number its phrase,
// its luck word and the personality type it stands for. Compiled in; no
// database is involved.

#include <array>
#include <string>
#include <string_view>

namespace velmora::numerology {

// A stroke total reduced to a name number: total mod 81, so 0..80, where a
// multiple of 81 gives 0. Every numerology step reduces this way.
constexpr int NameNumber(long long total) {
    const long long r = total % 81;
    return static_cast<int>(r < 0 ? r + 81 : r);
}

// The four luck words: "吉", "凶", "吉带凶", "凶带吉".
enum class Luck { Good, Bad, GoodWithBad, BadWithGood };

constexpr std::string_view LuckWord(Luck luck) {
    switch (luck) {
        case Luck::Good:
            return "吉";
        case Luck::Bad:
            return "凶";
        case Luck::GoodWithBad:
            return "吉带凶";
        case Luck::BadWithGood:
            return "凶带吉";
    }
    return {};
}

struct PersonalityType {
    std::string_view name;         // goes between the brackets of "主人性格类型：[...]"
    std::string_view description;  // two or three sentences on character, love and work
};

// Personality types 1 to 9 at indexes 0 to 8.
inline constexpr std::array<PersonalityType, 9> kPersonalityTypes = {{
    {"做事喜好凭直觉型",
     "有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情上凭一时感觉认定对象，爱得直接坦白；"
     "工作中常靠直觉抓住时机，但宜多想一步再行动。"},
    {"独断独行/吸引人型",
     "为人独断独行，事事自行作主解决，鲜有求助他人。自有一股吸引旁人的魅力，身边不乏追随者；"
     "感情上主导欲较强，工作上宜学会分工与倾听。"},
    {"热情/善变梦想家型",
     "对人热情无遮掩，时常梦想可以谈一场戏剧性恋爱，情绪来得快去得也快。兴趣多变，做事开头积极，"
     "若能定下目标持之以恒，工作上自有一番成绩。"},
    {"自我牺牲/性格被动型",
     "惯于无条件付出，从不祈求有回报，处处为身边的人着想。感情中常把对方放在首位，容易委屈自己；"
     "工作上任劳任怨，应学会适时表达自己的主张。"},
    {"要面包不要爱情型",
     "责任心重，尤其对工作充满热诚，是个彻头彻尾工作狂。看重实际与安稳，感情上较少花心思经营，"
     "不妨多留些时间给家人与伴侣。"},
    {"不善表达/疑心大型",
     "在乎身边各人对自己的评价及观感，不善表达个人情感，内心细腻而多疑。感情上需要对方多给肯定才觉"
     "安心；"
     "工作上思虑周全，放下顾虑便更易得到信任。"},
    {"大胆行事冲动派型",
     "爱好追寻刺激，有不理后果大胆行事的倾向。感情来时热烈投入，常凭一时冲动作决定；"
     "工作上敢闯敢拼，若能多一分计划与耐心，成事的把握会更大。"},
    {"高度戒备难交心型",
     "经常处于戒备状态，对任何事都没法放松处理，不轻易向人敞开心扉。感情上慢热而专一，一旦信任便十"
     "分长久；"
     "工作严谨可靠，但要留意别让压力压垮自己。"},
    {"好奇心旺求知欲强型",
     "好奇心极度旺盛，求知欲又强，对新鲜事物总想一探究竟。感情上喜欢有共同话题、能一起成长的伴侣；"
     "工作上学得快、点子多，宜专注一处深入钻研。"},
}};

struct ShuliEntry {
    std::string_view phrase;  // four four-character phrases (two rows have one of five)
    Luck luck;
    int personality;  // 1..9, index + 1 into kPersonalityTypes
};

// Row k belongs to the number k + 1; the last row (80) to 81, and so to the
// name number 0. Use ShuliRow to find a number's row.
inline constexpr std::array<ShuliEntry, 81> ShuliTable = {{
    {"大展鸿图，信用得固，名利双收，可获成功", Luck::Good, 1},         // 1
    {"根基不固，摇摇欲坠，一盛一衰，劳而无获", Luck::Bad, 2},          // 2
    {"根深蒂固，蒸蒸日上，如意吉祥，百事顺遂", Luck::Good, 3},         // 3
    {"前途坎坷，苦难折磨，非有毅力，难望成功", Luck::Bad, 4},          // 4
    {"阴阳和合，生意兴隆，名利双收，后福重重", Luck::Good, 5},         // 5
    {"万宝集门，天降幸运，立志奋发，得成大功", Luck::Good, 6},         // 6
    {"独营生意，和气吉祥，排除万难，必获成功", Luck::Good, 7},         // 7
    {"努力发达，贯彻志望，不忘进退，可望成功", Luck::Good, 8},         // 8
    {"虽抱奇才，有才无命，独营无力，财力难望", Luck::Bad, 9},          // 9
    {"乌云遮月，暗淡无光，空费心力，徒劳无功", Luck::Bad, 1},          // 10
    {"草木逢春，枝叶沾露，稳健着实，必得人望", Luck::Good, 2},         // 11
    {"薄弱无力，孤立无援，外祥内苦，谋事难成", Luck::Bad, 3},          // 12
    {"天赋吉运，能得人望，善用智慧，必获成功", Luck::Good, 4},         // 13
    {"忍得若难，必有后福，是成是败，惟靠紧毅", Luck::Bad, 5},          // 14
    {"谦恭做事，外得人和，大事成就，一门兴隆", Luck::Good, 6},         // 15
    {"能获众望，成就大业，名利双收，盟主四方", Luck::Good, 7},         // 16
    {"排除万难，有贵人助，把握时机，可得成功", Luck::Good, 8},         // 17
    {"经商做事，顺利昌隆，如能慎始，百事亨通", Luck::Good, 9},         // 18
    {"成功虽早，慎防亏空，内外不合，障碍重重", Luck::Bad, 1},          // 19
    {"智商志大，历尽艰难，焦心忧劳，进得两难", Luck::Bad, 2},          // 20
    {"先历困苦，后得幸福，霜雪梅花，春来怒放", Luck::Good, 3},         // 21
    {"秋草逢霜，怀才不遇，忧愁怨苦，事不如意", Luck::Bad, 4},          // 22
    {"旭日升天，名显四方，渐次进展，终成大业", Luck::Good, 5},         // 23
    {"绵绣前程，须靠自力，多用智谋，能奏大功", Luck::Good, 6},         // 24
    {"天时地利，只欠人和，讲信修睦，即可成功", Luck::Good, 7},         // 25
    {"波澜起伏，千变万化，凌架万难，必可成功", Luck::Bad, 9},          // 26
    {"一成一败，一盛一衰，惟靠谨慎，可守成功", Luck::BadWithGood, 1},  // 27
    {"鱼临旱地，难逃恶运，此数大凶，不如更名", Luck::Bad, 9},          // 28
    {"如龙得云，青云直上，智谋奋进，才略奏功", Luck::Good, 1},         // 29
    {"吉凶参半，得失相伴，投机取巧，吉凶无常", Luck::Bad, 2},          // 30
    {"此数大吉，名利双收，渐进向上，大业成就", Luck::Good, 3},         // 31
    {"池中之龙，风云际会，一跃上天，成功可望", Luck::Good, 4},         // 32
    {"意气用事，人和必失，如能慎始，必可昌隆", Luck::Good, 5},         // 33
    {"灾难不绝，难望成功，此数大凶，不如更名", Luck::Bad, 6},          // 34
    {"中吉之数，进退保守，生意安稳，成就普通", Luck::Good, 7},         // 35
    {"波澜得叠，常陷穷困，动不如静，有才无命", Luck::Bad, 9},          // 36
    {"逢凶化吉，吉人天相，风调雨顺，生意兴隆", Luck::Good, 1},         // 37
    {"名虽可得，利则难获，艺界发展，可望成功", Luck::BadWithGood, 2},  // 38
    {"云开见月，虽有劳碌，光明坦途，指日可望", Luck::Good, 3},         // 39
    {"一成一衰，沉浮不定，知难而退，自获天佑", Luck::GoodWithBad, 4},  // 40
    {"天赋吉运，德望兼备，继续努力，前途无限", Luck::Good, 5},         // 41
    {"事业不专，十九不成，专心进取，可望成功", Luck::GoodWithBad, 6},  // 42
    {"雨夜之花，外祥内苦，忍耐自重，转凶为吉", Luck::GoodWithBad, 7},  // 43
    {"虽用心计，事难遂愿，贪功冒进，必招失败", Luck::Bad, 8},          // 44
    {"杨柳遇春，绿叶发枝，冲破难关，一举成名", Luck::Good, 3},         // 45
    {"坎坷不平，艰难重重，若无耐心，难望有成", Luck::Bad, 4},          // 46
    {"有贵人助，可成大业，虽遇不幸，浮沉不定", Luck::Good, 5},         // 47
    {"美化丰实，鹤立鸡群，名利俱全，繁荣富贵", Luck::Good, 6},         // 48
    {"遇吉则吉，遇凶则凶，惟靠谨慎，逢凶化吉", Luck::Bad, 7},          // 49
    {"吉凶互见，一成一败，凶中有吉，吉中有凶", Luck::GoodWithBad, 8},  // 50
    {"一盛一衰，浮沉不常，自重自处，可保平安", Luck::GoodWithBad, 9},  // 51
    {"草木逢春，雨过天晴，渡过难关，即获得成功", Luck::Good, 1},       // 52
    {"盛衰参半，外祥内苦，先吉后凶，先凶后吉", Luck::GoodWithBad, 2},  // 53
    {"虽倾全力，难望成功，此数大凶，最好改名", Luck::Bad, 3},          // 54
    {"外观昌隆，内隐祸患，克服难关，开出泰运", Luck::GoodWithBad, 5},  // 55
    {"事与愿违，终难成功，欲速不达，有始无终", Luck::Bad, 6},          // 56
    {"虽有困难，时来运转，旷野枯草，春来花开", Luck::Good, 7},         // 57
    {"半凶半吉，浮沉多端，始凶终吉，能保成功", Luck::BadWithGood, 8},  // 58
    {"遇事猜疑，难望成事，大刀阔斧，始可有成", Luck::Bad, 9},          // 59
    {"黑暗无光，心迷意乱，出尔反尔，难定方针", Luck::Bad, 1},          // 60
    {"运遮半月，内隐风波，应有谨慎，始保平安", Luck::GoodWithBad, 2},  // 61
    {"烦闷懊恼，事业难展，自防灾祸，始免困境", Luck::Bad, 3},          // 62
    {"万物化育，繁荣之象，专心一意，必能成功", Luck::Good, 4},         // 63
    {"见异思迁，十九不成，徒劳无功，不如更名", Luck::Bad, 5},          // 64
    {"吉运自来，能享盛名，把握时机，必获成功", Luck::Good, 6},         // 65
    {"黑夜温长，进退维谷，内外不和，信用缺乏", Luck::Bad, 7},          // 66
    {"独营事业，事事如意，功成名就，富贵自来", Luck::Good, 9},         // 67
    {"思虎虑周祥，计书力行，不失先机，可望成功", Luck::Good, 6},       // 68
    {"动摇不安，常陷逆境，不得时运，难得利润", Luck::Bad, 7},          // 69
    {"惨淡经营，难免贫困，此数不吉，最好改名", Luck::Bad, 8},          // 70
    {"吉凶参半，惟赖勇气，贯彻力行，始可成功", Luck::GoodWithBad, 9},  // 71
    {"利害混集，凶多吉少，得而复失，难以安顺", Luck::Bad, 1},          // 72
    {"安乐自来，自然吉祥，力行不懈，终必成功", Luck::Good, 2},         // 73
    {"利不及费，坐食山空，如无章法，难望成功", Luck::Bad, 2},          // 74
    {"吉中带凶，欲速不达，进不如守，可保安祥", Luck::GoodWithBad, 3},  // 75
    {"此数大凶，破产之象，宜速改名，以避厄运", Luck::Bad, 4},          // 76
    {"先苦后甘，先甜后苦，如能守成，不致失败", Luck::GoodWithBad, 5},  // 77
    {"有得有失，华而不实，须防劫财，始保安顺", Luck::GoodWithBad, 6},  // 78
    {"如走夜路，前途无光，希望不大，劳而无功", Luck::Bad, 7},          // 79
    {"得而复失，枉费心机，守成无贪，可保安稳", Luck::GoodWithBad, 9},  // 80
    {"最极之数，还本归元，能得繁荣，发达成功", Luck::Good, 1},         // 81
}};

// The row of ShuliTable for a non-negative number: r = n mod 81, row (r + 80) mod 81,
// so 1 -> 0, 80 -> 79, 81 and 0 -> 80, 82 -> 0.
constexpr int ShuliRow(long long number) { return (NameNumber(number) + 80) % 81; }

// Every row written out (a list one short would leave a blank last row), with
// four phrases and their commas (57 bytes, 60 with the one five-character
// phrase) and a personality type that exists.
constexpr bool ShuliTableIsComplete() {
    for (const ShuliEntry& entry : ShuliTable)
        if ((entry.phrase.size() != 57 && entry.phrase.size() != 60) || entry.personality < 1 ||
            entry.personality > static_cast<int>(kPersonalityTypes.size()))
            return false;
    for (const PersonalityType& type : kPersonalityTypes)
        if (type.name.empty() || type.description.empty()) return false;
    return true;
}
static_assert(ShuliTableIsComplete());
static_assert(ShuliRow(1) == 0 && ShuliRow(80) == 79 && ShuliRow(81) == 80 && ShuliRow(0) == 80 &&
              ShuliRow(82) == 0);
static_assert(ShuliTable[0].phrase.starts_with("大展鸿图") &&
              ShuliTable[80].phrase.starts_with("最极之数"));

// The luck of a non-negative number (a stroke count, a sum, a total).
constexpr Luck LuckOf(long long number) { return ShuliTable[ShuliRow(number)].luck; }

// The text of one entry: phrase "|" luck word "|" "主人性格类型：[" name "]，其具体表现为："
// description.
std::string ShuliText(const ShuliEntry& entry);

// An entry text cut at its first and second "|". Where a "|" is missing, the
// part before it is empty and the rest goes on to the next part, so a text
// without any "|" (the apology) becomes the personality alone.
struct ShuliParts {
    std::string phrase;
    std::string luck;
    std::string personality;
};
ShuliParts SplitShuliText(std::string_view text);

// Shown for a negative number; it has no "|".
inline constexpr std::string_view kShuliApology = "对不起,此号不在分解之类。";

// The entry text for a number given as decimal text (callers trim it). A
// negative number gives kShuliApology; a text that is no 64-bit integer raises
// ConversionError "数字“<text>”不是有效的整数".
std::string GetShuliText(std::string_view number_text);

}  // namespace velmora::numerology

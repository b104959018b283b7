#pragma once
// The personality reading of an online nickname. Every character of the
// nickname turns into Latin letters or digits (a Chinese character into the
// first letter of its Mandarin reading), every digit into a letter, and the
// last letter picks one of 26 fixed texts. No database is involved.

#include <array>
#include <string>
#include <string_view>

namespace velmora::tools {

inline constexpr std::string_view kNicknameEmptyMessage = "请输入你的网名！";
inline constexpr std::string_view kNicknameFailedMessage = "请重新输入网名，请不要输入特殊字符！";

// The reading of each letter, a to z.
inline constexpr std::array<std::string_view, 26> NicknameTexts = {
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    "有抱负，志气高",
    "大丈夫主义者",
    "自立，自强，可依靠",
    "有点懒惰",
    "煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

// 1 -> A, 2 -> B ... 9 -> I, 0 -> J; any other character is returned unchanged.
constexpr char DigitLetter(char c) {
    if (c == '0') return 'J';
    if (c >= '1' && c <= '9') return static_cast<char>('A' + (c - '1'));
    return c;
}

// The letters and digits a GBK byte text stands for: ASCII letters and digits
// in capitals, numerals (①, Ⅻ, ⒛ ...) as decimal digits, full-width letters
// and digits as their ASCII forms, Greek letters transliterated in capitals,
// a Chinese character as the capital first letter of its reading, and "?" for
// a double-byte character without one (kana, a code without a reading).
// Punctuation and other single bytes give nothing.
std::string PinyinInitials(std::string_view gbk);

struct NicknameReading {
    std::string initials;   // PinyinInitials of the nickname, digits replaced by their letters
    std::string letter;     // the last character of initials in lower case; "" when there is none
    std::string_view text;  // the letter's text; "" for no letter or a character such as "?"
};

// The reading of a nickname given as UTF-8.
NicknameReading ReadNickname(std::string_view nickname);

// The text of ReadNickname: "" when the nickname gives no letter.
std::string GetNicknameText(std::string_view nickname);

}  // namespace velmora::tools

// The cheese catalogue (names, origins, milk, kinds, fat and ripe windows), the stage titles and
// the hint's notes.
// Every text here is one the player reads, and each is translated where it is shown.
#include "game/catalogue.h"

namespace game {

const CheeseInfo CheeseCatalogue[CATALOGUE_SIZE + 1] = {
    // TRANSLATORS: cheese names, countries, milks and kinds follow the labels of the
    // information panel, whose lines must end before its right edge (docs/translating.md).
    {"フェタ", "バルカン", "羊乳", "フレッシュ", 50, 1, 50},
    {"エダム", "オランダ", "牛乳", "ハード", 40, 16, 100},
    {"モッツァレラ", "イタリア", "水牛乳", "フレッシュ", 45, 1, 2},
    {"ゴルゴンゾーラ", "イタリア", "牛乳", "青カビ", 48, 8, 24},
    {"カマンベール", "フランス", "牛乳", "白カビ", 45, 5, 8},
    {"ミモレット", "フランス", "牛乳", "ハード", 40, 6, 100},
    {"スティルトン", "イギリス", "牛乳", "青カビ", 50, 12, 14},
    {"フルムダンベール", "フランス", "牛乳", "青カビ", 50, 7, 24},
    {"ラクレット", "スイス", "牛乳", "ハード", 50, 8, 28},
    {"エメンタール", "スイス", "牛乳", "ハード", 45, 16, 40},
    {"ゴーダ", "オランダ", "牛乳", "セミハード", 48, 16, 100},
    {"リンブルガー", "ベルギー", "牛乳", "ウォッシュ", 40, 3, 12},
    {"チェダー", "イギリス", "牛乳", "ハード", 45, 20, 100},
    {"ブリードモー", "フランス", "牛乳", "白カビ", 45, 5, 8},
    {nullptr, nullptr, nullptr, nullptr, 0, 0, 0},
};

const char* const StageTitles[STAGE_COUNT] = {
    // TRANSLATORS: the stage titles are the cellars' hints, shown on one line of the intro
    // card, at most 200 pixels wide (docs/stages.md says what each cellar is about).
    "穴から落として客に出そう",
    "冷たいところを運ぼう",
    "帽子の色で効果が違う",
    "雪だるまも動かそう",
    "客は１人なので１個で十分",
    "まもなく熟します",
    "期限切れに要注意",
    "冷たい通路を作ろう",
    "モッツァレラは腐りやすい",
    "両方をうまく動かそう",
    "狭い道に注意",
    "うっかり腐らせないように",
    "狭いので気をつけよう",
    "壁は冷気をさえぎる",
    "雪だるまの特徴を生かそう",
    "期限との闘い",
    "どれが間に合うか",
    "期限内に安全な道を",
    "スピード勝負",
    "古いのを出してはいけない",
    "落石注意",
    "順番が大切",
    "１日でもずれると・・・",
    "道の確保も大切",
    "邪魔な雪だるま",
    "前処理の重要性",
    "広いようで狭い",
    "こんなカーヴはいらない",
    "無駄に多い雪だるま",
    "カーヴとしては最低",
    "通れるものと通れないもの",
    "最後のカーヴ",
};

// TRANSLATORS: the hint's notes stand over the bottom of the board, from x 18, each line at
// most 210 pixels wide (docs/translating.md); %d is a cheese's row in the side panel's
// list, 1 to 10.
const char* const LostNotes[LOST_REASON_COUNT][2] = {
    {"チーズ%dが　腐っています", nullptr},
    {"チーズ%dは　過熟です", nullptr},
    {"チーズ%dは　穴に届く前に", "過熟になります"},
    {"チーズ%dを　冷やしたまま", "穴まで運べません"},
    {"もう　クリアできません", nullptr},
};
const char* const RewindNoteLine = "Ｈで　解ける所まで戻る";
const char* const GiveUpNoteLine = "Ｑで　やり直してください";
const char* const NoHintNote[2] = {"ヒントが　見つかりません", "このまま　続けてください"};
const char* const ClearMovesLine = "今回　%d手";
const char* const RecordLine = "記録　%d手　最短　%d手";
const char* const RecordAloneLine = "記録　%d手";
const char* const HintsUsedLine = "ヒントを使った記録";

}  // namespace game

// The cheese catalogue (names, origins, milk, kinds, fat and ripe windows), the stage titles and
// the hint's notes.
// Every text here is one the player reads, and each is translated where it is shown.
#include "game/catalogue.h"

namespace game {

// The countries, milks and kinds of the cheeses, each translated once. The information
// panel prints them after their labels, on lines that run from x 40 to at most x 210;
// a cheese's name heads the panel from x 56 and ends before its picture at x 190.
namespace {
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char BALKANS[] = "バルカン";
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char NETHERLANDS[] = "オランダ";
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char ITALY[] = "イタリア";
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char FRANCE[] = "フランス";
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char BRITAIN[] = "イギリス";
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char SWITZERLAND[] = "スイス";
// TRANSLATORS: a country of origin on the information panel: 170 pixels with its label.
constexpr char BELGIUM[] = "ベルギー";
// TRANSLATORS: a cheese's milk on the information panel: 170 pixels with its label.
constexpr char SHEEP_MILK[] = "羊乳";
// TRANSLATORS: a cheese's milk on the information panel: 170 pixels with its label.
constexpr char COW_MILK[] = "牛乳";
// TRANSLATORS: a cheese's milk on the information panel: 170 pixels with its label.
constexpr char BUFFALO_MILK[] = "水牛乳";
// TRANSLATORS: a kind of cheese on the information panel: 170 pixels with its label.
constexpr char FRESH[] = "フレッシュ";
// TRANSLATORS: a kind of cheese on the information panel: 170 pixels with its label.
constexpr char HARD[] = "ハード";
// TRANSLATORS: a kind of cheese on the information panel: 170 pixels with its label.
constexpr char BLUE[] = "青カビ";
// TRANSLATORS: a kind of cheese on the information panel: 170 pixels with its label.
constexpr char WHITE[] = "白カビ";
// TRANSLATORS: a kind of cheese on the information panel: 170 pixels with its label.
constexpr char SEMI_HARD[] = "セミハード";
// TRANSLATORS: a kind of cheese on the information panel: 170 pixels with its label.
constexpr char WASHED[] = "ウォッシュ";
}  // namespace

// The fat, the first and the last ripe week follow the texts.
const CheeseInfo CheeseCatalogue[CATALOGUE_SIZE + 1] = {
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"フェタ", BALKANS, SHEEP_MILK, FRESH, 50, 1, 50},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"エダム", NETHERLANDS, COW_MILK, HARD, 40, 16, 100},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"モッツァレラ", ITALY, BUFFALO_MILK, FRESH, 45, 1, 2},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"ゴルゴンゾーラ", ITALY, COW_MILK, BLUE, 48, 8, 24},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"カマンベール", FRANCE, COW_MILK, WHITE, 45, 5, 8},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"ミモレット", FRANCE, COW_MILK, HARD, 40, 6, 100},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"スティルトン", BRITAIN, COW_MILK, BLUE, 50, 12, 14},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"フルムダンベール", FRANCE, COW_MILK, BLUE, 50, 7, 24},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"ラクレット", SWITZERLAND, COW_MILK, HARD, 50, 8, 28},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"エメンタール", SWITZERLAND, COW_MILK, HARD, 45, 16, 40},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"ゴーダ", NETHERLANDS, COW_MILK, SEMI_HARD, 48, 16, 100},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"リンブルガー", BELGIUM, COW_MILK, WASHED, 40, 3, 12},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"チェダー", BRITAIN, COW_MILK, HARD, 45, 20, 100},
    // TRANSLATORS: a cheese's name, heading its information panel: 134 pixels.
    {"ブリードモー", FRANCE, COW_MILK, WHITE, 45, 5, 8},
    {nullptr, nullptr, nullptr, nullptr, 0, 0, 0},
};

const char* const StageTitles[STAGE_COUNT] = {
    // TRANSLATORS: cellar 1's title, "drop it through the hole to serve the customer": one line
    // of 188 pixels on the intro card.
    "穴から落として客に出そう",
    // TRANSLATORS: cellar 2's title, "carry it through cold places": one line of 188 pixels on
    // the intro card.
    "冷たいところを運ぼう",
    // TRANSLATORS: cellar 3's title, "the hat's colour changes what a snowman chills": one line
    // of 188 pixels on the intro card.
    "帽子の色で効果が違う",
    // TRANSLATORS: cellar 4's title, "move the snowmen too": one line of 188 pixels on the intro
    // card.
    "雪だるまも動かそう",
    // TRANSLATORS: cellar 5's title, "one customer, so one cheese is enough": one line of 188
    // pixels on the intro card.
    "客は１人なので１個で十分",
    // TRANSLATORS: cellar 6's title, "it will be ripe soon (wait for it)": one line of 188
    // pixels on the intro card.
    "まもなく熟します",
    // TRANSLATORS: cellar 7's title, "watch the end of the ripe window": one line of 188 pixels
    // on the intro card.
    "期限切れに要注意",
    // TRANSLATORS: cellar 8's title, "make a cold passage": one line of 188 pixels on the intro
    // card.
    "冷たい通路を作ろう",
    // TRANSLATORS: cellar 9's title, "mozzarella spoils easily": one line of 188 pixels on the
    // intro card.
    "モッツァレラは腐りやすい",
    // TRANSLATORS: cellar 10's title, "move both (snowman and cheese) well": one line of 188
    // pixels on the intro card.
    "両方をうまく動かそう",
    // TRANSLATORS: cellar 11's title, "mind the narrow path": one line of 188 pixels on the
    // intro card.
    "狭い道に注意",
    // TRANSLATORS: cellar 12's title, "don't let one rot by accident": one line of 188 pixels on
    // the intro card.
    "うっかり腐らせないように",
    // TRANSLATORS: cellar 13's title, "it is narrow, take care": one line of 188 pixels on the
    // intro card.
    "狭いので気をつけよう",
    // TRANSLATORS: cellar 14's title, "walls block the cold": one line of 188 pixels on the
    // intro card.
    "壁は冷気をさえぎる",
    // TRANSLATORS: cellar 15's title, "use what each snowman does": one line of 188 pixels on
    // the intro card.
    "雪だるまの特徴を生かそう",
    // TRANSLATORS: cellar 16's title, "a fight against the deadline": one line of 188 pixels on
    // the intro card.
    "期限との闘い",
    // TRANSLATORS: cellar 17's title, "which will make it in time?": one line of 188 pixels on
    // the intro card.
    "どれが間に合うか",
    // TRANSLATORS: cellar 18's title, "a safe route within the deadline": one line of 188 pixels
    // on the intro card.
    "期限内に安全な道を",
    // TRANSLATORS: cellar 19's title, "a race": one line of 188 pixels on the intro card.
    "スピード勝負",
    // TRANSLATORS: cellar 20's title, "do not serve the old (over-ripe) one": one line of 188
    // pixels on the intro card.
    "古いのを出してはいけない",
    // TRANSLATORS: cellar 21's title, ""beware of falling rocks", the road sign: pieces drop
    // through holes everywhere": one line of 188 pixels on the intro card.
    "落石注意",
    // TRANSLATORS: cellar 22's title, "order matters": one line of 188 pixels on the intro card.
    "順番が大切",
    // TRANSLATORS: cellar 23's title, "one day off and ...": one line of 188 pixels on the intro
    // card.
    "１日でもずれると・・・",
    // TRANSLATORS: cellar 24's title, "keeping the way open matters too": one line of 188 pixels
    // on the intro card.
    "道の確保も大切",
    // TRANSLATORS: cellar 25's title, "snowmen in the way": one line of 188 pixels on the intro
    // card.
    "邪魔な雪だるま",
    // TRANSLATORS: cellar 26's title, "preparation matters": one line of 188 pixels on the intro
    // card.
    "前処理の重要性",
    // TRANSLATORS: cellar 27's title, "wide, yet narrow": one line of 188 pixels on the intro card.
    "広いようで狭い",
    // TRANSLATORS: cellar 28's title, "nobody wants a cellar like this": one line of 188 pixels
    // on the intro card.
    "こんなカーヴはいらない",
    // TRANSLATORS: cellar 29's title, "far too many snowmen": one line of 188 pixels on the
    // intro card.
    "無駄に多い雪だるま",
    // TRANSLATORS: cellar 30's title, "the worst cellar of all": one line of 188 pixels on the
    // intro card.
    "カーヴとしては最低",
    // TRANSLATORS: cellar 31's title, "what can pass (the cold, the cheese) and what cannot
    // (you)": one line of 188 pixels on the intro card.
    "通れるものと通れないもの",
    // TRANSLATORS: cellar 32's title, "the last cellar": one line of 188 pixels on the intro card.
    "最後のカーヴ",
};

// The hint's notes stand over the bottom of the board from x 18, each line at most 210
// pixels wide; %d is a cheese's row in the side panel's list, 1 to 10.
const char* const LostNotes[LOST_REASON_COUNT][2] = {
    // TRANSLATORS: the hint's note: cheese %d (its row in the side panel, 1 to 10) has
    // rotted, so the stage cannot be cleared; one line of 210 pixels.
    {"チーズ%dが　腐っています", nullptr},
    // TRANSLATORS: the hint's note: cheese %d (1 to 10) is over-ripe, so the stage cannot
    // be cleared; one line of 210 pixels.
    {"チーズ%dは　過熟です", nullptr},
    // TRANSLATORS: the hint's note, line 1 of 2: cheese %d (1 to 10) will be over-ripe
    // before it can reach a hole; 210 pixels.
    {"チーズ%dは　穴に届く前に",
     // TRANSLATORS: line 2 of that note; 210 pixels.
     "過熟になります"},
    // TRANSLATORS: the hint's note, line 1 of 2: cheese %d (1 to 10) cannot be taken to a
    // hole on cold cells all the way; 210 pixels.
    {"チーズ%dを　冷やしたまま",
     // TRANSLATORS: line 2 of that note; 210 pixels.
     "穴まで運べません"},
    // TRANSLATORS: the hint's note: the stage cannot be cleared any more (for another
    // reason); one line of 210 pixels.
    {"もう　クリアできません", nullptr},
};
// TRANSLATORS: the line under a lost stage's note: H again goes back to the last position
// from which the stage can still be cleared; 210 pixels.
const char* const RewindNoteLine = "Ｈで　解ける所まで戻る";
// TRANSLATORS: the line under a lost stage's note when there is no such position: give up
// with Q and start the stage again; 210 pixels.
const char* const GiveUpNoteLine = "Ｑで　やり直してください";
const char* const NoHintNote[2] = {
    // TRANSLATORS: the hint's note when its search found no move in time, line 1 of 2;
    // 210 pixels.
    "ヒントが　見つかりません",
    // TRANSLATORS: that note's line 2: play on without a hint; 210 pixels.
    "このまま　続けてください"};
// The records' lines stand over the board from x 18, after a clear and under the intro card.
// TRANSLATORS: the moves of the clear just made (%d up to a few hundred); 210 pixels.
const char* const ClearMovesLine = "今回　%d手";
// TRANSLATORS: the cellar's record: the fewest moves of the player's clears, then the
// fewest possible; 210 pixels.
const char* const RecordLine = "記録　%d手　最短　%d手";
// TRANSLATORS: the cellar's record where the fewest possible moves are not known; 210
// pixels.
const char* const RecordAloneLine = "記録　%d手";
// TRANSLATORS: under the record when hints helped to make it; 210 pixels.
const char* const HintsUsedLine = "ヒントを使った記録";

}  // namespace game

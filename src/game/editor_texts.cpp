// The cellar editor's texts, in the source language, marked for translation.
#include "game/editor_texts.h"

#include "lang/language.h"

namespace game {

// TRANSLATORS: the editor's verdict on a cellar the game could not start; why follows on the
// same line of 316 pixels, in letters 12 pixels high.
const char* const VerdictFaultHeading = lang::Mark("遊べません：");
// TRANSLATORS: the editor's verdict while the solver is still at work; 316 pixels, 12 high.
const char* const VerdictSearching = lang::Mark("探索中…");
// TRANSLATORS: the editor's verdict: the cellar clears in %d moves at the fewest (up to some
// hundreds); 316 pixels, in letters 12 pixels high.
const char* const VerdictClears = lang::Mark("%d手でクリアできます");
// TRANSLATORS: the editor's verdict: the cellar cannot be cleared; the reason follows, as the
// hint's note gives it; together at most two lines of 316 pixels, 12 high.
const char* const VerdictLostHeading = lang::Mark("クリアできません：");
// TRANSLATORS: the editor's verdict when the solver gave up after %d positions (up to a
// million); 316 pixels, in letters 12 pixels high.
const char* const VerdictUndecided = lang::Mark("%d局面を調べても決まりません");

// TRANSLATORS: why the game could not start the cellar in the editor: no player's start has
// been put down; after its heading, 316 pixels in letters 12 pixels high.
const char* const FaultNoPlayer = lang::Mark("プレイヤーがいません");
// TRANSLATORS: why the game could not start the cellar: something stands on the player's
// start; after its heading, 316 pixels in letters 12 pixels high.
const char* const FaultStartNotFloor = lang::Mark("プレイヤーの足元が床ではありません");
// TRANSLATORS: why the game could not start the cellar, for any other fault; after its
// heading, 316 pixels in letters 12 pixels high.
const char* const FaultOther = lang::Mark("この熟成庫は始められません");

// TRANSLATORS: the editor's line over the board about the cheese at the cursor, which starts
// rotten: its name; 228 pixels in letters 12 pixels high.
const char* const CheeseRottenLine = lang::Mark("%s　腐敗");
// TRANSLATORS: the editor's line about a cheese of the palette: its name and its ripe window,
// weeks a to b (up to 100); 228 pixels in letters 12 pixels high.
const char* const CheeseKindLine = lang::Mark("%s　食べごろ%d～%d週");
// TRANSLATORS: the editor's line about the cheese at the cursor: its name, its start week (up
// to 199) and ripe window (weeks a to b); 228 pixels in letters 12 pixels high.
const char* const CheeseWeekLine = lang::Mark("%s %d週目（%d～%d週）");

// TRANSLATORS: the editor refuses an eleventh cheese in a cellar; 316 pixels, 12 high.
const char* const TooManyCheesesMessage = lang::Mark("チーズは１つの熟成庫に10個までです");
// TRANSLATORS: the editor refuses a 33rd cellar in a file; 316 pixels, 12 high.
const char* const TooManyCellarsMessage = lang::Mark("熟成庫は１つのファイルに32までです");
// TRANSLATORS: the editor cannot write the file: cellar %d (1 to 32) cannot be played; why
// follows on the same line (or two) of 316 pixels, 12 high.
const char* const UnplayableCellarMessage = lang::Mark("熟成庫%dが遊べないので書き込めません：");
// TRANSLATORS: the editor's file could not be written; the system's reason (in English)
// follows; 316 pixels, 12 high.
const char* const NotWrittenMessage = lang::Mark("書き込めません：");
// TRANSLATORS: the editor has saved its file, named %s; 316 pixels, 12 high.
const char* const SavedMessage = lang::Mark("保存しました：%s");
// TRANSLATORS: the editor has written the cellars' readable source to the file named %s; 316
// pixels, 12 high.
const char* const ExportedMessage = lang::Mark("書き出しました：%s");

// TRANSLATORS: under the intro card while the editor's title is typed: Return keeps it, Esc
// leaves it as it was; 200 pixels in letters 12 pixels high.
const char* const TitlingKeysLine = lang::Mark("Return：決定　Esc：取り消し");
// TRANSLATORS: the editor's question on leaving with changes not saved, on the intro card;
// 200 pixels in letters 16 pixels high.
const char* const LeavingQuestion = lang::Mark("変更を保存しますか？");
const char* const LeavingAnswers[3] = {
    // TRANSLATORS: an answer to that question, key S: save, then leave; 66 pixels in letters
    // 12 pixels high.
    lang::Mark("S：保存"),
    // TRANSLATORS: an answer, key N: leave without saving; 66 pixels, 12 high.
    lang::Mark("N：捨てる"),
    // TRANSLATORS: an answer, key Esc: stay in the editor; 66 pixels, 12 high.
    lang::Mark("Esc：戻る")};

// TRANSLATORS: under the title menu when E cannot open the player's own cellars: the file
// named %s cannot be read; 316 pixels in letters 12 pixels high.
const char* const OwnCellarsRefusedNote = lang::Mark("%sが読めないので編集できません");

}  // namespace game

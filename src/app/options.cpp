// Reading the command line (headless and scripted runs, window, scale,
// presentation, music, language, scene record, records, replays, a stage set of
// one's own, the editor, help and version) and the help that lists the options and keys.
#include "app/options.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "lang/language.h"

namespace app {

using enum HelpSection;

// The meanings are in the chosen language in the help, after the names: at most 61
// columns each, for lines of 80.
const HelpLine HELP_LINES[] = {
    // TRANSLATORS: --help: what the option --window does; 61 columns.
    {Option, "--window", lang::Mark("全画面でなく、大きさを変えられるウィンドウで遊ぶ")},
    {Option, "--scale N",
     // TRANSLATORS: --help: what the option --scale N does; 61 columns.
     lang::Mark("ウィンドウの大きさ：320x240 の N 倍、N は 1 から 16（既定 3）")},
    {Option, "--page-flip",
     // TRANSLATORS: --help: what the option --page-flip does; 61 columns.
     lang::Mark("ページフリップで表示する（起動時に F10 を押したままと同じ）")},
    // TRANSLATORS: --help: what the option --music FILE does; 61 columns.
    {Option, "--music FILE", lang::Mark("MIDI ファイルを演奏する（まずプログラムの隣を探す）")},
    // TRANSLATORS: --help: what the option --lang LANG does; 61 columns.
    {Option, "--lang LANG", lang::Mark("ロケールの代わりに使う言語（en または ja）")},
    // TRANSLATORS: --help: what the option --script FILE does; 61 columns.
    {Option, "--script FILE", lang::Mark("スクリプトファイルの時刻つき入力を再生する")},
    // TRANSLATORS: --help: what the option --headless does; 61 columns.
    {Option, "--headless", lang::Mark("ウィンドウも音もなく、仮想の時計でスクリプトを実行する")},
    // TRANSLATORS: --help: what the option --until MS does; 61 columns.
    {Option, "--until MS", lang::Mark("スクリプトの時計が MS ミリ秒になったら閉じる")},
    {Option, "--no-threads",
     // TRANSLATORS: --help: what the option --no-threads does; 61 columns.
     lang::Mark("解の探索をスレッドを使わず、フレームの合間に少しずつ行う")},
    // TRANSLATORS: --help: what the option --trace FILE does; 61 columns.
    {Option, "--trace FILE", lang::Mark("各場面と各ステージの始まりを FILE に記録する")},
    // TRANSLATORS: --help: what the option --records does; 61 columns.
    {Option, "--records", lang::Mark("クリアした熟成庫ごとの最少手数を表示して終わる")},
    {Option, "--replay N|FILE",
     // TRANSLATORS: --help: what --replay does (N a cellar, FILE a file of moves); 61 columns.
     lang::Mark("熟成庫 N のベストのクリア、または FILE の手順を再生する")},
    {Option, "--stages FILE",
     // TRANSLATORS: --help: what --stages FILE does (FILE a stage file of the player's own, with
     // a save and records of its own); 61 columns.
     lang::Mark("自分のステージファイルの熟成庫を遊ぶ（セーブと記録は別）")},
    {Option, "--edit FILE",
     // TRANSLATORS: --help: what --edit FILE does (FILE a stage file, made when missing); 61
     // columns.
     lang::Mark("ステージファイルの熟成庫を編集する（なければ新しく作る）")},
    // TRANSLATORS: --help: what the option --help does; 61 columns.
    {Option, "--help", lang::Mark("このヘルプを表示して終わる")},
    // TRANSLATORS: --help: what the option --version does; 61 columns.
    {Option, "--version", lang::Mark("バージョンを表示して終わる")},
    // TRANSLATORS: --help: what the key arrows does; 61 columns.
    {Key, "arrows", lang::Mark("歩く、押す；メニューで選ぶ（ジョイスティック：スティック）")},
    // TRANSLATORS: --help: the arrows' second line, on the title; 61 columns.
    {Key, "", lang::Mark("タイトルでは、左右でクリアした熟成庫を選ぶ")},
    // TRANSLATORS: --help: what the key Space does; 61 columns.
    {Key, "Space", lang::Mark("タイトルで決定（ボタン２）；チーズ一覧（ボタン１）")},
    // TRANSLATORS: --help: what the key Q does; 61 columns.
    {Key, "Q", lang::Mark("ギブアップしてステージをやり直す（ボタン２）")},
    {Key, "Z, Backspace",
     // TRANSLATORS: --help: what the key Z, Backspace does; 61 columns.
     lang::Mark("一手戻す、ギブアップも戻す；押したままで続く（ボタン３）")},
    // TRANSLATORS: --help: what the key Y does; 61 columns.
    {Key, "Y", lang::Mark("戻した手をやり直す；押したままで続く（ボタン５）")},
    // TRANSLATORS: --help: what the key H does; 61 columns.
    {Key, "H", lang::Mark("ヒント：最短の解き方の最初の一手を進める（ボタン４）")},
    // TRANSLATORS: --help: the key H's second line, what it does on a lost stage; 61 columns.
    {Key, "", lang::Mark("負けが決まったステージでは、もう一度 H でまだ勝てる所まで戻す")},
    // TRANSLATORS: --help: what the key Esc, Alt+F4 does; 61 columns.
    {Key, "Esc, Alt+F4", lang::Mark("ゲームを閉じる")},
    // TRANSLATORS: --help: what the key F9 does; 61 columns.
    {Key, "F9", lang::Mark("画面を保存する（scrNNNN.bmp）")},
    // TRANSLATORS: --help: what the key Alt+Enter does; 61 columns.
    {Key, "Alt+Enter", lang::Mark("全画面とウィンドウを切り替える")},
    // TRANSLATORS: --help: what the key F10 does; 61 columns.
    {Key, "F10", lang::Mark("起動時に押したまま：ページフリップ表示")},
    // TRANSLATORS: --help: what the key E does on the title; 61 columns.
    {Key, "E", lang::Mark("タイトルで：自分の熟成庫をエディターで編集する")},
    {EditorKey, "mouse",
     // TRANSLATORS: --help, the cellar editor: what the mouse does; 61 columns.
     lang::Mark("左ボタンで置く、右で床に戻す、ホイールで週や向きを変える")},
    {EditorKey, "arrows, Space",
     // TRANSLATORS: --help, the editor: arrows move the cursor, Space puts the piece there
     // (Delete puts floor); 61 columns.
     lang::Mark("カーソルを動かし、選んだものを置く（Delete は床）")},
    {EditorKey, "1-7, Tab",
     // TRANSLATORS: --help, the editor: the keys that choose the piece to put; 61 columns.
     lang::Mark("置くものを選ぶ：床、壁、穴、雪だるま２つ、人、チーズ")},
    // TRANSLATORS: --help, the editor: + and - change the week of the cheese at the cursor, or
    // turn the player; 61 columns.
    {EditorKey, "+, -", lang::Mark("カーソルのチーズの週、または人の向きを変える")},
    // TRANSLATORS: --help, the editor: comma and period change the deliveries due; 61 columns.
    {EditorKey, ", .", lang::Mark("届ける数を減らす、増やす")},
    {EditorKey, "PgUp, PgDn",
     // TRANSLATORS: --help, the editor: the previous and the next cellar of the file; 61
     // columns.
     lang::Mark("ファイルの前の熟成庫、次の熟成庫")},
    // TRANSLATORS: --help, the editor: move the cellar one place earlier or later; 61 columns.
    {EditorKey, "Home, End", lang::Mark("熟成庫を１つ前へ、１つ後ろへ移す")},
    // TRANSLATORS: --help, the editor: add a new cellar, copy this one, delete it; 61 columns.
    {EditorKey, "N, C, X", lang::Mark("熟成庫を新しく加える、写す、消す")},
    // TRANSLATORS: --help, the editor: type the cellar's title; 61 columns.
    {EditorKey, "T", lang::Mark("タイトルを入力する（Return で決定）")},
    // TRANSLATORS: --help, the editor: undo and redo; 61 columns.
    {EditorKey, "Z, Y", lang::Mark("元に戻す、やり直す")},
    {EditorKey, "P, R",
     // TRANSLATORS: --help, the editor: play the cellar with the whole game (Esc comes back),
     // watch its shortest clear; 61 columns.
     lang::Mark("遊んでみる（Esc で戻る）、最短の解き方を見る")},
    {EditorKey, "S, E",
     // TRANSLATORS: --help, the editor: save the stage file, export its readable source beside
     // it; 61 columns.
     lang::Mark("保存する、読めるソースを隣に書き出す")},
    {EditorKey, "Esc",
     // TRANSLATORS: --help, the editor: leave it (asking first when changes are not saved); 61
     // columns.
     lang::Mark("エディターを終える（保存していなければ確かめる）")},
};
const size_t HELP_LINE_COUNT = std::size(HELP_LINES);

namespace {

constexpr size_t LINE_WIDTH = 80;

bool ParseUnsigned(const char* text, uint32_t* value) {
  const char* end = text + std::strlen(text);
  auto [ptr, ec] = std::from_chars(text, end, *value);
  return *text != '\0' && ec == std::errc() && ptr == end;
}

// True when the help names the option with a value after it ("--scale N").
bool TakesValue(const std::string& option) {
  return std::any_of(std::begin(HELP_LINES), std::end(HELP_LINES), [&](const HelpLine& line) {
    return line.section == Option && std::string(line.name).starts_with(option + " ");
  });
}

// The lines of one section, the meanings of both sections in one column.
std::string Section(HelpSection section, const char* heading) {
  size_t width = 0;
  for (const HelpLine& line : HELP_LINES) width = std::max(width, std::strlen(line.name));
  std::string text = std::string(heading) + "\n";
  for (const HelpLine& line : HELP_LINES) {
    if (line.section != section) continue;
    text += "  " + std::string(line.name);
    text +=
        std::string(width + 2 - std::strlen(line.name), ' ') + lang::Translate(line.meaning) + "\n";
  }
  return text;
}

}  // namespace

std::string ParseCommandLine(int argc, char** argv, CommandLine* commandLine) {
  platform::Options& options = commandLine->platform;
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    bool takesValue = TakesValue(option);
    if (takesValue && i + 1 >= argc) return option + " needs a value";
    const char* value = takesValue ? argv[++i] : nullptr;
    uint32_t number = 0;
    if (option == "--headless") {
      options.headless = true;
    } else if (option == "--window") {
      options.window = true;
    } else if (option == "--page-flip") {
      options.pageFlip = true;
    } else if (option == "--script") {
      options.scriptPath = value;
    } else if (option == "--music") {
      commandLine->music = value;
    } else if (option == "--trace") {
      commandLine->trace = value;
    } else if (option == "--lang") {
      if (!lang::IsLanguage(value))
        return "--lang needs a language (" + lang::LanguageList() + "), not '" + value + "'";
      commandLine->language = value;
    } else if (option == "--until") {
      if (!ParseUnsigned(value, &number))
        return "--until needs milliseconds, not '" + std::string(value) + "'";
      options.hasUntil = true;
      options.untilMs = number;
    } else if (option == "--scale") {
      if (!ParseUnsigned(value, &number) || number < 1 || number > 16)
        return "--scale needs a whole number from 1 to 16, not '" + std::string(value) + "'";
      options.scale = static_cast<int>(number);
    } else if (option == "--no-threads") {
      commandLine->noThreads = true;
    } else if (option == "--records") {
      commandLine->records = true;
    } else if (option == "--replay") {
      commandLine->replay = value;
    } else if (option == "--stages") {
      commandLine->stages = value;
    } else if (option == "--edit") {
      commandLine->edit = value;
    } else if (option == "--help") {
      commandLine->help = true;
    } else if (option == "--version") {
      commandLine->version = true;
    } else {
      return "unknown option '" + option + "'";
    }
  }
  if (commandLine->edit && (commandLine->stages || commandLine->replay))
    return "--edit cannot be used with --stages or --replay";
  return "";
}

std::string UsageText() {
  const std::string start = "usage: vaulmoor";
  std::string text = start;
  size_t column = text.size();
  for (const HelpLine& line : HELP_LINES) {
    if (line.section != Option) continue;
    const std::string word = " [" + std::string(line.name) + "]";
    if (column + word.size() > LINE_WIDTH) {
      text += "\n" + std::string(start.size(), ' ');
      column = start.size();
    }
    text += word;
    column += word.size();
  }
  return text + "\n";
}

// In the chosen language, as the game's texts; the usage line is the command's own syntax.
std::string HelpText() {
  const char* summary = lang::Translate(
      // TRANSLATORS: --help: what the game is, one line of at most 80 columns.
      "Vaulmoor：冷たい熟成庫でチーズを熟成させ、食べごろのうちにお客に届けよう。\n");
  const char* files = lang::Translate(
      // TRANSLATORS: --help: where the game keeps its files, lines of at most 80 columns.
      "セーブファイルと画面写真は、ゲームのファイルのフォルダーに書き込めればそこに、\n"
      "インストールしたゲームでは $XDG_DATA_HOME/vaulmoor（~/.local/share/vaulmoor）に\n"
      "置かれます。詳しくは vaulmoor(6) を。\n");
  // TRANSLATORS: --help: the heading of the options, one line of at most 80 columns.
  const std::string options = Section(Option, lang::Translate("オプション："));
  // TRANSLATORS: --help: the heading of the keys, one line of at most 80 columns.
  const std::string keys = Section(Key, lang::Translate("キー："));
  // TRANSLATORS: --help: the heading of the cellar editor's keys, at most 80 columns.
  const std::string editorKeys = Section(EditorKey, lang::Translate("エディターのキー："));
  return UsageText() + summary + "\n" + options + "\n" + keys + "\n" + editorKeys + "\n" + files;
}

std::string VersionText() {
  return "vaulmoor " VAULMOOR_VERSION "\n";
}

}  // namespace app

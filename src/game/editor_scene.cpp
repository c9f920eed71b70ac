// The cellar editor's scene: the keys, the mouse and typed text turned into changes of the
// cellars, the verdict followed, and trying, saving, exporting and leaving.
#include "game/editor_scene.h"

#include <algorithm>
#include <cstdio>

#include "game/editor_file.h"
#include "game/editor_texts.h"
#include "game/editor_trial.h"
#include "game/editor_verdict.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "lang/language.h"
#include "platform/platform.h"
#include "shared/scene_trace.h"
#include "shared/shell_state.h"

namespace game {

EditorSession LiveEditing;

namespace {

// A held key acts again after the first wait, then at the second's pace.
constexpr double REPEAT_FIRST_SECONDS = 0.4;
constexpr double REPEAT_SECONDS = 0.08;
constexpr double MESSAGE_SECONDS = 3.0;
constexpr int32_t CHOICE_TOP = 110, CHOICE_BOTTOM = 160;  // the question's answers on the card
constexpr int32_t CARD_LEFT = 20, CARD_THIRD = 200 / 3;

CellarEditor& Editor() {
  return LiveEditing.editor;
}

EditorView& View() {
  return LiveEditing.view;
}

// The verdict of the cellar on the board, worked out again after a change; a run's record
// names each verdict as it settles.
void TraceVerdict() {
  const std::string traced = TracedVerdict(LiveVerdict.verdict);
  if (!traced.empty()) shared::TraceWord("verdict", traced.c_str());
}

void Judge() {
  if (JudgeCellar(LiveVerdict, ChosenCellar(Editor()))) TraceVerdict();
}

void Say(const std::string& message) {
  View().message = message;
  View().messageFor = MESSAGE_SECONDS;
}

void SayRefusal(EditRefusal refusal) {
  if (refusal == EditRefusal::TooManyCheeses) Say(lang::Translate(TooManyCheesesMessage));
  if (refusal == EditRefusal::TooManyCellars) Say(lang::Translate(TooManyCellarsMessage));
}

std::string FileName(const std::string& path) {
  return path.substr(path.find_last_of("/\\") + 1);
}

// A cellar the game could not start keeps the whole file from being written.
bool AllSound() {
  CellarProblem problem;
  const int32_t faulty = FirstFaultyCellar(Editor(), &problem);
  if (faulty < 0) return true;
  char line[320];
  std::snprintf(line, sizeof line, lang::Translate(UnplayableCellarMessage), faulty + 1);
  Say(line + FaultText(problem));
  return false;
}

void SayWritten(const char* format, const std::string& path) {
  char line[320];
  std::snprintf(line, sizeof line, format, FileName(path).c_str());
  Say(line);
}

bool Save() {
  if (!AllSound()) return false;
  std::string why;
  if (!SaveEditedFile(Editor(), LiveEditing.path, &why)) {
    Say(lang::Translate(NotWrittenMessage) + why);
    return false;
  }
  SayWritten(lang::Translate(SavedMessage), LiveEditing.path);
  return true;
}

void Export() {
  if (!AllSound()) return;
  std::string why;
  if (!ExportSource(Editor(), LiveEditing.path, &why)) {
    Say(lang::Translate(NotWrittenMessage) + why);
    return;
  }
  SayWritten(lang::Translate(ExportedMessage), SourcePathOf(LiveEditing.path));
}

void Leave() {
  View().mode = EditorMode::Drawing;
  platform::EndTextInput();
  if (LiveEditing.closesGame) {
    platform::PostMessageA(platform::WM_CLOSE, 0, 0);
    GameState = SCENE_NONE;
    return;
  }
  LiveVerdict.search.Cancel();
  platform::HidePointer();
  GameState = SCENE_TITLE;
}

// ---- Changes --------------------------------------------------------------------------

// A change made at once: judged again when it changed the cellars.
template <typename Change>
void ChangeAtOnce(Change change) {
  BeginChange(Editor());
  change();
  if (EndChange(Editor())) Judge();
}

void Place(int32_t x, int32_t y, int32_t piece) {
  SayRefusal(PlacePiece(Editor(), x, y, piece));
}

void Choose(int32_t index) {
  const int32_t before = Editor().chosen;
  ChooseCellar(Editor(), index);
  if (Editor().chosen != before) Judge();
}

void Refused(EditRefusal refusal) {
  SayRefusal(refusal);
  Judge();
}

void Step(bool redo) {
  if (redo ? Redo(Editor()) : Undo(Editor())) Judge();
}

void Try(bool replay) {
  const CellarVerdict& verdict = LiveVerdict.verdict;
  if (verdict.kind == VerdictKind::Fault) return;
  if (replay && verdict.kind != VerdictKind::Clears) return;
  StartTrial(Editor(), replay ? &verdict.moves : nullptr);
}

void StartTitling() {
  View().mode = EditorMode::Titling;
  View().typed = ChosenCellar(Editor()).title;
  platform::BeginTextInput();
}

// The title without the blanks a stage file's line cannot keep at its ends.
std::string Trimmed(const std::string& title) {
  const size_t first = title.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return title.substr(first, title.find_last_not_of(' ') + 1 - first);
}

void EndTitling(bool keep) {
  if (keep) ChangeAtOnce([] { SetTitle(Editor(), Trimmed(View().typed)); });
  View().mode = EditorMode::Drawing;
  platform::EndTextInput();
}

// ---- Keys -----------------------------------------------------------------------------

bool Held(int32_t vk) {
  return (platform::GetKeyState(vk) & 0x8000) != 0;
}

void MoveCursor(int32_t dx, int32_t dy) {
  int32_t& x = View().cursorX;
  int32_t& y = View().cursorY;
  x = std::clamp(x + dx, PLAYFIELD_FIRST, PLAYFIELD_LAST);
  y = std::clamp(y + dy, PLAYFIELD_FIRST, PLAYFIELD_LAST);
}

// The keys that act again while held; true when vk was one of them.
bool RepeatedKeyActs(int32_t vk) {
  const int32_t x = View().cursorX, y = View().cursorY;
  switch (vk) {
    case platform::VK_LEFT:
      MoveCursor(-1, 0);
      return true;
    case platform::VK_RIGHT:
      MoveCursor(1, 0);
      return true;
    case platform::VK_UP:
      MoveCursor(0, -1);
      return true;
    case platform::VK_DOWN:
      MoveCursor(0, 1);
      return true;
    case 'Z':
    case platform::VK_BACK:
      Step(false);
      return true;
    case 'Y':
      Step(true);
      return true;
    case platform::VK_OEM_PLUS:
    case platform::VK_ADD:
      ChangeAtOnce([&] { StepWeekOrFacing(Editor(), x, y, 1); });
      return true;
    case platform::VK_OEM_MINUS:
    case platform::VK_SUBTRACT:
      ChangeAtOnce([&] { StepWeekOrFacing(Editor(), x, y, -1); });
      return true;
    default:
      return false;
  }
}

// The palette's pieces by number: 1 floor .. 6 the player, 7 a cheese (the kind chosen
// last).
void ChoosePieceByNumber(int32_t number) {
  int32_t& piece = View().piece;
  if (number < 7) {
    piece = number - 1;
  } else if (piece < PIECE_CHEESE_FIRST) {
    piece = PIECE_CHEESE_FIRST;
  }
}

void DrawingKey(int32_t vk) {
  const int32_t x = View().cursorX, y = View().cursorY;
  if (RepeatedKeyActs(vk)) {
    LiveEditing.input.repeatedKey = vk;
    LiveEditing.input.repeatIn = REPEAT_FIRST_SECONDS;
    return;
  }
  switch (vk) {
    case platform::VK_SPACE:
    case platform::VK_RETURN:
      ChangeAtOnce([&] { Place(x, y, View().piece); });
      break;
    case platform::VK_DELETE:
      ChangeAtOnce([&] { Place(x, y, PIECE_FLOOR); });
      break;
    case platform::VK_TAB:
      View().piece = (View().piece + 1) % PIECE_COUNT;
      break;
    case platform::VK_OEM_COMMA:
      ChangeAtOnce([] { StepDeliveries(Editor(), -1); });
      break;
    case platform::VK_OEM_PERIOD:
      ChangeAtOnce([] { StepDeliveries(Editor(), 1); });
      break;
    case platform::VK_PRIOR:
      Choose(Editor().chosen - 1);
      break;
    case platform::VK_NEXT:
      Choose(Editor().chosen + 1);
      break;
    case platform::VK_HOME:
      MoveCellar(Editor(), -1);
      break;
    case platform::VK_END:
      MoveCellar(Editor(), 1);
      break;
    case 'N':
      Refused(AddCellar(Editor()));
      break;
    case 'C':
      Refused(CopyCellar(Editor()));
      break;
    case 'X':
      DeleteCellar(Editor());
      Judge();
      break;
    case 'T':
      StartTitling();
      break;
    case 'P':
      Try(false);
      break;
    case 'R':
      Try(true);
      break;
    case 'S':
      Save();
      break;
    case 'E':
      Export();
      break;
    case platform::VK_ESCAPE:
      if (Unsaved(Editor())) {
        View().mode = EditorMode::Leaving;
      } else {
        Leave();
      }
      break;
    default:
      if (vk >= '1' && vk <= '7') ChoosePieceByNumber(vk - '0');
      break;
  }
}

// Removes the last character (all the bytes of its UTF-8) of text.
void EraseLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

void TitlingKey(int32_t vk) {
  if (vk == platform::VK_RETURN) EndTitling(true);
  if (vk == platform::VK_ESCAPE) EndTitling(false);
  if (vk == platform::VK_BACK) {
    EraseLastCharacter(View().typed);
    LiveEditing.input.repeatedKey = vk;
    LiveEditing.input.repeatIn = REPEAT_FIRST_SECONDS;
  }
}

// A typed character joins the title when the title can hold it (blanks at the ends, which it
// cannot keep, wait for the words after them) and it fits on the card.
void Typed(const std::string& character) {
  const std::string longer = View().typed + character;
  if (longer.size() <= MAX_TITLE_BYTES && TitleFault(Trimmed(longer)).empty() &&
      CardTitleFits((longer + "_").c_str()))
    View().typed = longer;
}

void Answer(int32_t vk) {
  if (vk == 'S' && Save()) Leave();
  if (vk == 'S') View().mode = EditorMode::Drawing;  // the message says why not
  if (vk == 'N') Leave();
  if (vk == platform::VK_ESCAPE) View().mode = EditorMode::Drawing;
}

void KeyDown(int32_t vk) {
  switch (View().mode) {
    case EditorMode::Drawing:
      DrawingKey(vk);
      break;
    case EditorMode::Titling:
      TitlingKey(vk);
      break;
    case EditorMode::Leaving:
      Answer(vk);
      break;
  }
}

// The held key's repeat, once the messages of the frame are read.
void RepeatHeldKey() {
  EditorInput& input = LiveEditing.input;
  if (input.repeatedKey == 0) return;
  if (!Held(input.repeatedKey)) {
    input.repeatedKey = 0;
    return;
  }
  input.repeatIn -= shared::FrameStep;
  if (input.repeatIn > 0.0) return;
  input.repeatIn = REPEAT_SECONDS;
  if (View().mode == EditorMode::Titling) {
    EraseLastCharacter(View().typed);
  } else if (View().mode == EditorMode::Drawing) {
    RepeatedKeyActs(input.repeatedKey);
  }
}

// ---- The mouse --------------------------------------------------------------------------

// The piece a stroke of a button paints: the left the palette's, the right floor.
int32_t StrokePiece(uintptr_t button) {
  return button == platform::MK_LBUTTON ? View().piece : PIECE_FLOOR;
}

// A stroke paints every cell on its way from the last one, however fast the pointer went;
// the player's start is moved along, and only turns when clicked where it stands.
void StrokeTo(int32_t x, int32_t y) {
  EditorInput& input = LiveEditing.input;
  while (input.strokeX != x || input.strokeY != y) {
    input.strokeX += (x > input.strokeX) - (x < input.strokeX);
    input.strokeY += (y > input.strokeY) - (y < input.strokeY);
    Place(input.strokeX, input.strokeY, StrokePiece(input.strokeButton));
  }
}

void StartStroke(uintptr_t button, int32_t x, int32_t y) {
  EditorInput& input = LiveEditing.input;
  View().cursorX = x;
  View().cursorY = y;
  BeginChange(Editor());
  input.strokeButton = button;
  input.strokeX = x;
  input.strokeY = y;
  Place(x, y, StrokePiece(button));
}

void EndStroke() {
  LiveEditing.input.strokeButton = 0;
  if (EndChange(Editor())) Judge();
}

void Press(uintptr_t button, const EditorPlace& place) {
  const bool left = button == platform::MK_LBUTTON;
  switch (place.area) {
    case EditorArea::Cell:
      StartStroke(button, place.x, place.y);
      break;
    case EditorArea::Palette:
      if (left) View().piece = place.piece;
      break;
    case EditorArea::Plate:
      Choose(Editor().chosen + place.step);
      break;
    case EditorArea::Deliveries:
      ChangeAtOnce([&] { StepDeliveries(Editor(), left ? 1 : -1); });
      break;
    case EditorArea::TitleLine:
      if (left) StartTitling();
      break;
    case EditorArea::VerdictLine:
      if (left) Try(true);
      break;
    case EditorArea::None:
      break;
  }
}

void Wheel(int32_t notches, const EditorPlace& place) {
  switch (place.area) {
    case EditorArea::Cell:
      ChangeAtOnce([&] { StepWeekOrFacing(Editor(), place.x, place.y, notches); });
      break;
    case EditorArea::Deliveries:
      ChangeAtOnce([&] { StepDeliveries(Editor(), notches); });
      break;
    case EditorArea::Plate:
      Choose(Editor().chosen - notches);
      break;
    default:
      break;
  }
}

// The question's answers are the card's thirds: save, leave without saving, stay.
void AnswerAt(int32_t x, int32_t y) {
  if (y < CHOICE_TOP || y >= CHOICE_BOTTOM || x < CARD_LEFT || x >= CARD_LEFT + 3 * CARD_THIRD)
    return;
  const int32_t answers[3] = {'S', 'N', platform::VK_ESCAPE};
  Answer(answers[(x - CARD_LEFT) / CARD_THIRD]);
}

void PointerMessage(const platform::MSG& message) {
  const int32_t x = platform::PointerX(message.lParam), y = platform::PointerY(message.lParam);
  const EditorPlace place = EditorPlaceAt(x, y);
  View().pointed = place.area == EditorArea::Palette ? place.piece : -1;
  const uintptr_t stroke = LiveEditing.input.strokeButton;
  if (View().mode == EditorMode::Leaving) {
    if (message.message == platform::WM_LBUTTONDOWN) AnswerAt(x, y);
    return;
  }
  if (View().mode != EditorMode::Drawing) return;
  int32_t cellX = 0, cellY = 0;
  CellUnder(x, y, &cellX, &cellY);
  switch (message.message) {
    case platform::WM_MOUSEMOVE:
      if (stroke != 0) StrokeTo(cellX, cellY);
      break;
    case platform::WM_LBUTTONDOWN:
    case platform::WM_RBUTTONDOWN:
      if (stroke == 0)
        Press(message.message == platform::WM_LBUTTONDOWN ? platform::MK_LBUTTON
                                                          : platform::MK_RBUTTON,
              place);
      break;
    case platform::WM_LBUTTONUP:
    case platform::WM_RBUTTONUP:
      if ((stroke == platform::MK_LBUTTON) == (message.message == platform::WM_LBUTTONUP) &&
          stroke != 0)
        EndStroke();
      break;
    case platform::WM_MOUSEWHEEL:
      if (stroke == 0) Wheel(platform::WheelTurn(message.wParam) / platform::WHEEL_DELTA, place);
      break;
    default:
      break;
  }
}

void ReadInput() {
  for (platform::MSG message; platform::TakeInputMessage(&message);) {
    if (GameState != SCENE_EDITOR) return;  // left, or a trial started
    if (message.message == platform::WM_KEYDOWN) {
      KeyDown(static_cast<int32_t>(message.wParam));
    } else if (message.message == platform::WM_CHAR) {
      if (View().mode == EditorMode::Titling) Typed(platform::TypedCharacter(message.wParam));
    } else if (message.message != platform::WM_KEYUP) {
      PointerMessage(message);
    }
  }
  RepeatHeldKey();
}

}  // namespace

bool OpenEditor(const std::string& path, bool closesGame, std::string* why) {
  CellarFile file;
  if (OpenEditedFile(path, &file, why) == OpenedFile::Refused) return false;
  LiveEditing = EditorSession{};
  LiveEditing.path = path;
  LiveEditing.closesGame = closesGame;
  LiveEditing.editor = EditorOf(file);
  return true;
}

void EnterEditor() {
  LiveVerdict.stateLimit = ChosenVerdictLimit();
  ReturnToEditor();
  Judge();
}

void ReturnToEditor() {
  GameState = SCENE_EDITOR;
  LiveEditing.view.mode = EditorMode::Drawing;
  LiveEditing.input = EditorInput{};
  platform::DropInputMessages();
  platform::ShowPointer();
}

void EditorScene() {
  ReadInput();
  if (GameState != SCENE_EDITOR) return;
  if (FollowVerdict(LiveVerdict)) TraceVerdict();
  EditorView& view = View();
  if (view.messageFor > 0.0) view.messageFor -= shared::FrameStep;
  DrawEditor(Editor(), LiveVerdict.verdict, LiveVerdict.stateLimit, view);
}

bool TakeEscape() {
  if (GameState == SCENE_EDITOR) return true;
  if (!Trying()) return false;
  LeaveTrial();
  return true;
}

}  // namespace game

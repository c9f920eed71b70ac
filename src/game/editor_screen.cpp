// Drawing the cellar editor in the game's pictures: the board, the palette on the side panel's
// shelves, the title and verdict lines on the board's walls, and the intro card for the title.
#include "game/editor_screen.h"

#include <cstdio>
#include <cstring>

#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "game/editor_texts.h"
#include "game/rules.h"
#include "game/scene_functions.h"
#include "gfx/blit.h"
#include "gfx/present.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace game {

namespace {

constexpr int32_t SLOT_FIGURES = 2;
constexpr int32_t SLOT_PANELS = 3;
constexpr int32_t SLOT_CARD = 8;
constexpr int32_t SMALL_TEXT = 12;  // the lines on the board's walls
constexpr int32_t CARD_TEXT = 16;
constexpr uint32_t TEXT_WHITE = 0xFFFFFF;
constexpr uint32_t TEXT_BLACK = 0x000000;
constexpr int32_t TEXT_ALIGN_CENTRE = 24;

// The lines on the board's top and bottom walls, 12 pixels high.
constexpr int32_t TITLE_LINE_LEFT = 12;
constexpr int32_t TITLE_LINE_BOTTOM = 12;
constexpr int32_t VERDICT_LINE_TOP = 228;
constexpr int32_t VERDICT_LINE_WIDTH = 316;  // from x 2 to the screen's right edge less 2

// The side panel: its name plate, the shelves (their wood taken from the panel's own), and
// the deliveries' box under them.
constexpr int32_t PANEL_LEFT = 240;
constexpr int32_t PLATE_BOTTOM = 33;
constexpr int32_t SHELF_INSIDE_TOP = 88;  // the panel's first shelf: its inside
constexpr int32_t SHELF_INSIDE_ROWS = 21;
constexpr int32_t SHELF_BOARD_TOP = 113;  // and the board it ends in
constexpr int32_t SHELF_BOARD_ROWS = 3;
constexpr int32_t SHELF_FRAME_TOP = 86;  // the frame over the first shelf
constexpr int32_t DELIVERIES_TOP = 204;

// The intro card, as the game shows it (the title typed on it), and the question on it.
constexpr int32_t CARD_LEFT = 20, CARD_TOP = 80, CARD_WIDTH = 200, CARD_HEIGHT = 80;
constexpr int32_t CARD_QUESTION_TOP = 104;
constexpr int32_t CARD_CHOICES_TOP = 132;
constexpr int32_t UNDER_CARD_TOP = 165;

int32_t CellLeft(int32_t x) {
  return 24 * x - 12;
}

int32_t ShelfTop(int32_t shelf) {
  return PALETTE_SHELVES_TOP + PALETTE_SHELF_HEIGHT * shelf;
}

int32_t PieceLeft(int32_t piece) {
  return PALETTE_LEFT + 24 * (piece % PALETTE_COLUMNS);
}

// A piece stands on its shelf's board like the side panel's cheeses on theirs.
int32_t PieceTop(int32_t piece) {
  return ShelfTop(piece / PALETTE_COLUMNS) - 2;
}

bool SourceLanguage() {
  return std::strcmp(lang::SelectedLanguage(), lang::SOURCE_LANGUAGE) == 0;
}

// The browser's pointer, a frame 26 pixels square, around a 24-pixel picture at (left, top).
void DrawFrameAround(int32_t left, int32_t top) {
  gfx::BlitKeyed(left - 1, top - 1, SLOT_PANELS, 112, 200, 138, 226);
}

// The player as the palette shows it: head and shoulders, facing the way given.
void DrawPlayerBust(int32_t left, int32_t top, int32_t facing) {
  gfx::BlitKeyed(left, top, SLOT_FIGURES, 36, 48 * facing + 6, 60, 48 * facing + 30);
}

void DrawPalettePiece(int32_t piece, int32_t facing) {
  const int32_t left = PieceLeft(piece), top = PieceTop(piece);
  switch (piece) {
    case PIECE_FLOOR:
      DrawTile(left, top, CELL_FLOOR);
      break;
    case PIECE_WALL:
      DrawTile(left, top, CELL_WALL_FRONT);
      break;
    case PIECE_HOLE:
      DrawTile(left, top, CELL_HOLE);
      break;
    case PIECE_SNOWMAN_AREA:
      DrawSnowman(left, top, CELL_SNOWMAN_AREA);
      break;
    case PIECE_SNOWMAN_LINE:
      DrawSnowman(left, top, CELL_SNOWMAN_LINE);
      break;
    case PIECE_PLAYER:
      DrawPlayerBust(left, top, facing);
      break;
    default:
      DrawCheese(left, top, piece - PIECE_CHEESE_FIRST);
      break;
  }
}

// The side panel: its plate with the cellar's number, shelves of pieces, the deliveries due.
void DrawPanel(const EditedCellar& cellar, int32_t number, const EditorView& view) {
  gfx::BlitOpaque(PANEL_LEFT, 0, SLOT_PANELS, 0, 0, 80, 240);
  DrawSidePanelHeading(number);
  gfx::BlitOpaque(PANEL_LEFT, PALETTE_SHELVES_TOP - 2, SLOT_PANELS, 0, SHELF_FRAME_TOP, 80,
                  SHELF_INSIDE_TOP);
  for (int32_t shelf = 0; shelf < PALETTE_SHELVES; ++shelf) {
    const int32_t top = ShelfTop(shelf);
    gfx::BlitOpaque(PANEL_LEFT, top, SLOT_PANELS, 0, SHELF_INSIDE_TOP, 80,
                    SHELF_INSIDE_TOP + SHELF_INSIDE_ROWS);
    gfx::BlitOpaque(PANEL_LEFT, top + SHELF_INSIDE_ROWS, SLOT_PANELS, 0, SHELF_BOARD_TOP, 80,
                    SHELF_BOARD_TOP + SHELF_BOARD_ROWS);
  }
  for (int32_t piece = 0; piece < PIECE_COUNT; ++piece) DrawPalettePiece(piece, cellar.facing);
  DrawFrameAround(PieceLeft(view.piece), PieceTop(view.piece));
  gfx::PrintText(278, 211, ": %d", cellar.stage.toDeliver);
}

// A cheese's week at the bottom right of its cell; a rotten one shows a cross.
void DrawWeekLabel(int32_t x, int32_t y, int32_t week) {
  char label[16];
  std::snprintf(label, sizeof label, week == WEEK_ROTTEN ? "×" : "%d", week);
  const int32_t width = gfx::TextWidth(SMALL_TEXT, label);
  gfx::PrintSmallText(CellLeft(x) + 24 - width, CellLeft(y) + 12, "%s", label);
}

// The cellar's start on the board: the cold as the rules give it, the player at the start
// and each cheese's week as the game starts it (rotten off the cold); the cheese the verdict
// blames shows its number, as the note counts it.
void DrawCellar(const EditedCellar& cellar, const CellarVerdict& verdict) {
  const StageRecord& stage = cellar.stage;
  Position start = StageStart(stage);
  start.facing = cellar.facing;
  DrawBoard(start);
  for (int32_t y = 0; y < BOARD_SIZE; ++y) DrawCell(BOARD_SIZE - 1, y, start);
  for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
    for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
      const int32_t cell = stage.grid[x][y];
      if (cell < CELL_CHEESE_FIRST) continue;
      const int32_t k = cell - CELL_CHEESE_FIRST;
      DrawWeekLabel(x, y, start.cheeseSlots[k].week);
      if (verdict.kind == VerdictKind::Lost && verdict.why.cheese == k)
        gfx::PrintSmallText(CellLeft(x), CellLeft(y), "%d", k + 1);
    }
  }
  if (FindCellarProblem(stage).kind != CellarFaultKind::StartOutside)
    DrawPlayer(stage.startX, stage.startY, 0.0, start, PlayerPose{0, false});
}

// Over the board: the cheese the pointer or the cursor is on, else the cellar's number of
// the file's and its title.
std::string TitleLine(const CellarEditor& editor, const EditorView& view) {
  if (view.pointed >= PIECE_CHEESE_FIRST) return CheeseLine(view.pointed - PIECE_CHEESE_FIRST, 0);
  const StageRecord& stage = ChosenCellar(editor).stage;
  const int32_t cell = stage.grid[view.cursorX][view.cursorY];
  if (cell >= CELL_CHEESE_FIRST) {
    const StageCheese& cheese = stage.cheeses[cell - CELL_CHEESE_FIRST];
    return CheeseLine(cheese.catalogueIndex, cheese.startWeek);
  }
  char line[160];
  std::snprintf(line, sizeof line, "%d/%d  %s", editor.chosen + 1,
                static_cast<int32_t>(editor.cellars.size()), ChosenCellar(editor).title.c_str());
  return line;
}

void DrawSmallLines(int32_t left, int32_t top, int32_t width, int32_t lines,
                    const std::string& text) {
  gfx::BeginText(SMALL_TEXT);
  gfx::SetTextColours(TEXT_WHITE, TEXT_BLACK, 0);
  gfx::DrawTextInRect(left, top, left + width, top + lines * SMALL_TEXT, text.c_str(),
                      gfx::TEXT_ALIGN_LEFT);
  gfx::EndText();
}

// The verdict stands on the bottom wall; a long one takes a second line above it.
void DrawVerdictLine(const std::string& text) {
  const int32_t lines =
      gfx::WrappedLineCount(SMALL_TEXT, text.c_str(), VERDICT_LINE_WIDTH) > 1 ? 2 : 1;
  DrawSmallLines(2, VERDICT_LINE_TOP - SMALL_TEXT * (lines - 1), VERDICT_LINE_WIDTH, lines, text);
}

void DrawCardText(int32_t top, int32_t lines, const char* text) {
  gfx::BeginText(CARD_TEXT);
  gfx::SetTextColours(TEXT_WHITE, TEXT_BLACK, 1);
  gfx::DrawTextInRect(CARD_LEFT, top, CARD_LEFT + CARD_WIDTH, top + lines * CARD_TEXT, text,
                      TEXT_ALIGN_CENTRE);
  gfx::EndText();
}

// A line of small text centred under the card.
void DrawUnderCard(const char* text) {
  const int32_t width = gfx::TextWidth(SMALL_TEXT, text);
  gfx::PrintSmallText(CARD_LEFT + (CARD_WIDTH - width) / 2, UNDER_CARD_TOP, "%s", text);
}

// The title typed on the intro card, as the game will show it, with the caret after it.
void DrawTitling(const CellarEditor& editor, const EditorView& view) {
  DrawIntroCard(editor.chosen, (view.typed + "_").c_str());
  DrawUnderCard(lang::Translate(TitlingKeysLine));
}

// The question before leaving with changes not saved, and its three answers, one to each
// third of the card.
void DrawLeaving() {
  gfx::BlitOpaque(CARD_LEFT, CARD_TOP, SLOT_CARD, 0, 0, CARD_WIDTH, CARD_HEIGHT);
  DrawCardText(CARD_QUESTION_TOP, 1, lang::Translate(LeavingQuestion));
  const int32_t third = CARD_WIDTH / 3;
  gfx::BeginText(SMALL_TEXT);
  gfx::SetTextColours(TEXT_WHITE, TEXT_BLACK, 1);
  for (int32_t i = 0; i < 3; ++i) {
    const char* answer = lang::Translate(LeavingAnswers[i]);
    const int32_t width = gfx::TextWidth(SMALL_TEXT, answer);
    gfx::DrawTextAt(CARD_LEFT + third * i + (third - width) / 2, CARD_CHOICES_TOP, answer);
  }
  gfx::EndText();
}

// The note's lines of a lost cellar's reason, on one line.
std::string LostReasonText(const LostExplanation& why) {
  const char* const* lines = LostNotes[static_cast<int32_t>(why.reason)];
  char reason[256];
  std::snprintf(reason, sizeof reason, lang::Translate(lines[0]), why.cheese + 1);
  std::string text = reason;
  if (lines[1] != nullptr)
    text += (SourceLanguage() ? "" : " ") + std::string(lang::Translate(lines[1]));
  return text;
}

}  // namespace

EditorPlace EditorPlaceAt(int32_t x, int32_t y) {
  EditorPlace place;
  if (x >= 12 && x < 228 && y >= 12 && y < 228) {
    place.area = EditorArea::Cell;
    CellUnder(x, y, &place.x, &place.y);
  } else if (x >= PANEL_LEFT && y < PLATE_BOTTOM) {
    place.area = EditorArea::Plate;
    place.step = x < PANEL_LEFT + 40 ? -1 : 1;
  } else if (x >= PALETTE_LEFT && x < PALETTE_LEFT + 24 * PALETTE_COLUMNS &&
             y >= PALETTE_SHELVES_TOP && y < ShelfTop(PALETTE_SHELVES)) {
    const int32_t piece = (y - PALETTE_SHELVES_TOP) / PALETTE_SHELF_HEIGHT * PALETTE_COLUMNS +
                          (x - PALETTE_LEFT) / 24;
    if (piece < PIECE_COUNT) {
      place.area = EditorArea::Palette;
      place.piece = piece;
    }
  } else if (x >= PANEL_LEFT && y >= DELIVERIES_TOP && y < VERDICT_LINE_TOP) {
    place.area = EditorArea::Deliveries;
  } else if (y >= 0 && y < TITLE_LINE_BOTTOM && x >= 0 && x < PANEL_LEFT) {
    place.area = EditorArea::TitleLine;
  } else if (y >= VERDICT_LINE_TOP && y < 240 && x >= 0 && x < 320) {
    place.area = EditorArea::VerdictLine;
  }
  return place;
}

void CellUnder(int32_t x, int32_t y, int32_t* cellX, int32_t* cellY) {
  auto cell = [](int32_t at) {
    const int32_t c = (at + 12) / 24;
    return c < PLAYFIELD_FIRST ? PLAYFIELD_FIRST : c > PLAYFIELD_LAST ? PLAYFIELD_LAST : c;
  };
  *cellX = cell(x < 0 ? 0 : x);
  *cellY = cell(y < 0 ? 0 : y);
}

std::string FaultText(const CellarProblem& problem) {
  switch (problem.kind) {
    case CellarFaultKind::StartOutside:
      return lang::Translate(FaultNoPlayer);
    case CellarFaultKind::StartNotFloor:
      return lang::Translate(FaultStartNotFloor);
    default:
      return lang::Translate(FaultOther);
  }
}

std::string VerdictText(const CellarVerdict& verdict, int64_t stateLimit) {
  char text[320];
  switch (verdict.kind) {
    case VerdictKind::Fault:
      return lang::Translate(VerdictFaultHeading) + FaultText(verdict.fault);
    case VerdictKind::Searching:
      return lang::Translate(VerdictSearching);
    case VerdictKind::Clears:
      std::snprintf(text, sizeof text, lang::Translate(VerdictClears),
                    static_cast<int32_t>(verdict.moves.size()));
      return text;
    case VerdictKind::Lost:
      return lang::Translate(VerdictLostHeading) + LostReasonText(verdict.why);
    case VerdictKind::Undecided:
      std::snprintf(text, sizeof text, lang::Translate(VerdictUndecided),
                    static_cast<int32_t>(stateLimit));
      return text;
  }
  return "";
}

std::string CheeseLine(int32_t kind, int32_t week) {
  const CheeseInfo& info = CheeseCatalogue[kind];
  const char* name = lang::Translate(info.name);
  char line[160];
  if (week == WEEK_ROTTEN) {
    std::snprintf(line, sizeof line, lang::Translate(CheeseRottenLine), name);
  } else if (week == WEEK_NONE) {
    std::snprintf(line, sizeof line, lang::Translate(CheeseKindLine), name, info.ripeFrom,
                  info.ripeTo);
  } else {
    std::snprintf(line, sizeof line, lang::Translate(CheeseWeekLine), name, week, info.ripeFrom,
                  info.ripeTo);
  }
  return line;
}

void DrawEditor(const CellarEditor& editor, const CellarVerdict& verdict, int64_t stateLimit,
                const EditorView& view) {
  const EditedCellar& cellar = ChosenCellar(editor);
  DrawCellar(cellar, verdict);
  if (view.mode == EditorMode::Drawing)
    DrawFrameAround(CellLeft(view.cursorX), CellLeft(view.cursorY));
  DrawPanel(cellar, editor.chosen, view);
  DrawSmallLines(TITLE_LINE_LEFT, 0, PANEL_LEFT - TITLE_LINE_LEFT, 1, TitleLine(editor, view));
  DrawVerdictLine(view.messageFor > 0.0 ? view.message : VerdictText(verdict, stateLimit));
  if (view.mode == EditorMode::Titling) DrawTitling(editor, view);
  if (view.mode == EditorMode::Leaving) DrawLeaving();
  gfx::PresentFrame(1, 0);
}

}  // namespace game

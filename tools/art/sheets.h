// The nine pictures of the game and the palette picture, each drawn by its own routine.
#pragma once

#include "canvas.h"

namespace tools {

Canvas DrawBoardSheet();   // graphic1: tiles, cheeses, snowmen, frost (168 x 123)
Canvas DrawPeopleSheet();  // graphic2: the player's walk and the customer's faces (192 x 192)
Canvas DrawPanelSheet();   // graphic3: side panel, customer window, icons, bubbles (278 x 240)
Canvas DrawLogo();         // kestrune: the brand logo (200 x 50)
// The pictures with words take the language of the words (a code of lang::Languages()).
Canvas DrawBanners(const char* language);      // graphic4: four 200 x 50 banners (200 x 200)
Canvas DrawTitle();                            // graphic5: the title picture (320 x 240)
Canvas DrawInfoPanel();                        // graphic6: the cheese information panel (200 x 200)
Canvas DrawIntroCard();                        // graphic7: the stage intro card (200 x 80)
Canvas DrawEndingStrip(const char* language);  // graphic8: the ending title strip (320 x 80)
Canvas DrawPaletteSwatch();                    // pal.bmp: every colour once, 16 x 16

// The desktop icon, size x size (at least 24): the Edam of the board sheet at
// the largest whole scale that fits, centred on clear (transparent) ground.
Canvas DrawIcon(int32_t size);
constexpr int32_t ICON_SIZES[] = {32, 48, 64, 128, 256};

// Pieces shared between pictures.
void DrawCheese(Canvas& canvas, int32_t x, int32_t y, int32_t catalogueIndex);
void DrawSnowman(Canvas& canvas, int32_t x, int32_t y, bool lineKind);
// The customer's face and shoulders (32 x 48) for a face code: -1 surprised,
// 0 calm, 1 puzzled, or CUSTOMER_SICK after a rotten cheese.
constexpr int32_t CUSTOMER_SICK = 2;
void DrawCustomer(Canvas& canvas, int32_t x, int32_t y, int32_t face);
// A flagstone texture filling a rectangle, in shades lo..hi of a ramp.
void DrawFlagstones(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t ramp,
                    int32_t lo, int32_t hi, uint32_t seed);

}  // namespace tools

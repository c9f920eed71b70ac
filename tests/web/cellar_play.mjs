// Playing the page by keys as a player would: START, then cellar 1 cleared by its kept moves.
// A move takes some 350 ms of walking; the next key waits for that many frames to pass.
const MOVE_FRAMES = 21;

// From the title to cellar 1's clear banner.
export async function clearCellarOne(session, pictures) {
  await session.expect(pictures.titleStart, 'title_start');
  await session.tap('Space');
  await session.expect(pictures.cardOne, 'intro_card');
  await session.expect(pictures.playOne, 'play_idle');
  for (const key of pictures.moves) await session.tap(key, MOVE_FRAMES);
  await session.expect(pictures.banner, 'clear_banner');
}

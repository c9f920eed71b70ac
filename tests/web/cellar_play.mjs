// Playing the page by keys as a player would: START, then cellar 1 cleared by its kept moves,
// each move waited for until the picture shows it done.

// From the title to cellar 1's clear banner.
export async function clearCellarOne(session, pictures) {
  await session.expect(pictures.titleStart, 'title_start');
  await session.tap('Space');
  await session.expect(pictures.cardOne, 'intro_card');
  await session.expect(pictures.playOne, 'play_idle');
  for (const [n, key] of pictures.moves.entries()) {
    await session.tap(key);
    if (n < pictures.afterMoves.length)
      await session.expect(pictures.afterMoves[n], `move_${n + 1}`);
  }
  await session.expect(pictures.banner, 'clear_banner');
}

// Cellar 1 played to its clear by keys; the save kept in IndexedDB takes the game on to
// cellar 2 by CONTINUE after a reload, and after the browser is closed and started again. A
// damaged save is then taken as the Linux program takes it (CONTINUE starts cellar 1).
import {clearCellarOne} from './cellar_play.mjs';
import {DAMAGED_SAVE} from './expected_pictures.mjs';
import {damageStoredFile, waitForStoredFile} from './saved_files.mjs';

const LANGUAGE = 'en';

// From the title: CONTINUE chosen, then the card of the cellar it starts.
async function continueFromTitle(session, [title, chosen, card], when) {
  await session.expect(title, `title_${when}`);
  await session.tap('ArrowDown');
  await session.expect(chosen, `continue_${when}`);
  await session.tap('Space');
  await session.expect(card, `card_${when}`);
}

export const tests = [
  {
    name: 'save_continue',
    async run(session, context) {
      const pictures = await context.expected(LANGUAGE);
      await session.open(`?lang=${LANGUAGE}`);
      await clearCellarOne(session, pictures);
      await session.expect(pictures.nextCard, 'next_card');
      // The save file the Linux program writes after the same clear.
      await waitForStoredFile(session.page, 'save.dat', pictures.saveFile);
      const state = await session.state();
      if (!(state.saved >= 1))
        throw new Error(`window.vaulmoor.saved is ${state.saved} after the save`);
      if (state.storage !== 'kept')
        throw new Error(`window.vaulmoor.storage is ${state.storage}, not kept`);
      const saved = [pictures.savedTitle, pictures.savedContinue, pictures.cardTwo];
      await session.reload();
      await continueFromTitle(session, saved, 'after_reload');
      await session.restart(`?lang=${LANGUAGE}`);
      await continueFromTitle(session, saved, 'after_restart');
      await damageStoredFile(session.page, 'save.dat', DAMAGED_SAVE);
      await session.reload();
      await continueFromTitle(
          session, [pictures.damagedTitle, pictures.damagedContinue, pictures.damagedCard],
          'damaged_save');
    },
  },
];

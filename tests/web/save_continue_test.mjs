// Cellar 1 played to its clear by keys; the save kept in IndexedDB takes the game on to
// cellar 2 by CONTINUE after a reload, and after the browser is closed and started again.
import {clearCellarOne} from './cellar_play.mjs';
import {waitForStoredFile} from './saved_files.mjs';

const LANGUAGE = 'en';

// From the title of a page that has the save: CONTINUE chosen, then cellar 2's card.
async function continueToCellarTwo(session, pictures, when) {
  await session.expect(pictures.savedTitle, `title_${when}`);
  await session.tap('ArrowDown');
  await session.expect(pictures.savedContinue, `continue_${when}`);
  await session.tap('Space');
  await session.expect(pictures.cardTwo, `cellar2_card_${when}`);
}

export const tests = [
  {
    name: 'save_continue',
    async run(session, context) {
      const pictures = await context.expected(LANGUAGE);
      await session.open(`?lang=${LANGUAGE}`);
      await clearCellarOne(session, pictures);
      await session.expect(pictures.nextCard, 'next_card');
      // The save names cellar 2 by its index, 1, and its check value.
      await waitForStoredFile(session.page, 'save.dat', /^1 \d+\s*$/);
      const state = await session.state();
      if (!(state.saved >= 1))
        throw new Error(`window.vaulmoor.saved is ${state.saved} after the save`);
      if (state.storage !== 'kept')
        throw new Error(`window.vaulmoor.storage is ${state.storage}, not kept`);
      await session.reload();
      await continueToCellarTwo(session, pictures, 'after_reload');
      await session.restart(`?lang=${LANGUAGE}`);
      await continueToCellarTwo(session, pictures, 'after_restart');
    },
  },
];

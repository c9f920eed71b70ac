// Storage refused, as in a private window: IndexedDB throws before the page's scripts run.
// The game still plays cellar 1 to its clear (a save tried and not kept), says so once on the
// page in its language, and reports the storage as refused.
import {clearCellarOne} from './cellar_play.mjs';

const LANGUAGE = 'ja';
const JAPANESE = /[\u3040-\u30ff\u4e00-\u9fff]/;

// Runs in the page before its scripts: every IndexedDB open throws as a refusing browser's does.
function refuseIndexedDb() {
  const refuse = () => {
    throw new DOMException('The user denied permission to access the database.', 'SecurityError');
  };
  Object.defineProperty(
      IDBFactory.prototype, 'open', {value: refuse, configurable: true, writable: true});
}

// The page's visible lines of text.
function pageLines(page) {
  return page.evaluate(
      () => document.body.innerText.split('\n')
                .map((line) => line.trim())
                .filter((line) => line !== ''),
  );
}

function waitForStorage(page, wanted) {
  return page.waitForFunction(
      (storage) => window.vaulmoor && window.vaulmoor.storage === storage, {timeout: 60_000},
      wanted);
}

export const tests = [
  {
    name: 'storage_refused',
    async run(session, context) {
      const pictures = await context.expected(LANGUAGE);
      // The page's own lines where storage works, to tell the notice from them.
      await session.open(`?lang=${LANGUAGE}`);
      await waitForStorage(session.page, 'kept');
      const ordinary = new Set(await pageLines(session.page));

      await session.beforePageScripts(refuseIndexedDb);
      await session.reload();
      await clearCellarOne(session, pictures);
      await session.expect(pictures.nextCard, 'next_card');
      const state = await session.state();
      if (state.storage !== 'refused')
        throw new Error(`window.vaulmoor.storage is ${state.storage}, not refused`);
      if (state.saved !== 0) throw new Error(`window.vaulmoor.saved is ${state.saved}, not 0`);
      const notices = (await pageLines(session.page)).filter((line) => !ordinary.has(line));
      if (notices.length !== 1)
        throw new Error(`the page should say once that progress is not kept; its new lines: ${
            JSON.stringify(notices)}`);
      if (!JAPANESE.test(notices[0]))
        throw new Error(`the notice is not in the page's language: ${notices[0]}`);
    },
  },
];

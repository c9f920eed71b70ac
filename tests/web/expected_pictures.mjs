// The pictures the page must show, in each language: the kept golden pictures of the title,
// and the Linux program's pictures of the real first cellars (the golden runs show a
// showcase cellar instead), made afresh by the same keys the tests press in the page.
import {readFile, writeFile} from 'node:fs/promises';
import path from 'node:path';

import {closeLine, makeLinuxFolder, playLinux, removeLinuxFolder, shotLine, tapLine} from './linux_pictures.mjs';
import {decodeBmp} from './pictures.mjs';

const ROOT = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');

// Script keys of the Linux program by the page's key names.
const SCRIPT_KEYS = {
  ArrowUp: 'up',
  ArrowRight: 'right',
  ArrowDown: 'down',
  ArrowLeft: 'left',
  Space: 'space'
};
const ARROWS = {
  U: 'ArrowUp',
  R: 'ArrowRight',
  D: 'ArrowDown',
  L: 'ArrowLeft'
};
const MOVE_GAP_MS = 350;

// The kept shortest clear of cellar 1 as the page's key names.
export async function cellarOneKeys() {
  const text = await readFile(path.join(ROOT, 'tools/stages/solutions.txt'), 'utf8');
  const line = text.split('\n').find((l) => /^1 \d+ [URDL]+$/.test(l.trim()));
  if (!line) throw new Error('no kept clear of cellar 1 in tools/stages/solutions.txt');
  return [...line.trim().split(' ')[2]].map((move) => ARROWS[move]);
}

async function golden(name) {
  return decodeBmp(await readFile(path.join(ROOT, 'tests/golden/pictures', `${name}.bmp`)));
}

// The first session: START, cellar 1's card and the cellar standing, its clear by the kept
// moves with the cellar after each move but the last, the banner and cellar 2's card. The
// title shows from 2.3 s, a card stands 2 s, a move is walked within 350 ms, and the banner
// comes some 3 s after the last move (the cheese falls, the customer answers).
function firstSession(moves) {
  let script = tapLine(3000, 'space') + shotLine(4000) + shotLine(5300);
  let at = 5500;
  moves.forEach((key, n) => {
    script += tapLine(at, SCRIPT_KEYS[key]);
    if (n < moves.length - 1) script += shotLine(at + MOVE_GAP_MS - 10);
    at += MOVE_GAP_MS;
  });
  return script + shotLine(at + 2850) + shotLine(at + 3650) + closeLine(at + 6000);
}

// A damaged save: its check value does not match its stage.
export const DAMAGED_SAVE = '1 99\n';

// The next session, with the save the first one left (or a damaged one): the title,
// CONTINUE chosen, and the card of the cellar it starts.
function nextSession() {
  return shotLine(2500) + tapLine(3000, 'down') + shotLine(3400) + tapLine(3500, 'space') +
      shotLine(4500) + closeLine(5000);
}

// Every picture the tests wait for in language (ja or en), for the web build in site.
export async function expectedPictures(site, language) {
  const moves = await cellarOneKeys();
  const folder = await makeLinuxFolder(site);
  try {
    const [cardOne, playOne, ...rest] = await playLinux(folder, firstSession(moves), language);
    const [banner, nextCard] = rest.splice(-2);
    const saveFile = await readFile(path.join(folder, 'data', 'save.dat'), 'utf8');
    const [savedTitle, savedContinue, cardTwo] = await playLinux(folder, nextSession(), language);
    await writeFile(path.join(folder, 'data', 'save.dat'), DAMAGED_SAVE);
    const [damagedTitle, damagedContinue, damagedCard] =
        await playLinux(folder, nextSession(), language);
    return {
      moves,
      titleStart: await golden('title_start'),
      titleContinue: await golden('title_continue'),
      cardOne,
      playOne,
      afterMoves: rest,
      banner,
      nextCard,
      saveFile,
      savedTitle,
      savedContinue,
      cardTwo,
      damagedTitle,
      damagedContinue,
      damagedCard,
    };
  } finally {
    await removeLinuxFolder(folder);
  }
}

// One test's browser session: Chromium on a profile of the test's own, the page opened on the
// served site, pictures waited for (a failing one kept as PNG files beside the build), and at
// the end every console error, page error, foreign request and platform error reported.
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';

import {frameCount, gameState, launch, makeProfile, openPage, removeProfile, tap, waitFrames} from './browser.mjs';
import {waitForPicture} from './canvas.mjs';
import {catchDownloads} from './downloads.mjs';
import {differencePicture, encodePng} from './pictures.mjs';

const FIRST_PICTURE_MS = 90_000;  // page load and compiling the program on a busy machine
const PICTURE_MS = 45_000;

export class Session {
  constructor(context, name) {
    this.context = context;
    this.name = name;
    this.problems = [];
  }

  // Starts Chromium, on a fresh profile the first time.
  async start() {
    this.profile ??= await makeProfile();
    this.browser = await launch(this.profile);
    ({page: this.page, problems: this.pageProblems} =
         await openPage(this.browser, this.context.url));
    return this;
  }

  // Scripts that run in every document before the page's own.
  beforePageScripts(script, ...args) { return this.page.evaluateOnNewDocument(script, ...args); }

  // Opens the page with the URL's query (for example '?lang=en').
  async open(query) {
    this.opened = true;
    this.query = query;
    await this.page.goto(this.context.url + query, {waitUntil: 'load'});
    await this.wake();
  }

  async reload() {
    await this.page.reload({waitUntil: 'load'});
    await this.wake();
  }

  // Sound starts at the player's first key press. A key the game does not use (Shift) is
  // pressed first, once the game runs. With music (?music=), letting go of it fetches the
  // synthesizer and the soundfont, and reading the soundfont holds up the page's (and so the
  // game's) thread for a moment: the test goes on when it has come, nothing more is fetched and
  // the game has presented frames again, so that no key the test holds is held longer by it.
  async wake() {
    await waitFrames(this.page, 0, 1, FIRST_PICTURE_MS);
    const music = /[?&]music=/.test(this.query ?? '');
    const soundfont = music ? this.page.waitForResponse(
                                  (response) => /\.sf2$/.test(response.url()),
                                  {timeout: FIRST_PICTURE_MS}) :
                              null;
    await this.page.keyboard.press('Shift');
    if (music) {
      await soundfont;
      await this.page.waitForNetworkIdle({idleTime: 300, timeout: FIRST_PICTURE_MS});
    }
    await waitFrames(this.page, await this.frames(), 10, FIRST_PICTURE_MS);
  }

  // Closes Chromium and starts it again on the same profile, with the page at query.
  async restart(query) {
    await this.closeBrowser();
    await this.start();
    await this.open(query);
  }

  state() { return gameState(this.page); }

  frames() { return frameCount(this.page); }

  tap(key) { return tap(this.page, key); }

  // Taps key and returns the download the page offers for it: { name, bytes }.
  async downloadFor(key) {
    this.downloads ??= await catchDownloads(this.browser);
    await this.tap(key);
    return this.downloads.next();
  }

  // Waits for the canvas to show picture (named label in messages and kept files).
  async expect(picture, label, timeout = PICTURE_MS) {
    try {
      await waitForPicture(
          this.page, picture, this.firstSeen ? timeout : Math.max(timeout, FIRST_PICTURE_MS));
      this.firstSeen = true;
    } catch (error) {
      const kept = error.actual ? await this.keep(label, picture, error.actual) : '';
      throw new Error(`${label}: ${error.message}${kept}`);
    }
  }

  // Keeps the expected and actual pictures and their difference; says where.
  async keep(label, expected, actual) {
    const folder = this.context.failures;
    await mkdir(folder, {recursive: true});
    const base = path.join(folder, `${this.name}-${label}`);
    await writeFile(`${base}.expected.png`, encodePng(expected));
    await writeFile(`${base}.actual.png`, encodePng(actual));
    if (actual.width === expected.width && actual.height === expected.height)
      await writeFile(`${base}.diff.png`, encodePng(differencePicture(expected, actual)));
    return `; see ${base}.{expected,actual,diff}.png`;
  }

  // What went wrong in the page besides the test's own checks. No console error is taken for
  // harmless noise: the page and the game make none when all is well.
  async pageFaults() {
    const faults = [...this.pageProblems];
    const state = await this.state().catch(() => null);
    if (this.opened && state === null) faults.push('the page has no window.vaulmoor');
    for (const error of state?.errors ?? []) faults.push(`platform error: ${error}`);
    return faults;
  }

  async closeBrowser() {
    this.problems.push(...(await this.pageFaults()));
    await this.browser.close();
    this.browser = null;
    await this.downloads?.remove();
    this.downloads = null;
  }

  // Ends the session; throws when the page had faults.
  async finish() {
    await this.closeBrowser();
    await removeProfile(this.profile);
    if (this.problems.length) throw new Error(this.problems.join('\n  '));
  }

  // Ends the session after a failed test; returns the page's faults, which may explain it.
  async abandon() {
    const faults = this.browser ? await this.pageFaults().catch(() => []) : [];
    await this.browser?.close().catch(() => {});
    await this.downloads?.remove();
    if (this.profile) await removeProfile(this.profile);
    return faults;
  }
}

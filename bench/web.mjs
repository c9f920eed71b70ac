// The browser build's figures in headless Chromium with a cold cache (a fresh profile each
// run), the page served on 127.0.0.1: bytes transferred before the first frame, time from
// navigation to the first frame, and the frame rate in play. Prints the median of the runs.
//   node bench/web.mjs SITE_DIR [RUNS]
import {readFile} from 'node:fs/promises';
import path from 'node:path';

import {frameCount, launch, makeProfile, openPage, removeProfile, tap} from '../tests/web/browser.mjs';
import {waitForPicture} from '../tests/web/canvas.mjs';
import {decodeBmp} from '../tests/web/pictures.mjs';
import {serveFolder} from '../tests/web/static_server.mjs';

const ROOT = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..');
const TITLE = decodeBmp(await readFile(path.join(ROOT, 'tests/golden/pictures/title_start.bmp')));

const PLAY_SECONDS = 5;

// Waits in the page until its own clock reaches ms (performance.now()).
function pageClockReaches(page, ms) {
  return page.waitForFunction(
      (until) => performance.now() >= until, {timeout: 60_000, polling: 'raf'}, ms);
}

// One cold start: the bytes and time to the first frame, and the frames a second in play.
async function measure(url) {
  const profile = await makeProfile();
  const browser = await launch(profile);
  try {
    const {page, problems} = await openPage(browser, url);
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    await cdp.send('Network.setCacheDisabled', {cacheDisabled: true});
    let bytes = 0;
    let firstFrameBytes = null;
    cdp.on('Network.loadingFinished', (event) => {
      bytes += event.encodedDataLength;
    });
    await page.goto(url, {waitUntil: 'domcontentloaded'});
    await page.waitForFunction(() => window.vaulmoor && window.vaulmoor.firstFrameAt > 0, {
      timeout: 60_000,
      polling: 'raf',
    });
    firstFrameBytes = bytes;
    const firstFrameMs = await page.evaluate(() => window.vaulmoor.firstFrameAt);
    // The title follows the logo from about 2.3 s; Space starts cellar 1, whose card stands 2 s.
    const titleMs = await waitForPicture(page, TITLE, 60_000);
    await tap(page, 'Space');
    const start = await page.evaluate(() => performance.now());
    await pageClockReaches(page, start + 2500);
    // The game's pictures presented, and the browser's own display frames (animation frames).
    await page.evaluate(() => {
      window.__benchDisplayFrames = 0;
      const count = () => {
        ++window.__benchDisplayFrames;
        requestAnimationFrame(count);
      };
      requestAnimationFrame(count);
    });
    const sample = () => page.evaluate(() => ({
                                         frames: window.vaulmoor.frames,
                                         display: window.__benchDisplayFrames,
                                         at: performance.now(),
                                       }));
    const from = await sample();
    await pageClockReaches(page, from.at + PLAY_SECONDS * 1000);
    const to = await sample();
    const framesPerSecond = ((to.frames - from.frames) * 1000) / (to.at - from.at);
    const displayPerSecond = ((to.display - from.display) * 1000) / (to.at - from.at);
    if (problems.length) throw new Error(problems.join('\n'));
    return {
      firstFrameBytes,
      firstFrameMs,
      titleMs,
      framesPerSecond,
      displayPerSecond,
      allBytes: bytes,
    };
  } finally {
    await browser.close();
    await removeProfile(profile);
  }
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The median figures of runs cold starts of the site served plainly or compressed.
async function report(site, runs, compress) {
  const server = await serveFolder(site, {compress});
  const results = [];
  for (let run = 0; run < runs; ++run) results.push(await measure(server.url));
  await server.close();
  const figure = (key) => median(results.map((result) => result[key]));
  const all = (key, digits) => results.map((result) => result[key].toFixed(digits)).join(' ');
  console.log(`== ${compress ? 'a host that compresses (gzip)' : 'a plain static host'}, ${
      runs} cold starts (medians)`);
  console.log(`bytes before the first frame:   ${
      (figure('firstFrameBytes') / 1e6).toFixed(2)} MB (goal <= 3 MB; runs: ${
      all('firstFrameBytes', 0)})`);
  console.log(`navigation to the first frame:  ${
      (figure('firstFrameMs') / 1000).toFixed(2)} s (goal <= 2 s; runs: ${
      all('firstFrameMs', 0)} ms)`);
  console.log(`navigation to the title:        ${
      (figure('titleMs') / 1000).toFixed(2)} s (after the logo's 2.3 s; runs: ${
      all('titleMs', 0)} ms)`);
  console.log(`pictures a second in play:      ${
      figure('framesPerSecond').toFixed(1)} (the game's presents; runs: ${
      all('framesPerSecond', 1)})`);
  console.log(`display frames a second:        ${
      figure('displayPerSecond').toFixed(1)} (the page's animation frames, goal 60; runs: ${
      all('displayPerSecond', 1)})`);
  console.log(`bytes by the end of a run:      ${
      (figure('allBytes') / 1e6).toFixed(2)} MB (the files loaded after the first frame too)`);
}

async function main() {
  const [site, runsText = '5'] = process.argv.slice(2);
  if (!site) {
    console.error('usage: node bench/web.mjs SITE_DIR [RUNS]');
    process.exit(2);
  }
  for (const compress of [false, true]) await report(site, Number(runsText), compress);
}

await main();

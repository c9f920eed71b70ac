// Headless Chromium for the tests and the benchmark: launched with a profile of its own, a
// page that records every console error, page error and request, and the page's game read
// through window.vaulmoor and the canvas.
import {mkdtemp, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

import {installCanvasReader} from './canvas.mjs';

const CHROMIUM = process.env.VAULMOOR_CHROMIUM ?? '/usr/bin/chromium';

// Flags for a quiet headless browser run as root on a machine without a GPU; the autoplay
// policy lets the game's sound start without a person's gesture.
const FLAGS = [
  '--headless=new',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--autoplay-policy=no-user-gesture-required',
  // A page in a hidden or busy window must keep its frames and timers going.
  '--disable-background-timer-throttling',
  '--disable-renderer-backgrounding',
  '--disable-backgrounding-occluded-windows',
];

// A fresh profile folder; the caller removes it with removeProfile.
export function makeProfile() { return mkdtemp(path.join(os.tmpdir(), 'vaulmoor-web-profile-')); }

export function removeProfile(profile) { return rm(profile, {recursive: true, force: true}); }

// Chromium on the profile folder.
export function launch(profile) {
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: [...FLAGS, `--user-data-dir=${profile}`],
    defaultViewport: {width: 960, height: 720},
    protocolTimeout: 180_000,
  });
}

// A new page whose troubles are kept: problems lists the console's errors, uncaught page
// errors and requests to anywhere but origin.
export async function openPage(browser, origin) {
  const page = await browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  page.on('dialog', (dialog) => {
    problems.push(`dialog: ${dialog.message()}`);
    dialog.dismiss();
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith(origin) && !url.startsWith('data:') && !url.startsWith('blob:'))
      problems.push(`request to another host: ${url}`);
  });
  page.on('requestfailed', (request) => {
    problems.push(`request failed: ${request.url()} (${request.failure()?.errorText})`);
  });
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  await installCanvasReader(page);
  return {page, problems};
}

// window.vaulmoor's fields (frames, firstFrameAt, storage, saved, errors), or null before the
// page made it.
export function gameState(page) {
  return page.evaluate(
      () => (window.vaulmoor ? JSON.parse(JSON.stringify(window.vaulmoor)) : null));
}

// Waits until the page has presented at least count frames more than it had at `from`.
export async function waitFrames(page, from, count, timeout = 30_000) {
  await page.waitForFunction(
      (target) => window.vaulmoor && window.vaulmoor.frames >= target, {timeout, polling: 'raf'},
      from + count);
}

export async function frameCount(page) {
  return page.evaluate(() => (window.vaulmoor ? window.vaulmoor.frames : 0));
}

// Presses key (a puppeteer key name) and holds it until the game has taken it, then lets it
// go: while the game presents HOLD_FRAMES frames (some 50 ms of a scene that moves, as a
// person's tap), or until it presents a picture other than the one before the press (a scene
// that then stands still, as an intro card, presents nothing more until it ends, and some
// wait for the key to be let go).
const HOLD_FRAMES = 5;
export async function tap(page, key) {
  await page.evaluate(() => {
    const picture = window.__vaulmoorCanvasRgba();
    window.__vaulmoorBeforeKey = {frames: window.vaulmoor.frames, rgba: picture && picture.rgba};
  });
  await page.keyboard.down(key);
  await page.waitForFunction((holdFrames) => {
    const before = window.__vaulmoorBeforeKey;
    const frames = window.vaulmoor.frames;
    if (frames >= before.frames + holdFrames) return true;
    if (frames === before.frames || !before.rgba) return false;
    const now = window.__vaulmoorCanvasRgba().rgba;
    return now.some((value, i) => value !== before.rgba[i]);
  }, {timeout: 30_000, polling: 'raf'}, HOLD_FRAMES);
  await page.keyboard.up(key);
}

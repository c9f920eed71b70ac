// Expected pictures made by the Linux program in the same states the page is driven to:
// headless runs of a Linux build's program from a script of timed key presses and `shot`
// events, in a copy of its run folder.
import {execFile} from 'node:child_process';
import {constants} from 'node:fs';
import {access, cp, mkdtemp, readdir, readFile, rm, writeFile} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import {promisify} from 'node:util';

import {decodeBmp} from './pictures.mjs';

const ROOT = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');

// The Linux build's run folder: $VAULMOOR_HOST_BUILD's, else build/'s, else that of the web
// build's own Linux build beside the site folder (as scripts/web.sh chooses its Linux side).
async function linuxRunFolder(site) {
  const builds = process.env.VAULMOOR_HOST_BUILD ?
      [path.resolve(ROOT, process.env.VAULMOOR_HOST_BUILD)] :
      [path.join(ROOT, 'build'), path.join(path.resolve(site), '..', 'host')];
  for (const build of builds) {
    const run = path.join(build, 'run');
    if (await access(path.join(run, 'vaulmoor'), constants.X_OK).then(() => true, () => false))
      return run;
  }
  throw new Error(
      `no Linux program in ${builds.map((b) => `${b}/run`).join(' or ')}: ` +
      'build its target vaulmoor (VAULMOOR_HOST_BUILD names the build folder)');
}

// Script lines, in virtual milliseconds: a key pressed at ms and let go 50 ms later.
export const tapLine = (ms, key) => `${ms} down ${key}\n${ms + 50} up ${key}\n`;
export const shotLine = (ms) => `${ms} shot\n`;
export const closeLine = (ms) => `${ms} close\n`;

// A copy of the Linux run folder (for the web build in site) in which runs follow one another as a
// player's sessions do (the save file of one is there for the next).
export async function makeLinuxFolder(site) {
  const run = await linuxRunFolder(site);
  const folder = await mkdtemp(path.join(os.tmpdir(), 'vaulmoor-web-linux-'));
  await cp(run, folder, {recursive: true});
  for (const name of await readdir(folder)) {
    if (/^scr\d{4}\.bmp$/.test(name) || name === 'report.txt') await rm(path.join(folder, name));
  }
  await rm(path.join(folder, 'data', 'save.dat'), {force: true});
  await rm(path.join(folder, 'data', 'records.dat'), {force: true});
  return folder;
}

export function removeLinuxFolder(folder) { return rm(folder, {recursive: true, force: true}); }

// Runs the program headless in folder from script in language; returns the pictures of its
// `shot` events in order. The program ends a script's close with status 1.
export async function playLinux(folder, script, language) {
  const before = new Set(await readdir(folder));
  await writeFile(path.join(folder, 'script.txt'), script);
  try {
    await promisify(execFile)(
        './vaulmoor', ['--headless', '--script', 'script.txt', '--lang', language], {
          cwd: folder,
          env: {...process.env, LANG: 'C.UTF-8'},
          timeout: 120_000,
        });
    throw new Error('the Linux program ended its script with status 0 instead of 1');
  } catch (error) {
    if (error.code !== 1) throw new Error(`the Linux program failed: ${error.message}`);
  }
  const shots = (await readdir(folder))
                    .filter((name) => /^scr\d{4}\.bmp$/.test(name) && !before.has(name))
                    .sort();
  const wanted = script.split('\n').filter((line) => / shot$/.test(line)).length;
  if (shots.length !== wanted)
    throw new Error(`the Linux program made ${shots.length} screenshots, not ${wanted}`);
  return Promise.all(shots.map(async (name) => decodeBmp(await readFile(path.join(folder, name)))));
}

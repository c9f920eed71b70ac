// Files the page offers as downloads (the F9 screenshot), caught in a folder of the test's own.
import {mkdtemp, readFile, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';

// Lets the browser save downloads into a fresh folder; returns a catcher whose next(timeout)
// resolves to the bytes and name of the next download finished.
export async function catchDownloads(browser) {
  const folder = await mkdtemp(path.join(os.tmpdir(), 'vaulmoor-web-downloads-'));
  const cdp = await browser.target().createCDPSession();
  await cdp.send(
      'Browser.setDownloadBehavior',
      {behavior: 'allowAndName', downloadPath: folder, eventsEnabled: true});
  const names = new Map();
  const finished = [];
  const waiting = [];
  cdp.on('Browser.downloadWillBegin', (event) => names.set(event.guid, event.suggestedFilename));
  cdp.on('Browser.downloadProgress', (event) => {
    if (event.state !== 'completed' && event.state !== 'canceled') return;
    const download = {guid: event.guid, state: event.state, name: names.get(event.guid)};
    const waiter = waiting.shift();
    if (waiter)
      waiter(download);
    else
      finished.push(download);
  });
  return {
    async next(timeout = 30_000) {
      let timer;
      const download =
          await Promise
              .race([
                finished.length ? finished.shift() :
                                  new Promise((resolve) => waiting.push(resolve)),
                new Promise((_, reject) => {
                  timer = setTimeout(
                      () => reject(new Error(`no download within ${timeout / 1000} s`)), timeout);
                }),
              ])
              .finally(() => clearTimeout(timer));
      if (download.state !== 'completed')
        throw new Error(`the download of ${download.name} failed`);
      // allowAndName saves each download under its guid.
      return {name: download.name, bytes: await readFile(path.join(folder, download.guid))};
    },
    remove: () => rm(folder, {recursive: true, force: true}),
  };
}

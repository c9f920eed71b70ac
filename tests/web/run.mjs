// The browser build's tests: serves the site folder (the unpacked zip) on 127.0.0.1, plays
// the page in headless Chromium and prints a line per test and a closing count; exits 1 when
// any test fails. Failing pictures are kept in web-test-failures/ beside the site folder.
//   node tests/web/run.mjs SITE_DIR [TEST_NAME...]
import {rm} from 'node:fs/promises';
import path from 'node:path';

import {expectedPictures} from './expected_pictures.mjs';
import {tests as goldenPictures} from './golden_pictures_test.mjs';
import {tests as music} from './music_test.mjs';
import {tests as saveContinue} from './save_continue_test.mjs';
import {Session} from './session.mjs';
import {serveFolder} from './static_server.mjs';
import {tests as storageRefused} from './storage_refused_test.mjs';

const ALL_TESTS = [...goldenPictures, ...saveContinue, ...storageRefused, ...music];

// The expected pictures of each language, made once and shared by the tests.
function pictureMaker(site) {
  const made = new Map();
  return (language) => {
    if (!made.has(language)) made.set(language, expectedPictures(site, language));
    return made.get(language);
  };
}

async function runOne(test, context) {
  const session = new Session(context, test.name);
  const started = Date.now();
  try {
    await session.start();
    await test.run(session, context);
    await session.finish();
    return {ok: true, seconds: (Date.now() - started) / 1000};
  } catch (error) {
    const faults = await session.abandon();
    const message = [error.message, ...faults].join('\n  ');
    return {ok: false, seconds: (Date.now() - started) / 1000, message};
  }
}

async function main() {
  const [site, ...only] = process.argv.slice(2);
  if (!site) {
    console.error('usage: node tests/web/run.mjs SITE_DIR [TEST_NAME...]');
    process.exit(2);
  }
  const chosen = only.length ? ALL_TESTS.filter((test) => only.includes(test.name)) : ALL_TESTS;
  if (chosen.length !== (only.length || ALL_TESTS.length)) {
    console.error(`unknown test among ${only.join(' ')}; the tests: ${
        ALL_TESTS.map((t) => t.name).join(' ')}`);
    process.exit(2);
  }
  // The pictures of an earlier run's failures would mislead.
  const failures = path.join(path.resolve(site), '..', 'web-test-failures');
  await rm(failures, {recursive: true, force: true});
  const server = await serveFolder(site);
  const context = {url: server.url, failures, expected: pictureMaker(site)};
  let passed = 0;
  let failed = 0;
  for (const test of chosen) {
    const result = await runOne(test, context);
    if (result.ok) {
      ++passed;
      console.log(`ok   ${test.name} (${result.seconds.toFixed(1)} s)`);
    } else {
      ++failed;
      console.log(`FAIL ${test.name} (${result.seconds.toFixed(1)} s)\n  ${result.message}`);
    }
  }
  await server.close();
  console.log(`web: ${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

await main();

// The files the page keeps in IndexedDB, read as they are stored there: a test waits until a
// save has really reached the browser's storage before it reloads the page.

// Runs in the page: the text of the stored file whose path ends with name, or null.
async function storedText(name) {
  const ask = (request) => new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
  for (const {name: database} of await indexedDB.databases()) {
    const db = await ask(indexedDB.open(database));
    try {
      for (const storeName of db.objectStoreNames) {
        const store = db.transaction(storeName, 'readonly').objectStore(storeName);
        for (const key of await ask(store.getAllKeys())) {
          if (!String(key).endsWith(`/${name}`)) continue;
          const entry = await ask(store.get(key));
          if (entry && entry.contents) return new TextDecoder().decode(entry.contents);
        }
      }
    } finally {
      db.close();
    }
  }
  return null;
}

// Waits until the page's stored file name reads as wanted (a regular expression).
export async function waitForStoredFile(page, name, wanted, timeout = 30_000) {
  const deadline = Date.now() + timeout;
  let text = null;
  while (Date.now() < deadline) {
    text = await page.evaluate(storedText, name);
    if (text !== null && wanted.test(text)) return text;
    await page.waitForFunction(() => true, {polling: 'raf'});
  }
  throw new Error(`the stored ${name} did not come to read ${wanted} within ${
      timeout / 1000} s (last: ${JSON.stringify(text)})`);
}

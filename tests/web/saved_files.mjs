// The files the page keeps in IndexedDB, read and written as they are stored there: a test
// waits until a save has really reached the browser's storage before it reloads the page, and
// damages a stored file as a broken disk or an old version would.

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

// Waits until the page's stored file name holds exactly text.
export async function waitForStoredFile(page, name, text, timeout = 30_000) {
  const deadline = Date.now() + timeout;
  let stored = null;
  while (Date.now() < deadline) {
    stored = await page.evaluate(storedText, name);
    if (stored === text) return;
    await page.waitForFunction(() => true, {polling: 'raf'});
  }
  throw new Error(`the stored ${name} did not come to hold ${JSON.stringify(text)} within ${
      timeout / 1000} s (last: ${JSON.stringify(stored)})`);
}

// Runs in the page: the stored file whose path ends with name gets text as its contents and
// the time now (so that the page's next store keeps it); false when there is no such file.
async function replaceStored(name, text) {
  const ask = (request) => new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
  for (const {name: database} of await indexedDB.databases()) {
    const db = await ask(indexedDB.open(database));
    try {
      for (const storeName of db.objectStoreNames) {
        const transaction = db.transaction(storeName, 'readwrite');
        const store = transaction.objectStore(storeName);
        for (const key of await ask(store.getAllKeys())) {
          if (!String(key).endsWith(`/${name}`)) continue;
          const entry = await ask(store.get(key));
          entry.contents = new TextEncoder().encode(text);
          entry.timestamp = new Date();
          await ask(store.put(entry, key));
          await new Promise((resolve, reject) => {
            transaction.oncomplete = resolve;
            transaction.onerror = () => reject(transaction.error);
          });
          return true;
        }
      }
    } finally {
      db.close();
    }
  }
  return false;
}

// Replaces the contents of the page's stored file name with text.
export async function damageStoredFile(page, name, text) {
  if (!(await page.evaluate(replaceStored, name, text)))
    throw new Error(`no stored ${name} to damage`);
}

// The program's side of the page (linked in before the program's own code): the
// page-level object window.vaulmoor that tells the page and its tests how the
// program is doing, the written files kept in the browser's IndexedDB, and the
// screenshots offered as downloads.

// frames: pictures shown; firstFrameAt: performance.now() at the first;
// storage: 'pending', 'kept' or 'refused'; saved: writes that reached IndexedDB;
// errors: what went wrong in the platform. The page listens through onStorage.
var vaulmoor = globalThis.vaulmoor = Object.assign(globalThis.vaulmoor || {}, {
  frames: 0,
  firstFrameAt: null,
  storage: 'pending',
  saved: 0,
  errors: [],
  framePresented() {
    if (vaulmoor.frames++ === 0) vaulmoor.firstFrameAt = performance.now();
  },
  error(text) {
    vaulmoor.errors.push(String(text));
    console.error('vaulmoor: ' + text);
  },
  fail(text) {
    vaulmoor.error(text);
    if (vaulmoor.onFailure) vaulmoor.onFailure(text);
  },
});

// The program's sleep: the page's timer for all but the last few milliseconds
// (timers set from a timer are held back to 4 ms at least, which would make every
// frame late), then round trips of a message, which are not held back, until the
// time has come. The page handles its input and drawing meanwhile.
const TIMER_HOLD_MS = 4;
const channel = new MessageChannel();
const woken = [];
channel.port1.onmessage = () => woken.shift()();
function nextTask() {
  return new Promise((wake) => {
    woken.push(wake);
    channel.port2.postMessage(0);
  });
}
vaulmoor.pause = async (ms) => {
  const end = performance.now() + ms;
  if (ms > TIMER_HOLD_MS) await new Promise((wake) => setTimeout(wake, ms - TIMER_HOLD_MS));
  do await nextTask();
  while (performance.now() < end);
};

// The folder kept in IndexedDB and the one whose files become downloads (the
// program's user_folders.cpp names the same).
const KEPT_FOLDER = '/save';
const DOWNLOAD_FOLDER = '/downloads';

function setStorage(state) {
  vaulmoor.storage = state;
  if (vaulmoor.onStorage) vaulmoor.onStorage(state);
}

// Writes are kept once the program yields: the temporary file and the rename of a
// replaced file go to IndexedDB together, in one pass.
let syncTimer = null, syncing = false, syncAgain = false;
function keepSoon() {
  if (vaulmoor.storage !== 'kept' || syncTimer !== null) return;
  syncTimer = setTimeout(keepNow, 0);
}
function keepNow() {
  syncTimer = null;
  if (syncing) {
    syncAgain = true;
    return;
  }
  syncing = true;
  FS.syncfs(false, (problem) => {
    syncing = false;
    if (problem)
      vaulmoor.error('saving to IndexedDB: ' + problem);
    else
      vaulmoor.saved++;
    if (syncAgain) {
      syncAgain = false;
      keepSoon();
    }
  });
}

function offerDownload(path) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([FS.readFile(path)], {type: 'image/bmp'}));
  link.download = path.slice(path.lastIndexOf('/') + 1);
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

function inFolder(path, folder) {
  return typeof path === 'string' && path.startsWith(folder + '/');
}

// Every file the program closes after writing, and every rename, is looked at.
function watchWrites() {
  const close = FS.close, rename = FS.rename;
  FS.close = (stream) => {
    const written = (stream.flags & 3) !== 0;  // O_WRONLY or O_RDWR
    const result = close(stream);
    if (written && inFolder(stream.path, KEPT_FOLDER)) keepSoon();
    if (written && inFolder(stream.path, DOWNLOAD_FOLDER)) offerDownload(stream.path);
    return result;
  };
  FS.rename = (from, to) => {
    const result = rename(from, to);
    if (inFolder(to, KEPT_FOLDER)) keepSoon();
    return result;
  };
}

// Before the program starts: the kept folder loaded from IndexedDB. Where the
// browser refuses storage the folder stays in memory and the game plays on.
function refuseStorage(problem) {
  try {
    FS.unmount(KEPT_FOLDER);
  } catch (ignored) {
    // never mounted
  }
  console.warn('vaulmoor: progress will not be kept: ' + problem);
  setStorage('refused');
}

Module.preRun = [].concat(Module.preRun || [], () => {
  // SDL draws through the canvas's 2D context: the picture the program converted,
  // pixel for pixel, with no WebGL in between.
  ENV.SDL_RENDER_DRIVER = 'software';
  FS.mkdir(KEPT_FOLDER);
  watchWrites();
  addRunDependency('vaulmoor-storage');
  const loaded = (problem) => {
    if (problem)
      refuseStorage(problem);
    else
      setStorage('kept');
    removeRunDependency('vaulmoor-storage');
  };
  try {
    FS.mount(IDBFS, {}, KEPT_FOLDER);
    FS.syncfs(true, loaded);
  } catch (problem) {
    loaded(problem);
  }
});
Module.onAbort = (what) => vaulmoor.error('the program stopped: ' + what);

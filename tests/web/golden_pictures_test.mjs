// The page shows the game's pictures exactly: the title as the golden pictures keep it, and
// START's intro card and the cellar standing as the Linux program shows them, in each language
// (the browser's, or the one the address asks for).
// F9's screenshot, offered as a download, is the Linux program's file byte for byte.

// Taps F9 and checks that the screenshot offered is the expected picture's file.
async function checkScreenshot(session, picture, label) {
  const {name, bytes} = await session.downloadFor('F9');
  if (!/^scr\d{4}\.bmp$/.test(name)) throw new Error(`${label}: the screenshot is named ${name}`);
  if (!bytes.equals(picture.file)) {
    throw new Error(`${label}: the screenshot's ${bytes.length} bytes differ from the expected ${
        picture.file.length}`);
  }
}

// The picture comes to be shown at a whole scale that fits the window, at several window
// sizes (the page scales it when the window's size changes); the canvas keeps its 320x240
// pixels.
async function checkScaling(page) {
  const shown = () => {
    const canvas = document.getElementById('canvas');
    const box = canvas.getBoundingClientRect();
    const scale = box.width / 320;
    const fits = box.left >= 0 && box.top >= 0 && box.right <= window.innerWidth &&
        box.bottom <= window.innerHeight;
    const whole = Number.isInteger(scale) && scale >= 1 && box.height === 240 * scale;
    return {pixels: `${canvas.width}x${canvas.height}`, box: box.toJSON(), fits, whole};
  };
  for (const [width, height] of [[960, 720], [700, 500], [1300, 1000]]) {
    await page.setViewport({width, height});
    try {
      // The page's function is sent as text, since it runs there.
      await page.waitForFunction(
          `(() => { const s = (${
              shown})(); return s.pixels === '320x240' && s.fits && s.whole; })()`,
          {timeout: 10_000, polling: 'raf'});
    } catch (error) {
      if (error.name !== 'TimeoutError') throw error;
      throw new Error(`in a ${width}x${height} window the picture is ${
          JSON.stringify(await page.evaluate(shown))}`);
    }
  }
}

// Runs in the page before its scripts: the browser's language is `language`.
function browserLanguage(language) {
  Object.defineProperty(Navigator.prototype, 'language', {get: () => language, configurable: true});
}

// The language comes from the browser (Japanese here) unless the address chooses it.
const WAYS = [
  {language: 'ja', browser: 'ja-JP', query: ''},
  {language: 'en', browser: 'ja-JP', query: '?lang=en'},
];

export const tests =
    WAYS.map(({language, browser, query}) => ({
               name: `pictures_${language}`,
               async run(session, context) {
                 const pictures = await context.expected(language);
                 await session.beforePageScripts(browserLanguage, browser);
                 await session.open(query);
                 await session.expect(pictures.titleStart, 'title_start');
                 await checkScreenshot(session, pictures.titleStart, 'title_start_screenshot');
                 await checkScaling(session.page);
                 await session.tap('ArrowDown');
                 await session.expect(pictures.titleContinue, 'title_continue');
                 await session.tap('ArrowUp');
                 await session.expect(pictures.titleStart, 'title_start_again');
                 await session.tap('Space');
                 await session.expect(pictures.cardOne, 'intro_card');
                 await session.expect(pictures.playOne, 'play_idle');
                 await checkScreenshot(session, pictures.playOne, 'play_idle_screenshot');
               },
             }));

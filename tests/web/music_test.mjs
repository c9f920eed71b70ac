// Music in the page: nothing of the synthesizer is fetched without ?music= (a key pressed or
// not); with ?music=data/tune.mid the soundfont comes only after the first key and the tune
// then sounds in the program's mix.
const MUSIC_FILES = /\/music\//;
const SOUND_MS = 60_000;

// Wraps the page's music renderer to keep the loudest sample it has added to the mix.
function listenToMusic() {
  const render = vaulmoorMusic.render;
  window.musicPeak = 0;
  vaulmoorMusic.render = function(heap, at, frames) {
    const before = heap.slice(at, at + 2 * frames);
    const result = render.call(this, heap, at, frames);
    for (let i = 0; i < 2 * frames; ++i)
      window.musicPeak = Math.max(window.musicPeak, Math.abs(heap[at + i] - before[i]));
    return result;
  };
}

export const tests = [
  {
    name: 'music',
    async run(session) {
      const fetched = [];
      session.page.on('request', (request) => fetched.push(request.url()));
      await session.open('?lang=en');
      const silent = fetched.filter((url) => MUSIC_FILES.test(url));
      if (silent.length) throw new Error(`a page without music fetched ${silent.join(' ')}`);

      fetched.length = 0;
      await session.page.goto(session.context.url + '?lang=en&music=data/tune.mid',
                              {waitUntil: 'load'});
      const early = fetched.filter((url) => MUSIC_FILES.test(url));
      if (early.length) throw new Error(`music fetched before any key: ${early.join(' ')}`);
      session.query = '?lang=en&music=data/tune.mid';
      await session.wake();
      await session.page.evaluate(listenToMusic);
      await session.page.waitForFunction(() => window.musicPeak > 0.01, {timeout: SOUND_MS})
          .catch(async () => {
            const peak = await session.page.evaluate(() => window.musicPeak);
            throw new Error(`the tune did not sound in the mix (loudest sample ${peak})`);
          });
    },
  },
];

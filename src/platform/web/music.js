// The page's music: FluidSynth built for the web (js-synthesizer) with the
// TimGM6mb soundfont, rendered into the program's sound output by mci.cpp. The
// synthesizer and the soundfont are fetched only once the program has opened a
// MIDI file and the player has pressed and let go of a key or clicked, so the
// first picture never waits for them and a page without music never fetches
// them. Reading the soundfont holds up the page for a moment: after the key is
// let go, that moment cannot make the game see the key held longer.
var vaulmoorMusic = globalThis.vaulmoorMusic = (() => {
  const FILES = ['music/libfluidsynth.js', 'music/js-synthesizer.js'];
  const SOUNDFONT = 'music/TimGM6mb.sf2';
  const RATE = 44100;   // the program's sound output, sound_device.h
  let synth = null;     // once loaded
  let sequence = null;  // the open MIDI file's bytes
  let loaded = false;   // the player holds the open sequence
  let playing = false, fromStart = true, awaitingStart = false;
  let left = new Float32Array(0), right = new Float32Array(0);

  function script(src) {
    return new Promise((done, failed) => {
      const element = document.createElement('script');
      element.src = src;
      element.onload = done;
      element.onerror = () => failed(new Error('cannot load ' + src));
      document.head.appendChild(element);
    });
  }

  async function load() {
    for (const file of FILES) await script(file);
    await JSSynth.waitForReady();
    const made = new JSSynth.Synthesizer();
    made.init(RATE);
    const font = await fetch(SOUNDFONT);
    if (!font.ok) throw new Error('cannot load ' + SOUNDFONT + ': ' + font.status);
    await made.loadSFont(await font.arrayBuffer());
    synth = made;
    bringUp();
  }

  // The player brought to the state the program has asked for.
  function bringUp() {
    if (!synth || !sequence) return;
    if (!loaded) {
      synth.resetPlayer();
      synth.addSMFDataToPlayer(sequence.buffer);
      loaded = true;
    }
    if (fromStart) {
      synth.stopPlayer();
      synth.seekPlayer(0);
      fromStart = false;
    }
    if (playing) {
      synth.playPlayer();
      awaitingStart = true;
    }
  }

  // The FluidSynth module the synthesizer runs in, for the player's ticks.
  function atEnd() {
    const fluid = globalThis.Module, player = synth._player;
    const total = fluid._fluid_player_get_total_ticks(player);
    const end = total > 0 && fluid._fluid_player_get_current_tick(player) >= total;
    // A play takes effect in the next block: until the tick is seen inside the
    // sequence it may still stand at the end of the previous play.
    if (!end) awaitingStart = total === 0;
    return end && !awaitingStart;
  }

  let started = false, gestured = false;
  function start() {
    if (started || !gestured || !sequence) return;
    started = true;
    load().catch((problem) => vaulmoor.error('music: ' + problem.message));
  }
  for (const event of ['keyup', 'pointerup']) {
    addEventListener(event, () => {
      gestured = true;
      start();
    }, {once: true});
  }

  return {
    open(bytes) {
      sequence = bytes;
      loaded = false;
      playing = false;
      fromStart = true;
      start();
    },
    rewind() {
      playing = false;
      fromStart = true;
      bringUp();
    },
    play() {
      playing = true;
      bringUp();
    },
    stop() {
      playing = false;
      if (synth) synth.stopPlayer();
    },
    close() {
      sequence = null;
      playing = false;
      loaded = false;
      if (synth) synth.closePlayer();
    },
    // Adds frames of stereo music into the program's interleaved mix at heap[at];
    // 2 when the sequence played has reached its end, 1 otherwise, 0 silent.
    render(heap, at, frames) {
      if (!synth) return 0;
      if (left.length < frames) {
        left = new Float32Array(frames);
        right = new Float32Array(frames);
      }
      const l = left.subarray(0, frames), r = right.subarray(0, frames);
      synth.render([l, r]);
      for (let i = 0; i < frames; ++i) {
        heap[at + 2 * i] += l[i];
        heap[at + 2 * i + 1] += r[i];
      }
      return playing && loaded && atEnd() ? 2 : 1;
    },
  };
})();

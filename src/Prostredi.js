// SPDX-License-Identifier: GPL-3.0-or-later
// Before the game starts in a browser: savy/ (the saved game and the
// settings) lives in the browser's IndexedDB and is read back before the
// game reads anything.
Module['preRun'] = [].concat(Module['preRun'] || []);
Module['preRun'].push(function () {
  FS.mkdir('/savy');
  FS.mount(IDBFS, {}, '/savy');
  addRunDependency('savy');
  FS.syncfs(true, function (chyba) {
    if (chyba) err('the browser keeps no saved game here: ' + chyba);
    removeRunDependency('savy');
  });
});
// What the page reads: each frame's time in ms, the frames, the syncs done.
Module['casySnimku'] = [];
Module['pocetSnimku'] = 0;
Module['ulozeniHotovo'] = 0;
// The player's first key or click lets a browser that holds sound back
// sound (Emscripten resumes its audio then).
['keydown', 'mousedown', 'touchstart'].forEach(function (udalost) {
  document.addEventListener(udalost, function () { Module['gesto'] = true; }, { capture: true, once: true });
});
// Sounds are decoded by the program's mixer from the files it reads.
Module['noAudioDecoding'] = true;
// SDL keeps each picture on a canvas of its own, which the program reads
// back when it loads it: such canvases stay in memory, not on the graphics
// card, so reading them is quick. The page's own canvases are left alone.
var grondelvikKontext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (typ, volby) {
  if (typ === '2d' && this !== Module['canvas'] && !this.isConnected)
    volby = Object.assign({ willReadFrequently: true }, volby);
  return grondelvikKontext.call(this, typ, volby);
};

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

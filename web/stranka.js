// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the game: the Module object the program reads, the picture
// shown sharply at any size, fullscreen, and every state said in words.
'use strict';

function grondelvikModul() {
    const sirkaHry = 800;
    const vyskaHry = 600;
    const hra = document.getElementById('hra');
    const ramec = document.getElementById('ramec');
    const obraz = document.getElementById('obraz');
    const platno = document.getElementById('canvas');
    const zprava = document.getElementById('zprava');
    const text = document.getElementById('text');
    const znovu = document.getElementById('znovu');
    const tlacitko = document.getElementById('celaObrazovka');
    const kresleni = obraz.getContext('2d', {alpha: false});

    // How the frame is shown now: the game's box in device pixels, and the
    // whole factor the display canvas holds the frame at (0 below 1x).
    let sirka = sirkaHry;
    let vyska = vyskaHry;
    let nasobek = 1;
    let bezi = false;  // a frame has been shown
    let konec = false;  // failed or ended: later failures say nothing new
    let posledniChyba = '';
    let escapeZFullscreenu = false;
    let konecFullscreenu = -Infinity;  // when the browser itself may have left fullscreen on Escape

    function rekni(slova, druh) {
        text.textContent = slova;
        zprava.hidden = false;
        hra.classList.toggle('chyba', druh === 'chyba');
    }

    function selhani(duvod, podrobnosti) {
        if (konec) return;
        konec = true;
        const slova = (bezi ? 'Grondelvik has stopped: ' : 'Grondelvik cannot run: ') + duvod;
        rekni(slova, 'chyba');
        // A game that stopped while playing may well start again; a missing file would not.
        znovu.hidden = !bezi;
        hra.classList.toggle('skoncila', bezi);
        console.error(slova + (podrobnosti ? ' (' + podrobnosti + ')' : ''));
    }

    // A failure in the player's words, naming the program's file it concerns;
    // the browser's own words go to the console.
    function chyba(co) {
        const s = String(co && co.message ? co.message : co).split('\n')[0];
        let duvod = 'the program ran into an error.';
        const soubor = ['grondelvik.wasm', 'grondelvik.data', 'grondelvik.js'].find((f) => s.includes(f));
        if (soubor) duvod = soubor + ' could not be loaded.';
        else if (/wasm|WebAssembly/i.test(s) && !bezi) duvod = 'grondelvik.wasm could not be loaded or compiled.';
        selhani(duvod, s);
    }

    // The largest 4:3 box of whole device pixels the page has room for.
    function rozvrh() {
        const pomer = window.devicePixelRatio || 1;
        const volnaSirka = Math.floor(hra.clientWidth * pomer);
        const volnaVyska = Math.floor(hra.clientHeight * pomer);
        const ctvrtina = Math.max(1, Math.min(Math.floor(volnaSirka / 4), Math.floor(volnaVyska / 3)));
        sirka = 4 * ctvrtina;
        vyska = 3 * ctvrtina;
        nasobek = sirka >= sirkaHry ? Math.ceil(sirka / sirkaHry) : 0;
        // Whole device pixels from the page's corner, so no pixel is split by placement.
        ramec.style.left = Math.floor((volnaSirka - sirka) / 2) / pomer + 'px';
        ramec.style.top = Math.floor((volnaVyska - vyska) / 2) / pomer + 'px';
        ramec.style.width = sirka / pomer + 'px';
        ramec.style.height = vyska / pomer + 'px';
        const w = nasobek ? nasobek * sirkaHry : sirka;
        const h = nasobek ? nasobek * vyskaHry : vyska;
        if (obraz.width !== w || obraz.height !== h) {
            obraz.width = w;
            obraz.height = h;
        }
        // The button stays out of the picture unless the page has no room beside it.
        const t = tlacitko.getBoundingClientRect(), r = ramec.getBoundingClientRect();
        tlacitko.classList.toggle('prekryva', t.left < r.right && t.right > r.left && t.top < r.bottom && t.bottom > r.top);
        if (bezi) predstav();
    }

    // The frame onto the display canvas, each game pixel repeated to the
    // whole factor at or above the box's size; the browser reduces the canvas
    // linearly to its box when it composes the page (off this thread, so a
    // frame costs one plain copy). At a whole factor that is the box itself:
    // crisp square pixels. Between whole factors every pixel keeps the same
    // size and only its edges blend. Below 1x the frame is reduced here.
    function predstav() {
        bezi = true;
        if (nasobek) {
            kresleni.imageSmoothingEnabled = false;
            kresleni.drawImage(platno, 0, 0, obraz.width, obraz.height);
        } else {
            kresleni.imageSmoothingEnabled = true;
            // A reduction past one half needs more than a bilinear sample to keep thin lines.
            kresleni.imageSmoothingQuality = 2 * sirka < sirkaHry ? 'medium' : 'low';
            kresleni.drawImage(platno, 0, 0, sirka, vyska);
        }
    }

    let opoustim = false;  // the page itself leaves fullscreen
    function opust() {
        opoustim = true;
        document.exitFullscreen().catch(() => (opoustim = false));
    }

    function prepniCelouObrazovku() {
        if (document.fullscreenElement) {
            opust();
        } else if (hra.requestFullscreen) {
            hra.requestFullscreen({navigationUI: 'hide'}).catch((e) => console.error('Fullscreen refused: ' + e.message));
        }
    }

    // Fullscreen must be asked for inside the key's own handler; this one runs
    // before SDL's (capture on window), and the browser's own F11 is kept out.
    window.addEventListener(
        'keydown',
        (e) => {
            if (e.key === 'F11' || (e.key === 'Enter' && e.altKey)) {
                e.preventDefault();
                if (!e.repeat) prepniCelouObrazovku();
            } else if (e.key === 'Escape' && (document.fullscreenElement || performance.now() - konecFullscreenu < 500)) {
                // Escape in fullscreen (or the browser's own Escape just out of it) leaves
                // fullscreen and nothing else: the game goes on.
                e.preventDefault();
                e.stopPropagation();
                escapeZFullscreenu = true;
                if (document.fullscreenElement) opust();
            }
        },
        true);
    window.addEventListener(
        'keyup',
        (e) => {
            if (e.key === 'Escape' && escapeZFullscreenu) {
                escapeZFullscreenu = false;
                e.stopPropagation();
            }
        },
        true);
    tlacitko.addEventListener('click', () => {
        tlacitko.blur();  // a focused button would take the game's Space and Enter
        prepniCelouObrazovku();
    });
    document.addEventListener('fullscreenchange', () => {
        if (!document.fullscreenElement && !opoustim) konecFullscreenu = performance.now();
        if (!document.fullscreenElement) opoustim = false;
        tlacitko.textContent = document.fullscreenElement ? 'Leave fullscreen' : 'Fullscreen';
        rozvrh();
    });
    window.addEventListener('resize', rozvrh);
    // A window moved to a screen of another pixel density changes no size: lay out again then too.
    (function hustota() {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
            rozvrh();
            hustota();
        }, {once: true});
    })();
    // Over the picture the button shows only for a moment after the pointer moves.
    let skryj = 0;
    hra.addEventListener('pointermove', () => {
        tlacitko.classList.add('ukaz');
        clearTimeout(skryj);
        skryj = setTimeout(() => tlacitko.classList.remove('ukaz'), 2500);
    });
    znovu.addEventListener('click', () => location.reload());

    function hraSkoncila(status) {
        if (konec) return;
        konec = true;
        hra.classList.add('skoncila');
        let slova = 'The game has ended.';
        if (status) slova = 'The game has ended with an error (status ' + status + ')' + (posledniChyba ? ': ' + posledniChyba : '.');
        rekni(slova, status ? 'chyba' : 'konec');
        znovu.hidden = false;
        znovu.focus();
        if (document.fullscreenElement) opust();
    }

    // Emscripten's status lines, said for a player.
    function stav(s) {
        if (konec) return;
        if (!s) {
            zprava.hidden = true;
            return;
        }
        const dily = /Downloading data\.\.\. \((\d+)\/(\d+)\)/.exec(s);
        if (dily) {
            const mb = (n) => (n / 1048576).toFixed(1);
            const procent = +dily[2] ? Math.floor((100 * dily[1]) / dily[2]) : 0;
            rekni('Loading the game\'s pictures, maps and sounds: ' + mb(+dily[1]) + ' of ' + mb(+dily[2]) + ' MB (' +
                procent + ' %)…');
        } else if (/^Downloading data/.test(s)) {
            rekni('Loading the game\'s pictures, maps and sounds…');
        } else if (/^Running/.test(s)) {
            rekni('Starting the game…');
        } else {
            rekni(s);
        }
    }

    window.addEventListener('error', (e) => {
        // A failed <script>, <img> and the like come here without a message; the script tag says its own.
        if (e.message) chyba(e.error || e.message);
    });
    window.addEventListener('unhandledrejection', (e) => chyba(e.reason));

    rozvrh();
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
        selhani('this browser has no WebAssembly, which the game is built as.');
    } else {
        rekni('Loading the program…');
    }

    return {
        canvas: platno,
        print: (radek) => console.log(radek),
        printErr: (radek) => {
            posledniChyba = radek;
            console.error(radek);
        },
        setStatus: stav,
        onAbort: chyba,
        onExit: (status) => hraSkoncila(status),
        nenacteno: (soubor) => selhani(soubor + ' could not be loaded: it is missing from the server, or the connection failed.'),
        poSnimku: predstav,
        hraSkoncila: hraSkoncila,
        prepniCelouObrazovku: prepniCelouObrazovku,
    };
}

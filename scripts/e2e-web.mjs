// SPDX-License-Identifier: GPL-3.0-or-later
// The browser build played in Debian's headless chromium through
// playwright-core (no browser download), checked as a player would see it:
// the first frame, walking, saving over a reload and a browser restart,
// sound and mute, an injected pad, the picture's size and sharpness, mouse
// aim, fullscreen, a program that cannot load, Escape, the frame rate and
// frame time, and the first load's size.
//   usage: node scripts/e2e-web.mjs WWW_DIR   (scripts/e2e-web.sh installs and calls it)
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';

const koren = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..');
const { chromium } = createRequire(path.join(koren, 'web', 'package.json'))('playwright-core');
const www = path.resolve(process.argv[2] || path.join(koren, 'build-web', 'www'));
const snimky = process.env.GRONDELVIK_SNIMKY || '';  // a folder to keep the screenshots in
const prohlizec = process.env.CHROMIUM || '/usr/bin/chromium';
const pocatek = Date.now();

let prosly = 0;
let chyby = 0;
function over(popis, ok, udaje) {
    console.log((ok ? 'ok    ' : 'FAIL  ') + popis + (udaje ? ' (' + udaje + ')' : ''));
    ok ? ++prosly : ++chyby;
    return ok;
}
const cekej = (ms) => new Promise((r) => setTimeout(r, ms));

// ---- The folder served as a static host would, counting what the first load fetched.
const typy = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.data': 'application/octet-stream'};
const stazeno = [];
const server = http.createServer((pozadavek, odpoved) => {
    const cesta = decodeURIComponent(new URL(pozadavek.url, 'http://x').pathname);
    const soubor = path.join(www, cesta === '/' ? 'index.html' : cesta);
    fs.readFile(soubor.startsWith(www) ? soubor : www, (chyba, obsah) => {
        if (chyba) {
            odpoved.writeHead(404).end('not found');
            return;
        }
        stazeno.push(path.basename(soubor));
        odpoved.writeHead(200, {'Content-Type': typy[path.extname(soubor)] || 'application/octet-stream',
            'Cache-Control': 'no-store'});
        odpoved.end(obsah);
    });
});
await new Promise((r) => server.listen(0, '127.0.0.1', r));
const adresa = `http://127.0.0.1:${server.address().port}/`;

// ---- What the page's program is watched through, set before any of its scripts.
function pozorovatel() {
    // Every sound that starts: Emscripten's SDL_mixer plays through Web Audio
    // buffer sources, or through <audio> elements where Web Audio is missing.
    const zvuky = (window.__zvuky = []);
    const cil = new WeakMap();
    const pripoj = AudioNode.prototype.connect;
    AudioNode.prototype.connect = function (kam, ...zbytek) {
        cil.set(this, kam);
        return pripoj.call(this, kam, ...zbytek);
    };
    const hlasitost = (uzel) => {  // the product of the gains on the way out
        let g = 1;
        for (let u = cil.get(uzel), n = 0; u && n < 8; u = cil.get(u), ++n)
            if (u instanceof GainNode) g *= u.gain.value;
        return g;
    };
    // Each record knows when its sound stopped, so tunes playing at once can be counted.
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...a) {
        const z = {t: performance.now(), smycka: this.loop, delka: this.buffer ? this.buffer.duration : 0,
            hlasitost: hlasitost(this), hraje: true};
        zvuky.push(z);
        this.addEventListener('ended', () => (z.hraje = false));
        const stop = this.stop;
        this.stop = (...b) => {
            z.hraje = false;
            return stop.apply(this, b);
        };
        return start.apply(this, a);
    };
    const hraj = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function (...a) {
        zvuky.push({t: performance.now(), smycka: this.loop, delka: this.duration || 0,
            hlasitost: this.muted ? 0 : this.volume});
        return hraj.apply(this, a);
    };

    // A pad through the gamepad API: there from the start when the address
    // says ?pad, otherwise once connected.
    const pad = {id: 'e2e pad', index: 0, connected: true, mapping: 'standard', timestamp: performance.now(),
        axes: [0, 0, 0, 0], vibrationActuator: null,
        buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
    let pripojen = new URLSearchParams(location.search).has('pad');
    Object.defineProperty(Navigator.prototype, 'getGamepads', {configurable: true,
        value: () => [pripojen ? pad : null, null, null, null]});
    window.__pad = {
        pripoj() {
            pripojen = true;
            const e = new Event('gamepadconnected');
            e.gamepad = pad;
            window.dispatchEvent(e);
        },
        osa(i, v) {
            pad.axes[i] = v;
            pad.timestamp = performance.now();
        },
    };

    // Every word the page says, and the first frame the page was handed.
    window.__slova = [];
    new MutationObserver(() => {
        const t = document.getElementById('zprava');
        if (t && !t.hidden) window.__slova.push(t.innerText.trim().replace(/\s+/g, ' '));
    }).observe(document, {subtree: true, childList: true, characterData: true, attributes: true});
    let modul;
    Object.defineProperty(window, 'Module', {configurable: true, get: () => modul, set(m) {
        modul = m;
        if (!m || !m.poSnimku || m.poSnimku.__obalen) return;
        const puvodni = m.poSnimku;
        m.poSnimku = function () {
            if (!window.__prvni) window.__prvni = m.canvas.getContext('2d').getImageData(0, 0, 800, 600);
            return puvodni.apply(this, arguments);
        };
        m.poSnimku.__obalen = true;
    }});
}

const parametry = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'grondelvik-web-'));
async function spust(velikost) {
    const k = await chromium.launchPersistentContext(profil, {executablePath: prohlizec, headless: true,
        args: parametry, viewport: velikost});
    await k.addInitScript(pozorovatel);
    return k;
}

const konzole = [];
function sleduj(stranka) {
    stranka.on('console', (z) => konzole.push(z.type() + ': ' + z.text()));
    stranka.on('pageerror', (e) => konzole.push('pageerror: ' + e.message));
    return stranka;
}
// The page is playing: its frames are counted.
async function hraje(stranka, limit = 30000) {
    await stranka.waitForFunction(() => (window.Module && Module.pocetSnimku > 3) ||
        document.getElementById('hra').classList.contains('chyba'), null, {timeout: limit});
    const selhala = await stranka.evaluate(() => document.getElementById('hra').classList.contains('chyba') &&
        document.getElementById('zprava').innerText);
    if (selhala) throw new Error('the page does not play: ' + selhala);
}
const snimku = (stranka) => stranka.evaluate(() => Module.pocetSnimku);
// S, then the saved file's lines once the browser's storage holds it.
async function ulozeno(stranka) {
    const pred = await stranka.evaluate(() => Module.ulozeniHotovo || 0);
    await stranka.keyboard.press('s');
    await stranka.waitForFunction((n) => (Module.ulozeniHotovo || 0) > n, pred, {timeout: 5000});
    return soubor(stranka, 'savy/grondelvik.sav');
}
const soubor = (stranka, cesta) => stranka.evaluate((c) => {
    const fs = window.FS || Module.FS;
    try {
        return fs.readFile(c, {encoding: 'utf8'}).split('\n');
    } catch (e) {
        return null;
    }
}, cesta);
const X = 4;  // the hunter's x: line 5 of the saved file
async function drz(stranka, klavesa, ms) {
    await stranka.keyboard.down(klavesa);
    await cekej(ms);
    await stranka.keyboard.up(klavesa);
    await cekej(300);
}
// The SDL canvas' pixels, RGBA.
async function ramec(stranka) {
    const b64 = await stranka.evaluate(() => {
        const d = Module.canvas.getContext('2d').getImageData(0, 0, 800, 600).data;
        let s = '';
        for (let i = 0; i < d.length; i += 32768) s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
        return btoa(s);
    });
    return Buffer.from(b64, 'base64');
}
// A screenshot of the page as RGB, decoded here (8-bit RGB or RGBA PNG).
async function snimek(stranka, jmeno) {
    const png = await stranka.screenshot();
    if (snimky) fs.writeFileSync(path.join(snimky, jmeno + '.png'), png);
    return dekoduj(png);
}
function dekoduj(png) {
    let i = 8, w = 0, h = 0, typ = 0;
    const data = [];
    while (i < png.length) {
        const delka = png.readUInt32BE(i), druh = png.toString('ascii', i + 4, i + 8);
        if (druh === 'IHDR') [w, h, typ] = [png.readUInt32BE(i + 8), png.readUInt32BE(i + 12), png[i + 17]];
        if (druh === 'IDAT') data.push(png.subarray(i + 8, i + 8 + delka));
        i += 12 + delka;
    }
    const bpp = typ === 6 ? 4 : 3, radek = w * bpp, syrove = zlib.inflateSync(Buffer.concat(data));
    const rgb = Buffer.alloc(3 * w * h);
    let pred = Buffer.alloc(radek);
    for (let y = 0; y < h; ++y) {
        const f = syrove[y * (radek + 1)], r = Buffer.from(syrove.subarray(y * (radek + 1) + 1, (y + 1) * (radek + 1)));
        for (let x = 0; x < radek; ++x) {
            const a = x >= bpp ? r[x - bpp] : 0, b = pred[x], c = x >= bpp ? pred[x - bpp] : 0;
            const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
            r[x] += [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][f];
        }
        for (let x = 0; x < w; ++x) r.copy(rgb, 3 * (y * w + x), x * bpp, x * bpp + 3);
        pred = r;
    }
    return {w, h, rgb};
}
// The game box: where the display canvas lies in CSS pixels, its backing
// store, and SDL's canvas box.
const box = (stranka) => stranka.evaluate(() => {
    const o = document.getElementById('obraz'), r = o.getBoundingClientRect(), s = Module.canvas.getBoundingClientRect();
    return {x: r.x, y: r.y, w: r.width, h: r.height, bw: o.width, bh: o.height, dpr: devicePixelRatio,
        sdl: [s.x, s.y, s.width, s.height].join(','), obraz: [r.x, r.y, r.width, r.height].join(',')};
});
async function velikost(stranka, w, h) {
    await stranka.setViewportSize({width: w, height: h});
    await stranka.waitForFunction(([w, h]) => {
        const r = document.getElementById('obraz').getBoundingClientRect();
        return Math.round(r.width * devicePixelRatio) === 4 * Math.min(Math.floor(w * devicePixelRatio / 4), Math.floor(h * devicePixelRatio / 3));
    }, [w, h]);
    await cekej(250);
}
// The paused frame: stable, read from SDL's canvas around a screenshot.
async function pozastaveny(stranka, jmeno) {
    for (let pokus = 0; pokus < 3; ++pokus) {
        const a = await ramec(stranka), s = await snimek(stranka, jmeno), b = await ramec(stranka);
        if (a.equals(b)) return {hra: a, s};
    }
    return null;
}

// Stripes of single black and white game pixels, shown by the page's own
// presenting, in a screenshot across the middle of the box. Every
// white pixel must cover f device pixels give or take a quarter (the same
// size for all: repeating each pixel to the nearest whole number of device
// pixels gives floor(f) and ceil(f), half a pixel or more apart), and no
// boundary between two game pixels may have more than one blended device
// pixel (sharp: smoothing the frame itself blends two or more at each).
async function vzor(stranka) {
    const b = await box(stranka), r = {};
    for (const smer of ['x', 'y']) {
        await stranka.evaluate((smer) => {
            const c = Module.canvas.getContext('2d'), d = c.createImageData(800, 600);
            for (let y = 0; y < 600; ++y)
                for (let x = 0; x < 800; ++x) {
                    const v = (smer === 'x' ? x : y) % 2 ? 255 : 0, i = 4 * (y * 800 + x);
                    d.data[i] = d.data[i + 1] = d.data[i + 2] = v;
                    d.data[i + 3] = 255;
                }
            c.putImageData(d, 0, 0);
            Module.poSnimku();
            // The game's next frames are not shown until the screenshot is taken.
            window.__poSnimku = Module.poSnimku;
            Module.poSnimku = () => {};
        }, smer);
        const s = dekoduj(await stranka.screenshot({clip: smer === 'x' ?
            {x: b.x, y: b.y + Math.floor(b.h / 2), width: b.w, height: 1} :
            {x: b.x + Math.floor(b.w / 2), y: b.y, width: 1, height: b.h}}));
        await stranka.evaluate(() => (Module.poSnimku = window.__poSnimku));
        r[smer] = smer === 'x' ? Array.from({length: s.w}, (_, X) => s.rgb[3 * X]) :
            Array.from({length: s.h}, (_, Y) => s.rgb[3 * Y * s.w]);
    }
    const vysledek = {};
    for (const [smer, rada] of Object.entries(r)) {
        const n = smer === 'x' ? 800 : 600, f = rada.length / n;
        let nejmene = Infinity, nejvice = 0, smisene = 0, naHranici = 0;
        for (let i = 1; i < n - 1; i += 2) {
            // The device pixels that can hold white i and no other white pixel.
            let pokryti = 0;
            const od = Math.max(Math.floor(i * f) - 1, Math.ceil((i - 1) * f)), po = Math.min(Math.ceil((i + 1) * f) + 1, Math.floor((i + 2) * f));
            for (let X = od; X < po; ++X) pokryti += rada[X] / 255;
            nejmene = Math.min(nejmene, pokryti);
            nejvice = Math.max(nejvice, pokryti);
        }
        const hranice = new Map();
        rada.forEach((v, X) => {
            if (v <= 3 || v >= 252) return;
            ++smisene;
            const j = Math.round((X + 0.5) / f);
            hranice.set(j, (hranice.get(j) || 0) + 1);
            naHranici = Math.max(naHranici, hranice.get(j));
        });
        vysledek[smer] = {f, nejmene, nejvice, smisene, naHranici};
    }
    return vysledek;
}
const vzorOk = (v) => ['x', 'y'].every((s) => v[s].nejmene >= v[s].f - 0.25 && v[s].nejvice <= v[s].f + 0.25 && v[s].naHranici <= 1);
const vzorUdaje = (v) => ['x', 'y'].map((s) => `${s}: factor ${v[s].f.toFixed(3)}, a pixel covers ` +
    `${v[s].nejmene.toFixed(2)}..${v[s].nejvice.toFixed(2)}, ${v[s].smisene} blended, at most ${v[s].naHranici} a boundary`).join('; ');

// Every screenshot pixel of the box lies within the colours of the game
// pixels its area covers (at most 2 x 2 between whole factors): no pixel
// blends with one it does not touch.
function ostry(hra, s, b) {
    const f = b.w / 800, x0 = Math.round(b.x), y0 = Math.round(b.y);
    let spatne = 0;
    for (let Y = 0; Y < Math.round(b.h); ++Y) {
        const ya = Math.floor(Y / f), yb = Math.min(599, Math.floor((Y + 1 - 1e-6) / f));
        for (let X = 0; X < Math.round(b.w); ++X) {
            const xa = Math.floor(X / f), xb = Math.min(799, Math.floor((X + 1 - 1e-6) / f));
            for (let k = 0; k < 3; ++k) {
                let lo = 255, hi = 0;
                for (const y of [ya, yb]) for (const x of [xa, xb]) {
                    const v = hra[4 * (y * 800 + x) + k];
                    lo = Math.min(lo, v);
                    hi = Math.max(hi, v);
                }
                const v = s.rgb[3 * ((y0 + Y) * s.w + x0 + X) + k];
                if (v < lo - 2 || v > hi + 2) {
                    ++spatne;
                    break;
                }
            }
        }
    }
    return spatne;
}
// The screenshot's box is the frame with each pixel repeated f x f times.
function opakovany(hra, s, b, f) {
    let spatne = 0;
    for (let Y = 0; Y < 600 * f; ++Y)
        for (let X = 0; X < 800 * f; ++X) {
            const i = 4 * (Math.floor(Y / f) * 800 + Math.floor(X / f)), j = 3 * ((b.y + Y) * s.w + b.x + X);
            spatne += hra[i] !== s.rgb[j] || hra[i + 1] !== s.rgb[j + 1] || hra[i + 2] !== s.rgb[j + 2];
        }
    return spatne;
}
const median = (a) => a[Math.floor(a.length / 2)];
const p90 = (a) => a[Math.min(a.length - 1, Math.floor(a.length * 0.9))];
const mb = (n) => (n / 1048576).toFixed(2) + ' MB';

let kontext = null;
let druhy = null;
try {
    // ======== First load: words, the first frame, walking, sound, the pad connected before.
    kontext = await spust({width: 800, height: 600});
    let stranka = sleduj(await kontext.newPage());
    const t0 = Date.now();
    await stranka.goto(adresa + '?pad');
    await hraje(stranka, 60000);
    const nacteni = ((Date.now() - t0) / 1000).toFixed(1);
    const slova = await stranka.evaluate(() => window.__slova);
    over('while loading the page says so in words', slova.some((s) => /load/i.test(s)),
        `${nacteni} s to the first frames; said: ${[...new Set(slova)].slice(0, 4).join(' | ')}`);
    over('... and the words are gone once the game plays', await stranka.evaluate(() => document.getElementById('zprava').hidden));

    const prvniSoubory = [...new Set(stazeno)];
    // Gzipped as most servers do (level 6), and at the fastest level some use.
    let syrove = 0, zabalene = 0, rychle = 0;
    for (const s of prvniSoubory) {
        const obsah = fs.readFileSync(path.join(www, s));
        syrove += obsah.length;
        zabalene += zlib.gzipSync(obsah, {level: 6}).length;
        rychle += zlib.gzipSync(obsah, {level: 1}).length;
    }
    over('the first load is at most 12 MB, 3.5 MB gzipped', syrove <= 12 * 1048576 && zabalene <= 3.5 * 1048576,
        `${prvniSoubory.join(', ')}: ${mb(syrove)} raw, ${mb(zabalene)} gzip -6, ${mb(rychle)} gzip -1`);

    // The castle: its brick tile (the level's own picture, read from the
    // page's packaged data) lies pixel for pixel in the first frame.
    const hrad = await stranka.evaluate(() => {
        const fs = window.FS || Module.FS, p = window.__prvni;
        if (!p) return {chyba: 'no frame was handed to Module.poSnimku'};
        let b;
        try {
            b = fs.readFile('grafika/mise/cihly01b.bmp');
        } catch (e) {
            return {chyba: 'grafika/mise/cihly01b.bmp is not in the page\'s files'};
        }
        const v = new DataView(b.buffer, b.byteOffset), od = v.getUint32(10, true), w = v.getInt32(18, true), h = v.getInt32(22, true);
        const radek = (3 * w + 3) & ~3, px = (x, y) => od + (h - 1 - y) * radek + 3 * x;  // bottom-up, BGR
        const sedi = (X, Y) => {
            for (let y = 0; y < h; ++y)
                for (let x = 0; x < w; ++x) {
                    const i = 4 * ((Y + y) * 800 + X + x), j = px(x, y);
                    if (p.data[i] !== b[j + 2] || p.data[i + 1] !== b[j + 1] || p.data[i + 2] !== b[j]) return false;
                }
            return true;
        };
        let nalezy = 0, kde = '';
        for (let Y = 0; Y + h <= 600; ++Y)
            for (let X = 0; X + w <= 800; ++X)
                if (sedi(X, Y)) {
                    if (!nalezy) kde = `${X},${Y}`;
                    ++nalezy;
                }
        const barvy = new Set();
        for (let i = 0; i < p.data.length; i += 4 * 97) barvy.add((p.data[i] << 16) | (p.data[i + 1] << 8) | p.data[i + 2]);
        return {nalezy, kde, barvy: barvy.size, w, h};
    });
    over('the first frame shows the castle: its brick tile pixel for pixel', hrad.nalezy > 0,
        hrad.chyba || `${hrad.w}x${hrad.h} tile found ${hrad.nalezy} times, first at ${hrad.kde}; ${hrad.barvy} colours in a sample of the frame`);

    await stranka.keyboard.press('p');  // the world stands still under the pause picture
    await cekej(300);
    let zastaveno = await pozastaveny(stranka, '800x600');
    await stranka.keyboard.press('p');
    let b = await box(stranka);
    over('at 800x600 the page shows the whole game at 1x', b.obraz === '0,0,800,600' && b.sdl === b.obraz && b.bw === 800,
        `display canvas ${b.obraz}, backing ${b.bw}x${b.bh}, SDL canvas ${b.sdl}`);
    over('... pixel for pixel the frame SDL drew', zastaveno && opakovany(zastaveno.hra, zastaveno.s, b, 1) === 0,
        zastaveno ? `${opakovany(zastaveno.hra, zastaveno.s, b, 1)} pixels differ` : 'the frame never held still');

    // Walking: Left faces a new hunter left and its release stops him; Right walks him right.
    await drz(stranka, 'ArrowLeft', 100);
    const x1 = +(await ulozeno(stranka))[X];
    await cekej(400);
    const x1b = +(await ulozeno(stranka))[X];
    await drz(stranka, 'ArrowRight', 1000);
    const x2 = +(await ulozeno(stranka))[X];
    over('the arrow keys walk the hunter: he stands once Left is released, Right walks him right',
        x1 === x1b && x2 > x1, `x ${x1} -> ${x1b} standing, -> ${x2} after Right`);

    // Sound: a swing starts one, and after M the next swing starts none.
    const zvukyOd = () => stranka.evaluate(() => window.__zvuky.length);
    const zvukyPo = async (od) => (await stranka.evaluate(() => window.__zvuky)).slice(od);
    const slysitelne = (z) => z.filter((s) => !s.smycka && s.hlasitost > 0);
    let od = await zvukyOd();
    await stranka.keyboard.press('Space');
    await cekej(500);
    const mec = slysitelne(await zvukyPo(od));
    const ladeni = (await zvukyPo(0)).filter((s) => s.smycka);
    const hrajici = ladeni.filter((s) => s.hraje);
    over('the level\'s tune plays (one looping sound at a time)', hrajici.length === 1,
        `${ladeni.length} started: ` + ladeni.map((s) => `${s.delka.toFixed(1)} s at ${s.hlasitost.toFixed(2)}` +
        (s.hraje ? ' playing' : ' stopped')).join(', '));
    over('a sword swing (Space) starts a sound', mec.length > 0, mec.map((s) => `${s.delka.toFixed(2)} s at ${s.hlasitost.toFixed(2)}`).join(', ') || 'none');
    let pred = await stranka.evaluate(() => Module.ulozeniHotovo || 0);
    await stranka.keyboard.press('m');
    await stranka.waitForFunction((n) => (Module.ulozeniHotovo || 0) > n, pred, {timeout: 5000}).catch(() => {});
    od = await zvukyOd();
    await stranka.keyboard.press('Space');
    await cekej(700);
    const ticho = slysitelne(await zvukyPo(od));
    over('... and after M the next swing starts none', ticho.length === 0, `${ticho.length} sounds`);

    // The pad there before the page loaded: its stick walks the hunter right.
    await drz(stranka, 'ArrowLeft', 100);
    const p1 = +(await ulozeno(stranka))[X];
    await stranka.evaluate(() => window.__pad.osa(0, 1));
    await cekej(1000);
    await stranka.evaluate(() => window.__pad.osa(0, 0));
    await cekej(300);
    const p2 = +(await ulozeno(stranka))[X];
    await cekej(400);
    const p3 = +(await ulozeno(stranka))[X];
    over('a pad connected before the page loaded walks the hunter with its stick, and stops him',
        p2 > p1 && p3 === p2, `x ${p1} -> ${p2}, then ${p3}`);

    // ======== A reload: the save is kept, F9 brings it back.
    const ulozene = p3;
    await stranka.goto(adresa);
    await hraje(stranka);
    const poReloadu = await soubor(stranka, 'savy/grondelvik.sav');
    over('the save survives a reload', poReloadu && +poReloadu[X] === ulozene,
        `x ${poReloadu ? poReloadu[X] : 'no file'}, saved ${ulozene}`);
    // So does the sound switched off, in the settings file beside the save (or in the game's folder).
    const nastaveni = (await soubor(stranka, 'savy/nastaveni.txt')) || (await soubor(stranka, 'nastaveni.txt')) || [];
    await cekej(500);
    const ladeniVypnute = (await stranka.evaluate(() => window.__zvuky)).filter((z) => z.smycka && z.hlasitost > 0);
    over('... and so does the sound switched off: the settings say zvuk=0 and no tune starts',
        nastaveni.includes('zvuk=0') && ladeniVypnute.length === 0,
        `settings: ${nastaveni.find((r) => r.startsWith('zvuk=')) || 'no zvuk line'}; ${ladeniVypnute.length} tunes started`);
    pred = await stranka.evaluate(() => Module.ulozeniHotovo || 0);
    await stranka.keyboard.press('m');
    await stranka.waitForFunction((n) => (Module.ulozeniHotovo || 0) > n, pred, {timeout: 5000}).catch(() => {});
    // A new game starts where the first one did (x1 give or take its first steps), far from the save.
    await drz(stranka, 'ArrowLeft', 100);
    await stranka.keyboard.press('F9');
    await cekej(500);
    const poF9 = +(await ulozeno(stranka))[X];
    over('... and F9 brings back the saved place', poF9 === ulozene, `x ${poF9}; a new game starts near ${x1}`);

    // The pad connected after the page loaded.
    await stranka.evaluate(() => window.__pad.pripoj());
    await cekej(300);
    await stranka.evaluate(() => window.__pad.osa(0, -1));
    await cekej(1000);
    await stranka.evaluate(() => window.__pad.osa(0, 0));
    await cekej(300);
    const p4 = +(await ulozeno(stranka))[X];
    over('a pad connected after the page loaded walks the hunter', p4 < poF9, `x ${poF9} -> ${p4}`);

    // ======== The picture at other sizes.
    await velikost(stranka, 1920, 1080);
    await stranka.keyboard.press('p');
    await cekej(400);
    b = await box(stranka);
    over('at 1920x1080 the game is shown larger than 800x600, 4:3, centred', b.obraz === '240,0,1440,1080' &&
        b.sdl === b.obraz && b.bw === 1600 && b.bh === 1200, `display canvas ${b.obraz} holding the frame at ${b.bw}x${b.bh}, SDL canvas ${b.sdl}`);
    zastaveno = await pozastaveny(stranka, '1920x1080');
    const spatne18 = zastaveno ? ostry(zastaveno.hra, zastaveno.s, b) : -1;
    over('... sharp: no screen pixel blends game pixels it does not lie over', spatne18 === 0,
        `${spatne18} of ${b.w * b.h} pixels do`);
    const v18 = await vzor(stranka);
    over('... every game pixel the same size, one blended screen pixel at most between two', vzorOk(v18), vzorUdaje(v18));

    for (const [w, h] of [[1000, 700], [2560, 1440]]) {
        await velikost(stranka, w, h);
        const v = await vzor(stranka);
        over(`at ${w}x${h} too`, vzorOk(v), vzorUdaje(v));
    }
    await velikost(stranka, 1600, 1200);
    b = await box(stranka);
    zastaveno = await pozastaveny(stranka, '1600x1200');
    over('at 1600x1200 the frame is shown at 2x, each pixel repeated 2x2', b.obraz === '0,0,1600,1200' && zastaveno &&
        opakovany(zastaveno.hra, zastaveno.s, b, 2) === 0, `display canvas ${b.obraz}` +
        (zastaveno ? `, ${opakovany(zastaveno.hra, zastaveno.s, b, 2)} pixels differ` : ''));
    await velikost(stranka, 640, 480);
    b = await box(stranka);
    zastaveno = await pozastaveny(stranka, '640x480');
    let prumer = [0, 0];
    if (zastaveno) {
        for (let i = 0; i < 800 * 600; ++i) prumer[0] += zastaveno.hra[4 * i + 1] / (800 * 600);
        for (let Y = 0; Y < 480; ++Y) for (let X = 0; X < 640; ++X) prumer[1] += zastaveno.s.rgb[3 * (Y * 640 + X) + 1] / (640 * 480);
    }
    over('at 640x480 the whole frame is reduced to 640x480', b.obraz === '0,0,640,480' && b.bw === 640 &&
        Math.abs(prumer[0] - prumer[1]) < 3, `display canvas ${b.obraz}, mean green ${prumer[0].toFixed(1)} in the game, ${prumer[1].toFixed(1)} shown`);

    // Mouse aim at 1.8x: the pointer over game pixel (635, 150), up and right
    // of the hunter's centre (435, 350) at exactly 45 degrees, shoots an arrow
    // of 30 degrees, and over (634, 150) or (635, 149) it would be 55; over
    // (235, 150) too, where (236, 150) would be 55; over (635, 403) 0 degrees,
    // where (635, 404) would be -25.
    await velikost(stranka, 1920, 1080);
    await stranka.keyboard.press('p');
    await stranka.keyboard.press('a');
    await cekej(300);
    const uhly = [];
    for (const [gx, gy] of [[635, 150], [235, 150], [635, 403]]) {
        const cx = 240 + Math.floor(gx * 1.8) + 1, cy = Math.floor(gy * 1.8) + 1;
        await stranka.mouse.move(cx, cy);
        await cekej(150);
        await stranka.mouse.down();
        await stranka.mouse.up();
        await cekej(300);
        const s = await ulozeno(stranka);
        uhly.push(+s[22 + 7 * (+s[3] - 1)]);
        await cekej(500);
    }
    await stranka.keyboard.press('a');
    over('the mouse aims at the game pixel under the pointer at 1.8x (arrows of 30, 30, 0 degrees)',
        uhly.join(',') === '30,30,0', `flew at ${uhly.join(', ')}`);

    // Fullscreen: F11, Alt+Enter and the page's button, shown the same way.
    const cela = () => stranka.evaluate(() => document.fullscreenElement ? document.fullscreenElement.id : '');
    await stranka.keyboard.press('F11');
    await cekej(400);
    const f1 = await cela(), bf = await box(stranka);
    await stranka.keyboard.press('Alt+Enter');
    await cekej(400);
    const f2 = await cela();
    await stranka.click('#celaObrazovka');
    await cekej(400);
    const f3 = await cela();
    pred = await snimku(stranka);
    await stranka.keyboard.press('Escape');
    await cekej(600);
    const f4 = await cela(), hrajeDal = (await snimku(stranka)) > pred;
    over('F11 shows the game fullscreen, Alt+Enter leaves, the button enters, Escape leaves and the game goes on',
        f1 === 'hra' && f2 === '' && f3 === 'hra' && f4 === '' && hrajeDal && bf.obraz === '240,0,1440,1080',
        `fullscreen element after each: ${[f1, f2, f3, f4].map((f) => f || 'none').join(', ')}; box ${bf.obraz}`);

    // Frame rate and frame time over 30 s of walking.
    await drz(stranka, 'ArrowLeft', 100);
    const [n0, c0, t0s] = await stranka.evaluate(() => [Module.pocetSnimku, (Module.casySnimku || []).length, performance.now()]);
    await stranka.keyboard.down('ArrowLeft');
    await cekej(15000);
    await stranka.keyboard.up('ArrowLeft');
    await stranka.keyboard.down('ArrowRight');
    await cekej(15000);
    await stranka.keyboard.up('ArrowRight');
    const [n1, casy, t1s] = await stranka.evaluate((c) => [Module.pocetSnimku, (Module.casySnimku || []).slice(c), performance.now()], c0);
    const fps = (n1 - n0) / ((t1s - t0s) / 1000);
    casy.sort((a, b) => a - b);
    over('30 s of walking at 1920x1080 runs at 10 +- 0.5 frames a second', Math.abs(fps - 10) <= 0.5,
        `${n1 - n0} frames in ${((t1s - t0s) / 1000).toFixed(1)} s = ${fps.toFixed(2)}/s`);
    over('... each frame\'s work, drawn and shown, under 20 ms (median and 90th percentile)',
        casy.length > 0 && p90(casy) < 20, casy.length ? `${casy.length} frames: median ${median(casy).toFixed(1)} ms, ` +
        `90th percentile ${p90(casy).toFixed(1)} ms, longest ${casy[casy.length - 1].toFixed(1)} ms` : 'Module.casySnimku holds none');
    // The page's part alone, its drawing flushed (the browser draws a canvas when it composes the page).
    await stranka.keyboard.press('p');
    const predani = await stranka.evaluate(() => {
        const o = document.getElementById('obraz').getContext('2d'), t = [];
        for (let i = 0; i < 40; ++i) {
            const a = performance.now();
            Module.poSnimku();
            o.getImageData(0, 0, 1, 1);
            t.push(performance.now() - a);
        }
        return t.sort((a, b) => a - b);
    });
    await stranka.keyboard.press('p');
    over('... of which showing the frame at 1920x1080, its drawing flushed, takes under 5 ms (median)', median(predani) < 5,
        `median ${median(predani).toFixed(1)} ms, 90th percentile ${p90(predani).toFixed(1)} ms of 40`);
    const posledni = +(await ulozeno(stranka))[X];

    // ======== A browser restart with the same profile.
    await kontext.close();
    kontext = await spust({width: 800, height: 600});
    stranka = sleduj(await kontext.newPage());
    await stranka.goto(adresa);
    await hraje(stranka);
    await drz(stranka, 'ArrowLeft', 100);
    await stranka.keyboard.press('F9');
    await cekej(500);
    const poRestartu = +(await ulozeno(stranka))[X];
    over('after a browser restart F9 brings back the saved place', poRestartu === posledni,
        `x ${poRestartu}, saved ${posledni}; a new game starts near ${x1}`);

    // Escape ends the game: the page says so and offers a new one.
    await stranka.keyboard.press('Escape');
    await stranka.waitForFunction(() => !document.getElementById('znovu').hidden, null, {timeout: 5000}).catch(() => {});
    const konec = await stranka.evaluate(() => [document.getElementById('zprava').innerText.trim().replace(/\s+/g, ' '),
        !document.getElementById('znovu').hidden]);
    over('Escape ends the game: the page says so and offers to play again', /ended/i.test(konec[0]) && konec[1], konec[0]);
    await stranka.click('#znovu');
    let znovu = true;
    await hraje(stranka).catch(() => (znovu = false));
    over('... and "Play again" starts a new game', znovu);

    const vyjimky = konzole.filter((z) => z.startsWith('pageerror'));
    over('no uncaught error in the playing pages', vyjimky.length === 0, vyjimky.slice(0, 3).join(' | '));
    await kontext.close();
    kontext = null;

    // ======== A fresh browser: a screen of two device pixels to a CSS pixel,
    // and programs that cannot load or run.
    druhy = await chromium.launch({executablePath: prohlizec, headless: true, args: parametry});
    const dvojity = await druhy.newContext({viewport: {width: 960, height: 540}, deviceScaleFactor: 2});
    await dvojity.addInitScript(pozorovatel);
    stranka = sleduj(await dvojity.newPage());
    await stranka.goto(adresa);
    await hraje(stranka);
    await stranka.keyboard.press('p');
    b = await box(stranka);
    const v2 = await vzor(stranka);
    over('with two device pixels to a CSS pixel, a 960x540 page shows the game on 1440x1080 device pixels, sharply',
        b.obraz === '120,0,720,540' && b.bw === 1600 && vzorOk(v2), `display canvas ${b.obraz} CSS, ` +
        `holding the frame at ${b.bw}x${b.bh}; ${vzorUdaje(v2)}`);
    await dvojity.close();

    const nejde = async (jmeno, priprava) => {
        const s = await (await druhy.newContext()).newPage();
        await priprava(s);
        await s.goto(adresa);
        let t = '';
        try {
            await s.waitForFunction(() => document.getElementById('hra').classList.contains('chyba'), null, {timeout: 15000});
            t = await s.evaluate(() => document.getElementById('zprava').innerText.trim().replace(/\s+/g, ' '));
        } catch (e) {
            t = '';
        }
        await s.context().close();
        return [jmeno, t];
    };
    const bez = (soubor) => (s) => s.route('**/' + soubor, (r) => r.fulfill({status: 404, body: 'not found'}));
    const chybi = await Promise.all([
        nejde('grondelvik.js', bez('grondelvik.js')),
        nejde('grondelvik.wasm', bez('grondelvik.wasm')),
        nejde('grondelvik.data', bez('grondelvik.data')),
        nejde('WebAssembly', (s) => s.addInitScript(() => delete window.WebAssembly)),
    ]);
    for (const [jmeno, t] of chybi)
        over(`without ${jmeno} the page says so in a line of text`, t.includes(jmeno), t || 'no words');
} catch (e) {
    over('the test ran to its end', false, e.message.split('\n')[0]);
} finally {
    if (kontext) await kontext.close().catch(() => {});
    if (druhy) await druhy.close().catch(() => {});
    server.close();
    fs.rmSync(profil, {recursive: true, force: true});
}
console.log(`e2e-web: ${prosly} checks passed, ${chyby} checks failed (${((Date.now() - pocatek) / 1000).toFixed(0)} s)`);
process.exit(chyby ? 1 : 0);
